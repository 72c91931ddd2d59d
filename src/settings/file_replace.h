#pragma once
// Whole-file reads, and replacements that a crash, a full disk, a file-size limit or a second
// copy of the program can never leave half-written.

#include "settings/file_read.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace sorba {

/// The file's bytes, or nothing when it is missing or cannot be read. Only a regular file (or a
/// link to one) is read, and never more than fileSizeLimit bytes: a longer file gives its
/// complete lines within that limit.
std::optional<std::string> readFileText(const std::filesystem::path &file);

/// Turns the file's current text (nothing when it does not exist yet) into its new text.
using TextChange = std::function<std::string(const std::optional<std::string> &current)>;

/// The longest a write waits for another writer's lock on the settings folder. Anyone who can
/// read the folder can take that lock and keep it, and the window must go on answering.
inline constexpr std::chrono::milliseconds lockWaitLimit{250};

enum class ReplaceResult {
    Replaced,
    /// Another process held the folder's lock for longer than the wait allowed.
    Busy,
    Failed,
};

/// Replaces the file with change(its text), holding a lock on its folder from the read to the
/// rename, so that no other writer slips in between; the lock is waited for at most lockWait. A
/// symbolic link stays as it is and the file it leads to is replaced, or created when missing;
/// the owner, group and mode stay. A file that cannot be read whole (not a regular file,
/// unreadable, over-long), or that it or its folder has no write bit, is left alone, even by
/// root. On failure the old file is left as it was.
ReplaceResult replaceFileText(const std::filesystem::path &file, const TextChange &change,
                              std::chrono::milliseconds lockWait = lockWaitLimit);

/// Whether a file or folder's mode has a write bit for anyone: without one it is read-only by
/// the owner's choice, which binds root as well.
bool hasWriteBit(const FileStatus &status);

} // namespace sorba
