// The stored era-names choice and its menu.

#include "era/era_choice.h"

#include "model/menu_marks.h"
#include "state/window_state.h"

namespace sorba {

namespace {

void useEraNames(WindowState &calc, int entry)
{
    calc.state.reiwaEra = entry == 1;
    markMenuEntry(calc.form, MenuId::GGG, entry);
}

} // namespace

void chooseEraNames(WindowState &calc, int entry)
{
    useEraNames(calc, entry);
    calc.settings.write(setting::Reiwa, entry == 1 ? "1" : "0");
}

void applyStoredEraNames(WindowState &calc)
{
    useEraNames(calc, calc.settings.read(setting::Reiwa) == "1" ? 1 : 0);
}

} // namespace sorba
