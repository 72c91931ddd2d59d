// Colour texts as the settings file stores them: "&H" hexadecimal in the old 16- and 32-bit
// forms, or the decimal text the colour dialog's choice is written as.

#include "settings/colour_text.h"

#include "text/utf8.h"

#include <algorithm>
#include <limits>

namespace sorba {

namespace {

constexpr std::int64_t colourLimit = 0xFFFFFF;
constexpr std::int64_t firstSystemColour = 0x80000000;
constexpr std::int64_t lastSystemColour = 0x80000018;
constexpr std::int64_t twoTo32 = std::int64_t{1} << 32;

// What a decimal text beyond the 32-bit range evaluates to. Clamping would turn a large negative
// number into the system-colour code 0x80000000, so it becomes a value that is no colour.
constexpr std::int32_t outOfRange = -1;

std::optional<int> hexDigit(char c)
{
    if (isAsciiDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

std::int32_t hexValue(std::string_view digitsAndRest)
{
    std::uint32_t value = 0; // only the last eight digits count: the high ones shift out
    std::size_t count = 0;
    for (; count < digitsAndRest.size(); ++count) {
        const std::optional<int> digit = hexDigit(digitsAndRest[count]);
        if (!digit)
            break;
        value = (value << 4) | static_cast<std::uint32_t>(*digit);
    }
    const bool long32 = count > 4 || digitsAndRest.substr(count).starts_with('&');
    if (long32)
        return static_cast<std::int32_t>(value);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

// Rounds exactly on the decimal digits, halves to the even neighbour, so that no binary fraction
// can tip a value written as 255.5 either way.
std::int32_t decimalValue(std::string_view text)
{
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);

    constexpr std::int64_t beyond = twoTo32; // any magnitude this large is out of range already
    std::int64_t whole = 0;
    std::size_t i = 0;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i)
        whole = std::min(whole * 10 + (text[i] - '0'), beyond);

    if (i < text.size() && text[i] == '.') {
        ++i;
        const bool hasFraction = i < text.size() && isAsciiDigit(text[i]);
        const int first = hasFraction ? text[i] - '0' : 0;
        bool beyondHalf = false;
        for (std::size_t k = i + 1; k < text.size() && isAsciiDigit(text[k]); ++k)
            beyondHalf = beyondHalf || text[k] != '0';
        if (first > 5 || (first == 5 && (beyondHalf || whole % 2 == 1)))
            whole = std::min(whole + 1, beyond);
    }

    const std::int64_t value = negative ? -whole : whole;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return outOfRange;
    return static_cast<std::int32_t>(value);
}

} // namespace

std::int32_t colourTextValue(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h'))
        return hexValue(text.substr(2));
    return decimalValue(text);
}

std::optional<Colour> colourFromValue(std::int64_t value)
{
    // A system colour read as a 32-bit number is negative: "&H80000005&" is -2147483643.
    if (value < 0 && value >= firstSystemColour - twoTo32)
        value += twoTo32;
    if ((value >= 0 && value <= colourLimit) ||
        (value >= firstSystemColour && value <= lastSystemColour))
        return static_cast<Colour>(value);
    return std::nullopt;
}

std::optional<Colour> evaluateColourText(std::string_view text)
{
    return colourFromValue(colourTextValue(text));
}

} // namespace sorba
