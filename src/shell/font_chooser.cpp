// Loading the font chooser: the font in force, its stored position and the list of names.

#include "shell/font_chooser.h"

#include "app/calculator.h"

#include <algorithm>
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

void FontChooser::ensureLoaded(Calculator &calc)
{
    if (window.loaded)
        return;
    window.loaded = true;
    window.visible = false;
    FNTNAME.caption = calc.settings.readText("FontDef", "System");
    window.top = calc.settings.readInt("Form2Top", 1830);
    window.left = calc.settings.readInt("Form2Left", 3555);

    // A vertical-writing face ("@Name") is listed by its plain name, and each name once.
    Lstfontname.items.clear();
    Lstfontname.highlighted.reset();
    for (const std::string &listed : calc.platform.fontNames()) {
        std::string name = listed.starts_with('@') ? listed.substr(1) : listed;
        if (std::find(Lstfontname.items.begin(), Lstfontname.items.end(), name) ==
            Lstfontname.items.end())
            Lstfontname.items.push_back(std::move(name));
    }
}

void FontChooser::unload()
{
    window.loaded = false;
    window.visible = false;
    Lstfontname.items.clear();
    Lstfontname.highlighted.reset();
}

} // namespace sorba
