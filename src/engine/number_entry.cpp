// Digits, the decimal point, C, CE and cancel-all.

#include "engine/number_entry.h"

#include "engine/overflow.h"
#include "state/window_state.h"
#include "text/readout_format.h"

namespace sorba {

namespace {

// Digit keys and C untick the unit panel's target boxes, running their cleared path.
void untickTargetBoxes(WindowState &calc)
{
    for (int number : {1, 2, 3, 8, 9, 10})
        calc.form.Check(number).setValue(0);
}

// Typed digits that make the integer part too long: the readout keeps its last 20 characters
// and the two checks run one after the other.
void reportLongEntry(WindowState &calc)
{
    checkReadoutOverflow(calc);
    if (readoutOverflowed(calc))
        warnOverflowThenCancelInEnglish(calc, overflowTextEntry);
}

} // namespace

void pressNumber(WindowState &calc, int index)
{
    KeypadState &state = calc.state;
    const std::string digit = calc.form.Number(index).caption;
    untickTargetBoxes(calc);

    if (state.entryState != EntryState::Nums) {
        // A number typed right after "-" keeps its sign.
        calc.setReadout(state.entryState == EntryState::Neg ? "-." : ".");
        state.decimalEntry = false;
    }
    if (state.decimalEntry) {
        // Digits after the point are appended as typed, with no limit.
        calc.setReadout(calc.readout() + digit);
    } else {
        std::string text = calc.readout();
        // Without a point (a year text, say) the digit has nowhere to go; the text is still
        // reformatted.
        if (const auto point = text.find('.'); point != std::string::npos)
            text = text.substr(0, point) + digit + ".";
        std::string shown = tail20(formatReadout(text, standardPattern));
        if (shown == zeroReadout && text.starts_with('-'))
            shown = "-0.";
        calc.setReadout(std::move(shown));
        reportLongEntry(calc);
    }
    state.entryState = EntryState::Nums;
}

void pressDecimal(WindowState &calc)
{
    KeypadState &state = calc.state;
    if (state.entryState == EntryState::Neg)
        calc.setReadout("-0.");
    else if (state.entryState != EntryState::Nums)
        calc.setReadout(std::string(zeroReadout));
    state.decimalEntry = true;
    state.entryState = EntryState::Nums;
}

void pressCancel(WindowState &calc)
{
    calc.recordTape("", TapeMark::Cancel);
    calc.form.MEM2.caption = " ";
    calc.form.MEM1.text = " ";
    calc.setReadout(std::string(zeroReadout));
    calc.state.accumulator = 0;
    calc.state.secondOperand = 0;
    // A number typed after C starts before the point, whatever was being typed before; the
    // pending operator and the entry state stay.
    calc.state.decimalEntry = false;
    untickTargetBoxes(calc);
}

void pressCancelEntry(WindowState &calc)
{
    calc.recordTape("", TapeMark::CancelEntry);
    calc.setReadout(std::string(zeroReadout));
    calc.form.MEM1.text.clear();
    calc.state.decimalEntry = false;
    calc.state.entryState = EntryState::Cleared;
}

void allCancel(WindowState &calc)
{
    calc.form.MEM2.caption.clear();
    calc.form.MEM2.caption = calc.memoryIndicator;
}

} // namespace sorba
