// The warnings, value-kept-at-exit and always-on-top menus.

#include "shell/options.h"

#include "model/menu_marks.h"
#include "settings/colour_text.h"
#include "state/window_state.h"

namespace sorba {

namespace {

std::string entryText(int entry)
{
    return entry == 0 ? "0" : "1";
}

} // namespace

void chooseWarnings(WindowState &calc, int entry)
{
    calc.state.suppressWarnings = entryText(entry);
    calc.settings.write(setting::AtsNoA, calc.state.suppressWarnings);
    markMenuEntry(calc.form, MenuId::AAA, entry);
}

void chooseValueKeptAtExit(WindowState &calc, int entry)
{
    calc.settings.write(setting::EndMem, entryText(entry));
    // The operation mark's background shows whether the value will be kept.
    const std::string &text = entry == 0 ? calc.state.mainColour : calc.state.exitValueColour;
    if (auto colour = evaluateColourText(text))
        calc.form.MEM2.backColor = *colour;
    markMenuEntry(calc.form, MenuId::KKK, entry);
}

void chooseAlwaysOnTop(WindowState &calc, int entry)
{
    calc.settings.write(setting::AllFcs, entryText(entry));
    applyTopmost(calc, entry != 0);
    markMenuEntry(calc.form, MenuId::TTT, entry);
}

void applyTopmost(WindowState &calc, bool topmost)
{
    calc.form.window.topmost = topmost;
    calc.tapeForm.window.topmost = topmost;
    calc.platform.setTopmost(topmost);
}

} // namespace sorba
