#pragma once
// The calculation tape's window: the rows (drawn by the host from the tape itself) above three
// buttons, Copy, Save… and Clear. It is a separate window owned by the main window, hidden until
// shown from the menu or at start-up.

#include "model/controls.h"

#include <string_view>
#include <vector>

namespace sorba {

class TapeForm
{
public:
    TapeForm();
    TapeForm(const TapeForm &) = delete;
    TapeForm &operator=(const TapeForm &) = delete;

    Form window{"Tape_Form"};
    Button TapeCopy{"TapeCopy"};
    Button TapeSave{"TapeSave"};
    Button TapeClear{"TapeClear"};

    /// Every control of the window, in the order a keyboard walks them.
    std::vector<Control *> controls() { return {&TapeCopy, &TapeSave, &TapeClear}; }

    /// The caption and button texts of one language.
    void applyLanguage(bool english);
};

/// The name the save dialog offers first.
inline constexpr std::string_view tapeFileName = "tape.txt";

} // namespace sorba
