#pragma once
// The temporary file that carries a new settings text up to its rename, and the clearing away
// of those that crashed runs left behind.

#include "settings/file_descriptor.h"

#include <optional>
#include <string>
#include <string_view>

namespace sorba {

struct TemporaryFile
{
    FileDescriptor fd;
    std::string name;
};

/// A new empty file beside `name` in the folder folderFd, named ".NAME.PID.N.tmp" and locked for
/// as long as it is open, so that no cleaner takes it while it is being written. Created with
/// the mode a new file gets from the umask.
std::optional<TemporaryFile> createTemporaryFile(int folderFd, std::string_view name);

/// Removes the temporary files of `name` in the folder that are older than a minute and locked
/// by no one: a run that was killed between creating one and its rename left them.
void removeStaleTemporaryFiles(int folderFd, std::string_view name);

} // namespace sorba
