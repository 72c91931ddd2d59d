#pragma once
// Start-up: every piece of state from the settings file, in a fixed order, ending with the
// window shown. It runs when the program starts and again whenever the unit panel is closed.

namespace sorba {

class Calculator;

void runStartUp(Calculator &calc);

} // namespace sorba
