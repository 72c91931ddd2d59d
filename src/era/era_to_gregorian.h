#pragma once
// Japanese era year to Gregorian year: the era comes from the mark in MEM2, the year from the
// readout.

namespace sorba {

class WindowState;

void convertEraToGregorian(WindowState &calc);

} // namespace sorba
