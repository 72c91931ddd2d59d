#pragma once
// A form's outer size and place in twips given to a top-level window in pixels, and the user's
// moves of that window taken back: the one place both kinds of window do it.

#include "twips.h"

#include <QMargins>
#include <QPoint>
#include <QSize>

#include <functional>
#include <optional>

class QWidget;

namespace sorba {
class Form;
} // namespace sorba

/// The window frame's thickness on each side, title bar included.
QMargins frameOf(const QWidget &window);

class FormGeometry
{
public:
    /// Gives the window the form's outer size and place where either, or the frame, changed
    /// since the last time. A form the user may not resize holds the window at its size.
    void apply(QWidget &window, const sorba::Form &form, const TwipsScale &twips);
    /// The geometry is being given: the resize and move events this causes are not the user's.
    bool applying() const { return m_applying; }
    /// The frame differs from the one the size was given with (it arrives after the window is
    /// first shown), so the size is to be given again.
    bool frameChanged(const QWidget &window) const { return frameOf(window) != m_shownFrame; }
    /// The outer size last given, in pixels.
    QSize shownOuter() const { return m_shownOuter; }
    QMargins shownFrame() const { return m_shownFrame; }
    /// What a move event of the window was. One the geometry caused, or one of a hidden window,
    /// is nothing. One that shows the frame has arrived gives the geometry again through
    /// `reapply`. Any other is the user's: the form's new place in twips, which from then on
    /// counts as given. A side that rounds to the same pixels keeps the form's exact twips, so
    /// that storing a place never drifts it.
    std::optional<QPoint> userMove(const QWidget &window, const sorba::Form &form,
                                   const TwipsScale &twips, const std::function<void()> &reapply);

private:
    void holdSize(QWidget &window, std::optional<QSize> fixed);

    QSize m_shownOuter;
    QMargins m_shownFrame;
    std::optional<QPoint> m_shownPlace;
    std::optional<QSize> m_heldSize;
    bool m_applying = false;
};
