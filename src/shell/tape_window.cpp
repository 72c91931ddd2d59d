// The tape window's menu, buttons and settings.

#include "shell/tape_window.h"

#include "engine/overflow.h"
#include "model/menu_marks.h"
#include "settings/file_replace.h"
#include "state/window_state.h"
#include "tables/twips_range.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace sorba {

namespace {

constexpr int showEntry = 0;
constexpr int hideEntry = 1;
// The smallest window that still shows a row and the buttons.
constexpr int smallestTapeWidth = 1500;
constexpr int smallestTapeHeight = 1800;
// Enough of the window stays on the screen to be caught by its title bar.
constexpr int visibleMargin = 600;

constexpr std::string_view saveFailedJapanese = "計算テープをファイルに保存できませんでした。";
constexpr std::string_view saveFailedEnglish = "The calculation tape could not be saved.";

void showTapeWindow(WindowState &calc, bool shown)
{
    calc.tapeForm.window.loaded = true;
    calc.tapeForm.window.visible = shown;
    markMenuEntry(calc.form, MenuId::TPP, shown ? showEntry : hideEntry);
}

int clampInto(int value, int low, int high)
{
    return std::clamp(value, low, std::max(low, high));
}

} // namespace

void chooseTape(WindowState &calc, int entry)
{
    const bool shown = entry == showEntry;
    if (!shown)
        storeTapePlace(calc);
    calc.settings.write(setting::Tape, shown ? "1" : "0");
    showTapeWindow(calc, shown);
}

void closeTapeWindow(WindowState &calc)
{
    chooseTape(calc, hideEntry);
}

void copyTape(WindowState &calc)
{
    calc.platform.clipboardClear();
    calc.platform.clipboardSetText(calc.tape.text());
}

void saveTape(WindowState &calc)
{
    const auto file = calc.platform.chooseSaveFile(tapeFileName);
    if (!file || file->empty())
        return;
    std::string text = calc.tape.text();
    // The file's old text, if any, is replaced whole.
    const auto replacement = [&text](const std::optional<std::string> & /*old*/) { return text; };
    if (replaceFileText(*file, replacement) == ReplaceResult::Replaced)
        return;
    calc.platform.messageBox(messageTitle(calc),
                             calc.state.english() ? saveFailedEnglish : saveFailedJapanese);
}

void clearTape(WindowState &calc)
{
    calc.tape.clear();
}

void applyTapeSettings(WindowState &calc)
{
    Form &window = calc.tapeForm.window;
    calc.tapeForm.applyLanguage(calc.state.english());
    const ScreenMetrics screen = calc.platform.screenMetrics();
    const int screenWidth = int(screen.widthPixels * screen.twipsPerPixelX);
    const int screenHeight = int(screen.heightPixels * screen.twipsPerPixelY);
    const int width =
        clampInto(clampTwips(calc.settings.read(setting::TapeW)), smallestTapeWidth, screenWidth);
    const int height =
        clampInto(clampTwips(calc.settings.read(setting::TapeH)), smallestTapeHeight, screenHeight);
    window.resizeByUser(height, width);
    window.left = clampInto(clampTwips(calc.settings.read(setting::TapeLeft)), 0,
                            screenWidth - visibleMargin);
    window.top = clampInto(clampTwips(calc.settings.read(setting::TapeTop)), 0,
                           screenHeight - visibleMargin);
    window.topmost = calc.form.window.topmost;
    showTapeWindow(calc, calc.settings.read(setting::Tape) != 0);
}

void storeTapePlace(WindowState &calc)
{
    const Form &window = calc.tapeForm.window;
    if (!window.visible)
        return;
    calc.settings.write(setting::TapeTop, std::to_string(window.top));
    calc.settings.write(setting::TapeLeft, std::to_string(window.left));
    calc.settings.write(setting::TapeW, std::to_string(window.width()));
    calc.settings.write(setting::TapeH, std::to_string(window.height()));
}

} // namespace sorba
