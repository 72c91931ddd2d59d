// What each key does: digits and operators, the marks in MEM2, memory, the era conversions,
// copy, paste and exit.

#include "window/keyboard.h"

#include "engine/memory.h"
#include "engine/number_entry.h"
#include "engine/operators.h"
#include "era/era_to_gregorian.h"
#include "era/gregorian_to_era.h"
#include "shell/clipboard.h"
#include "tables/era_table.h"
#include "text/utf8.h"
#include "window/calculator.h"

#include <array>
#include <string>
#include <string_view>

namespace sorba {

namespace {

// What Ctrl does to an era's key: Ctrl+M stores the number on show instead, Ctrl+T marks the
// era all the same, and the others empty the mark.
enum class CtrlOnEraKey { StoresMemory, MarksEra, EmptiesMark };

constexpr CtrlOnEraKey ctrlOnEraKey(EraId id)
{
    switch (id) {
    case EraId::Meiji:
        return CtrlOnEraKey::StoresMemory;
    case EraId::Taisho:
        return CtrlOnEraKey::MarksEra;
    default:
        return CtrlOnEraKey::EmptiesMark;
    }
}

} // namespace

void handleKeyChar(Calculator &calc, char32_t character)
{
    // An operator's mark goes into MEM2 first, then the operator acts.
    if (const OperatorCharacter *typed = operatorCharacter(character)) {
        if (typed->mark)
            calc.form.MEM2.caption = std::string(*typed->mark);
        pressOperator(calc, typed->op);
        return;
    }
    // Era letters put their era's kanji into MEM2 and press no operator.
    if (const Era *chosen = eraOfKeyCharacter(character, calc.state.reiwaEra)) {
        calc.form.MEM2.caption = std::string(chosen->kanjiMark);
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
    // Ctrl+V pastes as the paste menu item does; its control character then does nothing.
    if (ctrl && key == VirtualKey::V)
        pasteReadout(calc);
    for (const Era &candidate : erasInForce(calc.state.reiwaEra)) {
        if (key != letterKey(char32_t(candidate.letterMark.front())))
            continue;
        const CtrlOnEraKey onCtrl = ctrl ? ctrlOnEraKey(candidate.id) : CtrlOnEraKey::MarksEra;
        if (onCtrl == CtrlOnEraKey::StoresMemory)
            storeMemory(calc);
        else if (onCtrl == CtrlOnEraKey::EmptiesMark)
            mark.clear();
        else
            mark = english ? candidate.englishKeyMark : candidate.kanjiMark;
    }
}

} // namespace sorba
