// The options Qt takes for itself are known here by name, so a mistyped option is refused
// before the application object would need a display to start.

#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <array>
#include <cstdio>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

// Status 2: the command line was at fault, as command-line tools report it.
constexpr int commandLineError = 2;

struct QtOption
{
    std::string_view name;
    std::string_view valueName; // empty for an option without a value
    std::string_view description;
};

// The options the application object takes out of the command line: the window system's,
// the widgets' and those of the X11 platform.
constexpr std::array qtOptions{
    QtOption{"platform", "name[:options]", "The window system plugin: xcb, wayland, offscreen."},
    QtOption{"platformpluginpath", "path", "Path to the window system plugins."},
    QtOption{"platformtheme", "theme", "Platform theme."},
    QtOption{"plugin", "plugin", "Additional plugin to load; may be given more than once."},
    QtOption{"qwindowgeometry", "geometry", "Geometry of the main window, as 100x100+50+50."},
    QtOption{"qwindowicon", "icon", "Default window icon."},
    QtOption{"qwindowtitle", "title", "Title of the first window."},
    QtOption{"reverse", "", "Lays the window out right to left."},
    QtOption{"session", "session", "Restores the application from an earlier session."},
    QtOption{"qmljsdebugger", "value", "Activates the QML/JS debugger (port:1234[,block])."},
    QtOption{"style", "style", "Widget style, such as Fusion."},
    QtOption{"stylesheet", "file", "Style sheet for the widgets."},
    QtOption{"widgetcount", "", "Prints the number of widgets left at exit."},
    QtOption{"display", "display", "X11: the X display to use."},
    QtOption{"geometry", "geometry", "X11: geometry of the main window."},
    QtOption{"title", "title", "X11: title of the first window."},
    QtOption{"name", "name", "X11: the application's resource name."},
};

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

struct Options
{
    QCommandLineOption help;
    QCommandLineOption helpAll;
    QCommandLineOption version;
};

Options describe(QCommandLineParser &parser, bool showQtOptions)
{
    // Qt writes its own options with one dash (-platform), so a word after one dash is a name.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("A compact desktop calculator for Japanese users, English second.\n"
                       "It is worked from the keyboard and the menus; sorba(1) lists the keys."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const QtOption &row : qtOptions) {
        QCommandLineOption option(text(row.name), text(row.description), text(row.valueName));
        if (!showQtOptions)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    return {help, QCommandLineOption(QStringLiteral("help-all")), version};
}

void print(std::FILE *stream, const QString &message)
{
    std::fputs(message.toLocal8Bit().constData(), stream);
}

int refuse(const QString &problem)
{
    const QString name = QCoreApplication::applicationName();
    print(stderr,
          name + u": "_s + problem + u"\nTry '"_s + name + u" --help' for more information.\n"_s);
    return commandLineError;
}

} // namespace

std::optional<int> answerCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    const Options options = describe(parser, false);
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        return refuse(u"Unexpected argument '"_s + extra.constFirst() + u"'."_s);
    if (parser.isSet(options.version)) {
        print(stdout, QCoreApplication::applicationName() + u' ' +
                          QCoreApplication::applicationVersion() + u'\n');
        return 0;
    }
    const bool all = parser.isSet(options.helpAll);
    if (all || parser.isSet(options.help)) {
        // The usage line names the program as it was started, which takes an application
        // object; a core one needs no display.
        const QCoreApplication app(argc, argv);
        QCommandLineParser full;
        describe(full, all);
        print(stdout, full.helpText());
        return 0;
    }
    return std::nullopt;
}
