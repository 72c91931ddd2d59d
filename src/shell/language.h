#pragma once
// The interface language: the window caption and the menu captions change at once; messages
// follow the language chosen at the next start-up.

namespace sorba {

class Calculator;

/// The language menu: entry 0 Japanese, entry 1 English.
void chooseLanguage(Calculator &calc, int entry);
/// The English captions that start-up sets when the program starts in English.
void applyStartUpEnglish(Calculator &calc);

} // namespace sorba
