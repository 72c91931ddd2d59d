// The start-up steps, in their order. A step that fails (a colour text that is no colour, a
// font the platform lacks) is skipped and the next one runs.

#include "window/startup.h"

#include "engine/tax.h"
#include "era/era_choice.h"
#include "model/menu_marks.h"
#include "settings/colour_text.h"
#include "shell/font_chooser.h"
#include "shell/language.h"
#include "shell/layout.h"
#include "shell/options.h"
#include "shell/tape_window.h"
#include "tables/keypad_window.h"
#include "tables/twips_range.h"
#include "text/readout_format.h"
#include "units/panel_window.h"
#include "window/calculator.h"

namespace sorba {

namespace {

struct StoredSettings
{
    std::string fontName;
    int formTop, formLeft, chooserTop, chooserLeft;
    std::string keptReadout;
    int keepValue;
    int height, width;
    int alwaysOnTop;
};

// The keys in the order start-up reads them.
StoredSettings readSettings(Calculator &calc)
{
    SettingsFile &file = calc.settings;
    StoredSettings stored;
    stored.fontName = file.read(setting::FontDef);
    // Sizes and positions are held to the twips range before any rule adds to them.
    stored.formTop = clampTwips(file.read(setting::FormTop));
    stored.formLeft = clampTwips(file.read(setting::FormLeft));
    stored.chooserTop = clampTwips(file.read(setting::Form2Top));
    stored.chooserLeft = clampTwips(file.read(setting::Form2Left));
    stored.keptReadout = file.read(setting::Dumy);
    stored.keepValue = file.read(setting::EndMem);
    stored.height = clampTwips(file.read(setting::SizeH));
    stored.width = clampTwips(file.read(setting::SizeW));
    stored.alwaysOnTop = file.read(setting::AllFcs);
    calc.state.uiLanguage = file.read(setting::JpFont);
    calc.state.suppressWarnings = std::to_string(file.read(setting::AtsNoA));
    calc.state.mainColour = file.read(setting::MColor);
    calc.state.digitColour = file.read(setting::LColor);
    calc.state.memoryColour = file.read(setting::RColor);
    calc.state.operatorColour = file.read(setting::EColor);
    calc.state.exitValueColour = file.read(setting::XColor);
    return stored;
}

void applyColour(Colour &target, const std::string &text)
{
    if (auto colour = evaluateColourText(text))
        target = *colour;
}

void applyColours(Calculator &calc)
{
    MainForm &form = calc.form;
    const KeypadState &state = calc.state;
    applyColour(form.Readout.backColor, state.mainColour);
    applyColour(form.MEM1.backColor, state.mainColour);
    applyColour(form.MEM2.backColor, state.mainColour);
    applyColour(form.Readout.foreColor, state.digitColour);
    applyColour(form.MEM1.foreColor, state.mainColour);
    applyColour(form.MEM2.foreColor, state.operatorColour);
}

} // namespace

void runStartUp(Calculator &calc)
{
    MainForm &form = calc.form;
    KeypadState &state = calc.state;

    markMenuEntry(form, MenuId::TNN, 0);
    setUnitPanelShown(calc, false);
    calc.setReadout(std::string(zeroReadout));
    // The program reads and writes no file through a relative path, so the current folder is
    // left as it is.
    state.decimalEntry = false;
    state.operandCount = 0;
    state.entryState = EntryState::None;
    state.pendingOperator = PendingOperator::None;
    form.MEM2.caption = " ";

    const StoredSettings stored = readSettings(calc);
    applyColours(calc);

    if (stored.keepValue != 0) {
        calc.setReadout(stored.keptReadout);
        if (auto value = readoutValue(stored.keptReadout))
            state.accumulator = *value;
    } else {
        calc.setReadout(std::string(zeroReadout));
    }

    if (calc.platform.fontUsable(stored.fontName))
        form.Readout.fontName = stored.fontName;

    form.window.left = stored.formLeft;
    form.window.top = stored.formTop;
    ensureFontChooserLoaded(calc);
    calc.fontChooser.window.left = stored.chooserLeft;
    calc.fontChooser.window.top = stored.chooserTop;

    if (stored.keepValue == 0) {
        markMenuEntry(form, MenuId::KKK, 0);
        applyColour(form.MEM2.backColor, state.mainColour);
    } else {
        markMenuEntry(form, MenuId::KKK, 1);
        applyColour(form.MEM2.backColor, state.exitValueColour);
        form.MEM2.caption.clear();
    }

    markMenuEntry(form, MenuId::SSS, stored.width == defaultWindowWidth ? 0 : 1);

    applyTopmost(calc, stored.alwaysOnTop != 0);
    markMenuEntry(form, MenuId::TTT, stored.alwaysOnTop == 0 ? 0 : 1);

    applyMessageLanguage(calc);
    if (state.uiLanguage == 0) {
        markMenuEntry(form, MenuId::JJJ, 0);
    } else if (state.uiLanguage == 1) {
        applyStartUpEnglish(calc);
        markMenuEntry(form, MenuId::JJJ, 1);
    }

    applyStartUpSize(calc, stored.height, stored.width);
    if (state.uiLanguage == 0)
        widenNarrowWindow(calc);

    if (state.suppressWarnings == "0")
        markMenuEntry(form, MenuId::AAA, 0);
    else if (state.suppressWarnings == "1")
        markMenuEntry(form, MenuId::AAA, 1);
    applyStoredEraNames(calc);
    applyStoredTaxSettings(calc);

    // Showing the window runs the resize rule once more.
    form.window.visible = true;
    resizeRule(calc);
    applyTapeSettings(calc);
}

} // namespace sorba
