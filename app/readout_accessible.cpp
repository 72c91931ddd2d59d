// Orca drops name changes of labels, and Qt 6.4 reports a name change without the new name, so
// neither reaches a listener. What Orca presents by itself is a notification becoming visible:
// each new readout shows the readout's announcement child once. The readout keeps the keyboard
// focus as a read-only text, so reading the current line says the readout at any time.

#include "readout_accessible.h"

#include "readout_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace {

class ReadoutInterface;

// The announcement has no widget of its own: it lives as long as its readout's interface.
class Announcement : public QAccessibleInterface
{
public:
    explicit Announcement(ReadoutInterface &readout)
        : m_readout(readout)
    {}

    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface * /*child*/) const override { return -1; }
    QAccessibleInterface *childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text /*t*/, const QString & /*text*/) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    ReadoutInterface &m_readout;
};

class ReadoutInterface : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ReadoutInterface(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::EditableText)
    {}

    ~ReadoutInterface() override
    {
        if (m_announcementId != 0)
            QAccessible::deleteAccessibleInterface(m_announcementId);
    }

    QString spoken() const { return static_cast<const ReadoutLabel *>(widget())->spokenText(); }

    Announcement *announcement()
    {
        if (m_announcementId == 0)
            m_announcementId = QAccessible::registerAccessibleInterface(new Announcement(*this));
        return static_cast<Announcement *>(QAccessible::accessibleInterface(m_announcementId));
    }

    // The object tree.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? const_cast<ReadoutInterface *>(this)->announcement() : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *other) const override
    {
        return other != nullptr && other == child(0) ? 0 : -1;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return spoken();
        if (t == QAccessible::Name)
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.editable = false;
        s.selectableText = true;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text: the spoken readout on one line, the caret at its end, nothing selected.
    void selection(int /*index*/, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int /*start*/, int /*end*/) override {}
    void removeSelection(int /*index*/) override {}
    void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
    int cursorPosition() const override { return int(spoken().size()); }
    void setCursorPosition(int /*position*/) override {}
    QString text(int start, int end) const override
    {
        const QString all = spoken();
        start = qBound(0, start, int(all.size()));
        end = end < 0 ? int(all.size()) : qBound(start, end, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(spoken().size()); }
    QRect characterRect(int /*offset*/) const override { return rect(); }
    int offsetAtPoint(const QPoint & /*point*/) const override { return 0; }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    QAccessible::Id m_announcementId = 0;
};

QWindow *Announcement::window() const
{
    return m_readout.window();
}

QAccessibleInterface *Announcement::parent() const
{
    return &m_readout;
}

QString Announcement::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? m_readout.spoken() : QString();
}

QRect Announcement::rect() const
{
    return m_readout.rect();
}

QAccessibleInterface *readoutFactory(const QString & /*className*/, QObject *object)
{
    if (auto *readout = qobject_cast<ReadoutLabel *>(object))
        return new ReadoutInterface(readout);
    return nullptr;
}

} // namespace

namespace readout_accessible {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(readoutFactory);
        return true;
    }();
    (void)installed;
}

void announce(ReadoutLabel &readout)
{
    // Qt drops the event itself when no screen reader listens.
    auto *iface = dynamic_cast<ReadoutInterface *>(QAccessible::queryAccessibleInterface(&readout));
    if (iface == nullptr)
        return;
    QAccessibleEvent shown(iface->announcement(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace readout_accessible
