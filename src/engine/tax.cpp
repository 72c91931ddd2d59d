// The consumption-tax keys. They read and write the readout only; the calculation goes on with
// the result as if it had been typed.

#include "engine/tax.h"

#include "state/window_state.h"
#include "text/readout_format.h"

#include <optional>
#include <string_view>

namespace sorba {

namespace {

// The plain text of the result comes first, so the amount is worked at 15 significant digits
// before the pattern rounds it. A readout that is no number stays as it is; a result longer
// than the readout loses its first characters without a box.
void applyTax(WindowState &calc, double (*apply)(double), std::string_view pattern)
{
    const std::optional<double> amount = readoutValue(calc.readout());
    if (!amount)
        return;
    calc.setReadout(plainNumberText(apply(*amount)));
    calc.setReadout(tail20(formatReadout(calc.readout(), pattern)));
}

} // namespace

void addConsumptionTax(WindowState &calc)
{
    applyTax(
        calc, [](double amount) { return amount * taxFactor; }, taxPattern);
    calc.recordTape(TapeMark::TaxAdded);
}

void removeConsumptionTax(WindowState &calc)
{
    applyTax(
        calc, [](double amount) { return amount / taxFactor; }, standardPattern);
    calc.recordTape(TapeMark::TaxRemoved);
}

} // namespace sorba
