#pragma once
// Whole-file reads, and replacements that a crash, a full disk, a file-size limit or a second
// copy of the program can never leave half-written.

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

/// Replaces the file with change(its text), holding a lock on its folder from the read to the
/// rename, so that no other writer slips in between. A symbolic link stays as it is and the file
/// it leads to is replaced, or created when missing; the owner, group and mode stay. A file that
/// cannot be read whole (not a regular file, unreadable, over-long) is left alone. On failure the
/// old file is left as it was and false comes back.
bool replaceFileText(const std::filesystem::path &file, const TextChange &change);

} // namespace sorba
