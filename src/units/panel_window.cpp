// The unit panel's window: shown, the main window becomes a fixed-size converter; hidden, the
// whole start-up runs again to bring back the keypad window with its stored settings.

#include "units/panel_window.h"

#include "model/menu_marks.h"
#include "state/window_state.h"
#include "tables/keypad_window.h"
#include "units/unit_panel.h"

namespace sorba {

namespace {

// The converter window in twips. It opens 5000 high; its own rule then holds it at 4750.
constexpr int panelWindowWidth = 4400;
constexpr int panelWindowHeight = 4750;
constexpr int openingHeight = 5000;
constexpr int panelWindowTop = 210;
constexpr int panelReadoutWidth = 4040;
constexpr int panelReadoutHeight = 600;
// MEM2 sits this far above the window's bottom edge.
constexpr int markOffsetFromBottom = 4500;
constexpr int categoryGapBelowReadout = 200;
// Where the category boxes wait while the keypad window is back.
constexpr int keypadCategoryTop = 1200;

constexpr int firstCategoryBox = 4;
constexpr int lastCategoryBox = 7;

void placeCategoryBoxes(MainForm &form, int top)
{
    for (int number = firstCategoryBox; number <= lastCategoryBox; ++number)
        form.Check(number).top = top;
}

void placeCategoryBoxesBelowReadout(MainForm &form)
{
    placeCategoryBoxes(form, form.Readout.top + form.Readout.height + categoryGapBelowReadout);
}

void enablePanelButtons(MainForm &form, bool enabled)
{
    form.Command3.enabled = enabled;
    form.Command4.enabled = enabled;
}

// The panel always opens at 長さ with ｃｍ. When 長さ is ticked already, ticking it again
// changes nothing, so its click action is run directly instead.
void resetToLength(WindowState &calc)
{
    CheckBox &length = calc.form.Check(categoryEntry(UnitCategory::Length).checkBox);
    if (length.value() == 0)
        length.setValue(1);
    else
        categoryBoxClicked(calc, UnitCategory::Length);
}

void showPanel(WindowState &calc)
{
    MainForm &form = calc.form;
    setUnitPanelShown(calc, true);
    enablePanelButtons(form, true);
    // Each size setting runs the panel's resize rule at once.
    form.window.setHeight(openingHeight);
    form.window.setWidth(panelWindowWidth);
    form.Readout.height = panelReadoutHeight;
    form.Readout.width = panelReadoutWidth;
    form.MEM2.top = form.window.height() - markOffsetFromBottom;
    form.Readout.fontSize = panelReadoutFontSize;
    placeCategoryBoxesBelowReadout(form);
}

} // namespace

void setUnitPanelShown(WindowState &calc, bool shown)
{
    calc.state.unitPanelShown = shown ? 1 : 0;
    // The converter window keeps one size while it is shown.
    calc.form.window.fixedSize = shown;
}

void chooseUnitPanel(WindowState &calc, int entry)
{
    MainForm &form = calc.form;
    calc.setReadout(std::string(zeroReadout));
    form.Readout.height = form.window.height() - readoutMarginHeight;
    for (int number = firstCategoryBox; number <= lastCategoryBox; ++number)
        form.Check(number).visible = true;
    for (const TargetBox box : {TargetBox::Check1, TargetBox::Check2, TargetBox::Check3})
        form.Check(checkBoxNumber(box)).visible = true;
    for (int button = 1; button <= unitButtonCount; ++button)
        form.Option(button).visible = true;
    resetToLength(calc);
    form.window.top = panelWindowTop;

    if (entry == 0) {
        setUnitPanelShown(calc, false);
        enablePanelButtons(form, false);
        // The keypad's resize rule hides the panel's controls again.
        calc.hooks.runStartUp();
    } else {
        showPanel(calc);
    }
    markMenuEntry(form, MenuId::TNN, entry);
}

void returnToKeypad(WindowState &calc)
{
    setUnitPanelShown(calc, false);
    placeCategoryBoxes(calc.form, keypadCategoryTop);
    calc.hooks.runStartUp();
    markMenuEntry(calc.form, MenuId::TNN, 0);
    enablePanelButtons(calc.form, false);
}

void exitFromUnitPanel(WindowState &calc)
{
    setUnitPanelShown(calc, false);
    markMenuEntry(calc.form, MenuId::TNN, 0);
    enablePanelButtons(calc.form, false);
    calc.hooks.unloadWindow();
}

void unitPanelResizeRule(WindowState &calc)
{
    MainForm &form = calc.form;
    // Any size the user drags to is set back; each setting runs this rule again, nested.
    form.window.setHeight(panelWindowHeight);
    form.window.setWidth(panelWindowWidth);
    form.Readout.width = panelReadoutWidth;
    if (form.Readout.height > panelReadoutHeight) {
        form.Readout.height = panelReadoutHeight;
        form.MEM2.top = form.window.height() - markOffsetFromBottom;
        form.Readout.fontSize = panelReadoutFontSize;
    }
    placeCategoryBoxesBelowReadout(form);
}

} // namespace sorba
