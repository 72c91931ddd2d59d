#pragma once
// The model's menu bar as Qt menus: one action per menu item, a submenu for each item with
// children, brought up to date by sync(); choosing an action chooses the model's item.

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace sorba {
class MenuItem;
} // namespace sorba

class MenuView
{
public:
    using Choose = std::function<void(sorba::MenuItem &)>;

    MenuView(QMenuBar &bar, const std::vector<sorba::MenuItem *> &menuBar, Choose choose);

    void sync();
    /// Opens the first menu of the bar that can open, as F10 does on the desktops.
    void openFirstMenu();
    /// The submenu that shows the children of that item, or nullptr for an item without any.
    QMenu *menuFor(const sorba::MenuItem &item) const;

private:
    void addItem(sorba::MenuItem &item, const std::vector<sorba::MenuItem *> &siblings,
                 QMenuBar *bar, QMenu *parent);

    QMenuBar &m_bar;
    Choose m_choose;
    std::vector<std::pair<sorba::MenuItem *, QAction *>> m_actions;
    std::map<const sorba::MenuItem *, bool> m_inMarkedArray;
    std::map<const sorba::MenuItem *, QMenu *> m_menus;
};
