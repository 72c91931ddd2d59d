#pragma once
// The on/off options: warnings, the value kept at exit and always on top. Each takes effect at
// once, writes its setting and moves its check mark.

namespace sorba {

class Calculator;

void chooseWarnings(Calculator &calc, int entry);
void chooseValueKeptAtExit(Calculator &calc, int entry);
void chooseAlwaysOnTop(Calculator &calc, int entry);
/// Puts the window on top or lets it go, as the platform allows.
void applyTopmost(Calculator &calc, bool topmost);

} // namespace sorba
