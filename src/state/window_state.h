#pragma once
// The main window as every feature sees it: the keypad state, the window model, the settings
// file and the platform. Features are operations on this one object. What only the window as a
// whole can do (unload, run the start-up again, the operator key's era conversion) reaches the
// features as hooks that the window wires in from above.

#include "model/about_form.h"
#include "model/font_chooser.h"
#include "model/main_form.h"
#include "model/platform.h"
#include "model/tape_form.h"
#include "settings/settings_file.h"
#include "state/keypad_state.h"
#include "state/tape.h"
#include "tables/tape_marks.h"
#include "text/utf8.h"

#include <functional>
#include <string>

namespace sorba {

/// The actions of the whole window that features may start.
struct WindowHooks
{
    /// The window's unload: records the readout and ends the program.
    std::function<void()> unloadWindow;
    /// The whole start-up sequence, as at program start.
    std::function<void()> runStartUp;
    /// The era conversion that an operator key runs when an era mark is left.
    std::function<void()> convertEraToGregorian;
};

class WindowState
{
public:
    WindowState(Platform &platform_, SettingsFile &settings_)
        : platform(platform_)
        , settings(settings_)
    {}
    WindowState(const WindowState &) = delete;
    WindowState &operator=(const WindowState &) = delete;

    Platform &platform;
    SettingsFile &settings;
    KeypadState state;
    MainForm form;
    FontChooser fontChooser;
    /// The About box exists only while it is shown.
    AboutForm aboutForm;
    /// The calculation tape and its window.
    Tape tape;
    TapeForm tapeForm;
    /// "M" while the memory mark should be lit, otherwise empty.
    std::string memoryIndicator;
    WindowHooks hooks;

    /// The readout text, which is the number on show.
    const std::string &readout() const { return form.Readout.caption; }
    /// Bytes that are no UTF-8 (a hand-edited kept value, raw clipboard bytes) are shown as
    /// U+FFFD, so the readout, the copy and the kept value always hold well-formed text.
    void setReadout(std::string text)
    {
        makeWellFormedUtf8(text);
        form.Readout.caption = std::move(text);
    }

    /// A tape row with the readout as its amount and the mark in the language in force.
    void recordTape(TapeMark mark) { tape.add(readout(), tapeMarkText(mark, state.english())); }
    /// A tape row with an amount of its own (empty for C, CE and CM).
    void recordTape(std::string_view amount, TapeMark mark)
    {
        tape.add(amount, tapeMarkText(mark, state.english()));
    }

protected:
    ~WindowState() = default;
};

} // namespace sorba
