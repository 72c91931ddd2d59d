#pragma once
// The Unicode characters that pasted text may carry without meaning anything in a number: the
// format characters (general category Cf: zero-width spaces and joiners, the byte-order mark,
// direction marks, embeddings, overrides and isolates) and the space separators (category Zs).

#include <algorithm>
#include <array>

namespace sorba {

struct CodePointRange
{
    char32_t first;
    char32_t last;
};

// Unicode 15, category Cf.
inline constexpr std::array<CodePointRange, 21> formatCharacters{{
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
    {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
    {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
}};

// Unicode 15, category Zs.
inline constexpr std::array<CodePointRange, 7> spaceSeparators{{
    {0x0020, 0x0020},
    {0x00A0, 0x00A0},
    {0x1680, 0x1680},
    {0x2000, 0x200A},
    {0x202F, 0x202F},
    {0x205F, 0x205F},
    {0x3000, 0x3000},
}};

template<std::size_t N>
constexpr bool inRanges(const std::array<CodePointRange, N> &ranges, char32_t c)
{
    return std::any_of(ranges.begin(), ranges.end(), [c](const CodePointRange &range) {
        return c >= range.first && c <= range.last;
    });
}

} // namespace sorba
