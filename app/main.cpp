// sorba: the calculator's desktop window. The settings file lives in the program's own folder.

#include "main_window.h"
#include "qt_platform.h"
#include "settings/settings_file.h"
#include "shown_report.h"
#include "window/calculator.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sorba"));

    QtPlatform platform(QCoreApplication::applicationDirPath().toStdString());
    sorba::SettingsFile settings(platform.programFolder());
    sorba::Calculator calc(platform, settings);
    MainWindow window(calc, platform);
    window.start();
    reportFirstExposure(window);
    if (calc.ended())
        return 0;
    return QApplication::exec();
}
