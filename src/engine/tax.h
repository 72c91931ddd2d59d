#pragma once
// The consumption-tax keys: add the tax to the amount shown, or take it out again; the rate
// (8 % unless the user chose another) and the rounding of the results to whole yen.

#include "state/keypad_state.h"

#include <optional>
#include <string_view>

namespace sorba {

class WindowState;

inline constexpr double defaultTaxRate = 8;
inline constexpr double standardTaxRate = 10;
inline constexpr double highestTaxRate = 100;

inline constexpr std::string_view taxRateText = "税率は0から100までの数値で指定してください。";
inline constexpr std::string_view englishTaxRateText = "Tax rate must be a number from 0 to 100.";

/// The factor a rate in percent multiplies by: exactly the double 1.08 at 8 %.
double taxFactor(double rate);

/// A result of the tax keys, already at 15 significant digits, rounded as chosen.
double roundTaxResult(double amount, TaxRounding rounding);

/// The stored rate: a number from 0 to 100, or nothing.
std::optional<double> taxRateFromText(std::string_view text);

void addConsumptionTax(WindowState &calc);
void removeConsumptionTax(WindowState &calc);

/// The rate menu: 8 %, 10 %, or the number on show (0 to 100; a box otherwise).
void chooseTaxRate(WindowState &calc, int entry);
/// The rounding menu: none, down, half up, up.
void chooseTaxRounding(WindowState &calc, int entry);
/// Start-up: the stored rate and rounding, with their check marks.
void applyStoredTaxSettings(WindowState &calc);

} // namespace sorba
