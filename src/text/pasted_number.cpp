// Folding pasted text into a number the readout reads.

#include "text/pasted_number.h"

#include "tables/unicode_ranges.h"
#include "text/readout_format.h"
#include "text/utf8.h"

#include <vector>

namespace sorba {

namespace {

// The full-width forms that stand for ASCII ones in Japanese text.
char32_t asciiForm(char32_t c)
{
    if (c >= U'０' && c <= U'９')
        return c - U'０' + U'0';
    switch (c) {
    case U'．':
        return U'.';
    case U'，':
        return U',';
    case U'－':
    case U'\u2212':
        return U'-';
    default:
        return c;
    }
}

// The spaces other than the ASCII blank, which paste has trimmed already: one that stands
// where a control character was is kept, so the text is no number.
bool isOtherSpace(char32_t c)
{
    return c != U' ' && inRanges(spaceSeparators, c);
}

std::vector<char32_t> decodeAll(std::string_view text, bool &wellFormed)
{
    std::vector<char32_t> characters;
    wellFormed = true;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = decodeUtf8(text, at);
        wellFormed = wellFormed && !character.malformed;
        characters.push_back(character.codePoint);
        at += character.length;
    }
    return characters;
}

} // namespace

std::string withoutFormatCharacters(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = decodeUtf8(text, at);
        if (character.malformed || !inRanges(formatCharacters, character.codePoint))
            kept.append(text.substr(at, character.length));
        at += character.length;
    }
    return kept;
}

std::optional<std::string> foldedNumberText(std::string_view text)
{
    bool wellFormed = true;
    const std::vector<char32_t> characters = decodeAll(text, wellFormed);
    if (!wellFormed)
        return std::nullopt;
    auto first = characters.begin();
    auto last = characters.end();
    while (first != last && isOtherSpace(*first))
        ++first;
    while (last != first && isOtherSpace(*(last - 1)))
        --last;
    if (first != last && (*first == U'¥' || *first == U'￥'))
        ++first;
    if (last != first && *(last - 1) == U'円')
        --last;
    std::string folded;
    for (auto at = first; at != last; ++at)
        appendUtf8(folded, asciiForm(*at));
    if (!readoutValue(folded))
        return std::nullopt;
    return folded;
}

} // namespace sorba
