#pragma once
// The font chooser window: a list of the screen's font names, the name in force, OK and CANCEL.
// It exists from start-up on, hidden; OK and CANCEL destroy it and the next use loads it anew.

#include "model/controls.h"

#include <vector>

namespace sorba {

class FontChooser
{
public:
    FontChooser();
    FontChooser(const FontChooser &) = delete;
    FontChooser &operator=(const FontChooser &) = delete;

    Form window{"Fontmnu4"};
    ListBox Lstfontname{"Lstfontname"};
    Label FNTNAME{"FNTNAME"};
    Button OK{"OK"};
    Button END{"END"};

    /// Every control of the window, in the order a keyboard walks them.
    std::vector<Control *> controls() { return {&Lstfontname, &FNTNAME, &OK, &END}; }

    /// Destroys the window without storing anything.
    void unload();
};

} // namespace sorba
