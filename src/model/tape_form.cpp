// The tape window's captions and its default size: a tall, narrow window like a paper roll.

#include "model/tape_form.h"

#include "model/menu_table.h"

#include <string>

namespace sorba {

namespace {

struct TapeTexts
{
    std::string_view caption, copy, save, clear;
};

constexpr TapeTexts japaneseTexts{"計算テープ", "コピー", "保存…", "クリア"};
constexpr TapeTexts englishTexts{"Calculation Tape", "Copy", "Save…", "Clear"};

} // namespace

TapeForm::TapeForm()
{
    window.resizeByUser(4800, 3600);
    for (Control *control : controls())
        control->themeColours = true;
    applyLanguage(false);
}

void TapeForm::applyLanguage(bool english)
{
    const TapeTexts &texts = english ? englishTexts : japaneseTexts;
    window.caption = std::string(english ? englishWindowCaption : japaneseWindowCaption) +
                     std::string(texts.caption);
    TapeCopy.caption = std::string(texts.copy);
    TapeSave.caption = std::string(texts.save);
    TapeClear.caption = std::string(texts.clear);
}

} // namespace sorba
