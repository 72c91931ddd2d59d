// The language menu and the caption sets.

#include "shell/language.h"

#include "model/menu_marks.h"
#include "state/window_state.h"

namespace sorba {

void chooseLanguage(WindowState &calc, int entry)
{
    const bool english = entry == 1;
    calc.settings.write(setting::JpFont, english ? "1" : "0");
    calc.form.window.caption = std::string(english ? englishWindowCaption : japaneseWindowCaption);
    calc.form.applyCaptions(english ? CaptionSet::English : CaptionSet::Japanese);
    calc.tapeForm.applyLanguage(english);
    markMenuEntry(calc.form, MenuId::JJJ, entry);
}

void applyStartUpEnglish(WindowState &calc)
{
    calc.form.window.caption = std::string(englishWindowCaption);
    calc.form.applyCaptions(CaptionSet::EnglishAtStartUp);
}

bool windowInEnglish(const WindowState &calc)
{
    // The mark of the language menu stands on the last choice, or on the start-up language.
    return calc.form.menu(MenuId::JJJ, 1).checked;
}

void applyMessageLanguage(WindowState &calc)
{
    const bool english = calc.state.english();
    calc.form.messagesInEnglish = english;
    calc.form.Readout.accessibleName = english ? "Readout" : "表示";
    calc.form.MEM1.accessibleName = english ? "Memory mark" : "メモリーマーク";
    calc.form.MEM2.accessibleName = english ? "Operation mark" : "演算マーク";
}

} // namespace sorba
