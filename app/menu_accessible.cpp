// Qt names a menu item with its whole caption and gives it a key binding only for a shortcut,
// which would also draw the key a second time in the menu. This interface keeps Qt's look and
// behaviour and changes only what is spoken.

#include "menu_accessible.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>

namespace {

const char *const ownerProperty = "sorbaMenuOwner";
const char *const nameProperty = "sorbaSpokenName";
const char *const keyProperty = "sorbaSpokenKey";

QAction *activeActionOf(QWidget *owner)
{
    if (auto *menu = qobject_cast<QMenu *>(owner))
        return menu->activeAction();
    if (auto *bar = qobject_cast<QMenuBar *>(owner))
        return bar->activeAction();
    return nullptr;
}

QRect actionGeometryIn(QWidget *owner, QAction *action)
{
    if (auto *menu = qobject_cast<QMenu *>(owner))
        return menu->actionGeometry(action);
    if (auto *bar = qobject_cast<QMenuBar *>(owner))
        return bar->actionGeometry(action);
    return {};
}

class MenuItemInterface : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    MenuItemInterface(QAction *action, QWidget *owner)
        : m_action(action)
        , m_owner(owner)
    {}

    bool isValid() const override { return m_action != nullptr && m_owner != nullptr; }
    QObject *object() const override { return m_action; }
    QWindow *window() const override
    {
        QAccessibleInterface *owner = parent();
        return owner != nullptr ? owner->window() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_owner.data());
    }
    int childCount() const override { return m_action->menu() != nullptr ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && m_action->menu() != nullptr
                   ? QAccessible::queryAccessibleInterface(m_action->menu())
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *other) const override
    {
        return other != nullptr && other == child(0) ? 0 : -1;
    }
    QAccessibleInterface *childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return m_action->property(nameProperty).toString();
        if (t == QAccessible::Accelerator)
            return m_action->property(keyProperty).toString();
        return {};
    }
    void setText(QAccessible::Text /*t*/, const QString & /*text*/) override {}

    QRect rect() const override
    {
        const QRect local = actionGeometryIn(m_owner, m_action);
        return local.isNull() ? local : QRect(m_owner->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override
    {
        if (m_action->isSeparator())
            return QAccessible::Separator;
        // Qt 6.4 maps no role to AT-SPI's menu: an item that opens a submenu is a menu item
        // that has a popup and is expandable, which Orca speaks as collapsed or expanded.
        return QAccessible::MenuItem;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!m_owner->isVisible() || !m_action->isVisible())
            s.invisible = true;
        if (activeActionOf(m_owner) == m_action)
            s.focused = true;
        s.focusable = !m_action->isSeparator();
        if (m_action->isSeparator() || !m_action->isEnabled())
            s.disabled = true;
        s.checkable = m_action->isCheckable();
        s.checked = m_action->isChecked();
        if (m_action->menu() != nullptr) {
            s.hasPopup = true;
            s.expandable = true;
            s.expanded = m_action->menu()->isVisible();
        }
        if (m_owner->style()->styleHint(QStyle::SH_Menu_MouseTracking))
            s.hotTracked = true;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    QStringList actionNames() const override
    {
        if (m_action->isSeparator() || !m_action->isEnabled())
            return {};
        return {m_action->menu() != nullptr ? showMenuAction() : pressAction()};
    }
    void doAction(const QString &actionName) override
    {
        if (!m_action->isEnabled())
            return;
        if (actionName == pressAction()) {
            m_action->trigger();
        } else if (actionName == showMenuAction()) {
            if (auto *bar = qobject_cast<QMenuBar *>(m_owner))
                bar->setActiveAction(m_action);
            else if (auto *menu = qobject_cast<QMenu *>(m_owner))
                menu->setActiveAction(m_action);
        }
    }
    // Orca reads the third field of a key binding as the item's key.
    QStringList keyBindingsForAction(const QString & /*actionName*/) const override
    {
        const QString key = m_action->property(keyProperty).toString();
        if (key.isEmpty())
            return {};
        return {QString(), QString(), key};
    }

private:
    QPointer<QAction> m_action;
    QPointer<QWidget> m_owner;
};

QAccessibleInterface *menuItemFactory(const QString & /*className*/, QObject *object)
{
    auto *action = qobject_cast<QAction *>(object);
    if (action == nullptr)
        return nullptr;
    auto *owner = qobject_cast<QWidget *>(action->property(ownerProperty).value<QObject *>());
    if (owner == nullptr)
        return nullptr;
    return new MenuItemInterface(action, owner);
}

} // namespace

namespace menu_accessible {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(menuItemFactory);
        return true;
    }();
    (void)installed;
}

void attach(QAction &action, QWidget &owner)
{
    install();
    action.setProperty(ownerProperty, QVariant::fromValue<QObject *>(&owner));
}

// The caption's own change of text is what tells screen readers of a new name.
void describe(QAction &action, const QString &name, const QString &key)
{
    action.setProperty(nameProperty, name);
    action.setProperty(keyProperty, key);
}

} // namespace menu_accessible
