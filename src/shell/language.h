#pragma once
// The interface language: the window caption and the menu captions change at once; messages
// follow the language chosen at the next start-up.

namespace sorba {

class WindowState;

/// The language menu: entry 0 Japanese, entry 1 English.
void chooseLanguage(WindowState &calc, int entry);
/// The language of the messages as the window shows it: the flag hosts read for their own
/// texts, and what screen readers call the readout and the marks.
void applyMessageLanguage(WindowState &calc);
/// The English captions that start-up sets when the program starts in English.
void applyStartUpEnglish(WindowState &calc);
/// Whether the window speaks English now, as its caption and menus do: they follow the
/// language menu at once, while messages wait for the next start-up.
bool windowInEnglish(const WindowState &calc);

} // namespace sorba
