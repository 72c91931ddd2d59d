// The font chooser's controls and their captions.

#include "model/font_chooser.h"

#include <initializer_list>

namespace sorba {

FontChooser::FontChooser()
{
    window.caption = "FontMenu";
    window.resizeByUser(3600, 4000);
    OK.caption = "OK";
    END.caption = "CANCEL";
    // The chooser is an ordinary dialog: nothing colours it, so it takes the desktop's colours.
    for (Control *control : std::initializer_list<Control *>{&Lstfontname, &FNTNAME, &OK, &END})
        control->themeColours = true;
}

void FontChooser::unload()
{
    window.loaded = false;
    window.visible = false;
    Lstfontname.items.clear();
    Lstfontname.highlighted.reset();
}

} // namespace sorba
