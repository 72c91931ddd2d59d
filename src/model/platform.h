#pragma once
// What the calculator needs of the desktop it runs on. The Qt window and the script host each
// implement it; neither keeps calculator state.

#include "settings/colour_text.h"
#include "tables/system_font.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorba {

class AboutForm;
class MenuItem;

struct ScreenMetrics
{
    int widthPixels = 1280;
    int heightPixels = 1024;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
};

class Platform
{
public:
    virtual ~Platform() = default;

    /// A modal box with the warning icon and one OK button; returns when the user closes it.
    virtual void messageBox(std::string_view title, std::string_view text) = 0;
    /// Sends the window an Enter key press, delivered as a character event after the current
    /// event has been handled.
    virtual void postEnter() = 0;

    virtual void clipboardClear() = 0;
    virtual void clipboardSetText(std::string_view text) = 0;
    /// The clipboard's text, or nothing when it holds no text.
    virtual std::optional<std::string> clipboardText() = 0;

    /// The colour dialog, opened on the given colour; nothing when the user cancels.
    virtual std::optional<Colour> chooseColour(Colour initial) = 0;
    /// The save dialog, offering the suggested file name; nothing when the user cancels.
    virtual std::optional<std::filesystem::path> chooseSaveFile(std::string_view suggestedName) = 0;
    /// The font names the screen offers, in the platform's order.
    virtual std::vector<std::string> fontNames() = 0;
    /// Whether a font of that name can be used ("System" always can).
    virtual bool fontUsable(std::string_view name) = 0;
    /// Shows the busy pointer over the program's windows, or the normal one again.
    virtual void setBusyPointer(bool busy) = 0;

    /// Keeps the main window above all others, or lets it go, without moving or activating it.
    virtual void setTopmost(bool topmost) = 0;
    /// Shows a menu as a popup at a screen position in pixels; a chosen item runs its action.
    virtual void showPopupMenu(MenuItem &menu, int x, int y) = 0;
    /// Opens the help file at its contents page.
    virtual void openHelp(const std::filesystem::path &helpFile) = 0;
    /// Shows the About box modal; returns once it has closed, by its OK or otherwise.
    virtual void showAbout(AboutForm &about) = 0;

    virtual ScreenMetrics screenMetrics() = 0;
    /// The folder that holds the program.
    virtual std::filesystem::path programFolder() = 0;
    /// The folder that holds the program's data files such as the help file: the program
    /// folder, or the installed data folder for an installed copy.
    virtual std::filesystem::path dataFolder() = 0;
    /// Ends the program: every window closes and no further handler runs.
    virtual void endProgram() = 0;
};

} // namespace sorba
