#pragma once
// The on/off options: warnings, the value kept at exit and always on top. Each takes effect at
// once, writes its setting and moves its check mark.

namespace sorba {

class WindowState;

void chooseWarnings(WindowState &calc, int entry);
void chooseValueKeptAtExit(WindowState &calc, int entry);
void chooseAlwaysOnTop(WindowState &calc, int entry);
/// Puts the window on top or lets it go, as the platform allows.
void applyTopmost(WindowState &calc, bool topmost);

} // namespace sorba
