// Qt key codes to Windows virtual-key codes, and the character each key press produces: the
// layout decides printable characters through the event's text; Enter, Esc, Backspace and the
// Ctrl combinations produce the control characters a Windows keyboard would.

#include "key_translation.h"

#include <QKeyEvent>

#include <array>

namespace {

struct KeyCode
{
    int qtKey;
    int windowsKey;
};

// Keys outside the letter and digit ranges. Shifted symbols take the code of the key they sit
// on in the US layout; of all these only the letters matter to the calculator's key-down map.
constexpr auto keyCodes = std::to_array<KeyCode>({
    {Qt::Key_Backspace, 8},     {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},       {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},        {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},      {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},        {Qt::Key_CapsLock, 20},
    {Qt::Key_Henkan, 28},       {Qt::Key_Muhenkan, 29},
    {Qt::Key_Escape, 27},       {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},       {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},          {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},         {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},        {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},        {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},       {Qt::Key_ParenRight, 48},
    {Qt::Key_Exclam, 49},       {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},   {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},      {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},    {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57},    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},     {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186},   {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},       {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},       {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},       {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},      {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},       {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},   {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},   {Qt::Key_Bar, 220},
    {Qt::Key_yen, 220},         {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},  {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
});

// The numeric keypad has codes of its own for its digits and operators.
constexpr auto keypadCodes = std::to_array<KeyCode>({
    {Qt::Key_Asterisk, 106},
    {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},
    {Qt::Key_Comma, 110},
    {Qt::Key_Slash, 111},
});

template<std::size_t N> int lookUp(const std::array<KeyCode, N> &table, int qtKey)
{
    for (const KeyCode &entry : table) {
        if (entry.qtKey == qtKey)
            return entry.windowsKey;
    }
    return 0;
}

bool isLetter(int key)
{
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

int windowsKeyCode(int key, bool keypad)
{
    if (isLetter(key))
        return key;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? 96 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    if (keypad) {
        if (const int code = lookUp(keypadCodes, key))
            return code;
    }
    return lookUp(keyCodes, key);
}

int modifierMask(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        mask |= 1;
    if (modifiers.testFlag(Qt::ControlModifier))
        mask |= 2;
    if (modifiers.testFlag(Qt::AltModifier))
        mask |= 4;
    return mask;
}

std::u32string producedCharacters(const QKeyEvent &event, bool ctrl)
{
    const int key = event.key();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {ctrl ? U'\n' : U'\r'};
    case Qt::Key_Escape:
        return {U'\x1b'};
    case Qt::Key_Backspace:
        return {ctrl ? U'\x7f' : U'\b'};
    case Qt::Key_Space:
        return {U' '};
    case Qt::Key_Delete:
        return {};
    default:
        break;
    }
    if (ctrl) {
        if (isLetter(key))
            return {char32_t(key - Qt::Key_A + 1)};
        if (key == Qt::Key_BracketLeft)
            return {U'\x1b'};
        if (key == Qt::Key_Backslash)
            return {U'\x1c'};
        if (key == Qt::Key_BracketRight)
            return {U'\x1d'};
        return {};
    }
    std::u32string characters;
    for (const char32_t character : event.text().toUcs4()) {
        // A Japanese keyboard's yen key is CE's key, the one the menu names 【￥(＼ろ)】: it
        // types the backslash that the key map knows.
        if (character == U'\u00a5')
            characters.push_back(U'\\');
        else if (character != U'\x7f')
            characters.push_back(character);
    }
    return characters;
}

} // namespace

KeyStroke translateKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    KeyStroke stroke;
    stroke.keyCode = windowsKeyCode(event.key(), modifiers.testFlag(Qt::KeypadModifier));
    stroke.modifierMask = modifierMask(modifiers);
    if (modifiers.testFlag(Qt::AltModifier)) {
        stroke.leaveToMenus = true;
        return stroke;
    }
    stroke.characters = producedCharacters(event, modifiers.testFlag(Qt::ControlModifier));
    return stroke;
}
