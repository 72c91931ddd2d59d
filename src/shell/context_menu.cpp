// Mouse-down on the readout and the background, and where the context menu opens.

#include "shell/context_menu.h"

#include "state/window_state.h"
#include "tables/twips_range.h"

namespace sorba {

namespace {

int roundedPixels(int twips, double twipsPerPixel)
{
    // A screen that reports no scale puts the menu at its own corner.
    if (!(twipsPerPixel > 0))
        return 0;
    // Pixels are fewer than twips on any real screen; a scale that says otherwise is held to the
    // same range.
    return roundedWithinTwipsRange(twips / twipsPerPixel);
}

} // namespace

void mouseDownOnReadout(WindowState &calc, MouseButton button, bool shift)
{
    calc.form.Readout.enabled = true;
    if (shift)
        calc.form.Command2.press();
    if (button == MouseButton::Right)
        showContextMenu(calc);
}

void mouseDownOnWindow(WindowState &calc, MouseButton button)
{
    if (button == MouseButton::Right)
        showContextMenu(calc);
}

void showContextMenu(WindowState &calc)
{
    const auto &bar = calc.form.menuBar();
    if (bar.empty())
        return;
    const ScreenMetrics screen = calc.platform.screenMetrics();
    const Form &window = calc.form.window;
    calc.platform.showPopupMenu(*bar.front(), roundedPixels(window.left, screen.twipsPerPixelX),
                                roundedPixels(window.top, screen.twipsPerPixelY));
}

} // namespace sorba
