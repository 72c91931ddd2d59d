#pragma once
// The operator keys +, -, X, / and = and the % key: strictly left to right, no precedence.

namespace sorba {

class Calculator;

/// An operator key: the operator is the caption of Operator(index).
void pressOperator(Calculator &calc, int index);
/// The % key: the readout becomes its hundredth part and "%" becomes the pending operator, so
/// the next "=" multiplies.
void pressPercent(Calculator &calc);

} // namespace sorba
