#pragma once
// Where the program finds its data files and keeps its settings. An installed copy has its data
// in the installed data folder and keeps the settings of whoever runs it in their configuration
// folder; a copy started from its build or unpacked folder has both beside itself.

#include <filesystem>

struct ProgramPaths
{
    std::filesystem::path programFolder;
    /// The folder of the help file and the program's other data files.
    std::filesystem::path dataFolder;
    /// An installed copy never writes beside itself, even when it could (run by root).
    bool installed = false;
};

/// The paths of a program that runs from that folder.
ProgramPaths programPathsFor(const std::filesystem::path &programFolder);
