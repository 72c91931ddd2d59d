#pragma once
// The calculation tape's window: shown and hidden from the Options menu or its close box, its
// rows copied to the clipboard, saved to a text file or cleared.

namespace sorba {

class WindowState;

/// TPP(0) shows the window, TPP(1) hides it; the choice is kept for the next start.
void chooseTape(WindowState &calc, int entry);
/// The close box hides the window, as TPP(1) does.
void closeTapeWindow(WindowState &calc);
/// Every row as AMOUNT, a tab, MARK and a line feed, all on the clipboard as one text.
void copyTape(WindowState &calc);
/// The same text into a UTF-8 file chosen in the save dialog; a box says when it failed.
void saveTape(WindowState &calc);
void clearTape(WindowState &calc);
/// Start-up: the window's language, place, size and whether it is shown.
void applyTapeSettings(WindowState &calc);
/// Keeps the window's place and size for the next start, while it is shown.
void storeTapePlace(WindowState &calc);

} // namespace sorba
