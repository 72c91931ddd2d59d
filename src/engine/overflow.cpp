// Message-box titles and the over-long readout warning.

#include "engine/overflow.h"

#include "engine/number_entry.h"
#include "state/window_state.h"
#include "text/readout_format.h"

namespace sorba {

std::string_view messageTitle(const WindowState &calc)
{
    return calc.state.english() ? englishTitle : japaneseTitle;
}

void showOverflowWarning(WindowState &calc, std::string_view japaneseText)
{
    calc.platform.messageBox(messageTitle(calc),
                             calc.state.english() ? englishOverflowText : japaneseText);
}

bool readoutOverflowed(const WindowState &calc)
{
    return characterCount(calc.readout()) > overflowLimit;
}

void checkReadoutOverflow(WindowState &calc)
{
    if (!readoutOverflowed(calc) || !calc.state.warningsShown())
        return;
    showOverflowWarning(calc, overflowText);
    if (calc.state.english())
        pressCancel(calc);
}

} // namespace sorba
