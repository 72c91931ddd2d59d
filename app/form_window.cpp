// The form's place and size in twips become the window's frame in pixels; the user's moves go
// back to the model, and the close box is the form's own close action.

#include "form_window.h"

#include "model/controls.h"
#include "twips.h"

#include <QCloseEvent>

FormWindow::FormWindow(QWidget &owner, sorba::Form &form, std::vector<sorba::Control *> controls,
                       Dispatch dispatch, ClickControl click)
    : QWidget(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_form(form)
    , m_controls(std::move(controls))
    , m_dispatch(std::move(dispatch))
    , m_click(std::move(click))
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
        m_view = std::make_unique<ModelView>(*m_canvas, m_form, m_controls, m_dispatch, m_click);
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

void FormWindow::applyGeometry()
{
    m_geometry.apply(*this, m_form, twipsScaleOf(screen()));
    if (m_canvas && m_canvas->geometry() != rect())
        m_canvas->setGeometry(rect());
}

void FormWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The frame is known once the window is shown; the outer size is then given again.
    if (m_geometry.frameChanged(*this))
        applyGeometry();
    if (focusWidget() == nullptr)
        focusNextChild();
}

void FormWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // The user's move reaches the model as every other event does.
    if (const auto place =
            m_geometry.userMove(*this, m_form, twipsScaleOf(screen()), [this] { applyGeometry(); }))
        m_dispatch([this, place = *place] { m_form.moveByUser(place.x(), place.y()); });
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // The form decides: its close action unloads it, and the sync after it hides the window.
    event->ignore();
    if (m_form.onClose)
        m_dispatch(m_form.onClose);
}
