// The tape window follows its form like the other windows do: the model holds its place and
// size in twips, and the user's moves and drags go back there.

#include "tape_window.h"

#include "font_fallback.h"
#include "state/window_state.h"
#include "tape_model.h"
#include "twips.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// Short enough to look immediate, long enough for the main window to be drawn first.
constexpr int rowDelayMilliseconds = 30;

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A C row is a line across the tape, where a paper roll would show the cut of a new
// calculation; its mark stays in the mark column for readers and copies.
class SeparatorDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (!index.data(TapeModel::separatorRole).toBool())
            return;
        const QRect box = option.rect;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Text), 1, Qt::DashLine));
        const int middle = box.center().y();
        painter->drawLine(box.left(), middle, box.right(), middle);
        painter->restore();
    }
};

} // namespace

TapeWindow::TapeWindow(QWidget &owner, sorba::WindowState &calc, Dispatch dispatch,
                       ClickControl click)
    : QWidget(&owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint)
    , m_calc(calc)
    , m_dispatch(std::move(dispatch))
    , m_click(std::move(click))
    , m_model(new TapeModel(calc.tape, this))
    , m_view(new QTableView(this))
{
    setObjectName(qt(calc.tapeForm.window.path()));
    m_view->setObjectName(QStringLiteral("TapeRows"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new SeparatorDelegate(m_view));
    m_view->setShowGrid(false);
    m_view->setWordWrap(false);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->hide();
    // Every row has the same height, so a tape of any length is laid out at once.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setSectionResizeMode(TapeModel::AmountColumn, QHeaderView::Stretch);
    m_view->horizontalHeader()->setSectionResizeMode(TapeModel::MarkColumn,
                                                     QHeaderView::ResizeToContents);

    auto *buttons = new QHBoxLayout;
    for (sorba::Button *button :
         {&calc.tapeForm.TapeCopy, &calc.tapeForm.TapeSave, &calc.tapeForm.TapeClear})
        buttons->addWidget(addButton(*button));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    m_rowsArrived.setSingleShot(true);
    m_rowsArrived.setInterval(rowDelayMilliseconds);
    connect(&m_rowsArrived, &QTimer::timeout, this, &TapeWindow::followRows);
    // The keys belong to the calculator: showing the tape leaves the main window active.
    setAttribute(Qt::WA_ShowWithoutActivating);
}

TapeWindow::~TapeWindow() = default;

QPushButton *TapeWindow::addButton(sorba::Button &button)
{
    auto *push = new QPushButton(this);
    push->setObjectName(qt(button.path()));
    connect(push, &QPushButton::clicked, this, [this, &button] { m_click(button); });
    m_buttons.emplace_back(&button, push);
    return push;
}

void TapeWindow::sync()
{
    const sorba::Form &form = m_calc.tapeForm.window;
    // Rows are followed whether or not the window is shown, so showing it costs no catching up.
    // A clear is taken at once: its button is in this window.
    if (m_calc.tape.size() < std::size_t(m_model->rowCount()))
        followRows();
    else if (!m_rowsArrived.isActive())
        m_rowsArrived.start();
    if (!form.visible) {
        if (isVisible())
            hide();
        return;
    }
    const QString title = qt(form.caption);
    if (windowTitle() != title)
        setWindowTitle(title);
    for (const auto &[button, push] : m_buttons) {
        const QString caption = qt(button->caption);
        if (push->text() != caption)
            push->setText(caption);
    }
    syncFont();
    applyTopmost();
    applyGeometry();
    if (!isVisible()) {
        show();
        m_view->scrollToBottom();
    }
}

void TapeWindow::followRows()
{
    if (m_model->follow() == 0 || !isVisible())
        return;
    m_view->scrollToBottom();
    announceNewest();
}

void TapeWindow::syncFont()
{
    const QString name = qt(m_calc.form.Readout.fontName);
    if (name == m_fontName)
        return;
    m_fontName = name;
    QFont font = m_view->font();
    if (const QString family = shownFamily(name); !family.isEmpty())
        font.setFamily(family);
    m_view->setFont(font);
    m_view->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
}

// A screen reader hears the newest row: it becomes the view's current row, and the view's
// description names it.
void TapeWindow::announceNewest()
{
    const int last = m_model->rowCount() - 1;
    if (last < 0)
        return;
    const QModelIndex amount = m_model->index(last, TapeModel::AmountColumn);
    const QModelIndex mark = m_model->index(last, TapeModel::MarkColumn);
    m_view->selectionModel()->setCurrentIndex(amount, QItemSelectionModel::NoUpdate);
    m_view->setAccessibleDescription(amount.data().toString() + QLatin1Char(' ') +
                                     mark.data().toString());
    if (QAccessible::isActive()) {
        QAccessibleEvent event(m_view, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void TapeWindow::applyTopmost()
{
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, m_calc.tapeForm.window.topmost);
    if (flags == windowFlags())
        return;
    overrideWindowFlags(flags);
    if (QWindow *handle = windowHandle())
        handle->setFlags(flags);
}

void TapeWindow::applyGeometry()
{
    m_geometry.apply(*this, m_calc.tapeForm.window, twipsScaleOf(screen()));
}

void TapeWindow::closeEvent(QCloseEvent *event)
{
    // Closing hides the window through the model, as the menu's Hide does.
    event->ignore();
    if (const auto &close = m_calc.tapeForm.window.onClose)
        m_dispatch(close);
}

void TapeWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The frame is known once the window is shown; the outer size is then given again.
    if (m_geometry.frameChanged(*this))
        applyGeometry();
}

void TapeWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    sorba::Form &form = m_calc.tapeForm.window;
    // The user's move reaches the model as every other event does.
    if (const auto place =
            m_geometry.userMove(*this, form, twipsScaleOf(screen()), [this] { applyGeometry(); }))
        m_dispatch([&form, place = *place] { form.moveByUser(place.x(), place.y()); });
}

void TapeWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_geometry.applying() || !isVisible())
        return;
    if (m_geometry.frameChanged(*this)) {
        applyGeometry();
        return;
    }
    // The model holds the outer size, frame included, as it does for every window.
    const TwipsScale twips = twipsScaleOf(screen());
    const QSize outer = frameGeometry().size();
    m_dispatch([this, twips, outer] {
        m_calc.tapeForm.window.resizeByUser(twips.toTwipsY(outer.height()),
                                            twips.toTwipsX(outer.width()));
    });
}
