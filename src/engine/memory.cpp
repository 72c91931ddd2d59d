// The memory register. A memory value of 0 counts as empty; the operations consult the value,
// never the mark, so the mark can be lit over an empty memory and unlit over a full one.

#include "engine/memory.h"

#include "engine/overflow.h"
#include "state/keypad_state.h"
#include "state/window_state.h"
#include "text/readout_format.h"

#include <optional>
#include <string>
#include <string_view>

namespace sorba {

namespace {

constexpr std::string_view memoryMark = "M";
// The text of a cleared readout; store and M- treat it as "nothing to keep".
// A recalled value whose point stands this far right has twelve or more integer characters.
constexpr int longIntegerPoint = 13;

void lightMark(WindowState &calc)
{
    calc.form.MEM1.text = std::string(memoryMark);
    calc.memoryIndicator = std::string(memoryMark);
}

void render(WindowState &calc, double value)
{
    calc.setReadout(tail20(formatReadout(value, standardPattern)));
}

void warnRecallOverflow(WindowState &calc, std::string_view japaneseText)
{
    if (calc.state.warningsShown())
        warnOverflowThenCancelInEnglish(calc, japaneseText);
}

// +M and -M: with a value in memory the readout gets the result and the mark; either way the
// readout is rendered and checked.
void combineWithReadout(WindowState &calc, double shown, bool subtract)
{
    KeypadState &state = calc.state;
    if (state.memoryValue != 0) {
        state.memoryOperand = shown;
        const double result = subtract ? state.memoryOperand - state.memoryValue
                                       : state.memoryValue + state.memoryOperand;
        calc.setReadout(plainNumberText(result));
        calc.form.MEM1.text = std::string(memoryMark);
    }
    calc.setReadout(tail20(formatReadout(calc.readout(), standardPattern)));
    checkReadoutOverflow(calc);
}

// Recall: the memory's value becomes the readout and the next operand.
void showMemoryValue(WindowState &calc);

} // namespace

// A readout that holds no number (a period or era text, a unit text) leaves every memory key
// that reads it without any effect: store, M+, M-, +M and -M return at once.

void storeMemory(WindowState &calc)
{
    calc.recordTape(TapeMark::MemoryStore);
    if (calc.readout() == zeroReadout) {
        // Storing a cleared readout only puts the mark out; the memory keeps its value.
        calc.form.MEM1.text = " ";
        calc.memoryIndicator.clear();
        return;
    }
    const std::optional<double> shown = readoutValue(calc.readout());
    if (!shown)
        return;
    calc.state.memoryValue = *shown;
    // The store marks MEM2 rather than MEM1: the "M" there later reads as the Meiji letter.
    calc.form.MEM2.caption = std::string(memoryMark);
    calc.memoryIndicator = std::string(memoryMark);
}

void addToMemory(WindowState &calc)
{
    calc.recordTape(TapeMark::MemoryAdd);
    const std::optional<double> shown = readoutValue(calc.readout());
    if (!shown)
        return;
    KeypadState &state = calc.state;
    const bool wasEmpty = state.memoryValue == 0;
    if (wasEmpty)
        state.memoryValue = 0; // an empty memory may hold -0, from a stored "-0."
    state.memoryOperand = *shown;
    state.memoryValue = state.memoryOperand + state.memoryValue;
    if (wasEmpty)
        lightMark(calc);
}

void subtractFromMemory(WindowState &calc)
{
    calc.recordTape(TapeMark::MemorySubtract);
    const std::optional<double> shown = readoutValue(calc.readout());
    if (!shown)
        return;
    KeypadState &state = calc.state;
    if (calc.readout() == zeroReadout) {
        calc.form.MEM1.text = " ";
        calc.memoryIndicator.clear();
    }
    // On an empty memory the mark comes back at once, even when 0. put it out above.
    const bool wasEmpty = state.memoryValue == 0;
    if (wasEmpty)
        state.memoryValue = 0;
    state.memoryOperand = *shown;
    state.memoryValue = state.memoryValue - state.memoryOperand;
    if (wasEmpty)
        lightMark(calc);
}

void addMemoryToReadout(WindowState &calc)
{
    if (const std::optional<double> shown = readoutValue(calc.readout()))
        combineWithReadout(calc, *shown, false);
    calc.recordTape(TapeMark::AddMemory);
}

void subtractMemoryFromReadout(WindowState &calc)
{
    if (const std::optional<double> shown = readoutValue(calc.readout())) {
        combineWithReadout(calc, *shown, true);
        // -M starts the count again, also after an overflow box.
        calc.state.operandCount = 0;
    }
    calc.recordTape(TapeMark::SubtractMemory);
}

void recallMemory(WindowState &calc)
{
    showMemoryValue(calc);
    calc.recordTape(TapeMark::MemoryRecall);
}

void clearMemory(WindowState &calc)
{
    calc.state.memoryValue = 0;
    calc.form.MEM1.text.clear();
    calc.memoryIndicator.clear();
    calc.recordTape("", TapeMark::MemoryClear);
}

namespace {

void showMemoryValue(WindowState &calc)
{
    KeypadState &state = calc.state;
    if (state.memoryValue == 0) {
        calc.setReadout(std::string(zeroReadout));
        calc.form.MEM1.text = " ";
        return;
    }
    countOperand(state);
    const std::string plain = plainNumberText(state.memoryValue);
    const int point = pointPosition(plain);
    calc.form.ReadoutNul.caption = std::to_string(point);

    if (point == 0) {
        render(calc, state.memoryValue);
        if (readoutOverflowed(calc))
            warnRecallOverflow(calc, overflowTextRecall1);
    }
    state.accumulator = state.memoryValue;
    if (point < longIntegerPoint) {
        // Rendered again: in English the box above has cleared the readout.
        render(calc, state.memoryValue);
        return;
    }
    render(calc, state.memoryValue);
    state.accumulator = 0;
    countOperand(state);
    if (readoutOverflowed(calc)) {
        // Too long to show: the memory is lost, though its mark stays lit.
        state.memoryValue = 0;
        warnRecallOverflow(calc, overflowTextRecall2);
    }
}

} // namespace

} // namespace sorba
