#pragma once
// The font chooser: loading it (the font in force, its stored position and the list of names),
// showing it from the menu, the preview of a highlighted name, OK and CANCEL.

namespace sorba {

class WindowState;

/// Loads the font chooser when it does not exist: stored name and position, the font list.
void ensureFontChooserLoaded(WindowState &calc);
/// The font item: shows the chooser, not modal, loading it first when it was closed.
void showFontChooser(WindowState &calc);
/// A name highlighted in the list: shown above it and previewed on the readout at once.
void fontHighlighted(WindowState &calc);
/// OK: stores the highlighted name ("System" when none is) and closes the chooser.
void storeChosenFont(WindowState &calc);
/// CANCEL or the close box: closes the chooser without storing; a preview stays.
void closeFontChooser(WindowState &calc);

} // namespace sorba
