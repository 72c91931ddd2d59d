// A form's size and place to a window's frame in pixels and back.

#include "form_geometry.h"

#include "model/controls.h"

#include <QScopedValueRollback>
#include <QWidget>

QMargins frameOf(const QWidget &window)
{
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void FormGeometry::apply(QWidget &window, const sorba::Form &form, const TwipsScale &twips)
{
    const QScopedValueRollback applying(m_applying, true);
    const QSize outer = twips.toPixels(form.height(), form.width());
    const QMargins margins = frameOf(window);
    // Qt sizes the inside of the window; the model holds the outside, frame and menu bar
    // included.
    const QSize inner = outer.shrunkBy(margins);
    holdSize(window, form.fixedSize ? std::optional(inner) : std::nullopt);
    // A frame that has just arrived moves the inside down and right; the place is the frame's, so
    // it is given again with it.
    const bool frameArrived = margins != m_shownFrame;
    if (outer != m_shownOuter || frameArrived || window.size() != inner) {
        m_shownOuter = outer;
        m_shownFrame = margins;
        window.resize(inner);
    }
    const QPoint place(form.left, form.top);
    if (m_shownPlace != place || frameArrived) {
        m_shownPlace = place;
        window.move(twips.toPixelsX(form.left), twips.toPixelsY(form.top));
    }
}

void FormGeometry::holdSize(QWidget &window, std::optional<QSize> fixed)
{
    if (fixed == m_heldSize)
        return;
    m_heldSize = fixed;
    // A window the window system lets nobody resize spares the user a drag that springs back.
    if (fixed) {
        window.setFixedSize(*fixed);
    } else {
        window.setMinimumSize(0, 0);
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

std::optional<QPoint> FormGeometry::userMove(const QWidget &window, const sorba::Form &form,
                                             const TwipsScale &twips,
                                             const std::function<void()> &reapply)
{
    if (m_applying || !window.isVisible())
        return std::nullopt;
    if (frameChanged(window)) {
        reapply();
        return std::nullopt;
    }
    const QPoint topLeft = window.frameGeometry().topLeft();
    QPoint place(form.left, form.top);
    if (topLeft.x() != twips.toPixelsX(form.left))
        place.setX(twips.toTwipsX(topLeft.x()));
    if (topLeft.y() != twips.toPixelsY(form.top))
        place.setY(twips.toTwipsY(topLeft.y()));
    m_shownPlace = place;
    return place;
}
