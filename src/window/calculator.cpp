// Wires the controls and menu items of the main window to their operations and routes the
// host's events.

#include "window/calculator.h"

#include "engine/memory.h"
#include "engine/number_entry.h"
#include "engine/operators.h"
#include "engine/tax.h"
#include "era/era_choice.h"
#include "era/era_to_gregorian.h"
#include "era/gregorian_to_era.h"
#include "shell/clipboard.h"
#include "shell/colours.h"
#include "shell/font_chooser.h"
#include "shell/help_about.h"
#include "shell/language.h"
#include "shell/layout.h"
#include "shell/options.h"
#include "shell/tape_window.h"
#include "units/panel_window.h"
#include "units/unit_panel.h"
#include "window/keyboard.h"
#include "window/startup.h"

#include <algorithm>
#include <vector>

namespace sorba {

Calculator::Calculator(Platform &platform_, SettingsFile &settings_)
    : WindowState(platform_, settings_)
{
    hooks.unloadWindow = [this] { unload(); };
    hooks.runStartUp = [this] { runStartUp(*this); };
    hooks.convertEraToGregorian = [this] { sorba::convertEraToGregorian(*this); };
    wireControls();
    wireMenus();
    for (ModelObject *object : std::initializer_list<ModelObject *>{
             &fontChooser.window, &fontChooser.Lstfontname, &fontChooser.FNTNAME, &fontChooser.OK,
             &fontChooser.END, &aboutForm.window, &aboutForm.Label1, &aboutForm.Label3,
             &tapeForm.window, &tapeForm.TapeCopy, &tapeForm.TapeSave, &tapeForm.TapeClear})
        form.registerObject(*object);
    // The About box's OK shares its name with the main window's copy button, so each control
    // of the box is also reached through the box: "About_Form.Command1".
    for (Control *control : aboutForm.controls())
        form.registerObject(*control, aboutForm.window.name() + "." + control->path());
}

void Calculator::wireControls()
{
    for (int i = 0; i < 10; ++i)
        form.Number(i).onClick = [this, i] { pressNumber(*this, i); };
    for (std::size_t i = 0; i < operatorKeys.size(); ++i) {
        const PendingOperator op = operatorKeys[i].op;
        form.Operator(int(i)).onClick = [this, op] { pressOperator(*this, op); };
    }
    form.Decimal.onClick = [this] { pressDecimal(*this); };
    form.Percent.onClick = [this] { pressPercent(*this); };
    form.Cancel.onClick = [this] { pressCancel(*this); };
    form.CancelEntry.onClick = [this] { pressCancelEntry(*this); };
    for (const UnitCategory category : unitCategories) {
        form.Check(categoryEntry(category).checkBox).onClick = [this, category] {
            categoryBoxClicked(*this, category);
        };
    }
    for (const TargetBox box : targetBoxes)
        form.Check(checkBoxNumber(box)).onClick = [this, box] { targetBoxClicked(*this, box); };
    for (int button = 1; button <= unitButtonCount; ++button)
        form.Option(button).onClick = [this, button] { unitButtonSelected(*this, button); };
    form.Command1.onClick = [this] { copyByReadoutButton(*this); };
    form.Command2.onClick = [this] { pasteByReadoutButton(*this); };
    aboutForm.Command1.onClick = [this] { aboutForm.unload(); };
    fontChooser.Lstfontname.onClick = [this] { fontHighlighted(*this); };
    fontChooser.OK.onClick = [this] { storeChosenFont(*this); };
    fontChooser.END.onClick = [this] { closeFontChooser(*this); };
    fontChooser.window.onClose = [this] { closeFontChooser(*this); };
    tapeForm.TapeCopy.onClick = [this] { copyTape(*this); };
    tapeForm.TapeSave.onClick = [this] { saveTape(*this); };
    tapeForm.TapeClear.onClick = [this] { clearTape(*this); };
    tapeForm.window.onClose = [this] { closeTapeWindow(*this); };
    form.Command3.onClick = [this] { returnToKeypad(*this); };
    form.Command4.onClick = [this] { exitFromUnitPanel(*this); };
    // While the unit panel is shown its own fixed-size rule stands in for the keypad's.
    form.window.onResize = [this] {
        if (state.unitPanelShown != 0)
            unitPanelResizeRule(*this);
        else
            resizeRule(*this);
    };
}

void Calculator::wireMenus()
{
    const auto on = [this](MenuId id, void (*action)(WindowState &)) {
        form.menu(id).onClick = [this, action] { action(*this); };
    };
    const auto onEntries = [this](MenuId id, void (*action)(WindowState &, int)) {
        for (int entry = 0; entry < menuArraySize(id); ++entry)
            form.menu(id, entry).onClick = [this, action, entry] { action(*this, entry); };
    };
    on(MenuId::All_Cancel, allCancel);
    on(MenuId::Menu_Copy, copyReadout);
    on(MenuId::Clip_Menu, pasteReadout);
    on(MenuId::Text_Mem, storeMemory);
    on(MenuId::Text_PlsMem, addToMemory);
    on(MenuId::Text_TakeMem, subtractFromMemory);
    on(MenuId::Mem_PlsText, addMemoryToReadout);
    on(MenuId::Mem_TakeText, subtractMemoryFromReadout);
    on(MenuId::Mem_Text, recallMemory);
    on(MenuId::Mem_Cear, clearMemory);
    on(MenuId::Syohi_Zei, addConsumptionTax);
    on(MenuId::Syo_Moto, removeConsumptionTax);
    on(MenuId::WA_SEI, convertEraToGregorian);
    on(MenuId::SEI_WA, convertGregorianToEra);
    form.menu(MenuId::All_Exit).onClick = [this] { unload(); };
    on(MenuId::HYOJI, storeWindowPositions);
    onEntries(MenuId::SSS, chooseWindowSize);
    onEntries(MenuId::KKK, chooseValueKeptAtExit);
    onEntries(MenuId::TTT, chooseAlwaysOnTop);
    onEntries(MenuId::JJJ, chooseLanguage);
    onEntries(MenuId::AAA, chooseWarnings);
    onEntries(MenuId::TNN, chooseUnitPanel);
    onEntries(MenuId::GGG, chooseEraNames);
    onEntries(MenuId::ZZZ, chooseTaxRate);
    onEntries(MenuId::HSU, chooseTaxRounding);
    onEntries(MenuId::TPP, chooseTape);
    form.menu(MenuId::HHH, 0).onClick = [this] { openHelpContents(*this); };
    on(MenuId::VER_FORM, showAboutBox);
    form.menu(MenuId::font2, 0).onClick = [this] { showFontChooser(*this); };
    // The colour items are one-entry arrays numbered 0 to 4; the handler ignores the number.
    for (const MenuEntry &entry : menuEntries) {
        if (isColourItem(entry.id))
            form.menu(entry.id, entry.index).onClick = [this, id = entry.id] {
                chooseColour(*this, id);
            };
    }
}

void Calculator::load()
{
    form.window.loaded = true;
    runStartUp(*this);
}

void Calculator::unload()
{
    if (m_ended)
        return;
    // Only the readout is saved at exit, whatever the value-kept option says.
    settings.write(setting::Dumy, readout());
    storeTapePlace(*this);
    fontChooser.unload();
    form.window.loaded = false;
    form.window.visible = false;
    m_ended = true;
    platform.endProgram();
}

void Calculator::keyDown(int keyCode, int modifierMask)
{
    if (!m_ended)
        handleKeyDown(*this, keyCode, modifierMask);
}

void Calculator::keyChar(char32_t character)
{
    if (!m_ended)
        handleKeyChar(*this, character);
}

void Calculator::keyPress(int keyCode, int modifierMask, std::u32string_view characters)
{
    keyDown(keyCode, modifierMask);
    for (const char32_t character : characters) {
        if (m_ended)
            break;
        keyChar(character);
    }
}

void Calculator::deliverPostedEnter()
{
    keyPress(keyCode(VirtualKey::Enter), 0, std::u32string_view(&enterCharacter, 1));
}

bool Calculator::clickControl(Control &control)
{
    if (!control.takesClicks() || !reachable(control))
        return false;
    control.clickByUser();
    return true;
}

bool Calculator::reachable(const Control &control)
{
    if (m_ended || !control.enabled || !control.visible)
        return false;
    const auto holds = [&control](const std::vector<Control *> &controls) {
        return std::find(controls.begin(), controls.end(), &control) != controls.end();
    };
    return (holds(form.controls()) && form.window.visible) ||
           (holds(fontChooser.controls()) && fontChooser.window.visible) ||
           (holds(aboutForm.controls()) && aboutForm.window.visible) ||
           (holds(tapeForm.controls()) && tapeForm.window.visible);
}

void Calculator::chooseMenu(MenuItem &item)
{
    if (!m_ended && item.enabled && item.onClick)
        item.onClick();
}

void Calculator::mouseDownOnReadout(MouseButton button, bool shift)
{
    if (!m_ended)
        sorba::mouseDownOnReadout(*this, button, shift);
}

void Calculator::mouseDownOnWindow(MouseButton button)
{
    if (!m_ended)
        sorba::mouseDownOnWindow(*this, button);
}

void Calculator::doubleClickReadout()
{
    if (!m_ended)
        form.Command1.press();
}

} // namespace sorba
