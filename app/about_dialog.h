#pragma once
// The About box on the desktop: a modal dialog that renders the model's About form with the
// same control view as the main window, placed and sized in twips as the model says.

#include "model_view.h"

#include <QDialog>

namespace sorba {
class AboutForm;
} // namespace sorba

class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    /// Clicks on the box's controls go to `click`, the core's entry for them.
    AboutDialog(sorba::AboutForm &about, QWidget *parent, ClickControl click);

protected:
    void showEvent(QShowEvent *event) override;

private:
    /// One click handled: the action, then the view; the dialog closes once the box is unloaded.
    void dispatch(const std::function<void()> &action);
    /// The model's outer size and place, with the frame the window system gives the dialog.
    void applyGeometry();

    sorba::AboutForm &m_about;
    ClickControl m_click;
    QWidget *m_canvas;
    ModelView m_view;
};
