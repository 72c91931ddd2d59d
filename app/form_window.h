#pragma once
// A window of the program other than the main one (the font chooser): a small top-level window
// owned by the main window that shows a form of the model with its controls while the form is
// shown. Its controls are built when the form is first shown after it was loaded and thrown away
// when the form is unloaded, so every load starts afresh.

#include "form_geometry.h"
#include "model_view.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace sorba {
class Control;
class Form;
} // namespace sorba

class FormWindow : public QWidget
{
    Q_OBJECT

public:
    FormWindow(QWidget &owner, sorba::Form &form, std::vector<sorba::Control *> controls,
               Dispatch dispatch, ClickControl click);
    ~FormWindow() override;

    /// Brings the window up to date with the form: shown or hidden, title, place and controls.
    void sync();
    /// The widget of a control, or nullptr while the form has not been shown since it loaded.
    QWidget *widgetFor(const sorba::Control &control) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void dropControls();
    void applyGeometry();

    sorba::Form &m_form;
    std::vector<sorba::Control *> m_controls;
    Dispatch m_dispatch;
    ClickControl m_click;
    QWidget *m_canvas = nullptr;
    std::unique_ptr<ModelView> m_view;
    FormGeometry m_geometry;
};
