// Paste's reading of clipboard text, the help file's path, and the order of the steps that the
// mouse, copy, paste and the About box go through, which transcripts cannot see.

#include "shell/clipboard.h"
#include "shell/help_about.h"
#include "support/quiet_platform.h"
#include "window/calculator.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace sorba {
namespace {

struct TextRow
{
    int line;
    std::string input;
    std::string expected;
};

TEST(CleanPastedText, TrimsOuterSpaceAndBlanksInnerControls)
{
    const std::vector<TextRow> rows = {
        {__LINE__, "1,234.", "1,234."},
        {__LINE__, "12\n", "12"},
        {__LINE__, "12\r\n", "12"},
        {__LINE__, "\t 3,456.7 \r\n", "3,456.7"},
        {__LINE__, "", ""},
        {__LINE__, " \t\r\n ", ""},
        {__LINE__, "12\t34", "12 34"},
        {__LINE__, "1\r\n2", "1  2"},
        {__LINE__,
         std::string("1\0"
                     "2",
                     3),
         "1 2"},
        {__LINE__,
         "a\x1b"
         "b",
         "a b"},
        // Only blanks, tabs and line breaks are trimmed; other controls at the ends become
        // blanks like the ones inside.
        {__LINE__, "\v5", " 5"},
        {__LINE__, "5\x7f", "5 "},
        // C1 controls are two bytes in UTF-8 and become one blank.
        {__LINE__,
         "ab\xc2\x85"
         "cd",
         "ab cd"},
        {__LINE__, "\xc2\x9f", " "},
        // A no-break space and other characters of two or more bytes stay.
        {__LINE__,
         "\xc2\xa0"
         "7",
         "\xc2\xa0"
         "7"},
        {__LINE__, "表示\n", "表示"},
        {__LINE__, "　全角　", "　全角　"},
        // Broken UTF-8 is kept byte for byte.
        {__LINE__, "9\xc2", "9\xc2"},
        {__LINE__, "\xc2", "\xc2"},
        {__LINE__, "\xff\xfe", "\xff\xfe"},
    };
    for (const TextRow &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(cleanPastedText(row.input), row.expected);
    }
}

TEST(HelpFilePath, PutsOneSlashBetweenFolderAndName)
{
    const std::vector<TextRow> rows = {
        {__LINE__, "/opt/sorba", "/opt/sorba/Sorba.Hlp"},
        {__LINE__, "/opt/sorba/", "/opt/sorba/Sorba.Hlp"},
        {__LINE__, "/", "/Sorba.Hlp"},
        {__LINE__, "build", "build/Sorba.Hlp"},
        {__LINE__, "", "Sorba.Hlp"},
        {__LINE__, "/home/太郎/計算丸", "/home/太郎/計算丸/Sorba.Hlp"},
    };
    for (const TextRow &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(helpFilePath(row.input).string(), row.expected);
    }
}

// A desktop that lets a test see what the calculator shows at each moment.
class WatchingPlatform : public testing::QuietPlatform
{
public:
    using QuietPlatform::QuietPlatform;

    void messageBox(std::string_view title, std::string_view text) override
    {
        QuietPlatform::messageBox(title, text);
        if (onBox)
            onBox();
    }
    void clipboardSetText(std::string_view text) override
    {
        QuietPlatform::clipboardSetText(text);
        if (onCopy)
            onCopy();
    }
    void showPopupMenu(MenuItem &menu, int x, int y) override
    {
        popups.push_back(menu.caption + " " + std::to_string(x) + " " + std::to_string(y));
        if (onPopup)
            onPopup();
    }
    void showAbout(AboutForm &about) override
    {
        shownAbout.push_back(about.window.caption + "|" + about.Label1.caption + "|" +
                             about.Label3.caption + "|" + about.Command1.caption + "|" +
                             std::to_string(about.window.left) + "|" +
                             std::to_string(about.window.top));
        aboutLoadedWhileShown = about.window.loaded;
        if (pressOk)
            about.Command1.press();
    }

    std::function<void()> onBox;
    std::function<void()> onCopy;
    std::function<void()> onPopup;
    std::vector<std::string> popups;
    std::vector<std::string> shownAbout;
    bool aboutLoadedWhileShown = false;
    bool pressOk = true;
};

class ClipboardWindowTest : public ::testing::Test
{
protected:
    ClipboardWindowTest()
        : m_platform(m_folder.path())
        , m_settings(m_folder.path(), SettingsFile::Fallback::None)
        , m_calc(m_platform, m_settings)
    {
        m_calc.load();
    }

    testing::TemporaryFolder m_folder;
    WatchingPlatform m_platform;
    SettingsFile m_settings;
    Calculator m_calc;
};

TEST_F(ClipboardWindowTest, ShiftPasteShowsZeroBehindTheBoxTheMenuShowsTheText)
{
    std::vector<std::string> behindBox;
    m_platform.onBox = [&] { behindBox.push_back(m_calc.readout()); };
    m_platform.clipboard = "123456789012345";
    m_calc.chooseMenu(m_calc.form.menu(MenuId::Clip_Menu));
    m_calc.mouseDownOnReadout(MouseButton::Left, true);
    EXPECT_EQ(behindBox, (std::vector<std::string>{"123,456,789,012,345.", "0."}));
    EXPECT_EQ(m_calc.readout(), "0.");
}

TEST_F(ClipboardWindowTest, MouseDownEnablesTheReadoutThenPastesThenOpensTheMenu)
{
    m_calc.form.Readout.enabled = false;
    m_calc.mouseDownOnReadout(MouseButton::Middle, false);
    EXPECT_TRUE(m_calc.form.Readout.enabled);

    std::string behindMenu;
    m_platform.onPopup = [&] { behindMenu = m_calc.readout(); };
    m_platform.clipboard = "2,500";
    m_calc.mouseDownOnReadout(MouseButton::Right, true);
    EXPECT_EQ(behindMenu, "2,500.");
    EXPECT_EQ(m_platform.popups, (std::vector<std::string>{"編集 0 0"}));
    // The middle button with Shift pastes as well.
    m_platform.clipboard = "6";
    m_calc.mouseDownOnReadout(MouseButton::Middle, true);
    EXPECT_EQ(m_calc.readout(), "6.");
    EXPECT_EQ(m_platform.popups.size(), 1u);
}

// Text that is no UTF-8 (raw bytes from another program, a kept value written by hand in another
// encoding) shows U+FFFD for each broken sequence, and a copy gives that text back.
TEST_F(ClipboardWindowTest, BytesThatAreNoUtf8ShowAsReplacementCharacters)
{
    m_platform.clipboard = "ab\xFF";
    m_calc.chooseMenu(m_calc.form.menu(MenuId::Clip_Menu));
    EXPECT_EQ(m_calc.readout(), "ab\xEF\xBF\xBD");
    m_calc.chooseMenu(m_calc.form.menu(MenuId::Menu_Copy));
    EXPECT_EQ(m_platform.clipboard, "ab\xEF\xBF\xBD");

    // A broken sequence counts as one character towards the 19 that fit.
    m_platform.clipboard = std::string(18, 'x') + "\xE5\xB9";
    m_calc.chooseMenu(m_calc.form.menu(MenuId::Clip_Menu));
    EXPECT_EQ(m_calc.readout(), std::string(18, 'x') + "\xEF\xBF\xBD");
}

TEST_F(ClipboardWindowTest, DoubleClickCopiesWithTheReadoutDisabled)
{
    std::vector<bool> enabledWhileCopying;
    m_platform.onCopy = [&] { enabledWhileCopying.push_back(m_calc.form.Readout.enabled); };
    m_calc.doubleClickReadout();
    m_calc.chooseMenu(m_calc.form.menu(MenuId::Menu_Copy));
    EXPECT_EQ(enabledWhileCopying, (std::vector<bool>{false, true}));
    EXPECT_TRUE(m_calc.form.Readout.enabled);
    EXPECT_EQ(m_platform.clipboard, "0.");
}

TEST_F(ClipboardWindowTest, TheAboutBoxLoadsAfreshAndIsUnloadedHoweverItCloses)
{
    MenuItem &about = m_calc.form.menu(MenuId::VER_FORM);
    m_calc.chooseMenu(about);
    EXPECT_TRUE(m_platform.aboutLoadedWhileShown);
    EXPECT_FALSE(m_calc.aboutForm.window.loaded);
    // What was changed in the last showing does not come back.
    m_calc.aboutForm.Label1.caption = "changed";
    m_calc.aboutForm.window.left = 1;
    // Closed by its close box rather than OK: unloaded all the same.
    m_platform.pressOk = false;
    m_calc.chooseMenu(about);
    EXPECT_FALSE(m_calc.aboutForm.window.loaded);
    const std::string shown =
        "【計算丸】バージョン情報|SORBA Practical Calculator|Version14|OK|7200|6480";
    EXPECT_EQ(m_platform.shownAbout, (std::vector<std::string>{shown, shown}));
}

} // namespace
} // namespace sorba
