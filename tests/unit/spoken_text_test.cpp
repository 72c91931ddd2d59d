// What screen readers say: the readout with the marks beside it, and menu captions without
// their leader runs and key texts.

#include "model/menu_table.h"
#include "shell/spoken_text.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace sorba {
namespace {

TEST(SpokenText, ReadoutNamesTheMarksASightedUserSees)
{
    struct Row
    {
        int line;
        std::string_view readout, operationMark, memoryMark;
        bool english;
        std::string_view expected;
    };
    const Row rows[] = {
        {__LINE__, "15.", "", "", false, "15."},
        {__LINE__, "   12.", "＋", "", false, "12., ＋"},
        {__LINE__, "3.", "×", "M", false, "3., ×"}, // the memory mark alone is not read out
        {__LINE__, "平成36年", "", "", false, "平成36年"},
        {__LINE__, "31", "", "平", true, "31, Heisei"},
        {__LINE__, "64", "", "昭", true, "64, Showa"},
        {__LINE__, "45", "", "明", true, "45, Meiji"},
        {__LINE__, "15", "", "大", true, "15, Taisho"},
        {__LINE__, "31", "", "平", false, "31"}, // Japanese readouts name their era
        {__LINE__, "12.", "", "M", true, "12."}, // memory, not the Meiji letter
        {__LINE__, "0.", "平", "", true, "0., 平"},
        {__LINE__, "\u3000 ", " ", "", false, ""},
        {__LINE__, "E 1.", "÷", "", false, "E 1., ÷"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(spokenReadout(row.readout, row.operationMark, row.memoryMark, row.english),
                  row.expected);
    }
}

TEST(SpokenText, CaptionsLoseLeaderAndKeyText)
{
    struct Row
    {
        int line;
        std::string_view caption, name, key;
    };
    const Row rows[] = {
        {__LINE__, "全入力取り消し・・・・・・・・・・・・・・・・・・【C】キー", "全入力取り消し",
         "C"},
        {__LINE__, "Cancell Calculation------------------------------------【Ｃ】Key",
         "Cancell Calculation", "C"},
        {__LINE__, "入力表示数値削除・・・・・・・・・・・・・・・【\\(＼ろ)】キー",
         "入力表示数値削除", "\\"},
        {__LINE__, "表示数値削除---------------------------【￥(＼ろ)】キー", "表示数値削除", "¥"},
        {__LINE__, "(M) Put Indicated Value into Memory----------------------【Ｚ】key",
         "(M) Put Indicated Value into Memory", "Z"},
        {__LINE__, "和暦→西暦変換・・・・・・・・・・・・・・・・・【スペース】キー",
         "和暦→西暦変換", "スペース"},
        {__LINE__, "Exit------------------------------------------------【Esc】", "Exit", "Esc"},
        {__LINE__, "メモリー・クリアー・・・・・・・・・・・・・・・・・・【Ｑ】キー",
         "メモリー・クリアー", "Q"},
        // Marks that only look like leaders stay.
        {__LINE__, "(M-)表示数値→メモリー－", "(M-)表示数値→メモリー－", ""},
        {__LINE__, "(-M)メモリー→表示数値－", "(-M)メモリー→表示数値－", ""},
        {__LINE__, "フォント選択(&F)...", "フォント選択(&F)...", ""},
        {__LINE__, "-", "-", ""},
        // Broken captions from a script: never more than the caption.
        {__LINE__, "【", "", ""},
        {__LINE__, "Key【Ａ", "Key", "A"},
        {__LINE__, "・・", "", ""},
        {__LINE__, "", "", ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const SpokenCaption spoken = spokenCaption(row.caption);
        EXPECT_EQ(spoken.name, row.name);
        EXPECT_EQ(spoken.key, row.key);
    }
}

// Every caption of every set keeps a name, and no name keeps a leader run or key brackets.
TEST(SpokenText, EveryMenuCaptionHasACleanName)
{
    for (const MenuEntry &entry : menuEntries) {
        for (const CaptionSet set : {CaptionSet::BuiltIn, CaptionSet::Japanese,
                                     CaptionSet::EnglishAtStartUp, CaptionSet::English}) {
            const std::string_view caption = captionIn(entry, set);
            SCOPED_TRACE(std::string(caption));
            const SpokenCaption spoken = spokenCaption(caption);
            EXPECT_FALSE(spoken.name.empty());
            EXPECT_EQ(spoken.name.find("・・"), std::string::npos);
            EXPECT_EQ(spoken.name.find("--"), std::string::npos);
            EXPECT_EQ(spoken.name.find("【"), std::string::npos);
            EXPECT_EQ(spoken.key.empty(), caption.find("【") == std::string_view::npos);
        }
    }
}

} // namespace
} // namespace sorba
