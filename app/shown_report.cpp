// Prints the moment of the first exposure and stops watching.

#include "shown_report.h"

#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>

namespace {

class ExposureReporter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            const auto micro = std::chrono::duration_cast<std::chrono::microseconds>(now);
            std::printf("shown %lld\n", static_cast<long long>(micro.count()));
            std::fflush(stdout);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void reportFirstExposure(QWidget &window)
{
    if (qEnvironmentVariableIntValue("SORBA_REPORT_SHOWN") != 1)
        return;
    if (QWindow *handle = window.windowHandle())
        handle->installEventFilter(new ExposureReporter(handle));
}
