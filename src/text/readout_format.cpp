// Turns numbers into readout text and back. Every rounding works on the exact decimal digits of
// the binary value, so a half counts as a half only when the double really holds one.

#include "text/readout_format.h"

#include "text/utf8.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace sorba {
namespace {

constexpr int readoutDigits = 15;
constexpr int singleDigits = 7;

// A non-negative decimal worth 0.digits × 10^pointPosition. The digits carry no trailing zeros;
// no digits at all is zero.
struct Decimal
{
    std::string digits;
    int pointPosition = 0;
};

void dropTrailingZeros(Decimal &decimal)
{
    while (!decimal.digits.empty() && decimal.digits.back() == '0')
        decimal.digits.pop_back();
    if (decimal.digits.empty())
        decimal.pointPosition = 0;
}

// A double's exact expansion has at most 767 significant digits, so this many after the first
// digit never rounds.
constexpr int exactPrecision = 767;

Decimal exactDecimal(double magnitude)
{
    Decimal decimal;
    if (magnitude == 0.0 || !std::isfinite(magnitude))
        return decimal;
    // "d.ddd…e±xx": one digit, the point, the digits, and at most five characters of exponent.
    std::array<char, exactPrecision + 16> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific, exactPrecision);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    decimal.digits.push_back(text[0]);
    decimal.digits.append(text.substr(2, e - 2));
    // from_chars takes no "+", so the sign is read by hand.
    int exponent = 0;
    std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
    if (text[e + 1] == '-')
        exponent = -exponent;
    decimal.pointPosition = exponent + 1;
    dropTrailingZeros(decimal);
    return decimal;
}

// Keeps the first `keep` digits and rounds the rest away, halves away from zero. A negative keep
// means even the first digit lies beyond the place being kept.
void roundAt(Decimal &decimal, int keep)
{
    if (keep >= static_cast<int>(decimal.digits.size()))
        return;
    if (keep < 0) {
        decimal = {};
        return;
    }
    const bool up = decimal.digits[static_cast<std::size_t>(keep)] >= '5';
    decimal.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        // Nines carry into the digit before them; all nines carry into a new leading 1.
        while (!decimal.digits.empty() && decimal.digits.back() == '9')
            decimal.digits.pop_back();
        if (decimal.digits.empty()) {
            decimal.digits = "1";
            ++decimal.pointPosition;
        } else {
            ++decimal.digits.back();
        }
    }
    dropTrailingZeros(decimal);
}

void roundToDecimals(Decimal &decimal, int decimals)
{
    roundAt(decimal, decimal.pointPosition + decimals);
}

std::string integerDigits(const Decimal &decimal)
{
    if (decimal.pointPosition <= 0)
        return {};
    const auto whole = static_cast<std::size_t>(decimal.pointPosition);
    std::string digits = decimal.digits.substr(0, whole);
    digits.append(whole - digits.size(), '0');
    return digits;
}

std::string fractionDigits(const Decimal &decimal)
{
    if (decimal.pointPosition >= static_cast<int>(decimal.digits.size()))
        return {};
    if (decimal.pointPosition >= 0)
        return decimal.digits.substr(static_cast<std::size_t>(decimal.pointPosition));
    return std::string(static_cast<std::size_t>(-decimal.pointPosition), '0') + decimal.digits;
}

struct DecimalPlaces
{
    int most = 0;
    int least = 0;
};

// Each "#" or "0" after the point allows one more decimal; the last "0" says how many always show.
DecimalPlaces decimalPlaces(std::string_view pattern)
{
    DecimalPlaces places;
    const std::size_t point = pattern.find('.');
    if (point == std::string_view::npos)
        return places;
    for (const char c : pattern.substr(point + 1)) {
        if (c == '#' || c == '0')
            ++places.most;
        if (c == '0')
            places.least = places.most;
    }
    return places;
}

std::string readoutText(bool negative, Decimal decimal, int significantDigits,
                        std::string_view pattern)
{
    const DecimalPlaces places = decimalPlaces(pattern);
    roundAt(decimal, significantDigits);
    roundToDecimals(decimal, places.most);

    std::string text = negative ? "-" : "";
    std::string whole = integerDigits(decimal);
    if (whole.empty())
        whole = "0";
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            text += ',';
        text += whole[i];
    }
    text += '.';
    std::string fraction = fractionDigits(decimal);
    const auto least = static_cast<std::size_t>(places.least);
    if (fraction.size() < least)
        fraction.append(least - fraction.size(), '0');
    return text + fraction;
}

std::string plainText(bool negative, Decimal decimal, int significantDigits)
{
    roundAt(decimal, significantDigits);
    if (decimal.digits.empty())
        return "0";
    std::string text = negative ? "-" : "";
    const int exponent = decimal.pointPosition - 1;
    if (exponent >= 15 || exponent < -4) {
        text += decimal.digits.front();
        if (decimal.digits.size() > 1) {
            text += '.';
            text.append(decimal.digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const std::string magnitude = std::to_string(std::abs(exponent));
        if (magnitude.size() < 2)
            text += '0';
        return text + magnitude;
    }
    const std::string whole = integerDigits(decimal);
    text += whole.empty() ? "0" : whole;
    const std::string fraction = fractionDigits(decimal);
    if (!fraction.empty())
        text += '.' + fraction;
    return text;
}

bool digitAt(std::string_view text, std::size_t at)
{
    return at < text.size() && isAsciiDigit(text[at]);
}

// The two readings of a number share one grammar: the readout's own (grouping commas between
// digits, upper-case "E", "-" only) and the leading-number reading (no commas, "e" or "E", "+"
// or "-").
enum class NumberForm { readout, leading };

struct ScannedNumber
{
    std::string plain; // the text from_chars can take: no commas, no "+" in front
    std::size_t used = 0;
    bool hasDigits = false;
};

ScannedNumber scanNumber(std::string_view text, NumberForm form)
{
    ScannedNumber number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || (form == NumberForm::leading && text[i] == '+'))) {
        if (text[i] == '-')
            number.plain += '-';
        ++i;
    }
    while (digitAt(text, i)) {
        number.plain += text[i++];
        number.hasDigits = true;
        // Grouping commas, any number of them, stand only between two digits.
        if (form == NumberForm::readout) {
            std::size_t afterCommas = i;
            while (afterCommas < text.size() && text[afterCommas] == ',')
                ++afterCommas;
            if (afterCommas > i && digitAt(text, afterCommas))
                i = afterCommas;
        }
    }
    if (i < text.size() && text[i] == '.') {
        number.plain += text[i++];
        while (digitAt(text, i)) {
            number.plain += text[i++];
            number.hasDigits = true;
        }
    }
    // An exponent counts only when digits follow its letter and sign; otherwise the number ends
    // before the letter.
    if (number.hasDigits && i < text.size() &&
        (text[i] == 'E' || (form == NumberForm::leading && text[i] == 'e'))) {
        std::size_t digitsAt = i + 1;
        if (digitsAt < text.size() && (text[digitsAt] == '+' || text[digitsAt] == '-'))
            ++digitsAt;
        if (digitAt(text, digitsAt)) {
            number.plain += text.substr(i, digitsAt - i);
            i = digitsAt;
            while (digitAt(text, i))
                number.plain += text[i++];
        }
    }
    number.used = i;
    return number;
}

// from_chars refuses a number beyond the double range; IEEE rounding makes it infinity, or zero
// when it is too small. The power of ten of its first significant digit tells which.
double outOfRangeValue(std::string_view plain)
{
    const bool negative = plain.front() == '-';
    const std::size_t exponentAt = plain.find_first_of("eE");
    const std::string_view mantissa = plain.substr(0, exponentAt);
    long long wholeDigits = 0;
    long long digitIndex = 0;
    long long firstSignificant = -1;
    bool pastPoint = false;
    for (const char c : mantissa) {
        if (c == '.') {
            pastPoint = true;
        } else if (isAsciiDigit(c)) {
            if (firstSignificant < 0 && c != '0')
                firstSignificant = digitIndex;
            ++digitIndex;
            if (!pastPoint)
                ++wholeDigits;
        }
    }
    if (firstSignificant < 0)
        return negative ? -0.0 : 0.0;
    long long power = wholeDigits - 1 - firstSignificant;
    if (exponentAt != std::string_view::npos) {
        std::string_view exponentText = plain.substr(exponentAt + 1);
        const bool exponentNegative = exponentText.front() == '-';
        if (exponentText.front() == '+' || exponentNegative)
            exponentText.remove_prefix(1);
        long long exponent = 0;
        const auto read = std::from_chars(exponentText.data(),
                                          exponentText.data() + exponentText.size(), exponent);
        if (read.ec == std::errc::result_out_of_range)
            exponent = std::numeric_limits<int>::max(); // far beyond any double either way
        power += exponentNegative ? -exponent : exponent;
    }
    const double magnitude = power > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

double toDouble(std::string_view plain)
{
    double value = 0.0;
    const auto read = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (read.ec == std::errc::result_out_of_range)
        return outOfRangeValue(plain);
    return value;
}

// Where the character after the one starting at `at` begins. Broken UTF-8 still counts:
// each malformed piece is one character, so broken text is still cut safely.
std::size_t nextCharacter(std::string_view text, std::size_t at)
{
    return at + decodeUtf8(text, at).length;
}

} // namespace

std::string formatReadout(double value, std::string_view pattern)
{
    // Callers never show a value beyond the double range; a readable text keeps the engine going.
    if (!std::isfinite(value))
        return std::string(zeroReadout);
    return readoutText(value < 0, exactDecimal(std::fabs(value)), readoutDigits, pattern);
}

int pointPosition(std::string_view text)
{
    const auto point = text.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(point) + 1;
}

float toSingle(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest)
        return std::numeric_limits<float>::infinity();
    if (value < -largest)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

std::string formatReadoutSingle(float value, std::string_view pattern)
{
    if (!std::isfinite(value))
        return std::string(zeroReadout);
    return readoutText(value < 0, exactDecimal(static_cast<double>(std::fabs(value))), singleDigits,
                       pattern);
}

std::string formatReadout(std::string_view text, std::string_view pattern)
{
    const std::optional<double> value = readoutValue(text);
    if (!value)
        return std::string(text);
    return formatReadout(*value, pattern);
}

std::string tail20(std::string_view text)
{
    return lastCharacters(text, 20);
}

std::string lastCharacters(std::string_view text, std::size_t n)
{
    const std::size_t count = characterCount(text);
    if (n >= count)
        return std::string(text);
    std::size_t at = 0;
    for (std::size_t skipped = 0; skipped < count - n; ++skipped)
        at = nextCharacter(text, at);
    return std::string(text.substr(at));
}

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at = nextCharacter(text, at))
        ++count;
    return count;
}

std::optional<double> readoutValue(std::string_view text)
{
    const ScannedNumber number = scanNumber(text, NumberForm::readout);
    if (!number.hasDigits || number.used != text.size())
        return std::nullopt;
    return toDouble(number.plain);
}

std::string plainNumberText(double value)
{
    if (!std::isfinite(value))
        return "0";
    return plainText(value < 0, exactDecimal(std::fabs(value)), readoutDigits);
}

std::string plainNumberTextSingle(float value)
{
    if (!std::isfinite(value))
        return "0";
    return plainText(value < 0, exactDecimal(static_cast<double>(std::fabs(value))), singleDigits);
}

double leadingNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    const ScannedNumber number = scanNumber(text, NumberForm::leading);
    return number.hasDigits ? toDouble(number.plain) : 0.0;
}

std::string formatWhole(double value)
{
    if (!std::isfinite(value))
        return {};
    Decimal decimal = exactDecimal(std::fabs(value));
    // A whole number is shown like any other: 15 significant digits first, then no decimals.
    roundAt(decimal, readoutDigits);
    roundToDecimals(decimal, 0);
    if (decimal.digits.empty())
        return {};
    return (value < 0 ? "-" : "") + integerDigits(decimal);
}

} // namespace sorba
