#pragma once
// The main window object: it owns the keypad state and the window model, and routes the events
// a host delivers to the feature operations. Hosts build one and keep no state of their own.

#include "engine/keypad_state.h"
#include "settings/settings_file.h"
#include "shell/font_chooser.h"
#include "shell/main_form.h"
#include "shell/platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace sorba {

class Calculator
{
public:
    Calculator(Platform &platform, SettingsFile &settings);
    Calculator(const Calculator &) = delete;
    Calculator &operator=(const Calculator &) = delete;

    Platform &platform;
    SettingsFile &settings;
    KeypadState state;
    MainForm form;
    FontChooser fontChooser;
    /// The About box exists only while it is shown.
    Form aboutForm{"About_Form"};
    /// "M" while the memory mark should be lit, otherwise empty.
    std::string memoryIndicator;

    /// The window's load: start-up, ending with the window shown.
    void load();
    /// The window's unload: records the readout and ends the program. Every way out ends here.
    void unload();
    /// The close box.
    void close() { unload(); }
    bool ended() const { return m_ended; }

    void keyDown(int keyCode, int modifierMask);
    void keyChar(char32_t character);
    /// The user chose a menu item (from the menu bar or the context menu).
    void chooseMenu(MenuItem &item);

    /// The readout text, which is the number on show.
    const std::string &readout() const { return form.Readout.caption; }
    void setReadout(std::string text) { form.Readout.caption = std::move(text); }

private:
    void wireControls();
    void wireMenus();

    bool m_ended = false;
};

} // namespace sorba
