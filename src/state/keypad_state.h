#pragma once
// The calculation state of the main window. The number on show is not kept here: it is the
// readout's caption, which every key reads back and rewrites.

#include "tables/operator_keys.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sorba {

/// What the last key did; the next digit starts a new number unless a number is being typed.
enum class EntryState { None, Nums, Neg, Ops, PercentShown, Cleared };

std::string_view entryStateText(EntryState state);
std::string_view pendingOperatorText(PendingOperator op);

/// What the tax keys do to their result: nothing, or a whole number rounded toward zero, with
/// halves away from zero, or away from zero.
enum class TaxRounding { None, Down, HalfUp, Up };

struct KeypadState
{
    double accumulator = 0;
    double secondOperand = 0;
    bool decimalEntry = false;
    std::int16_t operandCount = 0;
    EntryState entryState = EntryState::None;
    PendingOperator pendingOperator = PendingOperator::None;
    /// "0" shows the warnings; any other number suppresses them.
    std::string suppressWarnings = "0";

    double memoryValue = 0;
    double memoryOperand = 0;
    /// Empty, or the earlier era's letter ("M", "T", "S", "H"): the readout holds an English
    /// boundary-year text.
    std::string eraBoundaryMark;
    /// The era conversions and keys know Reiwa (the user's choice); otherwise Heisei goes on.
    bool reiwaEra = false;
    /// The consumption tax in percent, and what its keys round their results to.
    double taxRate = 8;
    TaxRounding taxRounding = TaxRounding::None;
    /// 0 Japanese, 1 English; changed only by start-up.
    int uiLanguage = 0;
    int unitPanelShown = 0;

    /// The five colour settings as stored: main window, digits, memory mark, operator mark and
    /// the value-kept-at-exit mark.
    std::string mainColour;
    std::string digitColour;
    std::string memoryColour;
    std::string operatorColour;
    std::string exitValueColour;

    bool warningsShown() const { return suppressWarnings == "0"; }
    bool english() const { return uiLanguage != 0; }
};

/// Counts one more operand; the count stops at its largest value instead of wrapping.
void countOperand(KeypadState &state);

} // namespace sorba
