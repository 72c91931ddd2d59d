#pragma once
// What the two settings targets share: how an input splits into a file, a key and a value, the
// program's keys, a value as a write stores it, and a reader of the file written apart from the
// program's own to check it against.

#include "settings/profile_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorba::fuzzing {

inline constexpr std::string_view section = "SORBA";

inline constexpr std::array<std::string_view, 19> keys{
    "FontDef", "FormTop", "FormLeft", "Form2Top", "Form2Left", "Form3Top", "Form3Left",
    "Dumy",    "EndMem",  "SizeH",    "SizeW",    "AllFcs",    "JpFont",   "AtsNoA",
    "MColor",  "LColor",  "RColor",   "EColor",   "XColor"};

// The value as a write stores it: a line break or a NUL cannot be part of it.
inline std::string blanked(std::string_view value)
{
    std::string text(value);
    for (char &c : text) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    }
    return text;
}

inline std::optional<std::string> found(std::string_view fileText, std::string_view key)
{
    const std::optional<std::string_view> value = profile::findValue(fileText, section, key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

// The oracle: the file format read again here, apart from the program's reader, by what a user
// editing the file expects of it.

/// Without the blanks and tabs around it.
inline std::string_view blankTrimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

/// Equal but for the case of ASCII letters.
inline bool sameNameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

/// The text's lines without their breaks: a line ends at LF, CR LF or a lone CR.
inline std::vector<std::string_view> lineTexts(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (;;) {
        const std::size_t lineBreak = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, lineBreak));
        if (lineBreak == std::string_view::npos)
            return lines;
        text.remove_prefix(lineBreak + (text.substr(lineBreak).starts_with("\r\n") ? 2 : 1));
    }
}

/// A key's value as the text holds it: lines end at LF, CR LF or a lone CR, and the first line
/// may open with a byte-order mark; "[name]" opens a section (a missing "]" closes it at the line
/// end); "key=value" sets a key. Names count without the blanks around them and without regard
/// to ASCII case; the first line of the key in a [SORBA] section wins, and its value is all that
/// follows the first "=".
inline std::optional<std::string> referenceValue(std::string_view text, std::string_view key)
{
    key = blankTrimmed(key);
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    bool inSection = false;
    for (const std::string_view line : lineTexts(text)) {
        const std::string_view bare = blankTrimmed(line);
        if (bare.starts_with('[')) {
            const std::string_view name = bare.substr(1, bare.find(']') - 1);
            inSection = sameNameIgnoringCase(blankTrimmed(name), section);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || !inSection)
            continue;
        const std::string_view name = blankTrimmed(line.substr(0, equals));
        if (!name.empty() && sameNameIgnoringCase(name, key))
            return std::string(line.substr(equals + 1));
    }
    return std::nullopt;
}

/// Well-formed UTF-8 by the Unicode table of byte ranges: no overlong forms, no surrogates,
/// nothing above U+10FFFF, no broken sequences.
inline bool wellFormed(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const auto byte = static_cast<unsigned char>(text[at]);
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (byte < 0x80) {
            length = 1;
        } else if (byte >= 0xC2 && byte <= 0xDF) {
            length = 2;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            length = 3;
            low = byte == 0xE0 ? 0xA0 : 0x80;
            high = byte == 0xED ? 0x9F : 0xBF;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            length = 4;
            low = byte == 0xF0 ? 0x90 : 0x80;
            high = byte == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (at + length > text.size())
            return false;
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
                return false;
        }
        at += length;
    }
    return true;
}

/// The first `count` characters of well-formed UTF-8.
inline std::string_view firstCharacters(std::string_view text, std::size_t count)
{
    std::size_t at = 0;
    for (std::size_t seen = 0; at < text.size(); ++at) {
        const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
        if (starts && seen++ == count)
            break;
    }
    return text.substr(0, at);
}

/// A profile integer as the C library reads it: after the blanks and tabs, strtoll takes the sign
/// and the digits, clamped to 32 bits; nothing for a blank value. Other white space is no blank
/// here, so it stops the number before any digit.
inline std::optional<std::int32_t> referenceInteger(std::string_view value)
{
    const std::string text(blankTrimmed(value));
    if (text.empty())
        return std::nullopt;
    if (std::isspace(static_cast<unsigned char>(text.front())) != 0)
        return 0;
    const long long read = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long long>(
        read, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

struct SettingsInput
{
    std::string key;
    std::string value;
    std::string fileText;
};

inline SettingsInput settingsInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // One of the program's keys, or any text as a key.
    const std::size_t choice = input.ConsumeIntegralInRange<std::size_t>(0, keys.size());
    SettingsInput split;
    split.key =
        choice < keys.size() ? std::string(keys[choice]) : input.ConsumeRandomLengthString(20);
    split.value = input.ConsumeRandomLengthString(100);
    split.fileText = input.ConsumeRemainingBytesAsString();
    return split;
}

} // namespace sorba::fuzzing
