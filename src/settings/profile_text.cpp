// The profile text of the settings file: a line-by-line reader that never gives up on a damaged
// file, and a writer that touches only the one line it owns.

#include "settings/profile_text.h"

#include "text/utf8.h"

#include <algorithm>
#include <limits>

namespace sorba::profile {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// One line of the file: [begin, textEnd) is its text, [textEnd, end) its line break. Editors end
// lines with LF, CR LF or a lone CR (old Macintosh files); all three are line breaks.
struct Line
{
    std::size_t begin;
    std::size_t textEnd;
    std::size_t end;
};

Line lineAt(std::string_view text, std::size_t begin)
{
    const std::size_t textEnd = std::min(text.find_first_of("\r\n", begin), text.size());
    std::size_t end = std::min(textEnd + 1, text.size());
    if (text.substr(textEnd).starts_with("\r\n"))
        end = textEnd + 2;
    return {begin, textEnd, end};
}

// The line break a new line gets: the file's own first one, so a file keeps one style of line
// end; LF in a file that has none yet.
std::string_view lineBreakOf(std::string_view text)
{
    const std::size_t first = text.find_first_of("\r\n");
    if (first == std::string_view::npos)
        return "\n";
    return text.substr(first).starts_with("\r\n") ? "\r\n" : text.substr(first, 1);
}

enum class LineKind { Header, Entry, Other };

struct ParsedLine
{
    LineKind kind = LineKind::Other;
    std::string_view name; // section name or key
    std::string_view value;
};

ParsedLine parseLine(std::string_view line)
{
    std::string_view rest = trimmed(line);
    if (rest.starts_with('[')) {
        rest.remove_prefix(1);
        return {LineKind::Header, trimmed(rest.substr(0, rest.find(']'))), {}};
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return {};
    const std::string_view key = trimmed(line.substr(0, equals));
    if (key.empty())
        return {};
    return {LineKind::Entry, key, line.substr(equals + 1)};
}

// Notepad puts a byte-order mark in front of the first line; it must not hide the header.
std::size_t firstLineStart(std::string_view text)
{
    return text.starts_with(byteOrderMark) ? byteOrderMark.size() : 0;
}

} // namespace

bool sameName(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

std::optional<std::string_view> findValue(std::string_view fileText, std::string_view section,
                                          std::string_view key)
{
    key = trimmed(key);
    bool inSection = false;
    for (std::size_t pos = firstLineStart(fileText); pos < fileText.size();) {
        const Line line = lineAt(fileText, pos);
        pos = line.end;
        const ParsedLine parsed = parseLine(fileText.substr(line.begin, line.textEnd - line.begin));
        if (parsed.kind == LineKind::Header)
            inSection = sameName(parsed.name, section);
        else if (parsed.kind == LineKind::Entry && inSection && sameName(parsed.name, key))
            return parsed.value;
    }
    return std::nullopt;
}

bool isStorableKey(std::string_view key)
{
    key = trimmed(key);
    return !key.empty() && !key.starts_with('[') &&
           key.find_first_of(std::string_view("=\r\n\0", 4)) == std::string_view::npos;
}

std::string withValue(std::string_view fileText, std::string_view section, std::string_view key,
                      std::string_view value)
{
    key = trimmed(key);
    std::string entry = std::string(key) + '=';
    for (const char c : value)
        entry += c == '\r' || c == '\n' || c == '\0' ? ' ' : c;

    // Where a new key goes: after the last key of the first such section, or after its header.
    std::optional<std::size_t> insertAt;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t pos = firstLineStart(fileText); pos < fileText.size();) {
        const Line line = lineAt(fileText, pos);
        pos = line.end;
        const ParsedLine parsed = parseLine(fileText.substr(line.begin, line.textEnd - line.begin));
        if (parsed.kind == LineKind::Header) {
            inSection = sameName(parsed.name, section);
            inFirstSection = inSection && !insertAt;
            if (inFirstSection)
                insertAt = line.end;
        } else if (parsed.kind == LineKind::Entry && inSection) {
            if (sameName(parsed.name, key)) {
                return std::string(fileText.substr(0, line.begin)) + entry +
                       std::string(fileText.substr(line.textEnd));
            }
            if (inFirstSection)
                insertAt = line.end;
        }
    }

    const std::string_view lineBreak = lineBreakOf(fileText);
    std::string result(fileText.substr(0, insertAt.value_or(fileText.size())));
    if (!result.empty() && result.back() != '\n' && result.back() != '\r')
        result += lineBreak;
    if (!insertAt)
        result += '[' + std::string(section) + ']' + std::string(lineBreak);
    result += entry + std::string(lineBreak);
    if (insertAt)
        result += fileText.substr(*insertAt);
    return result;
}

std::optional<std::int32_t> integerValue(std::string_view value)
{
    std::string_view rest = trimmed(value);
    if (rest.empty())
        return std::nullopt;
    const bool negative = rest.starts_with('-');
    if (negative || rest.starts_with('+'))
        rest.remove_prefix(1);

    // Digits beyond the 32-bit range clamp to its ends rather than wrap into a surprise.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (const char c : rest) {
        if (!isAsciiDigit(c))
            break;
        magnitude = std::min(magnitude * 10 + (c - '0'), limit);
    }
    if (negative)
        return static_cast<std::int32_t>(-magnitude);
    return static_cast<std::int32_t>(std::min(magnitude, limit - 1));
}

std::string textValue(std::string_view value)
{
    const std::string_view text = trimmed(value);
    std::size_t end = 0;
    // A malformed piece of UTF-8 counts as one character, so damaged text is still cut somewhere
    // sensible.
    for (std::size_t count = 0; end < text.size() && count < textReadLimit; ++count)
        end += decodeUtf8(text, end).length;
    return std::string(text.substr(0, end));
}

} // namespace sorba::profile
