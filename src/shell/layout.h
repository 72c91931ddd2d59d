#pragma once
// Window layout and sizing: the three height bands with their readout fonts, the width range,
// the start-up bands, the window-size menu and storing the window positions.

namespace sorba {

class Calculator;

inline constexpr int smallBandHeight = 1356;
inline constexpr int middleBandHeight = 1620;
inline constexpr int largeBandHeight = 1800;
inline constexpr int readoutMarginHeight = 950;
inline constexpr int readoutMarginWidth = 360;

/// Runs whenever the main window's size changes; nested when it sets the size itself.
void resizeRule(Calculator &calc);
/// The size settings and bands of start-up.
void applyStartUpSize(Calculator &calc, int storedHeight, int storedWidth);
/// The window-size menu: entry 0 restores the default size; both store the size in force.
void chooseWindowSize(Calculator &calc, int entry);
/// Stores the positions of the main window and the font chooser for the next start.
void storeWindowPositions(Calculator &calc);

} // namespace sorba
