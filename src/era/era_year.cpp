// Single-precision era-year arithmetic and the whole-year text.

#include "era/era_year.h"

#include "text/readout_format.h"

#include <cstddef>

namespace sorba {

namespace {

constexpr std::size_t yearCharacters = 6;

} // namespace

float singleYearSum(double leadingNumber, double offset)
{
    return toSingle(leadingNumber) + toSingle(offset);
}

double sevenDigitYear(float year)
{
    // plainNumberTextSingle rounds the exact float value to 7 significant digits; an infinity
    // comes back as "0".
    return readoutValue(plainNumberTextSingle(year)).value_or(0.0);
}

std::string blankSignedText(float year)
{
    const std::string text = plainNumberTextSingle(year);
    return text.starts_with('-') ? text : " " + text;
}

std::string wholeYearText(double year)
{
    return lastCharacters(formatWhole(year), yearCharacters);
}

} // namespace sorba
