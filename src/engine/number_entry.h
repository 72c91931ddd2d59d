#pragma once
// The keys that build a number in the readout: digits, the point, C, CE and cancel-all.

namespace sorba {

class WindowState;

/// A digit key: the digit is the caption of Number(index).
void pressNumber(WindowState &calc, int index);
void pressDecimal(WindowState &calc);
/// C: readout "0.", accumulator and second operand 0, both marks blanked.
void pressCancel(WindowState &calc);
/// CE: the entry starts again; the calculation goes on with the next number.
void pressCancelEntry(WindowState &calc);
/// The cancel-all menu item: it rewrites the operation mark only.
void allCancel(WindowState &calc);

} // namespace sorba
