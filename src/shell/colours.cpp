// Each colour item as one row: the setting it writes, the colour text it replaces, the colour the
// dialog opens on and the controls that take the new colour at once.

#include "shell/colours.h"

#include "settings/colour_text.h"
#include "state/window_state.h"

#include <algorithm>
#include <array>
#include <span>

namespace sorba {

namespace {

enum class Spot { ReadoutBack, ReadoutFore, Mem1Back, Mem2Back, Mem2Fore };

Colour &colourAt(MainForm &form, Spot spot)
{
    switch (spot) {
    case Spot::ReadoutBack:
        return form.Readout.backColor;
    case Spot::ReadoutFore:
        return form.Readout.foreColor;
    case Spot::Mem1Back:
        return form.MEM1.backColor;
    case Spot::Mem2Back:
        return form.MEM2.backColor;
    case Spot::Mem2Fore:
        return form.MEM2.foreColor;
    }
    return form.Readout.backColor;
}

struct ColourItem
{
    MenuId menu;
    TextSetting setting;
    std::string KeypadState::*text;
    /// The colour the dialog opens on.
    Spot current;
    std::span<const Spot> appliedAtOnce;
    /// The mark's background goes back to the main-window colour once the setting is written, so
    /// the new colour shows only when the value-kept option next turns on.
    bool endsOnMainColour;
};

constexpr std::array mainWindowSpots{Spot::ReadoutBack, Spot::Mem1Back, Spot::Mem2Back};
constexpr std::array digitSpots{Spot::ReadoutFore};
constexpr std::array markTextSpots{Spot::Mem2Fore};
constexpr std::array exitMarkSpots{Spot::Mem2Back};

// The memory item recolours the operation mark's text, as the operator item does; only the
// operator colour is applied again at start-up.
constexpr std::array<ColourItem, 5> colourItems{{
    {MenuId::MMM, setting::MColor, &KeypadState::mainColour, Spot::ReadoutBack, mainWindowSpots,
     false},
    {MenuId::LLL, setting::LColor, &KeypadState::digitColour, Spot::ReadoutFore, digitSpots, false},
    {MenuId::RRR, setting::RColor, &KeypadState::memoryColour, Spot::Mem2Fore, markTextSpots,
     false},
    {MenuId::EEE, setting::EColor, &KeypadState::operatorColour, Spot::Mem2Fore, markTextSpots,
     false},
    {MenuId::XXX, setting::XColor, &KeypadState::exitValueColour, Spot::ReadoutBack, exitMarkSpots,
     true},
}};

const ColourItem *findItem(MenuId menu)
{
    const auto *const found =
        std::find_if(colourItems.begin(), colourItems.end(),
                     [menu](const ColourItem &item) { return item.menu == menu; });
    return found == colourItems.end() ? nullptr : &*found;
}

} // namespace

bool isColourItem(MenuId item)
{
    return findItem(item) != nullptr;
}

void chooseColour(WindowState &calc, MenuId menu)
{
    const ColourItem *item = findItem(menu);
    if (item == nullptr)
        return;
    MainForm &form = calc.form;
    const Colour current = colourAt(form, item->current);
    // A cancelled dialog gives back the colour it was opened on, which is applied and written
    // all the same.
    const Colour value = calc.platform.chooseColour(current).value_or(current);

    // A value that is no colour leaves the controls as they were.
    if (const auto colour = colourFromValue(std::int64_t(value))) {
        for (const Spot spot : item->appliedAtOnce)
            colourAt(form, spot) = *colour;
    }

    // Written as the signed 32-bit number the value is, so a system colour reads back as one.
    std::string text = std::to_string(static_cast<std::int32_t>(value));
    calc.settings.write(item->setting, text);
    calc.state.*(item->text) = std::move(text);

    if (item->endsOnMainColour) {
        if (const auto mainColour = evaluateColourText(calc.state.mainColour))
            form.MEM2.backColor = *mainColour;
    }
}

} // namespace sorba
