#pragma once
// A Qt key press as the calculator's keyboard map takes it: a key-down event with the Windows
// virtual-key code and the modifier mask (sorba::VirtualKey and sorba::Modifier), then the
// characters the key produced.

#include <string>

class QKeyEvent;

struct KeyStroke
{
    /// The Windows virtual-key code, 0 for a key that has none here.
    int keyCode = 0;
    int modifierMask = 0;
    /// One character event each, in order; empty when the key makes no character.
    std::u32string characters;
    /// Alt combinations make no character; the menu bar still needs them for its mnemonics.
    bool leaveToMenus = false;
};

KeyStroke translateKey(const QKeyEvent &event);
