#pragma once
// The keys as both hosts deliver them to the keyboard map: a key-down event names the key by its
// Windows virtual-key code and the held modifiers by a mask of bits; the character event that
// follows carries the character, control characters included.

namespace sorba {

enum class VirtualKey : int {
    None = 0,
    Backspace = 8,
    Tab = 9,
    Enter = 13,
    Shift = 16,
    Control = 17,
    Alt = 18,
    Pause = 19,
    CapsLock = 20,
    Escape = 27,
    Convert = 28,
    NonConvert = 29,
    Space = 32,
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    PrintScreen = 44,
    Insert = 45,
    Delete = 46,
    Digit0 = 48, // to Digit9, 57
    // clang-format off
    A = 65, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z,
    // clang-format on
    Applications = 93,
    Numpad0 = 96, // to Numpad9, 105
    Multiply = 106,
    Add = 107,
    Subtract = 109,
    Decimal = 110,
    Divide = 111,
    F1 = 112, // to F24, 135
    NumLock = 144,
    ScrollLock = 145,
    // Keys named by the US layout's characters on them.
    Semicolon = 186,
    Plus = 187,
    Comma = 188,
    Minus = 189,
    Period = 190,
    Slash = 191,
    Backquote = 192,
    OpenBracket = 219,
    Backslash = 220,
    CloseBracket = 221,
    Quote = 222,
};

/// The code a key-down event carries.
constexpr int keyCode(VirtualKey key)
{
    return static_cast<int>(key);
}

/// The key of a letter, upper or lower case; the letter keys' codes are the upper-case letters.
constexpr VirtualKey letterKey(char32_t letter)
{
    const char32_t upper = letter >= U'a' && letter <= U'z' ? letter - U'a' + U'A' : letter;
    return static_cast<VirtualKey>(keyCode(VirtualKey::A) + static_cast<int>(upper - U'A'));
}

/// The key of a digit 0-9 on the main keyboard, and on the numeric keypad.
constexpr VirtualKey digitKey(int digit)
{
    return static_cast<VirtualKey>(keyCode(VirtualKey::Digit0) + digit);
}
constexpr VirtualKey numpadDigitKey(int digit)
{
    return static_cast<VirtualKey>(keyCode(VirtualKey::Numpad0) + digit);
}

/// The function key F1-F24 of a number 1-24.
constexpr VirtualKey functionKey(int number)
{
    return static_cast<VirtualKey>(keyCode(VirtualKey::F1) + number - 1);
}

/// The bits of a key-down event's modifier mask.
enum class Modifier : int {
    Shift = 1,
    Ctrl = 2,
    Alt = 4,
};

constexpr int modifierBit(Modifier modifier)
{
    return static_cast<int>(modifier);
}

constexpr bool hasModifier(int modifierMask, Modifier modifier)
{
    return (modifierMask & modifierBit(modifier)) != 0;
}

inline constexpr char32_t backspaceCharacter = 8;
inline constexpr char32_t enterCharacter = 13;
inline constexpr char32_t escapeCharacter = 27;
inline constexpr char32_t spaceCharacter = 32;

/// The control character that Ctrl with a letter key types: Ctrl+A is 1, Ctrl+Z is 26.
constexpr char32_t ctrlCharacter(VirtualKey letter)
{
    return static_cast<char32_t>(keyCode(letter) - keyCode(VirtualKey::A) + 1);
}

} // namespace sorba
