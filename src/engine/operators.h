#pragma once
// The operator keys +, -, X, / and = and the % key: strictly left to right, no precedence.

#include "tables/operator_keys.h"

namespace sorba {

class WindowState;

/// An operator key (a row of operatorKeys): the pending operator is worked out, and op waits for
/// the next operand.
void pressOperator(WindowState &calc, PendingOperator op);
/// The % key: the readout becomes its hundredth part and "%" becomes the pending operator, so
/// the next "=" multiplies.
void pressPercent(WindowState &calc);

} // namespace sorba
