#pragma once
// Loading the font chooser: the font in force, its stored position and the list of names.

namespace sorba {

class WindowState;

/// Loads the font chooser when it does not exist: stored name and position, the font list.
void ensureFontChooserLoaded(WindowState &calc);

} // namespace sorba
