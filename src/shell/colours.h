#pragma once
// The five colour items of the colour menu: main window, digits, memory mark, operator mark and
// the value-kept-at-exit mark.

#include "model/menu_table.h"

namespace sorba {

class WindowState;

/// Whether the item is one of the five colour items.
bool isColourItem(MenuId item);
/// A colour item's click: the colour dialog opens on the item's current colour, and what it
/// gives back (the same colour when cancelled) is applied at once and written as decimal text.
/// Any other item does nothing.
void chooseColour(WindowState &calc, MenuId menu);

} // namespace sorba
