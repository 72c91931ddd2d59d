// Readout text: the display patterns, the 20-character tail and the two readings of text as a
// number, checked against hand-worked rows and against the C library's exact printf.

#include "text/readout_format.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace sorba {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double largest = std::numeric_limits<double>::max();
constexpr double smallestDenormal = std::numeric_limits<double>::denorm_min();

template<typename Input> struct PatternRow
{
    int line;
    Input input;
    std::string_view pattern;
    std::string_view expected;
};

template<typename Input, typename Expected> struct Row
{
    int line;
    Input input;
    Expected expected;
};

TEST(FormatReadout, RendersDoubles)
{
    const PatternRow<double> rows[] = {
        // The examples every key relies on.
        {__LINE__, 0.0, standardPattern, "0."},
        {__LINE__, 1234.0, standardPattern, "1,234."},
        {__LINE__, -1234.5, standardPattern, "-1,234.5"},
        {__LINE__, 1.0 / 3.0, standardPattern, "0.333333333333333"},
        {__LINE__, 2.0 / 3.0, standardPattern, "0.666666666666667"},
        {__LINE__, -2.0 / 3.0, standardPattern, "-0.666666666666667"},
        {__LINE__, 2.0 / 3.0, resultPattern, "0.66666666666667"},
        {__LINE__, 2.0 / 3.0, subtractionTestPattern, "0.666666666667"},
        {__LINE__, 0.1 + 0.2, standardPattern, "0.3"},
        {__LINE__, 0.5, standardPattern, "0.5"},
        // Grouping from the right, three digits a group.
        {__LINE__, 12.0, standardPattern, "12."},
        {__LINE__, 123.0, standardPattern, "123."},
        {__LINE__, 12345.0, standardPattern, "12,345."},
        {__LINE__, 123456.0, standardPattern, "123,456."},
        {__LINE__, 1234567.0, standardPattern, "1,234,567."},
        {__LINE__, -1234567.25, standardPattern, "-1,234,567.25"},
        {__LINE__, 1234567890.0, standardPattern, "1,234,567,890."},
        // 14 integer digits still fit in 19 characters; 15 make the 20 that overflow.
        {__LINE__, 99999999999999.0, standardPattern, "99,999,999,999,999."},
        {__LINE__, 1e14, standardPattern, "100,000,000,000,000."},
        // The 16th significant digit is an exact half: away from zero, not to even.
        {__LINE__, 123456789012344.5, standardPattern, "123,456,789,012,345."},
        {__LINE__, -123456789012344.5, standardPattern, "-123,456,789,012,345."},
        {__LINE__, 1000000000000025.0, standardPattern, "1,000,000,000,000,030."},
        {__LINE__, 999999999999999.5, standardPattern, "1,000,000,000,000,000."},
        // Just below a half in binary: 0.12345678901234549695… and 1.00499999999999989….
        {__LINE__, 0.1234567890123455, standardPattern, "0.123456789012345"},
        {__LINE__, 1.005, standardPattern, "1.005"},
        {__LINE__, 9.999999999999995, standardPattern, "9.99999999999999"},
        // 15 significant digits first, then the decimals: 0.12345678901234499… becomes
        // 0.123456789012345, whose last 5 is then a half.
        {__LINE__, 0.123456789012345, resultPattern, "0.12345678901235"},
        // Nines carry all the way into a new digit.
        {__LINE__, std::nextafter(1.0, 0.0), standardPattern, "1."},
        // 1e23 is 99,999,999,999,999,991,611,392 in binary.
        {__LINE__, 1e23, standardPattern, "100,000,000,000,000,000,000,000."},
        // Below the last decimal: a half rounds up, less is nothing, and the sign stays.
        {__LINE__, 5e-16, standardPattern, "0.000000000000001"},
        {__LINE__, -5e-16, standardPattern, "-0.000000000000001"},
        {__LINE__, 1e-15, standardPattern, "0.000000000000001"},
        {__LINE__, 4e-16, standardPattern, "0."},
        {__LINE__, -4e-16, standardPattern, "-0."},
        {__LINE__, -smallestDenormal, standardPattern, "-0."},
        {__LINE__, -0.0, standardPattern, "0."},
        // The taxed amount keeps two decimals.
        {__LINE__, 108.0, taxPattern, "108.00"},
        {__LINE__, 1234.5, taxPattern, "1,234.50"},
        {__LINE__, 1.08, taxPattern, "1.08"},
        {__LINE__, 108.0 * 1.08, taxPattern, "116.64"},
        {__LINE__, 1.125, taxPattern, "1.125"},
        {__LINE__, 0.0, taxPattern, "0.00"},
        {__LINE__, -3.0, taxPattern, "-3.00"},
        {__LINE__, 1e14, taxPattern, "100,000,000,000,000.00"},
        // Never shown, but must not break the caller.
        {__LINE__, infinity, standardPattern, "0."},
        {__LINE__, -infinity, taxPattern, "0."},
        {__LINE__, std::nan(""), standardPattern, "0."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(formatReadout(row.input, row.pattern), row.expected);
    }
}

TEST(FormatReadout, WritesEveryIntegerDigitOfHugeValues)
{
    const auto withZeroGroups = [](std::string lead, int groups) {
        for (int i = 0; i < groups; ++i)
            lead += ",000";
        return lead + ".";
    };
    EXPECT_EQ(formatReadout(1e300, standardPattern), withZeroGroups("1", 100));
    EXPECT_EQ(formatReadout(-largest, standardPattern), withZeroGroups("-179,769,313,486,232", 98));
}

TEST(FormatReadout, RendersSinglePrecision)
{
    const PatternRow<float> rows[] = {
        {__LINE__, 1.0f / 3.0f, standardPattern, "0.3333333"},
        {__LINE__, 0.1f, standardPattern, "0.1"},
        {__LINE__, 0.1f + 0.2f, subtractionTestPattern, "0.3"},
        {__LINE__, 100.0f, subtractionTestPattern, "100."},
        // 0.333333492… and 1.000000476…: the seventh digit decides.
        {__LINE__, 0.3333335f, standardPattern, "0.3333335"},
        {__LINE__, 1.0000005f, standardPattern, "1."},
        // Exact halves at the eighth digit, away from zero.
        {__LINE__, 1234568.5f, subtractionTestPattern, "1,234,569."},
        {__LINE__, -1234568.5f, subtractionTestPattern, "-1,234,569."},
        // Digits past the seventh of a whole number become zeros.
        {__LINE__, 16777216.0f, subtractionTestPattern, "16,777,220."},
        {__LINE__, 1e10f, subtractionTestPattern, "10,000,000,000."},
        // 4.99999998e-13 is 5.000000e-13 at seven digits, a half at the twelfth decimal.
        {__LINE__, 5e-13f, subtractionTestPattern, "0.000000000001"},
        {__LINE__, 2.5e-13f, subtractionTestPattern, "0."},
        {__LINE__, -2.5e-13f, subtractionTestPattern, "-0."},
        {__LINE__, std::numeric_limits<float>::infinity(), subtractionTestPattern, "0."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(formatReadoutSingle(row.input, row.pattern), row.expected);
    }
}

TEST(FormatReadout, ReformatsText)
{
    const PatternRow<std::string_view> rows[] = {
        // Digit entry: leading zeros collapse and the commas move.
        {__LINE__, "00.", standardPattern, "0."},
        {__LINE__, "0", standardPattern, "0."},
        {__LINE__, "1,2345.", standardPattern, "12,345."},
        {__LINE__, "123,4567.", standardPattern, "1,234,567."},
        {__LINE__, "-0.", standardPattern, "0."},
        {__LINE__, "0.1234567890123456789012", standardPattern, "0.123456789012346"},
        // Plain texts written by percent and the tax keys.
        {__LINE__, "1080", taxPattern, "1,080.00"},
        {__LINE__, "1E+15", standardPattern, "1,000,000,000,000,000."},
        {__LINE__, "1.5E-05", standardPattern, "0.000015"},
        {__LINE__, "-2.5", taxPattern, "-2.50"},
        // Anything else stays as it is.
        {__LINE__, "1912年", standardPattern, "1912年"},
        {__LINE__, "1,234.5寸", standardPattern, "1,234.5寸"},
        {__LINE__, "明治33年", standardPattern, "明治33年"},
        {__LINE__, "-", standardPattern, "-"},
        {__LINE__, "", standardPattern, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(formatReadout(row.input, row.pattern), row.expected);
    }
}

TEST(ReadoutCharacters, CountsCodePoints)
{
    const Row<std::string_view, std::size_t> rows[] = {
        {__LINE__, "", 0},
        {__LINE__, "0.", 2},
        {__LINE__, "100,000,000,000,000.", 20},
        {__LINE__, "1,000,000,000,000,000.", 22},
        {__LINE__, "1912年", 5},
        {__LINE__, "ｃｍ", 2},
        {__LINE__, "\xF0\x9D\x9F\x99", 1}, // four bytes
        // Broken UTF-8: each stray byte is one character, a cut-off sequence is one.
        {__LINE__, "\xFF", 1},
        {__LINE__,
         "a\x80"
         "b",
         3},
        {__LINE__, "\xE5\xB9", 1},
        {__LINE__,
         "\xE5"
         "a",
         2},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(characterCount(row.input), row.expected);
    }
}

TEST(ReadoutCharacters, KeepsTheLastTwenty)
{
    const Row<std::string_view, std::string_view> rows[] = {
        {__LINE__, "1,000,000,000,000,000.", "000,000,000,000,000."},
        {__LINE__, "100,000,000,000,000.", "100,000,000,000,000."},
        {__LINE__, "0.", "0."},
        {__LINE__, "", ""},
        {__LINE__, "明治33年", "明治33年"},
        {__LINE__, "123,456,789,012,345.6寸", "3,456,789,012,345.6寸"},
        {__LINE__, "年年年年年年年年年年年年年年年年年年年年年年",
         "年年年年年年年年年年年年年年年年年年年年"},
        {__LINE__,
         "\xFF"
         "aaaaaaaaaaaaaaaaaaaa",
         "aaaaaaaaaaaaaaaaaaaa"},
        {__LINE__, "12345678901234567890\xE5\xB9", "2345678901234567890\xE5\xB9"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(tail20(row.input), row.expected);
    }
}

TEST(ReadoutCharacters, KeepsTheLastN)
{
    struct LastRow
    {
        int line;
        std::string_view text;
        std::size_t n;
        std::string_view expected;
    };
    const LastRow rows[] = {
        {__LINE__, "1912年", 6, "1912年"},
        {__LINE__, "12345678年", 6, "45678年"},
        {__LINE__, "明治1912年", 3, "12年"},
        {__LINE__, "ｃｍ", 1, "ｍ"},
        {__LINE__, "abc", 0, ""},
        {__LINE__, "", 3, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(lastCharacters(row.text, row.n), row.expected);
    }
}

TEST(ReadoutValue, ReadsReadoutAndPlainTexts)
{
    const Row<std::string_view, double> rows[] = {
        {__LINE__, "0.", 0.0},
        {__LINE__, "1,234.", 1234.0},
        {__LINE__, "12.53", 12.53},
        {__LINE__, ".5", 0.5},
        {__LINE__, "-.5", -0.5},
        {__LINE__, "-1,234.5", -1234.5},
        {__LINE__, "7", 7.0},
        // Digit entry leaves commas anywhere between digits before it regroups.
        {__LINE__, "1,2345.", 12345.0},
        {__LINE__, "12,34,5", 12345.0},
        // Any number of commas between two digits.
        {__LINE__, "1,,2", 12.0},
        {__LINE__, "1,,,234.5", 1234.5},
        // Decimals typed after the point are not limited.
        {__LINE__, "0.1234567890123456789012", 0.1234567890123456789012},
        {__LINE__, "1E+15", 1e15},
        {__LINE__, "1.5E+20", 1.5e20},
        {__LINE__, "-1.5E+20", -1.5e20},
        {__LINE__, "1E-05", 1e-5},
        {__LINE__, "-2.5E-07", -2.5e-7},
        {__LINE__, "1E5", 1e5},
        {__LINE__, "4.94065645841247E-324", smallestDenormal},
        // Beyond the double range: what rounding to a double gives.
        {__LINE__, "1.79769313486232E+308", infinity},
        {__LINE__, "-1E+400", -infinity},
        {__LINE__, "1E-400", 0.0},
        {__LINE__, "1E+99999999999999999999", infinity},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        const std::optional<double> value = readoutValue(row.input);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, row.expected);
    }
    const std::optional<double> negativeZero = readoutValue("-0.");
    ASSERT_TRUE(negativeZero.has_value());
    EXPECT_TRUE(std::signbit(*negativeZero));
}

TEST(ReadoutValue, RefusesOtherTexts)
{
    struct TextRow
    {
        int line;
        std::string_view text;
    };
    const TextRow rows[] = {
        {__LINE__, ""},          {__LINE__, "."},      {__LINE__, "-"},        {__LINE__, "-."},
        {__LINE__, "1,234.5寸"}, {__LINE__, "1912年"}, {__LINE__, "明治33年"}, {__LINE__, ",,1"},
        {__LINE__, ",1"},        {__LINE__, "1,"},     {__LINE__, "1,.5"},     {__LINE__, "1.2,3"},
        {__LINE__, "1e5"},       {__LINE__, "1E"},     {__LINE__, "1E+"},      {__LINE__, "E5"},
        {__LINE__, " 1"},        {__LINE__, "1 "},     {__LINE__, "+1"},       {__LINE__, "--1"},
        {__LINE__, "1.2.3"},     {__LINE__, "0x10"},   {__LINE__, "inf"},      {__LINE__, "nan"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_FALSE(readoutValue(row.text).has_value());
    }
}

TEST(PlainNumberText, WritesShortestForms)
{
    const Row<double, std::string_view> rows[] = {
        {__LINE__, 0.0, "0"},
        {__LINE__, -0.0, "0"},
        {__LINE__, 1.0, "1"},
        {__LINE__, -1.0, "-1"},
        {__LINE__, 12.5, "12.5"},
        {__LINE__, 1234567.0, "1234567"},
        {__LINE__, 0.1 + 0.2, "0.3"},
        {__LINE__, 1.0 / 3.0, "0.333333333333333"},
        {__LINE__, 123456789012.25, "123456789012.25"},
        {__LINE__, 123456789012344.5, "123456789012345"},
        {__LINE__, 1000.0 * 1.08, "1080"},
        {__LINE__, 1234.5 * 1.08, "1333.26"},
        // Exponent form from 1E15 up and below 1E-4, decided after rounding.
        {__LINE__, 999999999999999.0, "999999999999999"},
        {__LINE__, 999999999999999.5, "1E+15"},
        {__LINE__, 1e15, "1E+15"},
        {__LINE__, 1e20, "1E+20"},
        {__LINE__, 1.5e20, "1.5E+20"},
        {__LINE__, -1.5e20, "-1.5E+20"},
        {__LINE__, 123456789012345678.0, "1.23456789012346E+17"},
        {__LINE__, 1e23, "1E+23"},
        {__LINE__, 1e100, "1E+100"},
        {__LINE__, largest, "1.79769313486232E+308"},
        {__LINE__, 0.0001, "0.0001"},
        {__LINE__, 0.00009999999999999999, "0.0001"},
        {__LINE__, 0.00001, "1E-05"},
        {__LINE__, -2.5e-7, "-2.5E-07"},
        {__LINE__, 1e-100, "1E-100"},
        {__LINE__, smallestDenormal, "4.94065645841247E-324"},
        {__LINE__, std::nan(""), "0"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(plainNumberText(row.input), row.expected);
    }
    // The readout's auxiliary label reports where the point stands.
    EXPECT_EQ(plainNumberText(123456789012.25).find('.'), 12U);
}

TEST(PlainNumberText, WritesSinglePrecision)
{
    const Row<float, std::string_view> rows[] = {
        {__LINE__, 1912.0f, "1912"},
        {__LINE__, 1937.5f, "1937.5"},
        {__LINE__, -1989.0f, "-1989"},
        {__LINE__, 0.0f, "0"},
        {__LINE__, 0.1f, "0.1"},
        {__LINE__, 1.0f / 3.0f, "0.3333333"},
        {__LINE__, 123456.7f, "123456.7"},
        {__LINE__, 1234568.5f, "1234569"},
        {__LINE__, 16777216.0f, "16777220"},
        {__LINE__, 1e15f, "1E+15"},
        {__LINE__, 1e-5f, "1E-05"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(plainNumberTextSingle(row.input), row.expected);
    }
}

TEST(LeadingNumber, ReadsAsFarAsTheNumberGoes)
{
    const Row<std::string_view, double> rows[] = {
        {__LINE__, "45.", 45.0},
        {__LINE__, "1912年", 1912.0},
        {__LINE__, "1,234.", 1.0},
        {__LINE__, "1,2345.", 1.0},
        {__LINE__, "-3.5x", -3.5},
        {__LINE__, "+7", 7.0},
        {__LINE__, "  12", 12.0},
        {__LINE__, "12.53", 12.53},
        {__LINE__, ".5年", 0.5},
        {__LINE__, "1E+15", 1e15},
        {__LINE__, "1.5E-05寸", 1.5e-5},
        {__LINE__, "1e3", 1000.0},
        // An exponent letter without digits is where the number ends.
        {__LINE__, "2e", 2.0},
        {__LINE__, "2E+", 2.0},
        {__LINE__, "2E+x", 2.0},
        {__LINE__, "1E+400", infinity},
        // No number at all.
        {__LINE__, "", 0.0},
        {__LINE__, "abc", 0.0},
        {__LINE__, ".", 0.0},
        {__LINE__, "-", 0.0},
        {__LINE__, "+-3", 0.0},
        {__LINE__, "明治33年", 0.0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(leadingNumber(row.input), row.expected);
    }
}

TEST(FormatWhole, RoundsToWholeNumbers)
{
    const Row<double, std::string_view> rows[] = {
        {__LINE__, 1912.0, "1912"},
        {__LINE__, 123456.0, "123456"},
        {__LINE__, 12.5, "13"},
        {__LINE__, 1989.4, "1989"},
        {__LINE__, 1989.5, "1990"},
        {__LINE__, 0.5, "1"},
        {__LINE__, 2.5, "3"},
        {__LINE__, -0.5, "-1"},
        {__LINE__, -2.5, "-3"},
        // 1.49999999999999977…: just under the half, but a half at 15 significant digits.
        {__LINE__, std::nextafter(1.5, 0.0), "2"},
        {__LINE__, 1.49999999999999, "1"},
        // Zero and whatever rounds to it leave nothing.
        {__LINE__, 0.0, ""},
        {__LINE__, -0.0, ""},
        {__LINE__, 0.4, ""},
        {__LINE__, -0.4, ""},
        // Beyond any 64-bit integer: 15 significant digits of the binary value …567168.
        {__LINE__, 12345678901234567890.0, "12345678901234600000"},
        {__LINE__, -1e19, "-10000000000000000000"},
        {__LINE__, 1e20, "100000000000000000000"},
        {__LINE__, infinity, ""},
        {__LINE__, std::nan(""), ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(formatWhole(row.input), row.expected);
    }
}

// The C library's printf rounds the exact binary value correctly, but ties to even; an exact
// tie is nudged one step outwards first so it rounds away from zero as the readout does.
double roundedByPrintf(double value, int significantDigits)
{
    std::vector<char> exact(900);
    std::snprintf(exact.data(), exact.size(), "%.780e", std::fabs(value));
    const std::string digits = std::string(1, exact[0]) + std::string(exact.data() + 2, 780);
    const auto rest = digits.substr(static_cast<std::size_t>(significantDigits));
    const bool tie = rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string::npos;
    const double nudged = tie ? std::nextafter(value, std::copysign(infinity, value)) : value;
    std::array<char, 64> rounded{};
    std::snprintf(rounded.data(), rounded.size(), "%.*e", significantDigits - 1, nudged);
    return std::strtod(rounded.data(), nullptr);
}

std::vector<double> roundTripValues()
{
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  0.1,
                                  1.0 / 3.0,
                                  2.0 / 3.0,
                                  123456789012344.5,
                                  -123456789012344.5,
                                  999999999999999.5,
                                  1e15,
                                  1e-4,
                                  0.00009999999999999999,
                                  1e23,
                                  largest,
                                  -largest,
                                  std::numeric_limits<double>::min(),
                                  smallestDenormal};
    std::mt19937_64 generator(20240613);
    // Whole numbers up to 2^53 either way, drawn from the engine alone so every library agrees.
    const auto integer = [&generator] {
        return static_cast<std::int64_t>(generator() % (std::uint64_t{1} << 54)) -
               (std::int64_t{1} << 53);
    };
    for (int i = 0; i < 20000; ++i) {
        const auto bits = std::bit_cast<double>(generator());
        if (std::isfinite(bits))
            values.push_back(bits);
        values.push_back(static_cast<double>(integer()));
        values.push_back(static_cast<double>(integer() % 100000000000) / 100.0); // amounts in cents
    }
    return values;
}

TEST(ReadoutRoundTrip, TextReadsBackAsTheValueAtFifteenDigits)
{
    for (const double value : roundTripValues()) {
        const double expected = roundedByPrintf(value, 15);
        const std::string plain = plainNumberText(value);
        ASSERT_EQ(readoutValue(plain), expected) << plain;
        ASSERT_EQ(leadingNumber(plain), expected) << plain;
        // Below 1 the fifteen decimals of the readout cut significant digits off.
        if (std::fabs(value) >= 1.0 || value == 0.0) {
            const std::string shown = formatReadout(value, standardPattern);
            ASSERT_EQ(readoutValue(shown), expected) << shown;
        }
    }
}

TEST(ReadoutRoundTrip, SinglePrecisionTextReadsBackAtSevenDigits)
{
    std::mt19937 generator(19121926);
    for (int i = 0; i < 20000; ++i) {
        const auto value = std::bit_cast<float>(static_cast<std::uint32_t>(generator()));
        if (!std::isfinite(value))
            continue;
        const std::string plain = plainNumberTextSingle(value);
        ASSERT_EQ(readoutValue(plain), roundedByPrintf(static_cast<double>(value), 7)) << plain;
    }
}

} // namespace
} // namespace sorba
