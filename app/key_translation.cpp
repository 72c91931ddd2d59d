// Qt key codes to Windows virtual-key codes, and the character each key press produces: the
// layout decides printable characters through the event's text; Enter, Esc, Backspace and the
// Ctrl combinations produce the control characters a Windows keyboard would.

#include "key_translation.h"

#include "model/key_codes.h"

#include <QKeyEvent>

#include <array>

namespace {

using sorba::VirtualKey;

struct KeyCode
{
    int qtKey;
    VirtualKey windowsKey;
};

// Keys outside the letter, digit and function-key ranges. Shifted symbols take the code of the
// key they sit on in the US layout; of all these only the letters matter to the calculator's
// key-down map.
constexpr auto keyCodes = std::to_array<KeyCode>({
    {Qt::Key_Backspace, VirtualKey::Backspace},
    {Qt::Key_Tab, VirtualKey::Tab},
    {Qt::Key_Backtab, VirtualKey::Tab},
    {Qt::Key_Return, VirtualKey::Enter},
    {Qt::Key_Enter, VirtualKey::Enter},
    {Qt::Key_Shift, VirtualKey::Shift},
    {Qt::Key_Control, VirtualKey::Control},
    {Qt::Key_Alt, VirtualKey::Alt},
    {Qt::Key_Pause, VirtualKey::Pause},
    {Qt::Key_CapsLock, VirtualKey::CapsLock},
    {Qt::Key_Henkan, VirtualKey::Convert},
    {Qt::Key_Muhenkan, VirtualKey::NonConvert},
    {Qt::Key_Escape, VirtualKey::Escape},
    {Qt::Key_Space, VirtualKey::Space},
    {Qt::Key_PageUp, VirtualKey::PageUp},
    {Qt::Key_PageDown, VirtualKey::PageDown},
    {Qt::Key_End, VirtualKey::End},
    {Qt::Key_Home, VirtualKey::Home},
    {Qt::Key_Left, VirtualKey::Left},
    {Qt::Key_Up, VirtualKey::Up},
    {Qt::Key_Right, VirtualKey::Right},
    {Qt::Key_Down, VirtualKey::Down},
    {Qt::Key_Print, VirtualKey::PrintScreen},
    {Qt::Key_Insert, VirtualKey::Insert},
    {Qt::Key_Delete, VirtualKey::Delete},
    {Qt::Key_ParenRight, sorba::digitKey(0)},
    {Qt::Key_Exclam, sorba::digitKey(1)},
    {Qt::Key_At, sorba::digitKey(2)},
    {Qt::Key_NumberSign, sorba::digitKey(3)},
    {Qt::Key_Dollar, sorba::digitKey(4)},
    {Qt::Key_Percent, sorba::digitKey(5)},
    {Qt::Key_AsciiCircum, sorba::digitKey(6)},
    {Qt::Key_Ampersand, sorba::digitKey(7)},
    {Qt::Key_Asterisk, sorba::digitKey(8)},
    {Qt::Key_ParenLeft, sorba::digitKey(9)},
    {Qt::Key_Menu, VirtualKey::Applications},
    {Qt::Key_NumLock, VirtualKey::NumLock},
    {Qt::Key_ScrollLock, VirtualKey::ScrollLock},
    {Qt::Key_Semicolon, VirtualKey::Semicolon},
    {Qt::Key_Colon, VirtualKey::Semicolon},
    {Qt::Key_Equal, VirtualKey::Plus},
    {Qt::Key_Plus, VirtualKey::Plus},
    {Qt::Key_Comma, VirtualKey::Comma},
    {Qt::Key_Less, VirtualKey::Comma},
    {Qt::Key_Minus, VirtualKey::Minus},
    {Qt::Key_Underscore, VirtualKey::Minus},
    {Qt::Key_Period, VirtualKey::Period},
    {Qt::Key_Greater, VirtualKey::Period},
    {Qt::Key_Slash, VirtualKey::Slash},
    {Qt::Key_Question, VirtualKey::Slash},
    {Qt::Key_QuoteLeft, VirtualKey::Backquote},
    {Qt::Key_AsciiTilde, VirtualKey::Backquote},
    {Qt::Key_BracketLeft, VirtualKey::OpenBracket},
    {Qt::Key_BraceLeft, VirtualKey::OpenBracket},
    {Qt::Key_Backslash, VirtualKey::Backslash},
    {Qt::Key_Bar, VirtualKey::Backslash},
    {Qt::Key_yen, VirtualKey::Backslash},
    {Qt::Key_BracketRight, VirtualKey::CloseBracket},
    {Qt::Key_BraceRight, VirtualKey::CloseBracket},
    {Qt::Key_Apostrophe, VirtualKey::Quote},
    {Qt::Key_QuoteDbl, VirtualKey::Quote},
});

// The numeric keypad has codes of its own for its digits and operators.
constexpr auto keypadCodes = std::to_array<KeyCode>({
    {Qt::Key_Asterisk, VirtualKey::Multiply},
    {Qt::Key_Plus, VirtualKey::Add},
    {Qt::Key_Minus, VirtualKey::Subtract},
    {Qt::Key_Period, VirtualKey::Decimal},
    {Qt::Key_Comma, VirtualKey::Decimal},
    {Qt::Key_Slash, VirtualKey::Divide},
});

template<std::size_t N> VirtualKey lookUp(const std::array<KeyCode, N> &table, int qtKey)
{
    for (const KeyCode &entry : table) {
        if (entry.qtKey == qtKey)
            return entry.windowsKey;
    }
    return VirtualKey::None;
}

bool isLetter(int key)
{
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

VirtualKey windowsKey(int key, bool keypad)
{
    if (isLetter(key))
        return sorba::letterKey(U'A' + char32_t(key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? sorba::numpadDigitKey(key - Qt::Key_0) : sorba::digitKey(key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return sorba::functionKey(key - Qt::Key_F1 + 1);
    if (keypad) {
        if (const VirtualKey code = lookUp(keypadCodes, key); code != VirtualKey::None)
            return code;
    }
    return lookUp(keyCodes, key);
}

int modifierMask(Qt::KeyboardModifiers modifiers)
{
    using sorba::Modifier;
    int mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        mask |= sorba::modifierBit(Modifier::Shift);
    if (modifiers.testFlag(Qt::ControlModifier))
        mask |= sorba::modifierBit(Modifier::Ctrl);
    if (modifiers.testFlag(Qt::AltModifier))
        mask |= sorba::modifierBit(Modifier::Alt);
    return mask;
}

std::u32string producedCharacters(const QKeyEvent &event, bool ctrl)
{
    const int key = event.key();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {ctrl ? U'\n' : sorba::enterCharacter};
    case Qt::Key_Escape:
        return {sorba::escapeCharacter};
    case Qt::Key_Backspace:
        return {ctrl ? U'\x7f' : sorba::backspaceCharacter};
    case Qt::Key_Space:
        return {sorba::spaceCharacter};
    case Qt::Key_Delete:
        return {};
    default:
        break;
    }
    if (ctrl) {
        if (isLetter(key))
            return {sorba::ctrlCharacter(windowsKey(key, false))};
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
    stroke.keyCode =
        sorba::keyCode(windowsKey(event.key(), modifiers.testFlag(Qt::KeypadModifier)));
    stroke.modifierMask = modifierMask(modifiers);
    if (modifiers.testFlag(Qt::AltModifier)) {
        stroke.leaveToMenus = true;
        return stroke;
    }
    stroke.characters = producedCharacters(event, modifiers.testFlag(Qt::ControlModifier));
    return stroke;
}
