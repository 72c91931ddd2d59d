// The single-precision arithmetic of era years, for values the readout cannot show: beyond the
// float range, past 2^24, and the exact float results that the 7-digit rounding then sees.

#include "era/era_year.h"
#include "text/readout_format.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace sorba {
namespace {

constexpr float floatInfinity = std::numeric_limits<float>::infinity();
constexpr float floatLargest = std::numeric_limits<float>::max();

template<typename Input, typename Expected> struct Row
{
    int line;
    Input input;
    Expected expected;
};

TEST(EraYear, ToSingleClampsBeyondTheFloatRange)
{
    const Row<double, float> rows[] = {
        {__LINE__, 0.0, 0.0f},
        {__LINE__, 45.99999999, 46.0f}, // the nearest float is 46 itself
        {__LINE__, 45.9999, 45.999900817871094f},
        {__LINE__, 16777217.0, 16777216.0f},
        {__LINE__, static_cast<double>(floatLargest), floatLargest},
        {__LINE__, -static_cast<double>(floatLargest), -floatLargest},
        {__LINE__, 1e39, floatInfinity},
        {__LINE__, -1e39, -floatInfinity},
        {__LINE__, std::numeric_limits<double>::max(), floatInfinity},
        {__LINE__, std::numeric_limits<double>::infinity(), floatInfinity},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(toSingle(row.input), row.expected);
    }
}

struct SumRow
{
    int line;
    double leadingNumber;
    double offset;
    float expected;
};

TEST(EraYear, AddsTheOffsetInSinglePrecision)
{
    const SumRow rows[] = {
        {__LINE__, 45, 1867, 1912.0f},
        {__LINE__, 12.5, 1925, 1937.5f},
        // A double sum would keep 1912.9999; the float sum lands on the float below 1913.
        {__LINE__, 45.9999, 1867, 1912.9998779296875f},
        {__LINE__, 12.4996, 1925, 1937.4996337890625f},
        {__LINE__, 0.123456789, 1988, 1988.1234130859375f},
        {__LINE__, -5, 1988, 1983.0f},
        {__LINE__, 16777216, 1, 16777216.0f},
        {__LINE__, 1e39, 1867, floatInfinity},
        {__LINE__, -1e39, 1988, -floatInfinity},
    };
    for (const SumRow &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(singleYearSum(row.leadingNumber, row.offset), row.expected);
    }
}

TEST(EraYear, RoundsToSevenDigits)
{
    const Row<float, double> rows[] = {
        {__LINE__, 1912.0f, 1912.0},
        {__LINE__, 1937.5f, 1937.5},
        // Seven digits first: just below a half becomes the half, which the whole-year form
        // then rounds up.
        {__LINE__, 1937.4996337890625f, 1937.5},
        {__LINE__, 1937.4993896484375f, 1937.499},
        {__LINE__, 1988.1234130859375f, 1988.123},
        {__LINE__, 1912.9998779296875f, 1913.0},
        {__LINE__, 0.1f, 0.1},
        {__LINE__, -5.0f, -5.0},
        {__LINE__, 16777216.0f, 16777220.0},
        {__LINE__, 1e20f, 1e20},
        {__LINE__, 0.0f, 0.0},
        {__LINE__, floatInfinity, 0.0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(sevenDigitYear(row.input), row.expected);
    }
}

TEST(EraYear, WritesWholeYearsInSixCharacters)
{
    const Row<double, std::string> rows[] = {
        {__LINE__, 1912, "1912"},
        {__LINE__, 45, "45"},
        {__LINE__, 1937.5, "1938"}, // halves away from zero
        {__LINE__, 1937.499, "1937"},
        {__LINE__, -5, "-5"},
        {__LINE__, -2.5, "-3"},
        {__LINE__, 0, ""}, // no year at all
        {__LINE__, 0.4, ""},
        {__LINE__, 999999, "999999"},
        {__LINE__, 1234567, "234567"}, // the first characters are lost
        {__LINE__, -123456, "123456"}, // and so is the sign
        {__LINE__, 1e20, "000000"},
        // Beyond 15 significant digits the value is rounded as it would be shown first.
        {__LINE__, 1989.4999999999998, "1990"},   // shown as 1,989.5
        {__LINE__, 1989.49999999999, "1989"},     // 15 digits, just under the half
        {__LINE__, 1234567890123456.0, "123460"}, // the 16th digit rounds the 15th up
        {__LINE__, 1234567890123454.0, "123450"},
        {__LINE__, 1234567890123455.0, "123460"}, // a half at the 16th digit: away from zero
        {__LINE__, -1234567890123455.0, "123460"},
        {__LINE__, 12345678901234567.0, "234600"}, // the double holds …568
        {__LINE__, 99999999999999.45, "000000"},   // …453125, shown as 99,999,999,999,999.5
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(wholeYearText(row.input), row.expected);
    }
}

} // namespace
} // namespace sorba
