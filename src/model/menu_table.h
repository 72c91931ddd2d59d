#pragma once
// The menu bar of the main window: every item in menu order with its nesting level, its entry
// number in a menu array, and its caption in the three caption sets ("&" marks the mnemonic).

#include <array>
#include <string_view>

namespace sorba {

/// Every menu item and menu array by its name; the entries of an array share one identifier.
enum class MenuId {
    Menu_File,
    All_Cancel,
    Text_Cancel,
    Menu_Copy,
    Clip_Menu,
    Text_Mem,
    Text_PlsMem,
    Text_TakeMem,
    Mem_PlsText,
    Mem_TakeText,
    Mem_Text,
    Mem_Cear,
    Syohi_Zei,
    Syo_Moto,
    WA_SEI,
    SEI_WA,
    Kugiri,
    All_Exit,
    menu_option,
    font2,
    ColorSelect,
    MMM,
    LLL,
    RRR,
    EEE,
    XXX,
    HYOJI,
    SIZU,
    SSS,
    Tani_Mnu,
    TNN,
    Read_Mem,
    KKK,
    Time_Enb,
    TTT,
    JFNT_MNU,
    JJJ,
    ATS_MNU,
    AAA,
    TAPE_MNU,
    TPP,
    HELP_MNU,
    HHH,
    KUGIR2,
    VER_FORM,
};

struct MenuEntry
{
    MenuId id;
    std::string_view name;
    int index; ///< entry number in a menu array, -1 for a single item
    int level; ///< 0 for a menu-bar title, 1 for its items, 2 for a submenu's items
    std::string_view builtIn;
    std::string_view japanese;
    std::string_view englishAtStartUp;
    std::string_view english;
};

enum class CaptionSet { BuiltIn, Japanese, EnglishAtStartUp, English };

constexpr std::string_view captionIn(const MenuEntry &entry, CaptionSet set)
{
    switch (set) {
    case CaptionSet::BuiltIn:
        return entry.builtIn;
    case CaptionSet::Japanese:
        return entry.japanese;
    case CaptionSet::EnglishAtStartUp:
        return entry.englishAtStartUp;
    case CaptionSet::English:
        return entry.english;
    }
    return entry.builtIn;
}

inline constexpr std::string_view japaneseWindowCaption = "【計算丸】";
inline constexpr std::string_view englishWindowCaption = "【SorbaPal】";

// clang-format off
inline constexpr std::array<MenuEntry, 52> menuEntries = {{
    {MenuId::Menu_File, "Menu_File", -1, 0,
     "編集",
     "編集",
     "Edit",
     "Edit"},
    {MenuId::All_Cancel, "All_Cancel", -1, 1,
     "全入力取り消し・・・・・・・・・・・・・・・・・・【C】キー",
     "計算取り消し----------------------------【C】キー",
     "Cancell Calculation------------------------------------【Ｃ】Key",
     "Cancell Calculation------------------------------------【Ｃ】Key"},
    {MenuId::Text_Cancel, "Text_Cancel", -1, 1,
     "入力表示数値削除・・・・・・・・・・・・・・・【\\(＼ろ)】キー",
     "表示数値削除---------------------------【￥(＼ろ)】キー",
     "Delete Indicated Value---------------------------------【￥(＼ろ)】Key",
     "Delete Indicated Value---------------------------------【￥(＼ろ)】Key"},
    {MenuId::Menu_Copy, "Menu_Copy", -1, 1,
     "コピー(ｸﾘｯﾌﾟ･ﾎﾞｰﾄﾞﾍ)",
     "(CP)コピー(ｸﾘｯﾌﾟ･ﾎﾞｰﾄﾞﾍ)",
     "Copy(To ClipBoard)",
     "Copy(To ClipBoard)"},
    {MenuId::Clip_Menu, "Clip_Menu", -1, 1,
     "ペースト(ｸﾘｯﾌﾟ･ﾎﾞｰﾄﾞから)",
     "(PS)ペースト(ｸﾘｯﾌﾟ･ﾎﾞｰﾄﾞから)",
     "Paste(From ClipBoard)",
     "Paste(From ClipBoard)"},
    {MenuId::Text_Mem, "Text_Mem", -1, 1,
     "表示数値メモリへ・・・・・・・・・・・・・・・・・【Ｚ】キー",
     "(M)表示数値メモリーへ---------------------【Ｚ】キー",
     "(M) Put Indicated Value into Memory----------------------【Ｚ】key",
     "(M) Put Indicated Value into Memory----------------------【Ｚ】key"},
    {MenuId::Text_PlsMem, "Text_PlsMem", -1, 1,
     "表示数値→メモリー＋",
     "(M+)表示数値→メモリー＋",
     "(M+) Add Indicated Value to Value in Memory",
     "(M+) Add Indicated Value to Value in Memory"},
    {MenuId::Text_TakeMem, "Text_TakeMem", -1, 1,
     "表示数値→メモリー－",
     "(M-)表示数値→メモリー－",
     "(M-) Subtract Indicated Value from Value in Memory",
     "(M-) Subtract Indicated Value from Value in Memory"},
    {MenuId::Mem_PlsText, "Mem_PlsText", -1, 1,
     "メモリ→表示数値＋",
     "(+M)メモリー→表示数値＋",
     "(+M) Add Value in Memory to Indicated Value",
     "(+M) Add Value in Memory to Indicated Value"},
    {MenuId::Mem_TakeText, "Mem_TakeText", -1, 1,
     "メモリー→表示数値－",
     "(-M)メモリー→表示数値－",
     "(-M) Subtract Value in Memory from Indicated Value",
     "(-M) Subtract Value in Memory from Indicated Value"},
    {MenuId::Mem_Text, "Mem_Text", -1, 1,
     "メモリー数値表示・・・・・・・・・・・・・・・・・【Ａ】キー",
     "メモリー数値表示--------------------------【Ａ】キー",
     "Display Value in Memory--------------------------------【Ａ】key",
     "Display Value in Memory--------------------------------【Ａ】key"},
    {MenuId::Mem_Cear, "Mem_Cear", -1, 1,
     "メモリー・クリアー・・・・・・・・・・・・・・・・・・【Ｑ】キー",
     "メモリー・クリアー---------------------------【Ｑ】キー",
     "Clear Memory----------------------------------------【Ｑ】key",
     "Clear Memory----------------------------------------【Ｑ】key"},
    {MenuId::Syohi_Zei, "Syohi_Zei", -1, 1,
     "消費税計算",
     "消費税計算",
     "Add Consumption Tax to Indicated Value",
     "Add Consumption Tax to Indicated Value"},
    {MenuId::Syo_Moto, "Syo_Moto", -1, 1,
     "本体価格計算",
     "本体価格計算",
     "Subtract Consumption Tax from Indicated Value",
     "Subtract Consumption Tax from Indicated Value"},
    {MenuId::WA_SEI, "WA_SEI", -1, 1,
     "和暦→西暦変換・・・・・・・・・・・・・・・・・【スペース】キー",
     "和暦→西暦変換--------------------------【スペース】キー",
     "Convert Japanese Yra into Christian Yra-------------------【Space】Key",
     "Convert Japanese Yra into Christian Yra-------------------【Space】Key"},
    {MenuId::SEI_WA, "SEI_WA", -1, 1,
     "西暦→和暦変換・・・・・・・・・・・・・・・・・【Bs】キー",
     "西暦→和暦変換--------------------------【Bs】キー",
     "Convert Christian Yra into Japanese Yra-------------------【Bs】Key",
     "Convert Christian Yra into Japanese Yra-------------------【Bs】Key"},
    {MenuId::Kugiri, "Kugiri", -1, 1,
     "-",
     "-",
     "-",
     "-"},
    {MenuId::All_Exit, "All_Exit", -1, 1,
     "終了・・・・・・・・・・・・・・・・・・・・・・・・・・【Esc】キー",
     "終了-----------------------------------【Esc】キー",
     "Exit------------------------------------------------【Esc】",
     "Exit------------------------------------------------【Esc】"},
    {MenuId::menu_option, "menu_option", -1, 0,
     "オプション",
     "オプション(&O)",
     "Option(&O)",
     "Option"},
    {MenuId::font2, "font2", 0, 1,
     "フォント選択",
     "フォント選択(&F)...",
     "Choose Font",
     "Choose Font"},
    {MenuId::ColorSelect, "ColorSelect", -1, 1,
     "カラー選択",
     "カラー選択(&C)",
     "Choose Color",
     "Choose Color"},
    {MenuId::MMM, "MMM", 0, 2,
     "メイン･ウインドウ",
     "メイン・ウインド",
     "Coior of Main Window",
     "Coior of Main Window"},
    {MenuId::LLL, "LLL", 1, 2,
     "数値文字",
     "数値文字",
     "Color of Indicated Value",
     "Color of Indicated Value"},
    {MenuId::RRR, "RRR", 2, 2,
     "メモリー文字",
     "メモリ文字",
     "Color of Indicated Letter in Mmory Window",
     "Color of Indicated Letter in Mmory Window"},
    {MenuId::EEE, "EEE", 3, 2,
     "演算子文字（-、+、÷、etc.）",
     "演算子文字",
     "Color of Calculation Mark",
     "Color of Calculation Mark"},
    {MenuId::XXX, "XXX", 4, 2,
     "終了時数値記憶ウインドウ",
     "終了時数値文字",
     "Color of Information Resume Value",
     "Color of Information Resume Value"},
    {MenuId::HYOJI, "HYOJI", -1, 1,
     "ウインドウ位置を保存",
     "ウィンドウ位置を保存(&T)",
     "Fix Current Window Position",
     "Fix Current Window Position"},
    {MenuId::SIZU, "SIZU", -1, 1,
     "ウインドウ・サイズ設定",
     "ウィンドウ・サイズ設定(&S)",
     "Choose Size of Window",
     "Choose Size of Window(&S)"},
    {MenuId::SSS, "SSS", 0, 2,
     "デフォルト",
     "デフォルト",
     "Default",
     "Default"},
    {MenuId::SSS, "SSS", 1, 2,
     "変更",
     "変換",
     "Fix Current Window Size",
     "Fix Current Window Size"},
    {MenuId::Tani_Mnu, "Tani_Mnu", -1, 1,
     "単位変換画面",
     "単位変換画面",
     "Unit of Measure Window",
     "Unit of Measure Window"},
    {MenuId::TNN, "TNN", 0, 2,
     "表示しない（デフォルト）",
     "表示しない(デフォルト)",
     "Off(Dafault)",
     "Off(Dafault)"},
    {MenuId::TNN, "TNN", 1, 2,
     "表示する",
     "表示する",
     "On",
     "On"},
    {MenuId::Read_Mem, "Read_Mem", -1, 1,
     "終了時数値記憶設定",
     "終了時数値記憶設定",
     "Resume Value Indicated upon Quitting",
     "Resume Value Indicated upon Quitting"},
    {MenuId::KKK, "KKK", 0, 2,
     "記憶無",
     "記憶無",
     "Off",
     "Off"},
    {MenuId::KKK, "KKK", 1, 2,
     "記憶有",
     "記憶有",
     "On",
     "On"},
    {MenuId::Time_Enb, "Time_Enb", -1, 1,
     "常に前面に表示",
     "常に前面に表示",
     "Display Always on The Top",
     "Display Always on The Top"},
    {MenuId::TTT, "TTT", 0, 2,
     "表示しない（デフォルト）",
     "表示しない(デフォルト)",
     "Off(Dafault)",
     "Off(Dafault)"},
    {MenuId::TTT, "TTT", 1, 2,
     "表示する",
     "表示する",
     "On",
     "On"},
    {MenuId::JFNT_MNU, "JFNT_MNU", -1, 1,
     "使用言語選択",
     "使用言語選択",
     "Choose Language",
     "Choose Language(&L)"},
    {MenuId::JJJ, "JJJ", 0, 2,
     "日本語",
     "日本語",
     "Japanese",
     "Japanese"},
    {MenuId::JJJ, "JJJ", 1, 2,
     "English",
     "英語",
     "English",
     "English"},
    {MenuId::ATS_MNU, "ATS_MNU", -1, 1,
     "警告表示",
     "警告表示",
     "Choose warning",
     "Choose warning(&A)"},
    {MenuId::AAA, "AAA", 0, 2,
     "表示する（デフォルト）",
     "表示する(デフォルト)",
     "On(Dafault)",
     "On(Dafault)"},
    {MenuId::AAA, "AAA", 1, 2,
     "表示しない",
     "表示しない",
     "Off",
     "Off"},
    {MenuId::TAPE_MNU, "TAPE_MNU", -1, 1,
     "計算テープ",
     "計算テープ",
     "Calculation Tape",
     "Calculation Tape"},
    {MenuId::TPP, "TPP", 0, 2,
     "表示する",
     "表示する",
     "Show",
     "Show"},
    {MenuId::TPP, "TPP", 1, 2,
     "表示しない",
     "表示しない",
     "Hide",
     "Hide"},
    {MenuId::HELP_MNU, "HELP_MNU", -1, 0,
     "ヘルプ",
     "ヘルプ",
     "Help(&H)",
     "Help"},
    {MenuId::HHH, "HHH", 0, 1,
     "目次",
     "目次",
     "Contents",
     "Contents"},
    {MenuId::KUGIR2, "KUGIR2", -1, 1,
     "-",
     "-",
     "-",
     "-"},
    {MenuId::VER_FORM, "VER_FORM", -1, 1,
     "バージョン情報",
     "バージョン情報",
     "About",
     "About"},
}};
// clang-format on

/// Each identifier names one item or one menu array, and every identifier has its rows.
constexpr bool menuIdsMatchNames()
{
    for (const MenuEntry &a : menuEntries) {
        for (const MenuEntry &b : menuEntries) {
            if ((a.id == b.id) != (a.name == b.name))
                return false;
        }
    }
    for (int id = 0; id <= int(MenuId::VER_FORM); ++id) {
        bool found = false;
        for (const MenuEntry &entry : menuEntries)
            found = found || int(entry.id) == id;
        if (!found)
            return false;
    }
    return true;
}
static_assert(menuIdsMatchNames());

/// The name of a menu item or menu array ("TNN").
constexpr std::string_view menuName(MenuId id)
{
    for (const MenuEntry &entry : menuEntries) {
        if (entry.id == id)
            return entry.name;
    }
    return {};
}

} // namespace sorba
