// Check marks of the option menus.

#include "shell/menu_marks.h"

#include "shell/main_form.h"

namespace sorba {

void clearMenuMarks(MainForm &form, std::string_view menuArray)
{
    for (int entry = 0; entry < 2; ++entry) {
        if (MenuItem *item = form.menu(menuArray, entry))
            item->checked = false;
    }
}

void markMenuEntry(MainForm &form, std::string_view menuArray, int entry)
{
    clearMenuMarks(form, menuArray);
    if (MenuItem *item = form.menu(menuArray, entry))
        item->checked = true;
}

} // namespace sorba
