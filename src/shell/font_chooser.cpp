// Loading the font chooser: the font in force, its stored position and the list of names.

#include "shell/font_chooser.h"

#include "state/window_state.h"

#include <algorithm>

namespace sorba {

void ensureFontChooserLoaded(WindowState &calc)
{
    FontChooser &chooser = calc.fontChooser;
    if (chooser.window.loaded)
        return;
    chooser.window.loaded = true;
    chooser.window.visible = false;
    chooser.FNTNAME.caption = calc.settings.read(setting::FontDef);
    chooser.window.top = calc.settings.read(setting::Form2Top);
    chooser.window.left = calc.settings.read(setting::Form2Left);

    // A vertical-writing face ("@Name") is listed by its plain name, and each name once.
    std::vector<std::string> &items = chooser.Lstfontname.items;
    items.clear();
    chooser.Lstfontname.highlighted.reset();
    for (const std::string &listed : calc.platform.fontNames()) {
        std::string name = listed.starts_with('@') ? listed.substr(1) : listed;
        if (std::find(items.begin(), items.end(), name) == items.end())
            items.push_back(std::move(name));
    }
}

} // namespace sorba
