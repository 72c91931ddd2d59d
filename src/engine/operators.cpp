// Operator keys, equals and percent, with the overflow handling of results.

#include "engine/operators.h"

#include "engine/number_entry.h"
#include "engine/overflow.h"
#include "state/window_state.h"
#include "tables/era_table.h"
#include "text/readout_format.h"

#include <cmath>

namespace sorba {

namespace {

constexpr double hundredMillion = 100000000;
constexpr std::string_view divisionText = "ゼロで割れません。";
constexpr std::string_view divisionTitle = "電卓";
constexpr std::string_view englishDivisionText = " Cannot be divided by 0.";

void warnDivisionByZero(WindowState &calc)
{
    if (!calc.state.warningsShown())
        return;
    if (calc.state.english())
        calc.platform.messageBox(messageTitle(calc), englishDivisionText);
    else
        calc.platform.messageBox(divisionTitle, divisionText);
}

bool tooLong(std::string_view text)
{
    return characterCount(text) > overflowLimit;
}

// The accumulator in units of one hundred million, marked "億" ("E" in English).
void showInHundredMillions(WindowState &calc)
{
    calc.form.MEM2.caption = calc.state.english() ? "E" : "億";
    calc.state.accumulator /= hundredMillion;
}

// Over-long results; products are shown in units of one hundred million with a mark.
void testResultLength(WindowState &calc, bool subtraction, float singleResult)
{
    KeypadState &state = calc.state;
    if (subtraction) {
        if (singleResult != 0 &&
            tooLong(tail20(formatReadoutSingle(singleResult, subtractionTestPattern))) &&
            state.warningsShown())
            warnOverflowThenCancelInEnglish(calc, overflowText);
        return;
    }
    if (!tooLong(tail20(formatReadout(state.accumulator, standardPattern))))
        return;
    const bool product = state.pendingOperator == PendingOperator::Multiply;
    if (state.warningsShown()) {
        showOverflowWarning(calc, overflowTextResult);
        if (product && (state.english() || state.accumulator > hundredMillion))
            showInHundredMillions(calc);
    } else if (product) {
        showInHundredMillions(calc);
    }
}

// An era kanji in MEM1, left by the English Gregorian-to-era conversion, or an English
// boundary-year text in the readout.
bool eraHookApplies(const WindowState &calc)
{
    return eraOfKanjiMark(calc.form.MEM1.text) != nullptr ||
           boundaryOfMark(calc.state.eraBoundaryMark) != nullptr;
}

} // namespace

void pressOperator(WindowState &calc, PendingOperator op)
{
    KeypadState &state = calc.state;
    bool subtraction = false;
    float singleResult = 0;
    calc.recordTape(operatorTapeMark(op));

    if (state.entryState == EntryState::Nums)
        countOperand(state);

    switch (state.operandCount) {
    case 0:
        // Minus before any number: a negative first number is about to be typed.
        if (op == PendingOperator::Subtract && state.entryState != EntryState::Neg &&
            state.accumulator == 0) {
            calc.setReadout("-" + calc.readout());
            state.entryState = EntryState::Neg;
        }
        break;
    case 1:
        if (calc.readout() != "-") {
            if (auto value = readoutValue(calc.readout()))
                state.accumulator = *value;
        }
        // Minus right after an operator starts a negative second operand.
        if (op == PendingOperator::Subtract && state.entryState != EntryState::Nums &&
            state.pendingOperator != PendingOperator::Equals) {
            calc.setReadout("-");
            state.entryState = EntryState::Neg;
        }
        break;
    case 2:
        if (auto value = readoutValue(calc.readout()))
            state.secondOperand = *value;
        switch (state.pendingOperator) {
        case PendingOperator::Add:
            state.accumulator += state.secondOperand;
            break;
        case PendingOperator::Subtract:
            state.accumulator -= state.secondOperand;
            subtraction = true;
            singleResult = toSingle(state.accumulator);
            break;
        case PendingOperator::Multiply:
        case PendingOperator::Percent:
            // A pending "%" multiplies: its operand is already divided by 100.
            state.accumulator *= state.secondOperand;
            break;
        case PendingOperator::Divide:
            if (state.secondOperand == 0)
                warnDivisionByZero(calc);
            else
                state.accumulator /= state.secondOperand;
            break;
        case PendingOperator::Equals:
            state.accumulator = state.secondOperand;
            break;
        case PendingOperator::None:
            break;
        }
        break;
    default:
        break;
    }

    // A result beyond the range of a double never reaches the readout: the keypad is cleared.
    if (!std::isfinite(state.accumulator)) {
        if (state.warningsShown())
            showOverflowWarning(calc, subtraction ? overflowText : overflowTextResult);
        pressCancel(calc);
        subtraction = false;
    }

    const int point = pointPosition(plainNumberText(state.accumulator));
    calc.form.ReadoutNul.caption = std::to_string(point);
    if (point < 12)
        testResultLength(calc, subtraction, singleResult);

    calc.setReadout(tail20(formatReadout(state.accumulator, resultPattern)));
    if (state.pendingOperator == PendingOperator::Divide) {
        calc.setReadout(tail20(formatReadout(state.accumulator, standardPattern)));
    } else if (tooLong(calc.readout()) && state.warningsShown()) {
        calc.setReadout(tail20(formatReadout(state.accumulator, standardPattern)));
        calc.form.MEM2.caption.clear();
    }

    // A leading minus keeps the count at 0, so the negative number typed next is the first
    // operand.
    if (!(state.entryState == EntryState::Neg && state.operandCount == 0))
        state.operandCount = 1;
    if (state.entryState != EntryState::Neg) {
        state.entryState = EntryState::Ops;
        state.pendingOperator = op;
    }
    if (op == PendingOperator::Equals)
        calc.recordTape(TapeMark::Result);

    if (eraHookApplies(calc))
        calc.hooks.convertEraToGregorian();
}

void pressPercent(WindowState &calc)
{
    KeypadState &state = calc.state;
    calc.recordTape(TapeMark::Percent);
    if (auto value = readoutValue(calc.readout()))
        calc.setReadout(plainNumberText(*value / 100));
    calc.setReadout(tail20(formatReadout(calc.readout(), standardPattern)));
    // This box is always the Japanese one and shows whatever the warnings option says.
    if (tooLong(calc.readout()))
        calc.platform.messageBox(japaneseTitle, overflowText);
    state.entryState = EntryState::PercentShown;
    state.pendingOperator = PendingOperator::Percent;
    state.decimalEntry = true;
    countOperand(state);
}

} // namespace sorba
