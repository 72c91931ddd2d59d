// Message-box titles, the warning boxes and the over-long readout warning.

#include "engine/overflow.h"

#include "engine/number_entry.h"
#include "state/window_state.h"
#include "text/readout_format.h"

namespace sorba {

std::string_view messageTitle(const WindowState &calc)
{
    return calc.state.english() ? englishTitle : japaneseTitle;
}

void showWarning(WindowState &calc, std::string_view japaneseText, std::string_view englishText)
{
    calc.platform.messageBox(messageTitle(calc), calc.state.english() ? englishText : japaneseText);
}

void showOverflowWarning(WindowState &calc, std::string_view japaneseText)
{
    showWarning(calc, japaneseText, englishOverflowText);
}

void warnThenCancelInEnglish(WindowState &calc, std::string_view japaneseText,
                             std::string_view englishText)
{
    showWarning(calc, japaneseText, englishText);
    if (calc.state.english())
        pressCancel(calc);
}

void warnOverflowThenCancelInEnglish(WindowState &calc, std::string_view japaneseText)
{
    warnThenCancelInEnglish(calc, japaneseText, englishOverflowText);
}

bool readoutOverflowed(const WindowState &calc)
{
    return characterCount(calc.readout()) > overflowLimit;
}

void checkReadoutOverflow(WindowState &calc)
{
    if (!readoutOverflowed(calc) || !calc.state.warningsShown())
        return;
    warnOverflowThenCancelInEnglish(calc, overflowText);
}

} // namespace sorba
