#pragma once
// The readout as screen readers meet it: a focusable read-only text whose content is the spoken
// readout, and under it an announcement that is shown afresh for every new readout, which is
// what makes a screen reader say a result nobody asked for.

class ReadoutLabel;

namespace readout_accessible {

/// Lets Qt build the readout's accessible objects; once per program, before the first query.
void install();

/// Tells screen readers that the readout's spoken text is new: one event.
void announce(ReadoutLabel &readout);

} // namespace readout_accessible
