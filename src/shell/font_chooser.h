#pragma once
// The font chooser window: a list of the screen's font names, the name in force, OK and CANCEL.
// It exists from start-up on, hidden; OK and CANCEL destroy it and the next use loads it anew.

#include "shell/controls.h"

namespace sorba {

class Calculator;

class FontChooser
{
public:
    FontChooser();

    Form window{"Fontmnu4"};
    ListBox Lstfontname{"Lstfontname"};
    Label FNTNAME{"FNTNAME"};
    Button OK{"OK"};
    Button END{"END"};

    /// Loads the window when it does not exist: stored name and position, the font list.
    void ensureLoaded(Calculator &calc);
    /// Destroys the window without storing anything.
    void unload();
};

} // namespace sorba
