// Copy and paste. Paste changes the readout and the accumulator only; the entry state, the
// pending operator and the marks stay as they were unless the text is too long to show.

#include "shell/clipboard.h"

#include "engine/number_entry.h"
#include "engine/overflow.h"
#include "state/window_state.h"
#include "text/readout_format.h"

#include <cmath>

namespace sorba {

namespace {

bool isOuterSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// C0 controls and DEL are single bytes in UTF-8; the C1 controls U+0080 to U+009F are the two
// bytes C2 80 to C2 9F. Any other byte, broken sequences included, is kept as it is.
std::size_t controlLengthAt(std::string_view text, std::size_t at)
{
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x20 || byte == 0x7F)
        return 1;
    if (byte == 0xC2 && at + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[at + 1]);
        if (next >= 0x80 && next <= 0x9F)
            return 2;
    }
    return 0;
}

enum class PasteFrom { MenuOrKey, ReadoutButton };

void paste(WindowState &calc, PasteFrom from)
{
    const auto clipboard = calc.platform.clipboardText();
    if (!clipboard)
        return;
    const std::string text = cleanPastedText(*clipboard);
    if (text.empty())
        return;
    const std::optional<double> value = readoutValue(text);
    // A number beyond the range of a double has far more digits than the readout can hold: it
    // overflows without ever becoming the accumulator.
    const bool beyondRange = value && !std::isfinite(*value);
    if (beyondRange) {
        calc.setReadout(tail20(text));
    } else {
        if (value)
            calc.state.accumulator = *value;
        calc.setReadout(tail20(formatReadout(text, standardPattern)));
        if (!readoutOverflowed(calc)) {
            calc.recordTape(TapeMark::Paste);
            return;
        }
    }
    if (from == PasteFrom::ReadoutButton)
        calc.setReadout("0.");
    // This warning is always the Japanese one, whatever the language and the warnings option.
    calc.platform.messageBox(japaneseTitle, overflowText);
    pressCancel(calc);
    calc.recordTape(TapeMark::Paste);
}

} // namespace

void copyReadout(WindowState &calc)
{
    calc.platform.clipboardClear();
    calc.platform.clipboardSetText(calc.readout());
}

void copyByReadoutButton(WindowState &calc)
{
    calc.form.Readout.enabled = false;
    copyReadout(calc);
    calc.form.Readout.enabled = true;
}

void pasteReadout(WindowState &calc)
{
    paste(calc, PasteFrom::MenuOrKey);
}

void pasteByReadoutButton(WindowState &calc)
{
    paste(calc, PasteFrom::ReadoutButton);
}

std::string cleanPastedText(std::string_view text)
{
    while (!text.empty() && isOuterSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isOuterSpace(text.back()))
        text.remove_suffix(1);
    std::string clean;
    clean.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (const std::size_t length = controlLengthAt(text, at); length > 0) {
            clean += ' ';
            at += length;
        } else {
            clean += text[at];
            ++at;
        }
    }
    return clean;
}

} // namespace sorba
