// The help file's path and the About box's life: loaded, centred, shown, unloaded.

#include "shell/help_about.h"

#include "state/window_state.h"
#include "tables/twips_range.h"

#include <string>

namespace sorba {

namespace {

void centreOnScreen(Form &window, const ScreenMetrics &screen)
{
    const double screenWidth = screen.widthPixels * screen.twipsPerPixelX;
    const double screenHeight = screen.heightPixels * screen.twipsPerPixelY;
    // A screen that reports absurd measures still leaves the box a place in the twips range.
    window.left = roundedWithinTwipsRange((screenWidth - window.width()) / 2);
    window.top = roundedWithinTwipsRange((screenHeight - window.height()) / 2);
}

} // namespace

std::filesystem::path helpFilePath(const std::filesystem::path &folder)
{
    std::string path = folder.string();
    // An empty folder would make the path absolute; the name alone stays beside the program.
    if (!path.empty() && !path.ends_with('/'))
        path += '/';
    path += helpFileName;
    return path;
}

void openHelpContents(WindowState &calc)
{
    calc.platform.openHelp(helpFilePath(calc.platform.dataFolder()));
}

void showAboutBox(WindowState &calc)
{
    AboutForm &about = calc.aboutForm;
    about.load();
    centreOnScreen(about.window, calc.platform.screenMetrics());
    calc.platform.showAbout(about);
    // The close box or Esc closes it too; it never outlives its showing.
    about.unload();
}

} // namespace sorba
