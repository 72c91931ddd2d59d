// Widgets for labels, text boxes, buttons, check boxes, option buttons and list boxes, placed
// in twips and coloured and lettered as the model says; controls nothing colours take the
// desktop theme's colours, and the readout keeps its whole text clear of the marks.

#include "model_view.h"

#include "colours.h"
#include "font_fallback.h"
#include "model/controls.h"
#include "model/platform.h"
#include "readout_label.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

// The readout is a number display; the operation mark sits centred in its little box.
Qt::Alignment alignmentOf(std::string_view controlName)
{
    if (controlName == "Readout")
        return Qt::AlignRight | Qt::AlignVCenter;
    if (controlName == "MEM2")
        return Qt::AlignCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QString textOf(const sorba::Control &control)
{
    if (const auto *label = dynamic_cast<const sorba::Label *>(&control))
        return qt(label->caption);
    if (const auto *box = dynamic_cast<const sorba::TextBox *>(&control))
        return qt(box->text);
    if (const auto *button = dynamic_cast<const sorba::Button *>(&control))
        return qt(button->caption);
    if (const auto *box = dynamic_cast<const sorba::CheckBox *>(&control))
        return qt(box->caption);
    if (const auto *option = dynamic_cast<const sorba::OptionButton *>(&control))
        return qt(option->caption);
    return {};
}

// The roles a widget of each kind draws its text and its background with.
std::pair<QPalette::ColorRole, QPalette::ColorRole> colourRoles(const QWidget &widget)
{
    if (qobject_cast<const QLineEdit *>(&widget) || qobject_cast<const QListWidget *>(&widget))
        return {QPalette::Text, QPalette::Base};
    if (qobject_cast<const QPushButton *>(&widget))
        return {QPalette::ButtonText, QPalette::Button};
    return {QPalette::WindowText, QPalette::Window};
}

void syncColours(const sorba::Control &control, QWidget &widget)
{
    // A widget with no palette of its own inherits the theme's and follows it when it changes.
    if (control.themeColours) {
        if (widget.testAttribute(Qt::WA_SetPalette))
            widget.setPalette(QPalette());
        return;
    }
    QPalette palette = widget.palette();
    const auto [textRole, backRole] = colourRoles(widget);
    const QColor text = toQColor(control.foreColor, QApplication::palette());
    const QColor back = toQColor(control.backColor, QApplication::palette());
    if (palette.color(textRole) == text && palette.color(backRole) == back)
        return;
    palette.setColor(textRole, text);
    palette.setColor(backRole, back);
    widget.setPalette(palette);
}

// A list that starts with no line current: Qt makes the first line current when the list gets
// the focus, which would read as the user's highlight. The keyboard's first step down then
// highlights the first line.
class ListBoxWidget : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        const bool noneCurrent = currentRow() < 0;
        const QSignalBlocker blocker(this);
        QListWidget::focusInEvent(event);
        if (noneCurrent && currentRow() >= 0)
            selectionModel()->clearCurrentIndex();
    }
};

// The lines are compared with those last shown, so an unchanged list costs nothing per event.
void syncListItems(sorba::ListBox &list, QListWidget &widget, std::vector<std::string> &shown)
{
    const QSignalBlocker blocker(widget);
    if (shown != list.items) {
        shown = list.items;
        QStringList lines;
        lines.reserve(qsizetype(list.items.size()));
        for (const std::string &item : list.items)
            lines.append(qt(item));
        widget.clear();
        widget.addItems(lines);
    }
    const int row = list.highlighted ? int(*list.highlighted) : -1;
    if (widget.currentRow() != row)
        widget.setCurrentRow(row);
}

// The font key notes what was applied last, so an unchanged font costs no relayout.
void syncFont(const sorba::Control &control, QWidget &widget, QString &fontKey)
{
    const QString key = qt(control.fontName) + QLatin1Char('/') +
                        QString::number(control.fontSize) + (control.fontBold ? u"b"_s : u""_s);
    if (key == fontKey)
        return;
    fontKey = key;
    QFont font = widget.font();
    // "System" is the desktop's own font, or the stand-in with Japanese glyphs when the desktop's
    // font has none. The model keeps naming a face the desktop lacks; the window draws it with
    // that stand-in, or leaves the face as it was when there is none.
    if (const QString shown = shownFamily(qt(control.fontName)); !shown.isEmpty())
        font.setFamily(shown);
    if (control.fontSize > 0)
        font.setPointSizeF(control.fontSize);
    font.setBold(control.fontBold);
    widget.setFont(font);
}

} // namespace

ModelView::ModelView(QWidget &canvas, const sorba::Form &form,
                     std::vector<sorba::Control *> controls, Dispatch dispatch, ClickControl click)
    : m_canvas(canvas)
    , m_form(form)
    , m_controls(std::move(controls))
    , m_dispatch(std::move(dispatch))
    , m_click(std::move(click))
{}

void ModelView::setAccessiblePrefix(const sorba::Control &control, QString prefix)
{
    QString &shownPrefix = m_accessiblePrefixes[&control];
    if (shownPrefix == prefix)
        return;
    shownPrefix = std::move(prefix);
    if (auto it = m_shown.find(&control); it != m_shown.end())
        it->second.text.reset();
}

QWidget *ModelView::widgetFor(const sorba::Control &control) const
{
    const auto it = m_shown.find(&control);
    return it == m_shown.end() ? nullptr : it->second.widget;
}

void ModelView::setReadout(const sorba::Control &readout, std::vector<const sorba::Control *> marks)
{
    m_readout = &readout;
    m_marks = std::move(marks);
}

bool ModelView::inSight(const sorba::Control &control) const
{
    // Controls placed beyond the window's edges, like the keypad, are never drawn.
    return control.visible && control.left < m_form.width() && control.top < m_form.height() &&
           control.left + control.width > 0 && control.top + control.height > 0;
}

void ModelView::sync(const TwipsScale &scale)
{
    bool created = false;
    for (sorba::Control *control : m_controls) {
        auto it = m_shown.find(control);
        if (!inSight(*control)) {
            if (it != m_shown.end())
                it->second.widget->hide();
            continue;
        }
        if (it == m_shown.end()) {
            it = m_shown.emplace(control, Shown{createWidget(*control), {}, {}, {}}).first;
            created = true;
        }
        syncWidget(*control, it->second, scale);
    }
    syncReadoutRoom();
    if (created) {
        // Later controls lie above earlier ones, as the marks lie on the readout.
        for (sorba::Control *control : m_controls) {
            if (QWidget *widget = widgetFor(*control))
                widget->raise();
        }
    }
}

QWidget *ModelView::createWidget(sorba::Control &control)
{
    QWidget *widget = nullptr;
    if (&control == m_readout) {
        auto *readout = new ReadoutLabel(&m_canvas);
        readout->setTextFormat(Qt::PlainText);
        readout->setAlignment(alignmentOf(control.name()));
        readout->setAutoFillBackground(true);
        readout->setSpokenText(m_spokenReadout);
        widget = readout;
    } else if (dynamic_cast<sorba::Label *>(&control)) {
        auto *label = new QLabel(&m_canvas);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(alignmentOf(control.name()));
        label->setAutoFillBackground(true);
        widget = label;
    } else if (dynamic_cast<sorba::TextBox *>(&control)) {
        auto *line = new QLineEdit(&m_canvas);
        line->setReadOnly(true);
        line->setFrame(false);
        line->setAlignment(alignmentOf(control.name()));
        line->setContextMenuPolicy(Qt::NoContextMenu);
        widget = line;
    } else if (auto *button = dynamic_cast<sorba::Button *>(&control)) {
        auto *push = new QPushButton(&m_canvas);
        QObject::connect(push, &QPushButton::clicked, [this, button] { m_click(*button); });
        widget = push;
    } else if (auto *box = dynamic_cast<sorba::CheckBox *>(&control)) {
        auto *check = new QCheckBox(&m_canvas);
        // A check box is a caption on the window, not a button face: its colours are the
        // window's roles, as colourRoles() sets them.
        check->setBackgroundRole(QPalette::Window);
        check->setAutoFillBackground(true);
        QObject::connect(check, &QCheckBox::clicked, [this, box] { m_click(*box); });
        widget = check;
    } else if (auto *option = dynamic_cast<sorba::OptionButton *>(&control)) {
        auto *radio = new QRadioButton(&m_canvas);
        // The model keeps the group exclusive; Qt's own grouping would fight it.
        radio->setAutoExclusive(false);
        radio->setBackgroundRole(QPalette::Window);
        radio->setAutoFillBackground(true);
        QObject::connect(radio, &QRadioButton::clicked, [this, option] { m_click(*option); });
        widget = radio;
    } else if (auto *list = dynamic_cast<sorba::ListBox *>(&control)) {
        auto *listWidget = new ListBoxWidget(&m_canvas);
        listWidget->setUniformItemSizes(true);
        // A line made current by the mouse or the keyboard is the user's click on it.
        QObject::connect(listWidget, &QListWidget::currentRowChanged, [this, list](int row) {
            if (row >= 0)
                m_dispatch([list, row] { list->click(std::size_t(row)); });
        });
        widget = listWidget;
    } else {
        widget = new QWidget(&m_canvas);
    }
    // Every key belongs to the window's keyboard map, where the window has one; no control
    // composes text.
    if (!m_controlsTakeFocus)
        widget->setFocusPolicy(Qt::NoFocus);
    if (&control == m_readout) {
        // The readout holds the focus so that screen readers stay on it: the keys still go to
        // the keyboard map, and nothing draws the focus.
        widget->setFocusPolicy(Qt::StrongFocus);
        m_canvas.window()->setFocusProxy(widget);
    }
    widget->setAttribute(Qt::WA_InputMethodEnabled, false);
    widget->setObjectName(QString::fromStdString(control.path()));
    return widget;
}

void ModelView::syncWidget(sorba::Control &control, Shown &shown, const TwipsScale &scale)
{
    QWidget &widget = *shown.widget;
    widget.setGeometry(scale.toPixels(control.left, control.top, control.width, control.height));
    widget.setEnabled(control.enabled);
    syncColours(control, widget);
    syncFont(control, widget, shown.fontKey);
    syncText(control, shown);
    if (auto *box = dynamic_cast<sorba::CheckBox *>(&control)) {
        auto &check = static_cast<QCheckBox &>(widget);
        const QSignalBlocker blocker(check);
        check.setChecked(box->value() != 0);
    } else if (auto *option = dynamic_cast<sorba::OptionButton *>(&control)) {
        auto &radio = static_cast<QRadioButton &>(widget);
        const QSignalBlocker blocker(radio);
        radio.setChecked(option->selected());
    } else if (auto *list = dynamic_cast<sorba::ListBox *>(&control)) {
        syncListItems(*list, static_cast<QListWidget &>(widget), shown.items);
    }
    widget.show();
}

void ModelView::syncReadoutRoom()
{
    auto *readout = m_readout ? qobject_cast<ReadoutLabel *>(widgetFor(*m_readout)) : nullptr;
    if (readout == nullptr)
        return;
    // The marks are opaque boxes filled with their back colour, so even a blank mark hides the
    // digits under it. The text keeps clear of every mark in sight, lit or not, which also
    // keeps its size steady while marks come and go from key to key.
    const QRect area = readout->geometry();
    int covered = 0;
    for (const sorba::Control *mark : m_marks) {
        const QWidget *widget = widgetFor(*mark);
        if (widget == nullptr || widget->isHidden() || !widget->geometry().intersects(area))
            continue;
        covered = std::max(covered, widget->geometry().right() + 1 - area.left());
    }
    readout->setCoveredLeft(covered);
}

void ModelView::syncText(const sorba::Control &control, Shown &shown)
{
    const QString text = textOf(control);
    if (shown.text == text)
        return;
    shown.text = text;
    QWidget &widget = *shown.widget;
    if (auto *label = qobject_cast<QLabel *>(&widget))
        label->setText(text);
    else if (auto *line = qobject_cast<QLineEdit *>(&widget))
        line->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(&widget))
        button->setText(text);

    syncAccessibleName(control, widget);
}

void ModelView::syncAccessibleName(const sorba::Control &control, QWidget &widget)
{
    const auto prefix = m_accessiblePrefixes.find(&control);
    if (prefix == m_accessiblePrefixes.end())
        return;
    // The readout is named once; its text reaches screen readers as its spoken text. Setting a
    // name sends the one name change of a mark.
    if (&control == m_readout) {
        if (widget.accessibleName() != prefix->second)
            widget.setAccessibleName(prefix->second);
        return;
    }
    const QString trimmed = textOf(control).trimmed();
    const QString name = trimmed.isEmpty() ? prefix->second : prefix->second + u": "_s + trimmed;
    if (widget.accessibleName() != name)
        widget.setAccessibleName(name);
}

void ModelView::setSpokenReadout(const QString &spoken)
{
    m_spokenReadout = spoken;
    if (auto *readout = m_readout ? qobject_cast<ReadoutLabel *>(widgetFor(*m_readout)) : nullptr)
        readout->setSpokenText(spoken);
}
