// Building the menu tree once and keeping captions, check marks and states in step.

#include "menu_view.h"

#include "model/controls.h"

#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {

// Option menus are arrays of two or more entries with one check mark among them; single items
// and one-entry arrays carry no mark.
bool inMarkedArray(const sorba::MenuItem &item, const std::vector<sorba::MenuItem *> &siblings)
{
    if (!item.index())
        return false;
    const auto sameArray = [&item](const sorba::MenuItem *other) {
        return other->name() == item.name();
    };
    return std::count_if(siblings.begin(), siblings.end(), sameArray) >= 2;
}

} // namespace

MenuView::MenuView(QMenuBar &bar, const std::vector<sorba::MenuItem *> &menuBar, Choose choose)
    : m_choose(std::move(choose))
{
    for (sorba::MenuItem *item : menuBar)
        addItem(*item, menuBar, &bar, nullptr);
}

void MenuView::addItem(sorba::MenuItem &item, const std::vector<sorba::MenuItem *> &siblings,
                       QMenuBar *bar, QMenu *parent)
{
    QAction *action = nullptr;
    if (!item.children.empty()) {
        auto *menu = bar ? new QMenu(bar) : new QMenu(parent);
        action = bar ? bar->addMenu(menu) : parent->addMenu(menu);
        m_menus.emplace(&item, menu);
        for (sorba::MenuItem *child : item.children)
            addItem(*child, item.children, nullptr, menu);
    } else if (parent) {
        action = parent->addAction(QString());
        QObject::connect(action, &QAction::triggered, [this, &item] { m_choose(item); });
    } else {
        action = bar->addAction(QString());
        QObject::connect(action, &QAction::triggered, [this, &item] { m_choose(item); });
    }
    m_inMarkedArray.emplace(&item, inMarkedArray(item, siblings));
    m_actions.emplace_back(&item, action);
}

void MenuView::sync()
{
    for (auto [item, action] : m_actions) {
        // A separator is a line: some styles draw its text beside it and screen readers would
        // read it out, so it carries none whatever its caption.
        const bool separator = item->isSeparator();
        const QString caption = separator ? QString() : QString::fromStdString(item->caption);
        if (action->text() != caption)
            action->setText(caption);
        action->setSeparator(separator);
        action->setCheckable(m_inMarkedArray[item] || item->checked);
        action->setChecked(item->checked);
        action->setEnabled(item->enabled);
        action->setVisible(item->visible);
    }
}

QMenu *MenuView::menuFor(const sorba::MenuItem &item) const
{
    const auto it = m_menus.find(&item);
    return it == m_menus.end() ? nullptr : it->second;
}
