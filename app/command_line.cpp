// The same parser serves both passes: the first only looks for --help and --version, the second
// judges the whole command line.

#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

struct Options
{
    QCommandLineOption help;
    QCommandLineOption version;
};

Options describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("A compact desktop calculator for Japanese users, English second.\n"
                       "It is worked from the keyboard and the menus; sorba(1) lists the keys."));
    return {parser.addHelpOption(), parser.addVersionOption()};
}

} // namespace

std::optional<int> answerHelpOrVersion(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    const Options options = describe(parser);
    // Qt's own options are unknown to this parser; they are judged in the second pass.
    parser.parse(arguments);
    if (parser.isSet(options.version)) {
        const QString text = QCoreApplication::applicationName() + u' ' +
                             QCoreApplication::applicationVersion() + u'\n';
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    // --help-all lists Qt's own options too, which only the application object knows; it is
    // answered in the second pass.
    if (parser.isSet(options.help)) {
        // The usage line names the program as it was started, which takes an application
        // object; a core one needs no display.
        const QCoreApplication app(argc, argv);
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    return std::nullopt;
}

void refuseUnknownOptions(const QCoreApplication &app)
{
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
}
