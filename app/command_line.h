#pragma once
// The command line: --help and --version are answered before any window exists, so they work
// without a display; any other option Qt does not take for itself is refused.

#include <optional>

class QCoreApplication;

/// Prints the usage or the version when the command line asks for either and returns the exit
/// status; nothing otherwise. Call it before the application object exists.
std::optional<int> answerHelpOrVersion(int argc, char **argv);

/// Exits with a message when the command line holds an option the program does not know. Call
/// it once the application has taken Qt's own options (such as -platform) out of the list.
void refuseUnknownOptions(const QCoreApplication &app);
