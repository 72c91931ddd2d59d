#pragma once
// The calculation tape's window: the rows in a table, amounts right-aligned in the readout's
// face and marks in their own column, the newest row at the bottom and kept in view, and the
// Copy, Save… and Clear buttons. Owned by the main window, it stays above it and goes with it.

#include "form_geometry.h"
#include "model_view.h"

#include <QTimer>
#include <QWidget>

#include <optional>

class QPushButton;
class QTableView;
class TapeModel;

namespace sorba {
class Button;
class WindowState;
} // namespace sorba

class TapeWindow : public QWidget
{
    Q_OBJECT

public:
    TapeWindow(QWidget &owner, sorba::WindowState &calc, Dispatch dispatch, ClickControl click);
    ~TapeWindow() override;

    /// Brings the window up to date: shown or hidden, title, place, size, buttons and rows.
    void sync();
    QTableView &view() const { return *m_view; }
    TapeModel &model() const { return *m_model; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPushButton *addButton(sorba::Button &button);
    void applyGeometry();
    void applyTopmost();
    void syncFont();
    void announceNewest();
    /// Takes the rows that arrived since the last look into the view.
    void followRows();

    sorba::WindowState &m_calc;
    Dispatch m_dispatch;
    ClickControl m_click;
    TapeModel *m_model;
    QTableView *m_view;
    std::vector<std::pair<sorba::Button *, QPushButton *>> m_buttons;
    /// New rows reach the view a moment after the key, so the readout is drawn first.
    QTimer m_rowsArrived;
    FormGeometry m_geometry;
    QString m_fontName;
};
