#pragma once
// Check marks of the two-entry option menus: choosing an entry clears both marks, then checks
// the chosen one.

#include <string_view>

namespace sorba {

class MainForm;

void markMenuEntry(MainForm &form, std::string_view menuArray, int entry);
/// Clears both marks of a two-entry menu array.
void clearMenuMarks(MainForm &form, std::string_view menuArray);

} // namespace sorba
