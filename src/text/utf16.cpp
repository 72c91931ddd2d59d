// UTF-16 with a byte-order mark, decoded to UTF-8.

#include "text/utf16.h"

#include "text/utf8.h"

namespace sorba {

namespace {

constexpr std::string_view littleEndianMark = "\xFF\xFE";
constexpr std::string_view bigEndianMark = "\xFE\xFF";

bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

std::optional<std::string> utf16ToUtf8(std::string_view bytes)
{
    const bool littleEndian = bytes.starts_with(littleEndianMark);
    if (!littleEndian && !bytes.starts_with(bigEndianMark))
        return std::nullopt;
    bytes.remove_prefix(littleEndianMark.size());

    const auto unitAt = [&](std::size_t index) {
        const auto first = static_cast<unsigned char>(bytes[2 * index]);
        const auto second = static_cast<unsigned char>(bytes[2 * index + 1]);
        return littleEndian ? char32_t(first | (second << 8)) : char32_t((first << 8) | second);
    };
    const std::size_t units = bytes.size() / 2;
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t index = 0; index < units; ++index) {
        const char32_t unit = unitAt(index);
        if (isHighSurrogate(unit) && index + 1 < units && isLowSurrogate(unitAt(index + 1))) {
            appendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(index + 1) - 0xDC00));
            ++index;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(text, replacementCharacter);
        } else {
            appendUtf8(text, unit);
        }
    }
    return text;
}

} // namespace sorba
