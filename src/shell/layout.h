#pragma once
// Window layout and sizing: the three height bands with their readout fonts, the width range,
// the start-up bands, the window-size menu and storing the window positions.

#include "tables/keypad_window.h"

namespace sorba {

class WindowState;

/// Runs whenever the main window's size changes while the unit panel is hidden; nested when it
/// sets the size itself.
void resizeRule(WindowState &calc);
/// The size settings and bands of start-up.
void applyStartUpSize(WindowState &calc, int storedHeight, int storedWidth);
/// A window narrower than the keypad allows is widened.
void widenNarrowWindow(WindowState &calc);
/// The window-size menu: entry 0 restores the default size; both store the size in force.
void chooseWindowSize(WindowState &calc, int entry);
/// Stores the positions of the main window and the font chooser for the next start.
void storeWindowPositions(WindowState &calc);

} // namespace sorba
