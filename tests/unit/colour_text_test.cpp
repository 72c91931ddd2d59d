// Colour texts: the stored defaults, the 16-bit and 32-bit "&H" forms, decimal rounding and the
// range of values that are colours.

#include "settings/colour_text.h"

#include <gtest/gtest.h>

namespace sorba {
namespace {

constexpr std::optional<Colour> noColour = std::nullopt;

TEST(ColourTextTest, EvaluatesStoredTexts)
{
    struct Row
    {
        int line;
        std::string_view text;
        std::int32_t value;
        std::optional<Colour> colour;
    };
    const Row rows[] = {
        // The defaults and what the colour dialog writes.
        {__LINE__, "&HFFFF", -1, noColour},
        {__LINE__, "&HFFFF&", 65535, 65535},
        {__LINE__, "&H404040", 4210752, 4210752},
        {__LINE__, "&HFF&", 255, 255},
        {__LINE__, "&H400000", 4194304, 4194304},
        {__LINE__, "&HFFF", 4095, 4095},
        {__LINE__, "65535", 65535, 65535},
        {__LINE__, "abc", 0, 0},
        {__LINE__, "", 0, 0},
        // Up to four digits without "&" are a 16-bit number.
        {__LINE__, "&H7FFF", 32767, 32767},
        {__LINE__, "&h7fff", 32767, 32767},
        {__LINE__, "&H8000", -32768, noColour},
        {__LINE__, "&HFFFFG", -1, noColour},
        {__LINE__, "  &HFF", 255, 255},
        {__LINE__, "&H", 0, 0},
        {__LINE__, "&H&", 0, 0},
        // Five digits or more, or a trailing "&", are a 32-bit number.
        {__LINE__, "&H10000", 65536, 65536},
        {__LINE__, "&H8000&", 32768, 32768},
        {__LINE__, "&HFFFFFF", 16777215, 16777215},
        {__LINE__, "&H1000000", 16777216, noColour},
        {__LINE__, "&HFFFFFFFF", -1, noColour},
        {__LINE__, "&H123456789", 0x23456789, noColour},
        {__LINE__, "&H80000000", -2147483647 - 1, 0x80000000},
        {__LINE__, "&H80000005&", -2147483643, 0x80000005},
        {__LINE__, "&H80000018", -2147483624, 0x80000018},
        {__LINE__, "&H80000019", -2147483623, noColour},
        // Decimal texts round to the even neighbour on an exact half.
        {__LINE__, "16777215", 16777215, 16777215},
        {__LINE__, "16777216", 16777216, noColour},
        {__LINE__, "-1", -1, noColour},
        {__LINE__, " +7", 7, 7},
        {__LINE__, "12abc", 12, 12},
        {__LINE__, "254.5", 254, 254},
        {__LINE__, "255.5", 256, 256},
        {__LINE__, "254.50001", 255, 255},
        {__LINE__, "254.49999", 254, 254},
        {__LINE__, ".5", 0, 0},
        {__LINE__, "-2.5", -2, noColour},
        {__LINE__, "-0.5", 0, 0},
        {__LINE__, "9.", 9, 9},
        {__LINE__, "-", 0, 0},
        // System colours in decimal, and numbers beyond 32 bits, which stand for no colour.
        {__LINE__, "-2147483643", -2147483643, 0x80000005},
        {__LINE__, "-2147483648", -2147483647 - 1, 0x80000000},
        {__LINE__, "-2147483648.5", -2147483647 - 1, 0x80000000},
        {__LINE__, "-2147483649", -1, noColour},
        {__LINE__, "2147483647", 2147483647, noColour},
        {__LINE__, "2147483647.5", -1, noColour},
        {__LINE__, "99999999999999999999999", -1, noColour},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(colourTextValue(row.text), row.value);
        EXPECT_EQ(evaluateColourText(row.text), row.colour);
    }
}

TEST(ColourTextTest, AcceptsColourRangesOnly)
{
    struct Row
    {
        int line;
        std::int64_t value;
        std::optional<Colour> colour;
    };
    const Row rows[] = {
        {__LINE__, 0, 0},
        {__LINE__, 0xFFFFFF, 0xFFFFFF},
        {__LINE__, 0x1000000, noColour},
        {__LINE__, -1, noColour},
        {__LINE__, 0x7FFFFFFF, noColour},
        {__LINE__, 0x80000000, 0x80000000},
        {__LINE__, 0x80000018, 0x80000018},
        {__LINE__, 0x80000019, noColour},
        {__LINE__, -2147483648, 0x80000000},
        {__LINE__, -2147483624, 0x80000018},
        {__LINE__, -2147483623, noColour},
        {__LINE__, -2147483649, noColour},
        {__LINE__, 0x180000000, noColour},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(colourFromValue(row.value), row.colour);
    }
}

} // namespace
} // namespace sorba
