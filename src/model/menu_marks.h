#pragma once
// Check marks of the two-entry option menus: choosing an entry clears both marks, then checks
// the chosen one.

#include "model/menu_table.h"

namespace sorba {

class MainForm;

void markMenuEntry(MainForm &form, MenuId menuArray, int entry);
/// Clears both marks of a two-entry menu array.
void clearMenuMarks(MainForm &form, MenuId menuArray);

} // namespace sorba
