#pragma once
// The consumption-tax keys: add the 8 % tax to the amount shown, or take it out again.

namespace sorba {

class WindowState;

inline constexpr double taxFactor = 1.08;

void addConsumptionTax(WindowState &calc);
void removeConsumptionTax(WindowState &calc);

} // namespace sorba
