// sorba: the calculator's desktop window. A copy started from its build or unpacked folder keeps
// its settings file beside itself; an installed copy keeps it in the user's configuration folder.

#include "command_line.h"
#include "font_fallback.h"
#include "main_window.h"
#include "program_paths.h"
#include "qt_platform.h"
#include "settings/settings_file.h"
#include "shown_report.h"
#include "termination_signals.h"
#include "window/calculator.h"

#include <QApplication>

#include <cstdio>

namespace {

// Stored window positions, always on top, the centred About box and the context menu at the
// window's corner all need a window system that lets a program place its windows, which X11
// does and Wayland does not; on a Wayland desktop XWayland provides the X display. The choice
// is left to the user who sets QT_QPA_PLATFORM. It returns whether it chose.
bool preferX11()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    // Wayland stays the fallback should the X connection fail.
    qputenv("QT_QPA_PLATFORM",
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "xcb" : "xcb;wayland");
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("sorba"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SORBA_VERSION));
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;

    const bool choseX11 = preferX11();
    QApplication app(argc, argv);
    // Programs started from here (the help viewer) make their own choice.
    if (choseX11)
        qunsetenv("QT_QPA_PLATFORM");
    warnWhenNoJapaneseFace();
    // The window system finds the desktop entry, and with it the icon, under this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(SORBA_APP_ID));

    const ProgramPaths paths =
        programPathsFor(QCoreApplication::applicationDirPath().toStdString());
    QtPlatform platform(paths.programFolder, paths.dataFolder);
    sorba::SettingsFile settings(
        paths.programFolder, paths.installed ? sorba::SettingsFile::Fallback::UserConfigFolderOnly
                                             : sorba::SettingsFile::Fallback::UserConfigFolder);
    // Settings that cannot be saved are said once where the person who started the program
    // looks for such things; the window goes on with what it has.
    settings.setFailureReport([](const std::string &message) {
        std::fprintf(stderr, "sorba: %s\n", message.c_str());
        std::fflush(stderr);
    });
    sorba::Calculator calc(platform, settings);
    MainWindow window(calc, platform);
    closeOnTerminationSignals(window);
    window.start();
    reportFirstExposure(window);
    if (calc.ended())
        return 0;
    return QApplication::exec();
}
