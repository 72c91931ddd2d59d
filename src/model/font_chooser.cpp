// The font chooser's controls with their captions and places: the name in force above the list,
// OK and CANCEL side by side below it.

#include "model/font_chooser.h"

#include <initializer_list>

namespace sorba {

FontChooser::FontChooser()
{
    window.caption = "FontMenu";
    window.resizeByUser(3600, 4000);
    // The list fills the window; nothing is gained by dragging it larger.
    window.fixedSize = true;

    FNTNAME.left = 120;
    FNTNAME.top = 120;
    FNTNAME.width = 3615;
    FNTNAME.height = 300;

    Lstfontname.left = 120;
    Lstfontname.top = 480;
    Lstfontname.width = 3615;
    Lstfontname.height = 2010;

    OK.caption = "OK";
    END.caption = "CANCEL";
    // The chooser is an ordinary dialog: nothing colours it, so it takes the desktop's colours.
    for (Control *control : std::initializer_list<Control *>{&Lstfontname, &FNTNAME, &OK, &END})
        control->themeColours = true;
    for (Button *button : {&OK, &END}) {
        button->top = 2640;
        button->width = 1695;
        button->height = 375;
    }
    OK.left = 120;
    END.left = 2040;
}

void FontChooser::unload()
{
    window.loaded = false;
    window.visible = false;
    Lstfontname.items.clear();
    Lstfontname.highlighted.reset();
}

} // namespace sorba
