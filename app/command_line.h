#pragma once
// The command line, answered before any window exists so that it works without a display: the
// usage, the version, and a message with status 2 for anything the program cannot take. Qt's own
// options (such as -platform) pass on to the application object.

#include <optional>

/// Prints the usage, the version or what is wrong with the command line, and returns the exit
/// status when the program should end there; nothing when it should start. Call it before the
/// application object exists.
std::optional<int> answerCommandLine(int argc, char **argv);
