// The UTF-8 decoder, after the well-formed byte sequences of the Unicode standard: the second
// byte's range depends on the lead, which rules out overlong forms, surrogates and code points
// above U+10FFFF at the lead byte already.

#include "text/utf8.h"

#include <optional>

namespace sorba {

namespace {

constexpr unsigned char continuationLow = 0x80;
constexpr unsigned char continuationHigh = 0xBF;

struct LeadByte
{
    std::size_t continuations;
    char32_t bits;
    // The range the first continuation byte must fall in.
    unsigned char low = continuationLow;
    unsigned char high = continuationHigh;
};

// Nothing for a byte that cannot begin a sequence of two or more bytes.
std::optional<LeadByte> leadByte(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return LeadByte{1, lead & 0x1FU};
    if (lead == 0xE0)
        return LeadByte{2, lead & 0x0FU, 0xA0}; // below A0 is overlong
    if (lead == 0xED)
        return LeadByte{2, lead & 0x0FU, continuationLow, 0x9F}; // above 9F is a surrogate
    if (lead >= 0xE1 && lead <= 0xEF)
        return LeadByte{2, lead & 0x0FU};
    if (lead == 0xF0)
        return LeadByte{3, lead & 0x07U, 0x90}; // below 90 is overlong
    if (lead == 0xF4)
        return LeadByte{3, lead & 0x07U, continuationLow, 0x8F}; // above 8F is beyond U+10FFFF
    if (lead >= 0xF1 && lead <= 0xF3)
        return LeadByte{3, lead & 0x07U};
    return std::nullopt;
}

} // namespace

Utf8Character decodeUtf8(std::string_view text, std::size_t at)
{
    if (at >= text.size())
        return {};
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < continuationLow)
        return {lead, 1, false};
    const std::optional<LeadByte> sequence = leadByte(lead);
    if (!sequence)
        return {};
    char32_t codePoint = sequence->bits;
    unsigned char low = sequence->low;
    unsigned char high = sequence->high;
    std::size_t length = 1;
    for (std::size_t k = 0; k < sequence->continuations; ++k) {
        if (at + length >= text.size())
            return {replacementCharacter, length, true};
        const auto next = static_cast<unsigned char>(text[at + length]);
        if (next < low || next > high)
            return {replacementCharacter, length, true};
        codePoint = (codePoint << 6) | (next & 0x3FU);
        ++length;
        low = continuationLow;
        high = continuationHigh;
    }
    return {codePoint, length, false};
}

bool isWellFormedUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = decodeUtf8(text, at);
        if (character.malformed)
            return false;
        at += character.length;
    }
    return true;
}

void makeWellFormedUtf8(std::string &text)
{
    if (isWellFormedUtf8(text))
        return;
    std::string clean;
    clean.reserve(text.size() + 8);
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = decodeUtf8(text, at);
        if (character.malformed)
            appendUtf8(clean, replacementCharacter);
        else
            clean.append(text, at, character.length);
        at += character.length;
    }
    text = std::move(clean);
}

void appendUtf8(std::string &out, char32_t codePoint)
{
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (codePoint < 0x80) {
        out += byte(codePoint);
    } else if (codePoint < 0x800) {
        out += byte(0xC0 | (codePoint >> 6));
        out += byte(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += byte(0xE0 | (codePoint >> 12));
        out += byte(0x80 | ((codePoint >> 6) & 0x3F));
        out += byte(0x80 | (codePoint & 0x3F));
    } else {
        out += byte(0xF0 | (codePoint >> 18));
        out += byte(0x80 | ((codePoint >> 12) & 0x3F));
        out += byte(0x80 | ((codePoint >> 6) & 0x3F));
        out += byte(0x80 | (codePoint & 0x3F));
    }
}

} // namespace sorba
