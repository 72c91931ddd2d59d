#pragma once
// The main window object at the top of the core: it wires the controls and menu items to the
// feature operations and routes the events a host delivers. Hosts build one and keep no state
// of their own.

#include "shell/context_menu.h"
#include "state/window_state.h"

#include <string_view>

namespace sorba {

class Calculator : public WindowState
{
public:
    Calculator(Platform &platform, SettingsFile &settings);

    /// The window's load: start-up, ending with the window shown.
    void load();
    /// The window's unload: records the readout and ends the program. Every way out ends here.
    void unload();
    /// The close box.
    void close() { unload(); }
    bool ended() const { return m_ended; }

    void keyDown(int keyCode, int modifierMask);
    void keyChar(char32_t character);
    /// One key press as a keyboard makes it: the key-down event, then the character events the
    /// key gives, until the program ends.
    void keyPress(int keyCode, int modifierMask, std::u32string_view characters);
    /// The Enter the window posted to itself (after "%"), delivered once the event that posted
    /// it has finished.
    void deliverPostedEnter();
    /// A user's click on a control. A control that is disabled or hidden, or one of a window
    /// that is not shown, takes no click; returns whether the click reached the control.
    bool clickControl(Control &control);
    /// Whether a user can reach the control now: enabled, shown, on a window that is shown.
    bool reachable(const Control &control);
    /// The user chose a menu item (from the menu bar or the context menu).
    void chooseMenu(MenuItem &item);
    /// A mouse button pressed on the readout; shift when Shift is held.
    void mouseDownOnReadout(MouseButton button, bool shift);
    /// A mouse button pressed on the window's background.
    void mouseDownOnWindow(MouseButton button);
    /// A double click on the readout.
    void doubleClickReadout();

private:
    void wireControls();
    void wireMenus();

    bool m_ended = false;
};

} // namespace sorba
