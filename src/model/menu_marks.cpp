// Check marks of the option menus.

#include "model/menu_marks.h"

#include "model/main_form.h"

namespace sorba {

void clearMenuMarks(MainForm &form, MenuId menuArray)
{
    for (int entry = 0; entry < menuArraySize(menuArray); ++entry)
        form.menu(menuArray, entry).checked = false;
}

void markMenuEntry(MainForm &form, MenuId menuArray, int entry)
{
    clearMenuMarks(form, menuArray);
    form.menu(menuArray, entry).checked = true;
}

} // namespace sorba
