// The language menu and the caption sets.

#include "shell/language.h"

#include "app/calculator.h"
#include "shell/menu_marks.h"

namespace sorba {

void chooseLanguage(Calculator &calc, int entry)
{
    const bool english = entry == 1;
    calc.settings.write("JpFont", english ? "1" : "0");
    calc.form.window.caption = std::string(english ? englishWindowCaption : japaneseWindowCaption);
    calc.form.applyCaptions(english ? CaptionSet::English : CaptionSet::Japanese);
    markMenuEntry(calc.form, "JJJ", entry);
}

void applyStartUpEnglish(Calculator &calc)
{
    calc.form.window.caption = std::string(englishWindowCaption);
    calc.form.applyCaptions(CaptionSet::EnglishAtStartUp);
}

} // namespace sorba
