// Texts of the keypad state, as status views and scripts show them.

#include "state/keypad_state.h"

#include <limits>

namespace sorba {

std::string_view entryStateText(EntryState state)
{
    switch (state) {
    case EntryState::None:
        return "NONE";
    case EntryState::Nums:
        return "NUMS";
    case EntryState::Neg:
        return "NEG";
    case EntryState::Ops:
        return "OPS";
    case EntryState::PercentShown:
        return "Ops";
    case EntryState::Cleared:
        return "CE";
    }
    return "NONE";
}

std::string_view pendingOperatorText(PendingOperator op)
{
    if (const OperatorKey *key = operatorKey(op))
        return key->caption;
    return op == PendingOperator::Percent ? "%" : " ";
}

void countOperand(KeypadState &state)
{
    if (state.operandCount < std::numeric_limits<std::int16_t>::max())
        ++state.operandCount;
}

} // namespace sorba
