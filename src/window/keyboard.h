#pragma once
// The keyboard map: the main window sees every key first. A key press brings a key-down event
// (key code and modifier mask: 1 Shift, 2 Ctrl, 4 Alt) and then, when the key makes one, a
// character event.

namespace sorba {

class Calculator;

inline constexpr int shiftMask = 1;
inline constexpr int ctrlMask = 2;
inline constexpr int altMask = 4;

inline constexpr char32_t enterCharacter = 13;
inline constexpr char32_t escapeCharacter = 27;
inline constexpr char32_t backspaceCharacter = 8;
inline constexpr char32_t spaceCharacter = 32;

/// A character event; every character is consumed, whatever it did.
void handleKeyChar(Calculator &calc, char32_t character);
void handleKeyDown(Calculator &calc, int keyCode, int modifierMask);

} // namespace sorba
