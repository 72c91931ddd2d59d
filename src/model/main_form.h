#pragma once
// The main window as the model holds it: the form, its readout and marks, the keypad buttons
// that lie outside the visible area, the unit-panel controls and the menu bar.

#include "model/controls.h"
#include "model/menu_table.h"

#include <map>
#include <memory>
#include <string_view>
#include <vector>

namespace sorba {

/// The readout's background as the window is designed (green).
inline constexpr Colour builtInReadoutBackColor = 0x0000FF00;

class MainForm
{
public:
    MainForm();
    MainForm(const MainForm &) = delete;
    MainForm &operator=(const MainForm &) = delete;

    Form window{"Calculator"};
    /// Message boxes, and the platform's own texts in dialogs, speak English (else Japanese).
    bool messagesInEnglish = false;
    Label Readout{"Readout"};
    TextBox MEM1{"MEM1"};
    Label MEM2{"MEM2"};
    Label ReadoutNul{"ReadoutNul"};
    Button Decimal{"Decimal"};
    Button Percent{"Percent"};
    Button Cancel{"Cancel"};
    Button CancelEntry{"CancelEntry"};
    Button Command1{"Command1"};
    Button Command2{"Command2"};
    Button Command3{"Command3"};
    Button Command4{"Command4"};
    OptionGroup unitButtons;

    Button &Number(int index) { return *m_number.at(std::size_t(index)); }
    Button &Operator(int index) { return *m_operator.at(std::size_t(index)); }
    /// Check1 to Check10, by their number.
    CheckBox &Check(int number) { return *m_check.at(std::size_t(number - 1)); }
    /// Option1 to Option11, by their number.
    OptionButton &Option(int number) { return *m_option.at(std::size_t(number - 1)); }

    /// The menu item, or the entry of a menu array; an entry the array lacks is a fault of the
    /// caller and throws std::out_of_range.
    MenuItem &menu(MenuId id, std::optional<int> entry = std::nullopt) const;
    const std::vector<MenuItem *> &menuBar() const { return m_menuBar; }
    /// Every menu item in menu order, each with its row of the caption table.
    const std::vector<std::pair<MenuItem *, const MenuEntry *>> &menuItems() const
    {
        return m_menuItems;
    }
    /// Sets every menu caption from one caption set.
    void applyCaptions(CaptionSet set);

    /// Every control of the window, for hosts that draw them.
    const std::vector<Control *> &controls() const { return m_controls; }
    /// A form, control or menu item by its path ("Readout", "Number(5)", "AAA(1)").
    ModelObject *find(std::string_view path) const;
    /// Registers another form (the font chooser, the About box) so that paths reach it.
    void registerObject(ModelObject &object);
    /// The same under a path of its own, for a control whose name the main window uses too.
    void registerObject(ModelObject &object, std::string path);

private:
    void addControl(Control &control);
    void buildMenus();

    std::vector<std::unique_ptr<Button>> m_number;
    std::vector<std::unique_ptr<Button>> m_operator;
    std::vector<std::unique_ptr<CheckBox>> m_check;
    std::vector<std::unique_ptr<OptionButton>> m_option;
    std::vector<std::unique_ptr<MenuItem>> m_menuStore;
    std::vector<MenuItem *> m_menuBar;
    std::vector<std::pair<MenuItem *, const MenuEntry *>> m_menuItems;
    std::vector<Control *> m_controls;
    std::map<std::string, ModelObject *, std::less<>> m_byPath;
};

} // namespace sorba
