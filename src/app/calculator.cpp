// Wires the controls and menu items of the main window to their operations and routes the
// host's events.

#include "app/calculator.h"

#include "app/startup.h"
#include "engine/keyboard.h"
#include "engine/memory.h"
#include "engine/number_entry.h"
#include "engine/operators.h"
#include "engine/tax.h"
#include "era/era_to_gregorian.h"
#include "era/gregorian_to_era.h"
#include "shell/language.h"
#include "shell/layout.h"
#include "shell/options.h"
#include "units/panel_window.h"
#include "units/unit_panel.h"

namespace sorba {

Calculator::Calculator(Platform &platform_, SettingsFile &settings_)
    : platform(platform_)
    , settings(settings_)
{
    wireControls();
    wireMenus();
    for (ModelObject *object : std::initializer_list<ModelObject *>{
             &fontChooser.window, &fontChooser.Lstfontname, &fontChooser.FNTNAME, &fontChooser.OK,
             &fontChooser.END, &aboutForm})
        form.registerObject(*object);
}

void Calculator::wireControls()
{
    for (int i = 0; i < 10; ++i)
        form.Number(i).onClick = [this, i] { pressNumber(*this, i); };
    for (int i = 0; i < 5; ++i)
        form.Operator(i).onClick = [this, i] { pressOperator(*this, i); };
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
    form.Command3.onClick = [this] { returnToKeypad(*this); };
    form.Command4.onClick = [this] { exitFromUnitPanel(*this); };
    form.window.onResize = [this] { resizeRule(*this); };
}

void Calculator::wireMenus()
{
    const auto on = [this](std::string_view name, void (*action)(Calculator &)) {
        if (MenuItem *item = form.menu(name))
            item->onClick = [this, action] { action(*this); };
    };
    const auto onEntries = [this](std::string_view name, void (*action)(Calculator &, int)) {
        for (int entry = 0; entry < 2; ++entry) {
            if (MenuItem *item = form.menu(name, entry))
                item->onClick = [this, action, entry] { action(*this, entry); };
        }
    };
    on("All_Cancel", allCancel);
    on("Text_Mem", storeMemory);
    on("Text_PlsMem", addToMemory);
    on("Text_TakeMem", subtractFromMemory);
    on("Mem_PlsText", addMemoryToReadout);
    on("Mem_TakeText", subtractMemoryFromReadout);
    on("Mem_Text", recallMemory);
    on("Mem_Cear", clearMemory);
    on("Syohi_Zei", addConsumptionTax);
    on("Syo_Moto", removeConsumptionTax);
    on("WA_SEI", convertEraToGregorian);
    on("SEI_WA", convertGregorianToEra);
    on("All_Exit", [](Calculator &calc) { calc.unload(); });
    on("HYOJI", storeWindowPositions);
    onEntries("SSS", chooseWindowSize);
    onEntries("KKK", chooseValueKeptAtExit);
    onEntries("TTT", chooseAlwaysOnTop);
    onEntries("JJJ", chooseLanguage);
    onEntries("AAA", chooseWarnings);
    onEntries("TNN", chooseUnitPanel);
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
    settings.write("Dumy", readout());
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

void Calculator::chooseMenu(MenuItem &item)
{
    if (!m_ended && item.enabled && item.onClick)
        item.onClick();
}

} // namespace sorba
