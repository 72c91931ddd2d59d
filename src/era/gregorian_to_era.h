#pragma once
// Gregorian year to Japanese era year, to the double text of a boundary year, or to the
// historical period before Meiji.

namespace sorba {

class WindowState;

void convertGregorianToEra(WindowState &calc);

} // namespace sorba
