#pragma once
// Showing and hiding the unit panel: the TNN menu, the panel's buttons "戻る" and "終了", and
// the fixed-size window rule that stands in for the keypad layout while the panel is shown.

namespace sorba {

class WindowState;

/// Shows or hides the panel as far as the window's rules know: the flag the resize handling
/// tests, and the window's fixed size.
void setUnitPanelShown(WindowState &calc, bool shown);
/// The TNN menu: entry 0 hides the panel and restores the keypad window, entry 1 shows it,
/// starting again from 長さ and ｃｍ.
void chooseUnitPanel(WindowState &calc, int entry);
/// "戻る" (Command3): back to the keypad window, through start-up.
void returnToKeypad(WindowState &calc);
/// "終了" (Command4): the program's exit.
void exitFromUnitPanel(WindowState &calc);
/// The resize rule while the panel is shown: the window stays 4400 × 4750 twips.
void unitPanelResizeRule(WindowState &calc);

} // namespace sorba
