// Sizes and positions at the ends of an int: from a drag, a setter and the screen. Each is held
// to ±2^24 twips before the rules add to it, so the sanitizers see no overflow and the window
// still ends inside its bands.

#include "support/quiet_platform.h"
#include "window/calculator.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace sorba {
namespace {

constexpr int most = std::numeric_limits<int>::max();
constexpr int least = std::numeric_limits<int>::min();
constexpr int limit = 16777216; // 2^24

// A screen that reports whatever the test asks, and the place of the last popup.
class OddScreen : public testing::QuietPlatform
{
public:
    using QuietPlatform::QuietPlatform;
    ScreenMetrics screenMetrics() override { return metrics; }
    void showPopupMenu(MenuItem & /*menu*/, int x, int y) override
    {
        popupX = x;
        popupY = y;
    }
    ScreenMetrics metrics;
    int popupX = 0;
    int popupY = 0;
};

class TwipsRange : public ::testing::Test
{
protected:
    TwipsRange()
        : m_platform(m_folder.path())
        , m_settings(m_folder.path(), SettingsFile::Fallback::None)
        , calc(std::make_unique<Calculator>(m_platform, m_settings))
    {
        calc->load();
    }

    testing::TemporaryFolder m_folder;
    OddScreen m_platform;
    SettingsFile m_settings;
    std::unique_ptr<Calculator> calc;
};

template<typename Input, typename Expected> struct Row
{
    int line;
    Input input;
    Expected expected;
};

struct Size
{
    int height;
    int width;
    bool operator==(const Size &) const = default;
};

TEST(FormSizes, AreHeldToTheTwipsRange)
{
    const Row<Size, Size> rows[] = {
        {__LINE__, {least, most}, {-limit, limit}},
        {__LINE__, {most, least}, {limit, -limit}},
        {__LINE__, {-limit - 1, limit + 1}, {-limit, limit}},
        {__LINE__, {-limit, limit}, {-limit, limit}},
        {__LINE__, {1356, 5295}, {1356, 5295}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        Form dragged("Calculator");
        dragged.resizeByUser(row.input.height, row.input.width);
        EXPECT_EQ((Size{dragged.height(), dragged.width()}), row.expected);
        Form set("Calculator");
        set.setHeight(row.input.height);
        set.setWidth(row.input.width);
        EXPECT_EQ((Size{set.height(), set.width()}), row.expected);
    }
}

TEST_F(TwipsRange, ExtremeDragsEndInTheBands)
{
    const Row<Size, Size> rows[] = {
        {__LINE__, {least, most}, {1356, 7000}},
        {__LINE__, {most, least}, {1800, 4400}},
        {__LINE__, {least, least}, {1356, 4400}},
        {__LINE__, {most, most}, {1800, 7000}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        calc->form.window.resizeByUser(row.input.height, row.input.width);
        const Form &window = calc->form.window;
        EXPECT_EQ((Size{window.height(), window.width()}), row.expected);
        EXPECT_EQ(calc->form.Readout.height, row.expected.height - 950);
        EXPECT_EQ(calc->form.Readout.width, row.expected.width - 360);
    }
}

TEST_F(TwipsRange, ExtremeDragsLeaveTheUnitPanelItsSize)
{
    auto *panel = dynamic_cast<MenuItem *>(calc->form.find("TNN(1)"));
    ASSERT_NE(panel, nullptr);
    calc->chooseMenu(*panel);
    for (const Size size : {Size{least, most}, Size{most, least}}) {
        calc->form.window.resizeByUser(size.height, size.width);
        EXPECT_EQ(calc->form.window.height(), 4750);
        EXPECT_EQ(calc->form.window.width(), 4400);
    }
}

struct Place
{
    int left;
    int top;
    bool operator==(const Place &) const = default;
};

TEST_F(TwipsRange, AnAbsurdScreenStillCentresTheAboutBoxInTheRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Row<ScreenMetrics, Place> rows[] = {
        {__LINE__, {most, most, 1e300, 1e300}, {limit, limit}}, // an infinite screen
        {__LINE__, {least, least, 15, 15}, {-limit, -limit}},
        {__LINE__, {1280, 1024, nan, nan}, {0, 0}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        m_platform.metrics = row.input;
        auto *about = dynamic_cast<MenuItem *>(calc->form.find("VER_FORM"));
        ASSERT_NE(about, nullptr);
        calc->chooseMenu(*about);
        const Form &box = calc->aboutForm.window;
        EXPECT_EQ((Place{box.left, box.top}), row.expected);
    }
}

TEST_F(TwipsRange, TheContextMenuOpensInsideTheRange)
{
    const Row<ScreenMetrics, Place> rows[] = {
        {__LINE__, {1280, 1024, 15, 15}, {1118481, -1118481}}, // 2^24 / 15, rounded
        {__LINE__, {1280, 1024, 1e-300, 1e-300}, {limit, -limit}},
    };
    calc->form.window.left = limit;
    calc->form.window.top = -limit;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        m_platform.metrics = row.input;
        calc->mouseDownOnWindow(MouseButton::Right);
        EXPECT_EQ((Place{m_platform.popupX, m_platform.popupY}), row.expected);
    }
}

} // namespace
} // namespace sorba
