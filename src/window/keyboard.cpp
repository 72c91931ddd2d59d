// What each key does: digits and operators, the marks in MEM2, memory, the era conversions,
// copy and exit.

#include "window/keyboard.h"

#include "engine/memory.h"
#include "engine/number_entry.h"
#include "engine/operators.h"
#include "era/era_to_gregorian.h"
#include "era/gregorian_to_era.h"
#include "text/utf8.h"
#include "window/calculator.h"

#include <string_view>

namespace sorba {

namespace {

constexpr std::u32string_view operatorPathCharacters = U"+-X*x/=\rmMtTsShH";

// Operator keys and era letters: the mark first, then the operator whose caption matches.
void operatorPath(Calculator &calc, char32_t character)
{
    std::string &mark = calc.form.MEM2.caption;
    switch (character) {
    case U'+':
        mark = "＋";
        break;
    case U'-':
        mark = "－";
        break;
    case U'/':
        mark = "÷";
        break;
    case U'=':
        mark = " ";
        break;
    case U'm':
    case U'M':
        mark = "明";
        break;
    case U't':
    case U'T':
        mark = "大";
        break;
    case U's':
    case U'S':
        mark = "昭";
        break;
    case U'h':
    case U'H':
        mark = "平";
        break;
    case U'*':
    case U'x':
        // A typed upper-case "X" multiplies too, but without a mark.
        character = U'X';
        mark = "×";
        break;
    case enterCharacter:
        character = U'=';
        mark.clear();
        break;
    default:
        break;
    }
    for (int index = 0; index < 5; ++index) {
        const std::string &caption = calc.form.Operator(index).caption;
        if (caption.size() == 1 && char32_t(caption[0]) == character) {
            pressOperator(calc, index);
            return;
        }
    }
}

void copyReadout(Calculator &calc)
{
    calc.platform.clipboardClear();
    calc.platform.clipboardSetText(calc.readout());
}

} // namespace

void handleKeyChar(Calculator &calc, char32_t character)
{
    if (operatorPathCharacters.find(character) != std::u32string_view::npos) {
        operatorPath(calc, character);
        return;
    }
    if (isAsciiDigit(character)) {
        pressNumber(calc, int(character - U'0'));
        return;
    }
    switch (character) {
    case U'\\':
        pressCancelEntry(calc);
        break;
    case U'c':
        calc.form.MEM2.caption = " ";
        pressCancel(calc);
        // The memory mark survives the C key.
        calc.form.MEM1.text = calc.memoryIndicator;
        break;
    case U'z':
        storeMemory(calc);
        break;
    case U'a':
        recallMemory(calc);
        break;
    case U'q':
        calc.form.MEM2.caption.clear();
        clearMemory(calc);
        break;
    case escapeCharacter:
        calc.close();
        break;
    case U'.':
        pressDecimal(calc);
        break;
    case U'%':
    case U']':
        // Percent completes at once: the Enter sent here arrives after this handler as "=".
        pressPercent(calc);
        calc.form.MEM2.caption = "%";
        calc.platform.postEnter();
        break;
    case spaceCharacter:
        convertEraToGregorian(calc);
        break;
    case backspaceCharacter:
        convertGregorianToEra(calc);
        break;
    default:
        break;
    }
}

void handleKeyDown(Calculator &calc, int keyCode, int modifierMask)
{
    const bool ctrl = hasModifier(modifierMask, Modifier::Ctrl);
    const bool english = calc.state.english();
    const auto key = static_cast<VirtualKey>(keyCode);
    std::string &mark = calc.form.MEM2.caption;
    if (ctrl && key == VirtualKey::C)
        copyReadout(calc);
    if (key == VirtualKey::M) {
        if (ctrl)
            storeMemory(calc);
        else
            mark = english ? "Ｍ" : "明";
    }
    if (key == VirtualKey::T)
        mark = english ? "T" : "大";
    if (key == VirtualKey::S)
        mark = ctrl ? "" : (english ? "S" : "昭");
    if (key == VirtualKey::H)
        mark = ctrl ? "" : (english ? "H" : "平");
}

} // namespace sorba
