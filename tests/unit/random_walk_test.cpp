// Long seeded walks of random keys, menu choices, clicks and drags through a whole calculator.
// Whatever the order, nothing may crash, no result may leave the range of a double, and the
// window must end every event inside its size rules. Under the sanitizers these walks also
// look for undefined behaviour in every feature at once.

#include "support/quiet_platform.h"
#include "window/calculator.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string_view>

namespace sorba {
namespace {

constexpr std::u32string_view typedKeys = U"0123456789.+-*/=xX%]\\cCzaqmtshrMTSHR \b\r?";
// The keys that complete an operator: "%" and "]" through the Enter they post.
constexpr std::u32string_view operatorKeys = U"+-*/=xX%]\r";

constexpr std::string_view menuNames[] = {
    "All_Cancel",  "Text_Mem", "Text_PlsMem", "Text_TakeMem", "Mem_PlsText", "Mem_TakeText",
    "Mem_Text",    "Mem_Cear", "Syohi_Zei",   "Syo_Moto",     "WA_SEI",      "SEI_WA",
    "Text_Cancel", "HYOJI",    "SSS(0)",      "SSS(1)",       "TNN(0)",      "TNN(1)",
    "KKK(0)",      "KKK(1)",   "TTT(0)",      "TTT(1)",       "JJJ(0)",      "JJJ(1)",
    "AAA(0)",      "AAA(1)",   "Menu_Copy",   "Clip_Menu",    "HHH(0)",      "VER_FORM",
    "GGG(0)",      "GGG(1)",   "ZZZ(0)",      "ZZZ(1)",       "ZZZ(2)",      "HSU(0)",
    "HSU(1)",      "HSU(2)",   "HSU(3)",
};

// What other programs leave on the clipboard for paste: numbers in every form, too long, beyond
// the double range, with line breaks and control characters, or no number at all.
constexpr std::string_view clipboardTexts[] = {
    "1,234.5",
    "-0.001",
    "1.5E-05",
    "1E+15",
    "1E+400",
    "-1E+400",
    "12\r\n",
    "\t7\x01",
    "abc",
    "",
    " ",
    "9999999999999999999999999",
    "平成元年",
    "１，０８０円",
    "\u200b\u202e42",
    "￥",
    "1,,2",
};

class RandomWalk
{
public:
    explicit RandomWalk(unsigned seed)
        : m_random(seed)
        , m_platform(m_folder.path())
        , m_settings(m_folder.path(), SettingsFile::Fallback::None)
    {
        start();
    }

    void step()
    {
        char32_t typed = 0;
        switch (pick(10)) {
        case 0:
            chooseMenu();
            break;
        case 1:
            clickPanelControl();
            break;
        case 2:
            m_calc->form.window.resizeByUser(int(pick(3000)), int(pick(9000)));
            break;
        case 3:
            m_calc->keyDown(int(pick(256)), int(pick(8)));
            break;
        case 4:
            pressMouse();
            break;
        case 5:
            m_platform.clipboard = std::string(clipboardTexts[pick(std::size(clipboardTexts))]);
            break;
        default:
            typed = typedKeys[pick(typedKeys.size())];
            type(typed);
            break;
        }
        m_platform.postedEnters.deliver(*m_calc);
        if (m_platform.ended) {
            start();
            return;
        }
        // However many operands memory recalls counted before, an operator leaves one, or none
        // when a leading minus waits for the first number.
        if (operatorKeys.find(typed) != std::u32string_view::npos) {
            ASSERT_LE(m_calc->state.operandCount, 1) << char(typed);
        }
    }

    void checkInvariants() const
    {
        const Calculator &calc = *m_calc;
        ASSERT_TRUE(std::isfinite(calc.state.accumulator)) << calc.readout();
        ASSERT_FALSE(calc.readout().empty());
        const int height = calc.form.window.height();
        const int width = calc.form.window.width();
        if (calc.state.unitPanelShown == 0) {
            ASSERT_TRUE(height == 1356 || height == 1620 || height == 1800) << height;
            ASSERT_TRUE(width >= 4380 && width <= 7000) << width;
        } else {
            ASSERT_EQ(height, 4750);
            ASSERT_EQ(width, 4400);
        }
    }

private:
    std::size_t pick(std::size_t count) { return std::size_t(m_random() % count); }

    void start()
    {
        m_calc.reset();
        m_platform.ended = false;
        m_calc = std::make_unique<Calculator>(m_platform, m_settings);
        m_calc->load();
    }

    void type(char32_t key) { m_calc->keyPress(0, 0, std::u32string_view(&key, 1)); }

    void chooseMenu()
    {
        const std::string_view path = menuNames[pick(std::size(menuNames))];
        auto *item = dynamic_cast<MenuItem *>(m_calc->form.find(path));
        ASSERT_NE(item, nullptr) << path;
        m_calc->chooseMenu(*item);
    }

    void pressMouse()
    {
        const auto button = MouseButton(pick(3));
        switch (pick(3)) {
        case 0:
            m_calc->mouseDownOnReadout(button, pick(2) == 0);
            break;
        case 1:
            m_calc->mouseDownOnWindow(button);
            break;
        default:
            m_calc->doubleClickReadout();
            break;
        }
    }

    // A user's click reaches only controls that are shown and enabled.
    void clickPanelControl()
    {
        MainForm &form = m_calc->form;
        Control *control = nullptr;
        if (pick(2) == 0)
            control = &form.Check(int(pick(10)) + 1);
        else
            control = &form.Option(int(pick(11)) + 1);
        m_calc->clickControl(*control);
    }

    std::mt19937 m_random;
    testing::TemporaryFolder m_folder;
    testing::QuietPlatform m_platform;
    SettingsFile m_settings;
    std::unique_ptr<Calculator> m_calc;
};

TEST(RandomWalk, EveryFeatureKeepsItsInvariants)
{
    for (unsigned seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(seed);
        RandomWalk walk(seed);
        for (int event = 0; event < 3000; ++event) {
            walk.step();
            walk.checkInvariants();
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

} // namespace
} // namespace sorba
