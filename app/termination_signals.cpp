// The signal handler only writes a byte into a pipe (the self-pipe pattern); the window reads it
// in its event loop, where closing is safe.

#include "termination_signals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array terminationSignals{SIGTERM, SIGINT, SIGHUP};

// Used by the signal handler, so it has to be reachable without any object; it is set before
// the handler is installed.
volatile std::sig_atomic_t signalPipeWriteEnd = -1;

extern "C" void noteSignal(int /*signal*/)
{
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a request to close; losing this byte loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(signalPipeWriteEnd, &byte, 1);
    errno = savedErrno;
}

// A box or menu open inside a handler is dismissed first, as if cancelled; the window closes
// once its loop has ended and the handler has gone on.
void closeLikeTheCloseBox(QWidget &window)
{
    QWidget *open = QApplication::activePopupWidget();
    if (open == nullptr)
        open = QApplication::activeModalWidget();
    if (open != nullptr && open != &window) {
        open->hide();
        QTimer::singleShot(0, &window, [&window] { closeLikeTheCloseBox(window); });
        return;
    }
    window.close();
}

} // namespace

void closeOnTerminationSignals(QWidget &window)
{
    std::array<int, 2> ends{};
    if (signalPipeWriteEnd >= 0 || ::pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    signalPipeWriteEnd = ends[1];
    auto *notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, readEnd = ends[0]] {
        std::array<char, 64> bytes{};
        while (::read(readEnd, bytes.data(), bytes.size()) > 0) {
        }
        closeLikeTheCloseBox(window);
    });

    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : terminationSignals)
        ::sigaction(signal, &action, nullptr);
}
