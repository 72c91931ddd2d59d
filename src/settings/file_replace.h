#pragma once
// Whole-file reads, and replacements that a crash, a full disk or a second copy of the program
// can never leave half-written.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace sorba {

/// The file's bytes, or nothing when it is missing or cannot be read.
std::optional<std::string> readFileText(const std::filesystem::path &file);

/// Turns the file's current text (nothing when it does not exist yet) into its new text.
using TextChange = std::function<std::string(const std::optional<std::string> &current)>;

/// Replaces the file with change(its text), holding a lock on its folder from the read to the
/// rename, so that no other writer slips in between. A symbolic link is written through. On
/// failure the old file is left as it was and false comes back.
bool replaceFileText(const std::filesystem::path &file, const TextChange &change);

} // namespace sorba
