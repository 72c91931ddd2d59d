#pragma once
// The arithmetic and text of era years: the era year read from the readout, the Gregorian year
// computed from it, and the two era years of a boundary year are 32-bit floats; whole years are
// written with no more than six characters.

#include <string>

namespace sorba {

/// The leading number plus the era offset, added in single precision.
float singleYearSum(double leadingNumber, double offset);

/// A single-precision year rounded to 7 significant digits and taken as a double.
double sevenDigitYear(float year);

/// Number text as the boundary texts write it: one leading blank before a number that is not
/// negative, the "-" in its place otherwise (" 45", " 1", "-3").
std::string blankSignedText(float year);

/// A whole year as the conversions write it: rounded to 15 significant digits as every shown
/// number is, then to a whole number, no grouping, empty for 0, and no more than its last six
/// characters.
std::string wholeYearText(double year);

} // namespace sorba
