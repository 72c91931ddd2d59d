// An installed copy is recognised by its data folder, which the installation puts at a fixed
// place relative to the program folder (bin/ and share/sorba/ under one prefix). A build
// folder or an unpacked folder has no such neighbour.

#include "program_paths.h"

#include <system_error>

#ifndef SORBA_DATA_FROM_PROGRAM
#error "SORBA_DATA_FROM_PROGRAM: the installed data folder relative to the installed program"
#endif

ProgramPaths programPathsFor(const std::filesystem::path &programFolder)
{
    const std::filesystem::path installedData =
        (programFolder / SORBA_DATA_FROM_PROGRAM).lexically_normal();
    std::error_code error;
    const bool installed = std::filesystem::is_directory(installedData, error);
    return {programFolder, installed ? installedData : programFolder, installed};
}
