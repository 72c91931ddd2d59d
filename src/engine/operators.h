#pragma once
// The operator keys +, -, X, / and = and the % key: strictly left to right, no precedence.

namespace sorba {

class WindowState;

/// An operator key: the operator is the caption of Operator(index).
void pressOperator(WindowState &calc, int index);
/// The % key: the readout becomes its hundredth part and "%" becomes the pending operator, so
/// the next "=" multiplies.
void pressPercent(WindowState &calc);

} // namespace sorba
