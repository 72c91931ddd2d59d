// Number texts: any bytes read as readout text and by the leading-number reading, and doubles
// (the input's first eight bytes, and the number its text starts with) formatted with every
// pattern and read back.

#include "fuzz_check.h"
#include "text/readout_format.h"

#include <array>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace sorba::fuzzing {
namespace {

struct Pattern
{
    std::string_view text;
    int mostDecimals;
    int leastDecimals;
};

// Written out by hand from the patterns, so that the check does not share the code's counting.
constexpr std::array patterns{
    Pattern{standardPattern, 15, 0},
    Pattern{resultPattern, 14, 0},
    Pattern{subtractionTestPattern, 12, 0},
    Pattern{taxPattern, 15, 2},
};

// The value at 15 significant digits, halves away from zero, as the C library works it out:
// printf rounds the exact binary value and strtod reads the decimal back. printf takes an exact
// half to the even neighbour, so a half is sent the other way by the rounding mode.
double round15(double value)
{
    const double magnitude = std::fabs(value);
    std::array<char, 1100> exact{};
    std::snprintf(exact.data(), exact.size(), "%.1000e", magnitude); // every digit a double has
    // "d.dddddddddddddd" holds the 15 digits kept; a half is a 5 and zeros up to the exponent.
    const std::string_view digits(exact.data(), std::strchr(exact.data(), 'e') - exact.data());
    const bool half = digits[16] == '5' && digits.find_first_not_of('0', 17) == std::string::npos;

    std::array<char, 64> text{};
    if (half)
        std::fesetround(FE_UPWARD);
    std::snprintf(text.data(), text.size(), "%.14e", magnitude);
    std::fesetround(FE_TONEAREST);
    const double rounded = std::strtod(text.data(), nullptr);
    return value < 0 ? -rounded : rounded;
}

// Decimals that the value at 15 significant digits has at most.
int decimalsOf15Digits(double rounded)
{
    if (rounded == 0 || !std::isfinite(rounded))
        return 0;
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.14e", std::fabs(rounded));
    return 14 - std::atoi(std::strchr(text.data(), 'e') + 1);
}

bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

void checkDouble(double value)
{
    if (!std::isfinite(value))
        return;
    const double expected = round15(value);

    const std::string plain = plainNumberText(value);
    const std::optional<double> plainRead = readoutValue(plain);
    require(plainRead && same(*plainRead, expected),
            "readoutValue(plainNumberText(x)) == round15(x)");
    require(same(leadingNumber(plain), expected),
            "leadingNumber(plainNumberText(x)) == round15(x)");
    require(same(leadingNumber(" \t" + plain + "年"), expected),
            "the leading number ends where the number does");

    for (const Pattern &pattern : patterns) {
        const std::string text = formatReadout(value, pattern.text);
        const std::optional<double> read = readoutValue(text);
        require(read.has_value(), "formatReadout gives readout text");
        require(text.starts_with('-') == (value < 0), "formatReadout shows the sign");
        const std::size_t point = text.find('.');
        require(point != std::string::npos, "formatReadout always shows a point");
        const auto decimals = static_cast<int>(text.size() - point - 1);
        require(decimals >= pattern.leastDecimals && decimals <= pattern.mostDecimals,
                "formatReadout shows the pattern's decimals");
        if (decimalsOf15Digits(expected) <= pattern.mostDecimals)
            require(same(*read, expected), "readoutValue(formatReadout(x)) == round15(x)");
        if (std::isfinite(*read) && *read != 0)
            require(formatReadout(*read, pattern.text) == text, "formatting is idempotent");
    }
}

void checkText(std::string_view text)
{
    const std::optional<double> read = readoutValue(text);
    for (const Pattern &pattern : patterns) {
        const std::string formatted = formatReadout(text, pattern.text);
        require(read ? formatted == formatReadout(*read, pattern.text) : formatted == text,
                "formatReadout(text) formats what readoutValue reads, or leaves the text");
    }
    const double leading = leadingNumber(text);
    require(!std::isnan(leading), "the leading number is a number");
    if (read && text.find(',') == std::string_view::npos)
        require(same(leading, *read), "both readings agree on a text without commas");
    if (read) {
        std::string withoutCommas(text);
        std::erase(withoutCommas, ',');
        const std::optional<double> plainRead = readoutValue(withoutCommas);
        require(plainRead && same(*plainRead, *read), "grouping commas do not change the value");
    }
    const std::string tail = tail20(text);
    require(text.ends_with(tail) && characterCount(tail) <= 20, "tail20 is a short tail");
    checkDouble(leading);
}

} // namespace
} // namespace sorba::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace sorba::fuzzing;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    checkText(text);
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkDouble(value);
    }
    return 0;
}
