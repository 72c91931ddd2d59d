#pragma once
// Copy and paste of the readout through the clipboard: the readout text exactly as shown goes
// out, and any text comes in, read as a number when it is one.

#include <string>
#include <string_view>

namespace sorba {

class WindowState;

/// The copy menu item and Ctrl+C: the clipboard holds the readout text and nothing else.
void copyReadout(WindowState &calc);
/// The copy button pressed by a double click on the readout: the readout is disabled while the
/// clipboard is written, then enabled again.
void copyByReadoutButton(WindowState &calc);
/// The paste menu item and Ctrl+V.
void pasteReadout(WindowState &calc);
/// The paste button pressed by Shift with a mouse button on the readout: an over-long text
/// leaves "0." on show behind the warning.
void pasteByReadoutButton(WindowState &calc);

/// Clipboard text as paste takes it: blanks, tabs and line breaks around it removed, and every
/// control character left inside turned into a blank, so a number copied with a line break
/// pastes as that number and the readout never holds a control character.
std::string cleanPastedText(std::string_view text);

} // namespace sorba
