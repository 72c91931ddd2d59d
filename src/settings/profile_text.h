#pragma once
// The profile ("INI") text of the settings file as plain strings: finding a key's value, setting
// one key while every other line stays as it was, and the two ways a value is read back.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sorba::profile {

/// Text reads come back with at most this many characters (code points).
inline constexpr std::size_t textReadLimit = 49;

/// Section names, keys and the file's own name compare without regard to ASCII case.
bool sameName(std::string_view a, std::string_view b);

/// The text after the "=" of the first line holding key in section (both compared without regard
/// to ASCII case), with its line end removed; nothing when no such line exists.
std::optional<std::string_view> findValue(std::string_view fileText, std::string_view section,
                                          std::string_view key);

/// A key can be stored when it is not blank and cannot be taken for a section header, a line
/// break or part of a value.
bool isStorableKey(std::string_view key);

/// fileText with key set to value: the first line of the key is replaced, otherwise a line is
/// added at the end of the section, otherwise the section is added at the end of the text. CR,
/// LF and NUL in the value become blanks. LF, CR LF and a lone CR all end a line, and added lines
/// end as the file's first line does. key must be storable.
std::string withValue(std::string_view fileText, std::string_view section, std::string_view key,
                      std::string_view value);

/// Profile-integer reading: nothing for a blank value, otherwise the optional sign and leading
/// decimal digits after the blanks (0 when there are none), clamped to the 32-bit range.
std::optional<std::int32_t> integerValue(std::string_view value);

/// The value without its leading and trailing blanks, cut to textReadLimit characters.
std::string textValue(std::string_view value);

} // namespace sorba::profile
