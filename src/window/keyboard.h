#pragma once
// The keyboard map: the main window sees every key first. A key press brings a key-down event
// (a VirtualKey code and a mask of Modifier bits) and then, when the key makes one, a character
// event.

#include "model/key_codes.h"

namespace sorba {

class Calculator;

/// A character event; every character is consumed, whatever it did.
void handleKeyChar(Calculator &calc, char32_t character);
void handleKeyDown(Calculator &calc, int keyCode, int modifierMask);

} // namespace sorba
