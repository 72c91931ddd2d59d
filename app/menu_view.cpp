// Building the menu tree once and keeping captions, check marks and states in step.

#include "menu_view.h"

#include "menu_accessible.h"
#include "model/controls.h"
#include "shell/spoken_text.h"

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

// "&" marks the mnemonic and "&&" stands for "&", as Qt reads captions.
QString withoutMnemonicMarks(const QString &caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        out += caption[i];
    }
    return out;
}

} // namespace

MenuView::MenuView(QMenuBar &bar, const std::vector<sorba::MenuItem *> &menuBar, Choose choose)
    : m_bar(bar)
    , m_choose(std::move(choose))
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
    if (bar)
        menu_accessible::attach(*action, *bar);
    else
        menu_accessible::attach(*action, *parent);
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
        if (action->text() != caption) {
            // Screen readers hear the caption without its leader run, and its key as the
            // item's key.
            const sorba::SpokenCaption spoken = sorba::spokenCaption(item->caption);
            menu_accessible::describe(
                *action,
                separator ? QString() : withoutMnemonicMarks(QString::fromStdString(spoken.name)),
                QString::fromStdString(spoken.key));
            action->setText(caption);
        }
        action->setSeparator(separator);
        action->setCheckable(m_inMarkedArray[item] || item->checked);
        action->setChecked(item->checked);
        action->setEnabled(item->enabled);
        action->setVisible(item->visible);
    }
}

void MenuView::openFirstMenu()
{
    for (QAction *action : m_bar.actions()) {
        if (action->isVisible() && action->isEnabled() && !action->isSeparator()) {
            m_bar.setActiveAction(action);
            return;
        }
    }
}

QMenu *MenuView::menuFor(const sorba::MenuItem &item) const
{
    const auto it = m_menus.find(&item);
    return it == m_menus.end() ? nullptr : it->second;
}
