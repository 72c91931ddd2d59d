// Dialog benchmark (not a test; run through bench/dialogs.sh under Xvfb): in one process, side by
// side, the font chooser from its menu item until its filled list is on screen against a bare
// QListWidget filled with the toolkit's family list, and the colour dialog from its menu item
// until it is on screen against a bare QColorDialog. Prints the medians and their ratios.

#include "main_window.h"
#include "qt_platform.h"
#include "settings/settings_file.h"
#include "window/calculator.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFontDatabase>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Runs the event loop until the widget's window is on screen.
void waitExposed(QWidget &widget)
{
    QWindow *window = widget.windowHandle();
    if (window != nullptr && window->isExposed())
        return;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (widget.windowHandle() != nullptr && widget.windowHandle()->isExposed())
            loop.quit();
    });
    poll.start(0);
    loop.exec();
}

// Calls `shown` with the elapsed time once the modal dialog that `open` starts is on screen,
// then closes that dialog.
class ModalTimer : public QObject
{
public:
    double run(const std::function<void()> &open)
    {
        m_elapsed = -1;
        qApp->installEventFilter(this);
        m_clock.start();
        open();
        qApp->removeEventFilter(this);
        return m_elapsed;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Expose || m_elapsed >= 0)
            return false;
        QWidget *modal = QApplication::activeModalWidget();
        auto *window = qobject_cast<QWindow *>(watched);
        if (modal == nullptr || window == nullptr || modal->windowHandle() != window)
            return false;
        // Exposure is delivered to the window first; the dialog is on screen from here on.
        QTimer::singleShot(0, modal, [this, modal] {
            if (windowExposed(modal)) {
                m_elapsed = double(m_clock.nsecsElapsed()) / 1e6;
                static_cast<QDialog *>(modal)->reject();
            }
        });
        return false;
    }

private:
    static bool windowExposed(QWidget *widget)
    {
        return widget->windowHandle() != nullptr && widget->windowHandle()->isExposed();
    }

    QElapsedTimer m_clock;
    double m_elapsed = -1;
};

QAction *actionFor(QMenuBar &bar, const sorba::MenuItem &item)
{
    const QString caption = QString::fromStdString(item.caption);
    for (QMenu *menu : bar.findChildren<QMenu *>()) {
        for (QAction *action : menu->actions()) {
            if (action->text() == caption && action->menu() == nullptr)
                return action;
        }
    }
    return nullptr;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    QTemporaryDir folder;
    QtPlatform platform(folder.path().toStdString());
    sorba::SettingsFile settings(platform.programFolder(), sorba::SettingsFile::Fallback::None);
    sorba::Calculator calc(platform, settings);
    MainWindow window(calc, platform);
    window.start();
    waitExposed(window);

    QAction *fontItem = actionFor(*window.menuBar(), calc.form.menu(sorba::MenuId::font2, 0));
    QAction *colourItem = actionFor(*window.menuBar(), calc.form.menu(sorba::MenuId::MMM, 0));
    if (fontItem == nullptr || colourItem == nullptr) {
        std::fprintf(stderr, "menu items not found\n");
        return 1;
    }
    FormWindow &chooser = window.fontChooserWindow();
    const auto chooserList = [&] {
        return qobject_cast<QListWidget *>(chooser.widgetFor(calc.fontChooser.Lstfontname));
    };

    QElapsedTimer clock;
    const auto bareList = [&] {
        clock.start();
        QListWidget list;
        list.addItems(QFontDatabase::families());
        list.resize(240, 135);
        list.show();
        waitExposed(list);
        return double(clock.nsecsElapsed()) / 1e6;
    };
    // The chooser loaded at start-up is shown as it is the first time; each later showing
    // after a close loads it afresh, list and all.
    const auto fontChooser = [&] {
        clock.start();
        fontItem->trigger();
        waitExposed(chooser);
        const double elapsed = double(clock.nsecsElapsed()) / 1e6;
        if (chooserList() == nullptr || chooserList()->count() == 0)
            std::fprintf(stderr, "the chooser's list is empty\n");
        chooser.close();
        QCoreApplication::processEvents();
        return elapsed;
    };
    ModalTimer modal;
    const auto bareDialog = [&] {
        return modal.run([&] {
            QColorDialog dialog(&window);
            dialog.setOption(QColorDialog::DontUseNativeDialog);
            dialog.setCurrentColor(QColor(0, 255, 0));
            dialog.exec();
        });
    };
    const auto colourDialog = [&] { return modal.run([&] { colourItem->trigger(); }); };

    // The first showing of each pays for what Qt builds once (styles, glyph caches).
    const double firstList = bareList();
    const double firstChooser = fontChooser();
    bareDialog();
    colourDialog();
    std::vector<double> lists, choosers, bareDialogs, dialogs;
    // The order alternates, so neither side always meets what the other left behind.
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) {
            lists.push_back(bareList());
            choosers.push_back(fontChooser());
            bareDialogs.push_back(bareDialog());
            dialogs.push_back(colourDialog());
        } else {
            choosers.push_back(fontChooser());
            lists.push_back(bareList());
            dialogs.push_back(colourDialog());
            bareDialogs.push_back(bareDialog());
        }
    }

    const double list = median(lists);
    const double shownChooser = median(choosers);
    const double bare = median(bareDialogs);
    const double dialog = median(dialogs);
    std::printf("median of %d runs, milliseconds until on screen (%lld font families)\n", runs,
                static_cast<long long>(QFontDatabase::families().size()));
    std::printf("font chooser   %8.2f  (first showing %.2f)\n", shownChooser, firstChooser);
    std::printf("bare list      %8.2f  (first showing %.2f)\n", list, firstList);
    std::printf("colour dialog  %8.2f\n", dialog);
    std::printf("bare dialog    %8.2f\n", bare);
    std::printf("chooser / bare list: %.2fx\n", shownChooser / list);
    std::printf("colour dialog / bare dialog: %.2fx\n", dialog / bare);
    calc.close();
    return 0;
}
