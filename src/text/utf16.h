#pragma once
// Text files saved as UTF-16 ("Unicode" in some editors), read as the UTF-8 the rest of the
// program works in.

#include <optional>
#include <string>
#include <string_view>

namespace sorba {

/// The UTF-8 form of bytes that begin with a UTF-16 byte-order mark of either byte order, without
/// the mark; nothing when they do not begin with one. A lone surrogate becomes U+FFFD, and an odd
/// last byte (a file cut short) is dropped.
std::optional<std::string> utf16ToUtf8(std::string_view bytes);

} // namespace sorba
