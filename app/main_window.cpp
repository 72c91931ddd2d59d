// Event routing of the main window: keys, the mouse on the readout and the background, the
// posted Enter, the close box, drags and moves. Every event is handled to completion and
// followed by a sync from the model.

#include "main_window.h"

#include "help_window.h"
#include "key_translation.h"
#include "model/key_codes.h"
#include "qt_platform.h"
#include "shell/language.h"
#include "shell/spoken_text.h"
#include "window/calculator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

// Long enough to span the gaps between the resize events of one drag.
constexpr int dragSettleMilliseconds = 150;

QEvent::Type postedEnterType()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

} // namespace

MainWindow::MainWindow(sorba::Calculator &calc, QtPlatform &platform)
    : m_calc(calc)
    , m_canvas(new QWidget(this))
    , m_view(
          *m_canvas, calc.form.window, calc.form.controls(),
          [this](const std::function<void()> &action) { handle(action); },
          [this](sorba::Control &control) { clickControl(control); })
    , m_menus(*menuBar(), calc.form.menuBar(),
              [this](sorba::MenuItem &item) { handle([this, &item] { m_calc.chooseMenu(item); }); })
    , m_fontChooser(
          *this, calc.fontChooser.window, calc.fontChooser.controls(),
          [this](const std::function<void()> &action) { handle(action); },
          [this](sorba::Control &control) { clickControl(control); })
    , m_tape(
          *this, calc, [this](const std::function<void()> &action) { handle(action); },
          [this](sorba::Control &control) { clickControl(control); })
{
    setCentralWidget(m_canvas);
    m_view.setReadout(calc.form.Readout, {&calc.form.MEM1, &calc.form.MEM2});
    // A Japanese input method would take the digits and operators for composition.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    m_canvas->setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
    // The size bands leave nothing to maximise: a title, a menu, minimise and close only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    m_dragSettled.setSingleShot(true);
    m_dragSettled.setInterval(dragSettleMilliseconds);
    connect(&m_dragSettled, &QTimer::timeout, this, &MainWindow::takeDraggedSize);

    platform.attach(*this);
    // The window's keyboard map sees every key before any control, menu shortcut or input
    // method does.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::start()
{
    handle([this] { m_calc.load(); });
}

void MainWindow::handle(const std::function<void()> &action, SettlingDrag drag)
{
    if (m_calc.ended())
        return;
    // A drag still settling happened before this event, so the model takes it first.
    if (drag == SettlingDrag::Take && m_handling == 0 && m_dragSettled.isActive()) {
        m_dragSettled.stop();
        takeDraggedSize();
    }
    {
        const QScopedValueRollback depth(m_handling, m_handling + 1);
        action();
    }
    if (m_calc.ended())
        return;
    sync();
    if (m_handling == 0) {
        for (; m_deferredEnters > 0; --m_deferredEnters)
            postEnter();
    }
}

void MainWindow::sync()
{
    if (m_calc.ended())
        return;
    const sorba::Form &form = m_calc.form.window;
    const QString title = QString::fromStdString(form.caption);
    if (windowTitle() != title)
        setWindowTitle(title);
    const TwipsScale twips = scale();
    syncAccessibleNames();
    m_qtTexts.follow(!m_calc.form.messagesInEnglish);
    m_menus.sync();
    m_view.sync(twips);
    m_geometry.apply(*this, form, twips);
    if (form.visible && !isVisible())
        show();
    else if (!form.visible && isVisible())
        hide();
    m_fontChooser.sync();
    m_tape.sync();
}

void MainWindow::syncAccessibleNames()
{
    const sorba::MainForm &form = m_calc.form;
    for (const sorba::Label *mark : {&form.Readout, &form.MEM2})
        m_view.setAccessiblePrefix(*mark, QString::fromStdString(mark->accessibleName));
    m_view.setAccessiblePrefix(form.MEM1, QString::fromStdString(form.MEM1.accessibleName));
    m_view.setSpokenReadout(QString::fromStdString(sorba::spokenReadout(form)));
}

// Keys.

bool MainWindow::isOwnKeyTarget(QObject *watched) const
{
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (widget == nullptr || widget->window() != this)
        return false;
    // The menu bar has keys only while the user walks it with the keyboard.
    return widget != menuBar() && !menuBar()->isAncestorOf(widget);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (isOwnKeyTarget(watched))
            return handleKey(*event);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (handleMouse(watched, static_cast<const QMouseEvent &>(*event)))
            return true;
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::handleKey(QEvent &event)
{
    const auto &key = static_cast<const QKeyEvent &>(event);
    const bool alt = key.modifiers().testFlag(Qt::AltModifier);
    if (event.type() == QEvent::ShortcutOverride) {
        // Accepting the override makes the key a key press for the map instead of a shortcut;
        // Alt combinations stay with the menu bar's mnemonics.
        if (alt)
            return false;
        event.accept();
        return true;
    }
    if (event.type() == QEvent::KeyRelease)
        return !alt;
    const KeyStroke stroke = translateKey(key);
    handle([this, &stroke] {
        m_calc.keyPress(stroke.keyCode, stroke.modifierMask, stroke.characters);
    });
    // F10 is no calculator key: it opens the menu bar, as on every desktop.
    if (key.key() == Qt::Key_F10 && key.modifiers() == Qt::NoModifier && !m_calc.ended())
        m_menus.openFirstMenu();
    return !stroke.leaveToMenus;
}

// The mouse.

bool MainWindow::handleMouse(QObject *watched, const QMouseEvent &event)
{
    const QWidget *readout = m_view.widgetFor(m_calc.form.Readout);
    const bool onReadout = readout != nullptr && watched == readout;
    // A press on a mark that takes no mouse comes up to the background as well; only a press
    // on no control at all is the background's.
    const bool onBackground =
        watched == m_canvas && m_canvas->childAt(event.position().toPoint()) == nullptr;
    if (!onReadout && !onBackground)
        return false;
    sorba::MouseButton button = sorba::MouseButton::Middle;
    if (event.button() == Qt::LeftButton)
        button = sorba::MouseButton::Left;
    else if (event.button() == Qt::RightButton)
        button = sorba::MouseButton::Right;
    const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
    // The second press of a double click with the left button is the double click alone.
    if (event.type() == QEvent::MouseButtonDblClick && button == sorba::MouseButton::Left) {
        if (onReadout)
            handle([this] { m_calc.doubleClickReadout(); });
        return true;
    }
    handle([this, onReadout, button, shift] {
        if (onReadout)
            m_calc.mouseDownOnReadout(button, shift);
        else
            m_calc.mouseDownOnWindow(button);
    });
    return true;
}

void MainWindow::postEnter()
{
    QCoreApplication::postEvent(this, new QEvent(postedEnterType()));
}

void MainWindow::deliverPostedEnter()
{
    handle([this] { m_calc.deliverPostedEnter(); });
}

void MainWindow::clickControl(sorba::Control &control)
{
    handle([this, &control] { m_calc.clickControl(control); });
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == postedEnterType()) {
        // A modal box inside a handler runs the event queue; the Enter still waits until the
        // handler has finished.
        if (m_handling > 0)
            ++m_deferredEnters;
        else
            deliverPostedEnter();
        return true;
    }
    return QMainWindow::event(event);
}

// Closing, staying on top, the popup menu, help.

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_calc.ended())
        handle([this] { m_calc.close(); });
    event->accept();
}

void MainWindow::endProgram()
{
    m_dragSettled.stop();
    if (m_help)
        m_help->close();
    // Every window of the program goes with the main one.
    m_fontChooser.hide();
    m_tape.hide();
    hide();
}

void MainWindow::showHelp(const QString &helpFile)
{
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->openContents(helpFile, sorba::windowInEnglish(m_calc));
}

void MainWindow::setTopmost(bool topmost)
{
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    if (flags == windowFlags())
        return;
    // Told straight to the window system: setWindowFlags() would re-create the window, which
    // hides, moves and activates it.
    overrideWindowFlags(flags);
    if (QWindow *handle = windowHandle())
        handle->setFlags(flags);
}

void MainWindow::popUpMenu(sorba::MenuItem &item, QPoint position)
{
    QMenu *menu = m_menus.menuFor(item);
    if (menu == nullptr)
        return;
    sync();
    menu->exec(position);
}

// The window's size and position.

TwipsScale MainWindow::scale() const
{
    return twipsScaleOf(screen());
}

QSize MainWindow::outerSize() const
{
    return frameGeometry().size();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    setFocus(Qt::ActiveWindowFocusReason);
    if (m_geometry.frameChanged(*this))
        m_geometry.apply(*this, m_calc.form.window, scale());
    if (!m_watchingScreen && windowHandle() != nullptr) {
        m_watchingScreen = true;
        // On another screen the same twips are other pixels.
        connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::sync);
    }
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_geometry.applying() || !isVisible() || m_calc.ended())
        return;
    // The frame arrives after the window is first shown; the outer size is then given again.
    if (m_geometry.frameChanged(*this) &&
        size() == m_geometry.shownOuter().shrunkBy(m_geometry.shownFrame())) {
        m_geometry.apply(*this, m_calc.form.window, scale());
        return;
    }
    // Any size but the one of the last drag shows the window has moved on since.
    if (m_lastDrag && m_lastDrag->first != outerSize())
        m_lastDrag.reset();
    if (outerSize() == m_geometry.shownOuter()) {
        m_dragSettled.stop();
        return;
    }
    m_dragSettled.start();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (m_calc.ended())
        return;
    sorba::Form &form = m_calc.form.window;
    const auto place = m_geometry.userMove(
        *this, form, scale(), [this, &form] { m_geometry.apply(*this, form, scale()); });
    if (place)
        handle([&form, place = *place] { form.moveByUser(place.x(), place.y()); },
               SettlingDrag::Leave);
}

void MainWindow::takeDraggedSize()
{
    if (m_calc.ended() || !isVisible())
        return;
    // A drag made while a message box is open waits until its handler has finished.
    if (m_handling > 0) {
        m_dragSettled.start();
        return;
    }
    const sorba::Form &form = m_calc.form.window;
    const QSize dragged = outerSize();
    const auto size = sizeAfterDrag(dragged, {form.height(), form.width()}, scale());
    if (!size)
        return;
    if (m_lastDrag && m_lastDrag->first == dragged && m_lastDrag->second == m_geometry.shownOuter())
        return;
    handle([this, &size] { m_calc.form.window.resizeByUser(size->height, size->width); });
    m_lastDrag = std::pair(dragged, m_geometry.shownOuter());
}
