#pragma once
// The converter panel below the readout: category boxes, unit buttons and target boxes. It keeps
// no value of its own; a conversion reads the readout and writes its result back there.

#include "tables/unit_catalogue.h"

namespace sorba {

class WindowState;

/// The readout's font size while the panel is in use; a result too long for it gets 20.
inline constexpr double panelReadoutFontSize = 30;

/// A category box (Check4 to Check7) was clicked; it has already toggled.
void categoryBoxClicked(WindowState &calc, UnitCategory category);
/// A unit button (1 to 11) became selected, by the user or by a category click.
void unitButtonSelected(WindowState &calc, int unitButton);
/// A target box was clicked; it has already toggled. Ticked, it converts the readout.
void targetBoxClicked(WindowState &calc, TargetBox box);

} // namespace sorba
