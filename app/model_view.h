#pragma once
// The controls of a form as widgets: one widget per control, made when the control first comes
// into sight, brought up to date from the model by sync(), forwarding the user's clicks to it.

#include "twips.h"

#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace sorba {
class Control;
class Form;
} // namespace sorba

/// Runs one model action as one handled event; the host brings its view up to date afterwards.
using Dispatch = std::function<void(const std::function<void()> &)>;
/// A user's click on a control, handed to the core's one entry for it as one handled event.
using ClickControl = std::function<void(sorba::Control &)>;

class ModelView
{
public:
    ModelView(QWidget &canvas, const sorba::Form &form, std::vector<sorba::Control *> controls,
              Dispatch dispatch, ClickControl click);

    /// The readout and the marks that lie over its corner: the readout is drawn as a number
    /// display that keeps its whole text clear of them. Set before the first sync.
    void setReadout(const sorba::Control &readout, std::vector<const sorba::Control *> marks);
    void sync(const TwipsScale &scale);
    /// A name for screen readers, followed by the control's text when it shows one; the
    /// readout keeps the name alone.
    void setAccessiblePrefix(const sorba::Control &control, QString prefix);
    /// What screen readers say for the readout, announced whenever it changes.
    void setSpokenReadout(const QString &spoken);
    /// The widget of that control, or nullptr while the control has never been in sight.
    QWidget *widgetFor(const sorba::Control &control) const;
    /// Lets the controls made from now on take the keyboard focus as a dialog's controls do,
    /// for a window that has no keyboard map of its own.
    void setControlsTakeFocus(bool take) { m_controlsTakeFocus = take; }

private:
    struct Shown
    {
        QWidget *widget = nullptr;
        QString fontKey;
        /// The text on show; nothing until the first sync.
        std::optional<QString> text;
        /// The lines a list box shows.
        std::vector<std::string> items;
    };

    bool inSight(const sorba::Control &control) const;
    QWidget *createWidget(sorba::Control &control);
    void syncWidget(sorba::Control &control, Shown &shown, const TwipsScale &scale);
    void syncText(const sorba::Control &control, Shown &shown);
    void syncReadoutRoom();
    void syncAccessibleName(const sorba::Control &control, QWidget &widget);

    QWidget &m_canvas;
    const sorba::Form &m_form;
    std::vector<sorba::Control *> m_controls;
    Dispatch m_dispatch;
    ClickControl m_click;
    std::map<const sorba::Control *, Shown> m_shown;
    std::map<const sorba::Control *, QString> m_accessiblePrefixes;
    const sorba::Control *m_readout = nullptr;
    std::vector<const sorba::Control *> m_marks;
    bool m_controlsTakeFocus = false;
    QString m_spokenReadout;
};
