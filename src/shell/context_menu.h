#pragma once
// The mouse on the readout and on the window's background: Shift with any button pastes, the
// right button opens the first menu of the menu bar as a context menu.

namespace sorba {

class WindowState;

enum class MouseButton { Left, Right, Middle };

/// The readout is enabled again, then Shift pastes (the paste button), then the right button
/// opens the context menu.
void mouseDownOnReadout(WindowState &calc, MouseButton button, bool shift);
/// The right button on the window's background opens the context menu; nothing else happens.
void mouseDownOnWindow(WindowState &calc, MouseButton button);
/// The first menu of the menu bar as a popup at the window's top-left corner in screen pixels,
/// each side rounded to the nearest pixel, wherever the mouse is; a chosen item runs what it
/// runs from the menu bar.
void showContextMenu(WindowState &calc);

} // namespace sorba
