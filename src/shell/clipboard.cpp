// Copy and paste. Paste changes the readout and the accumulator only; the entry state, the
// pending operator and the marks stay as they were unless the text is too long to show.

#include "shell/clipboard.h"

#include "engine/number_entry.h"
#include "engine/overflow.h"
#include "state/window_state.h"
#include "text/pasted_number.h"
#include "text/readout_format.h"
#include "text/utf8.h"

#include <cmath>

namespace sorba {

namespace {

bool isOuterSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The C0 controls, DEL and the C1 controls U+0080 to U+009F.
bool isControlCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

enum class PasteFrom { MenuOrKey, ReadoutButton };

void paste(WindowState &calc, PasteFrom from)
{
    const auto clipboard = calc.platform.clipboardText();
    if (!clipboard)
        return;
    std::string text = cleanPastedText(withoutFormatCharacters(*clipboard));
    if (text.empty())
        return;
    // "１，０８０円" or "￥1,080" is the number 1,080; any other text is pasted as it is.
    if (std::optional<std::string> folded = foldedNumberText(text))
        text = std::move(*folded);
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
        calc.setReadout(std::string(zeroReadout));
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
    // Broken sequences are kept as they are; the readout shows them as U+FFFD.
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = decodeUtf8(text, at);
        if (!character.malformed && isControlCharacter(character.codePoint))
            clean += ' ';
        else
            clean.append(text.substr(at, character.length));
        at += character.length;
    }
    return clean;
}

} // namespace sorba
