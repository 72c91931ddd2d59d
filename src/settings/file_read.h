#pragma once
// Reading the settings file without ever waiting on it: only a regular file is read, and only
// its first part when it is absurdly long.

#include <cstddef>
#include <string>
#include <sys/stat.h>

namespace sorba {

/// The program's own settings file stays under a kilobyte; a file beyond this size is read only
/// this far, and never rewritten.
inline constexpr std::size_t fileSizeLimit = std::size_t{2} << 20;

using FileStatus = struct stat;

enum class ReadResult { Missing, Read, TooLong, Failed };

struct FileRead
{
    ReadResult result = ReadResult::Failed;
    /// Read: the whole file; TooLong: its first fileSizeLimit bytes.
    std::string text;
    /// The status of the file that was read (Read and TooLong only).
    FileStatus status{};
};

/// Reads the file `name` in the folder folderFd (AT_FDCWD: the current folder), following
/// links. A pipe, a device, a folder or anything else but a regular file is Failed.
FileRead readRegularFile(int folderFd, const char *name);

} // namespace sorba
