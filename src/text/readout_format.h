#pragma once
// Number text of the readout: the display patterns, the 20-character tail and the two readings
// of text as a number. Every conversion is an exact decimal algorithm on the binary value.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sorba {

/// A readout text longer than this many characters has overflowed.
inline constexpr std::size_t overflowLimit = 19;

/// The readout of no number: start-up, C, CE and every reset show it.
inline constexpr std::string_view zeroReadout = "0.";

/// Display patterns: N placeholders after the point give at most N decimals; a "0" among them
/// keeps at least that many.
inline constexpr std::string_view standardPattern = "#,##0.###############";
inline constexpr std::string_view resultPattern = "#,##0.##############";
inline constexpr std::string_view subtractionTestPattern = "#,##0.############";
inline constexpr std::string_view taxPattern = "#,##0.#0#############";

/// Rounds to 15 significant digits, then to the pattern's decimals (halves away from zero), and
/// writes grouping commas, an ever-present "." and a "-" when the value is below zero.
std::string formatReadout(double value, std::string_view pattern);

/// The single-precision form: the value is taken as a 32-bit float and rounded to 7 significant
/// digits before the pattern's decimals.
std::string formatReadoutSingle(float value, std::string_view pattern);

/// The position (from 1) of the first "." in a text, 0 when it has none.
int pointPosition(std::string_view text);

/// A double as a 32-bit float; values beyond the float range become an infinity of their sign,
/// as the hardware conversion gives, without leaving the defined range of the language.
float toSingle(double value);

/// Formats a text: it is read with readoutValue first; a text that is not a number comes back
/// unchanged.
std::string formatReadout(std::string_view text, std::string_view pattern);

/// The last 20 characters (code points) of a UTF-8 text, or all of it when shorter.
std::string tail20(std::string_view text);

/// The last n characters (code points) of a UTF-8 text.
std::string lastCharacters(std::string_view text, std::size_t n);

/// Number of characters (code points) of a UTF-8 text.
std::size_t characterCount(std::string_view text);

/// Reads readout text: optional "-", digits with commas only between digits, optional "." and
/// decimals, optional upper-case exponent ("1E+15", "1.5E-05"). Nothing else may follow.
std::optional<double> readoutValue(std::string_view text);

/// Plain text with at most 15 significant digits: no grouping, no trailing zeros, "." only with
/// a fraction; exponent form ("1E+15", "1E-05") from 1E15 up and below 1E-4 (not 0).
std::string plainNumberText(double value);

/// The same with 7 significant digits, for single-precision results.
std::string plainNumberTextSingle(float value);

/// The number at the start of a text, read as far as it goes: a grouping comma or any other
/// character that cannot continue a number ends it; no number at all reads 0.
double leadingNumber(std::string_view text);

/// A whole-number form without grouping: rounded to 15 significant digits like every shown
/// number, then to an integer, halves away from zero, and empty for 0.
std::string formatWhole(double value);

} // namespace sorba
