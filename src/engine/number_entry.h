#pragma once
// The keys that build a number in the readout: digits, the point, C, CE and cancel-all.

namespace sorba {

class Calculator;

/// A digit key: the digit is the caption of Number(index).
void pressNumber(Calculator &calc, int index);
void pressDecimal(Calculator &calc);
/// C: readout "0.", accumulator and second operand 0, both marks blanked.
void pressCancel(Calculator &calc);
/// CE: the entry starts again; the calculation goes on with the next number.
void pressCancelEntry(Calculator &calc);
/// The cancel-all menu item: it rewrites the operation mark only.
void allCancel(Calculator &calc);

} // namespace sorba
