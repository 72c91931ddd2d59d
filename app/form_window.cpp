// The form's place and size in twips become the window's frame in pixels; the user's moves go
// back to the model, and the close box is the form's own close action.

#include "form_window.h"

#include "model/controls.h"
#include "twips.h"

#include <QCloseEvent>
#include <QScopedValueRollback>

FormWindow::FormWindow(QWidget &owner, sorba::Form &form, std::vector<sorba::Control *> controls,
                       Dispatch dispatch)
    : QWidget(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_form(form)
    , m_controls(std::move(controls))
    , m_dispatch(std::move(dispatch))
{
    setObjectName(QString::fromStdString(form.path()));
    // Owned by the main window, the window stays above it, also while the main window stays
    // above all others, and goes when the program ends.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

FormWindow::~FormWindow() = default;

QWidget *FormWindow::widgetFor(const sorba::Control &control) const
{
    return m_view ? m_view->widgetFor(control) : nullptr;
}

void FormWindow::dropControls()
{
    m_view.reset();
    delete m_canvas;
    m_canvas = nullptr;
}

void FormWindow::sync()
{
    if (!m_form.loaded || !m_form.visible) {
        if (isVisible())
            hide();
        if (!m_form.loaded)
            dropControls();
        return;
    }
    const QString title = QString::fromStdString(m_form.caption);
    if (windowTitle() != title)
        setWindowTitle(title);
    if (!m_view) {
        m_canvas = new QWidget(this);
        m_view = std::make_unique<ModelView>(*m_canvas, m_form, m_controls, m_dispatch);
        // A window without a keyboard map of its own: its list and buttons take the keys.
        m_view->setControlsTakeFocus(true);
    }
    const TwipsScale twips = twipsScaleOf(screen());
    m_view->sync(twips);
    applyGeometry();
    if (!isVisible()) {
        show();
        raise();
        activateWindow();
    }
}

QMargins FormWindow::frame() const
{
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void FormWindow::applyGeometry()
{
    const TwipsScale twips = twipsScaleOf(screen());
    const QScopedValueRollback applying(m_applyingGeometry, true);
    // The model holds the outer size, frame included; Qt sizes the inside.
    const QSize outer = twips.toPixels(m_form.height(), m_form.width());
    const QMargins margins = frame();
    if (outer != m_shownOuter || margins != m_shownFrame) {
        m_shownOuter = outer;
        m_shownFrame = margins;
        const QSize inner = outer.shrunkBy(margins);
        if (m_form.fixedSize)
            setFixedSize(inner);
        else
            resize(inner);
    }
    if (m_canvas && m_canvas->geometry() != rect())
        m_canvas->setGeometry(rect());
    const QPoint position(m_form.left, m_form.top);
    if (m_shownPosition != position) {
        m_shownPosition = position;
        move(twips.toPixelsX(m_form.left), twips.toPixelsY(m_form.top));
    }
}

void FormWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The frame is known once the window is shown; the outer size is then given again.
    if (frame() != m_shownFrame)
        applyGeometry();
    if (focusWidget() == nullptr)
        focusNextChild();
}

void FormWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (m_applyingGeometry || !isVisible())
        return;
    if (frame() != m_shownFrame) {
        applyGeometry();
        return;
    }
    // The model follows the user's moves; a place that rounds to the same pixels keeps its
    // exact twips.
    const TwipsScale twips = twipsScaleOf(screen());
    const QPoint topLeft = frameGeometry().topLeft();
    if (topLeft.x() != twips.toPixelsX(m_form.left))
        m_form.left = twips.toTwipsX(topLeft.x());
    if (topLeft.y() != twips.toPixelsY(m_form.top))
        m_form.top = twips.toTwipsY(topLeft.y());
    m_shownPosition = QPoint(m_form.left, m_form.top);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // The form decides: its close action unloads it, and the sync after it hides the window.
    event->ignore();
    if (m_form.onClose)
        m_dispatch(m_form.onClose);
}
