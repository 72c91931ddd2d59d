// The consumption-tax keys. They read and write the readout only; the calculation goes on with
// the result as if it had been typed.

#include "engine/tax.h"

#include "engine/overflow.h"
#include "model/menu_marks.h"
#include "state/window_state.h"
#include "text/readout_format.h"

#include <cmath>
#include <string>

namespace sorba {

namespace {

// The menu entry of each rate; any other rate is the one taken from the readout.
int rateEntry(double rate)
{
    if (rate == defaultTaxRate)
        return 0;
    if (rate == standardTaxRate)
        return 1;
    return 2;
}

// A number at the 15 significant digits every shown number has.
double atShownDigits(double value)
{
    return readoutValue(plainNumberText(value)).value_or(value);
}

void useTaxRate(WindowState &calc, double rate)
{
    calc.state.taxRate = rate;
    markMenuEntry(calc.form, MenuId::ZZZ, rateEntry(rate));
}

// The plain text of the result comes first, so the amount is worked at 15 significant digits
// before the pattern rounds it. A readout that is no number stays as it is; a result longer
// than the readout loses its first characters without a box.
void applyTax(WindowState &calc, double result, std::string_view pattern)
{
    const TaxRounding rounding = calc.state.taxRounding;
    if (rounding != TaxRounding::None)
        result = roundTaxResult(atShownDigits(result), rounding);
    calc.setReadout(plainNumberText(result));
    calc.setReadout(tail20(formatReadout(calc.readout(), pattern)));
}

} // namespace

double taxFactor(double rate)
{
    return (100 + rate) / 100;
}

double roundTaxResult(double amount, TaxRounding rounding)
{
    switch (rounding) {
    case TaxRounding::None:
        break;
    case TaxRounding::Down:
        return std::trunc(amount);
    case TaxRounding::HalfUp:
        return std::round(amount);
    case TaxRounding::Up:
        return amount < 0 ? std::floor(amount) : std::ceil(amount);
    }
    return amount;
}

std::optional<double> taxRateFromText(std::string_view text)
{
    const std::optional<double> rate = readoutValue(text);
    if (!rate || *rate < 0 || *rate > highestTaxRate)
        return std::nullopt;
    // "-0" is the rate 0.
    return *rate == 0 ? 0.0 : atShownDigits(*rate);
}

void addConsumptionTax(WindowState &calc)
{
    if (const std::optional<double> amount = readoutValue(calc.readout()))
        applyTax(calc, *amount * taxFactor(calc.state.taxRate), taxPattern);
    calc.recordTape(TapeMark::TaxAdded);
}

void removeConsumptionTax(WindowState &calc)
{
    if (const std::optional<double> amount = readoutValue(calc.readout()))
        applyTax(calc, *amount / taxFactor(calc.state.taxRate), standardPattern);
    calc.recordTape(TapeMark::TaxRemoved);
}

void chooseTaxRate(WindowState &calc, int entry)
{
    double rate = defaultTaxRate;
    if (entry == 1) {
        rate = standardTaxRate;
    } else if (entry == 2) {
        const std::optional<double> shown = taxRateFromText(calc.readout());
        if (!shown) {
            // Shown whatever the warnings option says: the rate stays as it was.
            showWarning(calc, taxRateText, englishTaxRateText);
            return;
        }
        rate = *shown;
    }
    useTaxRate(calc, rate);
    calc.settings.write(setting::TaxRate, plainNumberText(rate));
}

void chooseTaxRounding(WindowState &calc, int entry)
{
    calc.state.taxRounding = static_cast<TaxRounding>(entry);
    calc.settings.write(setting::TaxRound, std::to_string(entry));
    markMenuEntry(calc.form, MenuId::HSU, entry);
}

void applyStoredTaxSettings(WindowState &calc)
{
    useTaxRate(calc,
               taxRateFromText(calc.settings.read(setting::TaxRate)).value_or(defaultTaxRate));
    const std::string rounding = calc.settings.read(setting::TaxRound);
    int entry = 0;
    if (rounding.size() == 1 && rounding[0] >= '0' && rounding[0] <= '3')
        entry = rounding[0] - '0';
    calc.state.taxRounding = static_cast<TaxRounding>(entry);
    markMenuEntry(calc.form, MenuId::HSU, entry);
}

} // namespace sorba
