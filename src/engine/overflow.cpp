// Message-box titles and the over-long readout warning.

#include "engine/overflow.h"

#include "app/calculator.h"
#include "engine/number_entry.h"
#include "engine/readout_format.h"

namespace sorba {

std::string_view messageTitle(const Calculator &calc)
{
    return calc.state.english() ? englishTitle : japaneseTitle;
}

void showOverflowWarning(Calculator &calc, std::string_view japaneseText)
{
    calc.platform.messageBox(messageTitle(calc),
                             calc.state.english() ? englishOverflowText : japaneseText);
}

bool readoutOverflowed(const Calculator &calc)
{
    return characterCount(calc.readout()) > overflowLimit;
}

void checkReadoutOverflow(Calculator &calc)
{
    if (!readoutOverflowed(calc) || !calc.state.warningsShown())
        return;
    showOverflowWarning(calc, overflowText);
    if (calc.state.english())
        pressCancel(calc);
}

} // namespace sorba
