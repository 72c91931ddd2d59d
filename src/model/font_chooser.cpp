// The font chooser's controls and their captions.

#include "model/font_chooser.h"

namespace sorba {

FontChooser::FontChooser()
{
    window.caption = "FontMenu";
    window.resizeByUser(3600, 4000);
    OK.caption = "OK";
    END.caption = "CANCEL";
}

void FontChooser::unload()
{
    window.loaded = false;
    window.visible = false;
    Lstfontname.items.clear();
    Lstfontname.highlighted.reset();
}

} // namespace sorba
