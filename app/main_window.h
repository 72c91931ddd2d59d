#pragma once
// The main window: it renders the calculator's main form and menu bar, sees every key first and
// hands it to the keyboard map, and turns the close box, the user's drags and moves into the
// model's events. It keeps no calculator state.

#include "form_geometry.h"
#include "form_window.h"
#include "help_window.h"
#include "menu_view.h"
#include "model_view.h"
#include "qt_translation.h"
#include "tape_window.h"
#include "twips.h"

#include <QMainWindow>
#include <QMargins>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

class QMouseEvent;
class QtPlatform;

namespace sorba {
class Calculator;
class Control;
class MenuItem;
} // namespace sorba

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(sorba::Calculator &calc, QtPlatform &platform);
    ~MainWindow() override;

    /// Runs the calculator's start-up, which ends with the window shown.
    void start();
    /// Brings the title, the menus, every control and the window's size up to date.
    void sync();
    /// Queues an Enter key press, delivered after the event in hand has been handled.
    void postEnter();
    /// Keeps the window above others through the window system, without moving or raising it.
    void setTopmost(bool topmost);
    /// Shows an item's submenu as a popup at a screen position; a chosen item runs its action.
    void popUpMenu(sorba::MenuItem &item, QPoint position);
    /// Opens the help window at the help file's contents, in the language the window shows.
    void showHelp(const QString &helpFile);
    /// The program has ended: the window goes away and no event reaches the calculator again.
    void endProgram();
    /// A user's click on a control of any of the program's windows, as one handled event.
    void clickControl(sorba::Control &control);

    /// The widget of a control, or nullptr while the control has never been in sight.
    QWidget *widgetFor(const sorba::Control &control) const { return m_view.widgetFor(control); }
    /// The help window, or nullptr while help has not been opened.
    HelpWindow *helpWindow() const { return m_help; }
    /// The font chooser's window.
    FormWindow &fontChooserWindow() { return m_fontChooser; }
    /// The calculation tape's window.
    TapeWindow &tapeWindow() { return m_tape; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    /// Whether an event first takes a drag that is still settling: a move does not, as the
    /// window moves while it is dragged by its left or top edge.
    enum class SettlingDrag { Take, Leave };
    /// One event handled to completion: the action, then the view from the model.
    void handle(const std::function<void()> &action, SettlingDrag drag = SettlingDrag::Take);
    bool isOwnKeyTarget(QObject *watched) const;
    bool handleKey(QEvent &event);
    bool handleMouse(QObject *watched, const QMouseEvent &event);
    void deliverPostedEnter();
    TwipsScale scale() const;
    QSize outerSize() const;
    void takeDraggedSize();
    void syncAccessibleNames();

    sorba::Calculator &m_calc;
    QWidget *m_canvas;
    ModelView m_view;
    MenuView m_menus;
    FormWindow m_fontChooser;
    TapeWindow m_tape;
    /// A drag is taken as one resize once the window has kept still for a moment.
    QTimer m_dragSettled;
    int m_handling = 0;
    int m_deferredEnters = 0;
    FormGeometry m_geometry;
    /// The last drag taken and the outer size the model answered it with. The same drag again,
    /// with the window never having reached that answer, is the desktop insisting on a size
    /// the model will not take; asking again would only start a loop.
    std::optional<std::pair<QSize, QSize>> m_lastDrag;
    QtTranslation m_qtTexts;
    bool m_watchingScreen = false;
    /// Made the first time help is opened; a child window, so it closes with the program.
    QPointer<HelpWindow> m_help;
};
