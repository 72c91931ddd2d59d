#pragma once
// The font chooser window: a list of the screen's font names, the name in force, OK and CANCEL.
// It exists from start-up on, hidden; OK and CANCEL destroy it and the next use loads it anew.

#include "model/controls.h"

namespace sorba {

class FontChooser
{
public:
    FontChooser();

    Form window{"Fontmnu4"};
    ListBox Lstfontname{"Lstfontname"};
    Label FNTNAME{"FNTNAME"};
    Button OK{"OK"};
    Button END{"END"};

    /// Destroys the window without storing anything.
    void unload();
};

} // namespace sorba
