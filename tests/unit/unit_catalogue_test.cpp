// The unit catalogue walked rule by rule through the converter panel of a real calculator, the
// factors checked against their reverse pairs, and the readouts the panel must leave alone.

#include "model/platform.h"
#include "support/quiet_platform.h"
#include "tables/unit_catalogue.h"
#include "text/readout_format.h"
#include "units/panel_window.h"
#include "window/calculator.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace sorba {
namespace {

// A started calculator with the panel shown from its menu.
class UnitPanelTest : public ::testing::Test
{
protected:
    UnitPanelTest()
        : m_platform(m_folder.path())
        , m_settings(m_folder.path(), SettingsFile::Fallback::None)
        , m_calc(m_platform, m_settings)
    {
        m_calc.load();
        m_calc.chooseMenu(m_calc.form.menu(MenuId::TNN, 1));
    }
    MainForm &form() { return m_calc.form; }

    // The user's way: tick the category, pick the unit, put the number in the readout and tick
    // the target box.
    std::string convert(UnitCategory category, int unitButton, TargetBox box, std::string text)
    {
        CheckBox &categoryBox = form().Check(categoryEntry(category).checkBox);
        if (categoryBox.value() == 0)
            categoryBox.click();
        form().Option(unitButton).select();
        CheckBox &target = form().Check(checkBoxNumber(box));
        target.setValue(0);
        m_calc.setReadout(std::move(text));
        target.click();
        return m_calc.readout();
    }

    testing::TemporaryFolder m_folder;
    testing::QuietPlatform m_platform;
    SettingsFile m_settings;
    Calculator m_calc;
};

std::string ruleName(const ConversionRule &rule)
{
    std::string name(categoryEntry(rule.category).caption);
    name += " Option" + std::to_string(rule.unitButton);
    name += " → Check" + std::to_string(checkBoxNumber(rule.target));
    name += " ";
    name += rule.targetCaption;
    return name;
}

struct OneRow
{
    int line;
    UnitCategory category;
    int unitButton;
    TargetBox box;
    std::string_view one; // what 1 converts to: the factor as the readout shows it, and the unit
};

// One row for each rule, in the catalogue's order. 平方里 to 平方km is 3.9273 squared, and 貫 to
// 米トン is 0.0036908 and then 1.12.
TEST_F(UnitPanelTest, EveryRuleConvertsOneZeroAndMinusOne)
{
    using enum UnitCategory;
    const OneRow rows[] = {
        {__LINE__, Length, 1, TargetBox::Check1, "0.33寸"},
        {__LINE__, Length, 1, TargetBox::Check2, "0.3937in"},
        {__LINE__, Length, 2, TargetBox::Check1, "3.3尺"},
        {__LINE__, Length, 2, TargetBox::Check2, "3.2808ft"},
        {__LINE__, Length, 2, TargetBox::Check3, "1.0936yd"},
        {__LINE__, Length, 3, TargetBox::Check1, "0.25463里"},
        {__LINE__, Length, 3, TargetBox::Check2, "0.62137mile"},
        {__LINE__, Length, 4, TargetBox::Check1, "3.0303ｃｍ"},
        {__LINE__, Length, 4, TargetBox::Check2, "1.193in"},
        {__LINE__, Length, 5, TargetBox::Check1, "0.30303ｍ"},
        {__LINE__, Length, 5, TargetBox::Check2, "0.99419ft"},
        {__LINE__, Length, 5, TargetBox::Check3, "0.3314yd"},
        {__LINE__, Length, 6, TargetBox::Check1, "3.9273ｋｍ"},
        {__LINE__, Length, 6, TargetBox::Check2, "2.4403mile"},
        {__LINE__, Length, 7, TargetBox::Check1, "2.54ｃｍ"},
        {__LINE__, Length, 7, TargetBox::Check2, "0.8382寸"},
        {__LINE__, Length, 8, TargetBox::Check1, "0.3048ｍ"},
        {__LINE__, Length, 8, TargetBox::Check2, "1.0058尺"},
        {__LINE__, Length, 8, TargetBox::Check3, "0.33333yd"},
        {__LINE__, Length, 9, TargetBox::Check1, "0.9144ｍ"},
        {__LINE__, Length, 9, TargetBox::Check2, "3.0175尺"},
        {__LINE__, Length, 9, TargetBox::Check3, "3.ft"},
        {__LINE__, Length, 10, TargetBox::Check1, "1.6093ｋｍ"},
        {__LINE__, Length, 10, TargetBox::Check2, "0.40979里"},
        {__LINE__, Weight, 1, TargetBox::Check1, "0.26667匁"},
        {__LINE__, Weight, 1, TargetBox::Check2, "0.035274ｵﾝｽ"},
        {__LINE__, Weight, 2, TargetBox::Check1, "1.6667斤"},
        {__LINE__, Weight, 2, TargetBox::Check2, "0.26667貫"},
        {__LINE__, Weight, 3, TargetBox::Check1, "266.67貫"},
        {__LINE__, Weight, 3, TargetBox::Check2, "0.98421英ｔ"},
        {__LINE__, Weight, 3, TargetBox::Check3, "1.1023米ｔ"},
        {__LINE__, Weight, 4, TargetBox::Check1, "3.75g"},
        {__LINE__, Weight, 4, TargetBox::Check2, "0.13228ｵﾝｽ"},
        {__LINE__, Weight, 5, TargetBox::Check1, "0.6kg"},
        {__LINE__, Weight, 5, TargetBox::Check2, "0.16貫"},
        {__LINE__, Weight, 6, TargetBox::Check1, "3.75kg"},
        {__LINE__, Weight, 6, TargetBox::Check2, "6.25斤"},
        {__LINE__, Weight, 6, TargetBox::Check3, "0.00375ｔ"},
        {__LINE__, Weight, 6, TargetBox::Check8, "0.0036908英ｔ"},
        {__LINE__, Weight, 6, TargetBox::Check9, "0.004133696米ｔ"},
        {__LINE__, Weight, 7, TargetBox::Check1, "28.35g"},
        {__LINE__, Weight, 7, TargetBox::Check2, "7.5599匁"},
        {__LINE__, Weight, 8, TargetBox::Check1, "1.016ｔ"},
        {__LINE__, Weight, 8, TargetBox::Check2, "270.95貫"},
        {__LINE__, Weight, 8, TargetBox::Check3, "1.12米ｔ"},
        {__LINE__, Weight, 9, TargetBox::Check1, "0.90718ｔ"},
        {__LINE__, Weight, 9, TargetBox::Check2, "241.92貫"},
        {__LINE__, Weight, 9, TargetBox::Check3, "0.89286英ｔ"},
        {__LINE__, Area, 1, TargetBox::Check1, "0.1089平方寸"},
        {__LINE__, Area, 1, TargetBox::Check2, "0.155平方in"},
        {__LINE__, Area, 2, TargetBox::Check1, "0.3025坪"},
        {__LINE__, Area, 2, TargetBox::Check2, "10.764平方ft"},
        {__LINE__, Area, 2, TargetBox::Check3, "1.196平方yd"},
        {__LINE__, Area, 3, TargetBox::Check1, "0.064836平方里"},
        {__LINE__, Area, 3, TargetBox::Check2, "247.11ｴｰｶｰ"},
        {__LINE__, Area, 3, TargetBox::Check3, "0.3861平方mile"},
        {__LINE__, Area, 4, TargetBox::Check1, "9.1827平方cm"},
        {__LINE__, Area, 4, TargetBox::Check2, "1.4233平方in"},
        {__LINE__, Area, 5, TargetBox::Check1, "3.3058㎡"},
        {__LINE__, Area, 5, TargetBox::Check2, "35.5832平方ft"},
        {__LINE__, Area, 5, TargetBox::Check3, "3.9537平方yd"},
        {__LINE__, Area, 6, TargetBox::Check1, "15.42368529平方km"},
        {__LINE__, Area, 6, TargetBox::Check2, "3,811.2ｴｰｶｰ"},
        {__LINE__, Area, 6, TargetBox::Check3, "5.95504平方mile"},
        {__LINE__, Area, 7, TargetBox::Check1, "6.4516平方cm"},
        {__LINE__, Area, 7, TargetBox::Check2, "0.70258平方寸"},
        {__LINE__, Area, 8, TargetBox::Check1, "0.092903㎡"},
        {__LINE__, Area, 8, TargetBox::Check2, "0.028103坪"},
        {__LINE__, Area, 8, TargetBox::Check3, "0.11111平方yd"},
        {__LINE__, Area, 9, TargetBox::Check1, "0.0040469平方km"},
        {__LINE__, Area, 9, TargetBox::Check2, "0.00026238平方里"},
        {__LINE__, Area, 9, TargetBox::Check3, "0.0015625平方mile"},
        {__LINE__, Area, 10, TargetBox::Check1, "0.83613㎡"},
        {__LINE__, Area, 10, TargetBox::Check2, "0.25293坪"},
        {__LINE__, Area, 10, TargetBox::Check3, "9.平方ft"},
        {__LINE__, Area, 11, TargetBox::Check1, "2.59平方km"},
        {__LINE__, Area, 11, TargetBox::Check2, "0.16793平方里"},
        {__LINE__, Area, 11, TargetBox::Check3, "640.ｴｰｶｰ"},
        {__LINE__, Volume, 1, TargetBox::Check1, "0.16638立方坪"},
        {__LINE__, Volume, 1, TargetBox::Check2, "35.315立方ft"},
        {__LINE__, Volume, 1, TargetBox::Check3, "1.308立方yd"},
        {__LINE__, Volume, 2, TargetBox::Check1, "0.55437升"},
        {__LINE__, Volume, 2, TargetBox::Check2, "0.26418米ｶﾞﾛﾝ"},
        {__LINE__, Volume, 2, TargetBox::Check3, "0.21998英ｶﾞﾛﾝ"},
        {__LINE__, Volume, 3, TargetBox::Check1, "6.0105立方m"},
        {__LINE__, Volume, 3, TargetBox::Check2, "212.26立方ft"},
        {__LINE__, Volume, 3, TargetBox::Check3, "7.8615立方yd"},
        {__LINE__, Volume, 4, TargetBox::Check1, "1.8039l"},
        {__LINE__, Volume, 4, TargetBox::Check2, "0.47654米ｶﾞﾛﾝ"},
        {__LINE__, Volume, 4, TargetBox::Check3, "0.3968英ｶﾞﾛﾝ"},
        {__LINE__, Volume, 5, TargetBox::Check1, "0.028317立方m"},
        {__LINE__, Volume, 5, TargetBox::Check2, "0.0047112立方坪"},
        {__LINE__, Volume, 5, TargetBox::Check3, "0.037037立方yd"},
        {__LINE__, Volume, 6, TargetBox::Check1, "3.7853l"},
        {__LINE__, Volume, 6, TargetBox::Check2, "2.0985升"},
        {__LINE__, Volume, 6, TargetBox::Check3, "0.832701英ｶﾞﾛﾝ"},
        {__LINE__, Volume, 7, TargetBox::Check1, "0.76455立方m"},
        {__LINE__, Volume, 7, TargetBox::Check2, "0.1272立方坪"},
        {__LINE__, Volume, 7, TargetBox::Check3, "27.立方ft"},
        {__LINE__, Volume, 8, TargetBox::Check1, "4.546l"},
        {__LINE__, Volume, 8, TargetBox::Check2, "2.5201升"},
        {__LINE__, Volume, 8, TargetBox::Check3, "1.2009米ｶﾞﾛﾝ"},
    };
    ASSERT_EQ(std::size(rows), conversionRules.size());
    for (std::size_t i = 0; i < conversionRules.size(); ++i) {
        const OneRow &row = rows[i];
        SCOPED_TRACE(row.line);
        const ConversionRule &rule = conversionRules[i];
        ASSERT_TRUE(rule.category == row.category && rule.unitButton == row.unitButton &&
                    rule.target == row.box)
            << ruleName(rule);
        const std::string one(row.one);
        EXPECT_EQ(convert(row.category, row.unitButton, row.box, "1."), one);
        EXPECT_EQ(convert(row.category, row.unitButton, row.box, "-1."), "-" + one);
        EXPECT_EQ(convert(row.category, row.unitButton, row.box, "0."),
                  "0." + std::string(rule.unitText));
        EXPECT_EQ(form().Readout.fontSize, 30);
    }
    EXPECT_TRUE(m_platform.boxes.empty());
}

TEST_F(UnitPanelTest, ButtonsAndTargetsFollowTheCatalogue)
{
    for (const UnitCategory category : unitCategories) {
        const CategoryEntry &entry = categoryEntry(category);
        SCOPED_TRACE(std::string(entry.caption));
        CheckBox &categoryBox = form().Check(entry.checkBox);
        if (categoryBox.value() == 0)
            categoryBox.click();
        EXPECT_EQ(form().Check(entry.checkBox).caption, entry.caption);
        for (int button = 1; button <= unitButtonCount; ++button) {
            SCOPED_TRACE("Option" + std::to_string(button));
            const std::string_view caption = entry.unitButtons[std::size_t(button - 1)];
            EXPECT_EQ(form().Option(button).visible, !caption.empty());
            if (caption.empty())
                continue;
            EXPECT_EQ(form().Option(button).caption, caption);
            form().Option(button).select();
            std::map<int, std::string_view> expected;
            for (const ConversionRule &rule : conversionRules) {
                if (rule.category == category && rule.unitButton == button)
                    expected[checkBoxNumber(rule.target)] = rule.targetCaption;
            }
            for (const TargetBox box : targetBoxes) {
                const CheckBox &target = form().Check(checkBoxNumber(box));
                const auto it = expected.find(checkBoxNumber(box));
                EXPECT_EQ(target.visible, it != expected.end()) << "Check" << checkBoxNumber(box);
                if (it != expected.end()) {
                    EXPECT_EQ(target.caption, it->second);
                }
            }
        }
    }
}

// The long and short tons and the cubic metre are named differently as a target than on their
// unit button.
std::string_view unitOfTarget(std::string_view targetCaption)
{
    if (targetCaption == "英トン")
        return "トン(英)";
    if (targetCaption == "米トン")
        return "トン(米)";
    if (targetCaption == "立方ｍ")
        return "立方メートル";
    return targetCaption;
}

std::optional<int> buttonOfUnit(UnitCategory category, std::string_view caption)
{
    for (int button = 1; button <= unitButtonCount; ++button) {
        if (unitButtonCaption(category, button) == caption)
            return button;
    }
    return std::nullopt;
}

// Each pair of units has its own factor rounded to four to six figures, so a factor and its
// reverse multiply to 1 only that closely. A mistyped digit falls outside.
TEST(UnitCatalogue, EveryRuleHasAReverseWithinRounding)
{
    for (const ConversionRule &rule : conversionRules) {
        SCOPED_TRACE(ruleName(rule));
        const auto targetButton = buttonOfUnit(rule.category, unitOfTarget(rule.targetCaption));
        ASSERT_TRUE(targetButton) << "the target is no unit of its category";
        ASSERT_NE(*targetButton, rule.unitButton) << "a unit converts to itself";
        const std::string_view source = *unitButtonCaption(rule.category, rule.unitButton);
        std::optional<ConversionRule> reverse;
        for (const ConversionRule &other : conversionRules) {
            if (other.category == rule.category && other.unitButton == *targetButton &&
                unitOfTarget(other.targetCaption) == source)
                reverse = other;
        }
        ASSERT_TRUE(reverse) << "no way back";
        const double product =
            rule.factor * rule.thenFactor * reverse->factor * reverse->thenFactor;
        EXPECT_GE(product, 0.99995);
        EXPECT_LE(product, 1.00004);
    }
}

struct ExampleRow
{
    int line;
    UnitCategory category;
    int unitButton;
    TargetBox box;
    std::string_view readout;
    std::string_view expected;
};

// Worked by hand from the tables; the two built factors among them. 1,234,567,891 cm is
// 486,049,378.6867 in exactly, 16 characters, so the readout shows its last 15.
TEST_F(UnitPanelTest, WorkedExamples)
{
    using enum UnitCategory;
    const ExampleRow rows[] = {
        {__LINE__, Length, 1, TargetBox::Check1, "12.", "3.96寸"},
        {__LINE__, Length, 1, TargetBox::Check1, "-5.", "-1.65寸"},
        {__LINE__, Length, 4, TargetBox::Check1, "0.33", "0.999999ｃｍ"},
        {__LINE__, Length, 2, TargetBox::Check2, "1,234.", "4,048.5072ft"},
        {__LINE__, Length, 1, TargetBox::Check2, "1,234,567,891.", "86,049,378.6867in"},
        {__LINE__, Area, 6, TargetBox::Check1, "1.", "15.42368529平方km"},
        {__LINE__, Area, 2, TargetBox::Check3, "1.", "1.196平方yd"},
        {__LINE__, Weight, 6, TargetBox::Check1, "1.", "3.75kg"},
        {__LINE__, Weight, 6, TargetBox::Check2, "1.", "6.25斤"},
        {__LINE__, Weight, 6, TargetBox::Check3, "1.", "0.00375ｔ"},
        {__LINE__, Weight, 6, TargetBox::Check8, "1.", "0.0036908英ｔ"},
        {__LINE__, Weight, 6, TargetBox::Check9, "1.", "0.004133696米ｔ"},
        {__LINE__, Weight, 6, TargetBox::Check9, "1,000.", "4.133696米ｔ"},
        // Multiplied by 0.0036908 * 1.12 at once, this would end in ...15572071.
        {__LINE__, Weight, 6, TargetBox::Check9, "1,081,222,024.", "4,469,443.1557207米ｔ"},
        {__LINE__, Weight, 7, TargetBox::Check2, "1.", "7.5599匁"},
        {__LINE__, Volume, 8, TargetBox::Check1, "1.", "4.546l"},
        {__LINE__, Volume, 2, TargetBox::Check2, "1.", "0.26418米ｶﾞﾛﾝ"},
        {__LINE__, Area, 3, TargetBox::Check2, "2.", "494.22ｴｰｶｰ"},
        {__LINE__, Area, 5, TargetBox::Check1, "10.", "33.058㎡"},
        {__LINE__, Weight, 1, TargetBox::Check2, "100.", "3.5274ｵﾝｽ"},
    };
    for (const ExampleRow &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(convert(row.category, row.unitButton, row.box, std::string(row.readout)),
                  row.expected);
    }
}

// Anything but a number as the readout shows one stays as it is, and the panel goes on working.
TEST_F(UnitPanelTest, LeavesTextThatIsNoPlainNumber)
{
    const std::pair<int, std::string_view> rows[] = {
        {__LINE__, "3.96寸"},     {__LINE__, "1E+15"},     {__LINE__, "1.5E-05"},
        {__LINE__, "平成5年"},    {__LINE__, "1993:1994"}, {__LINE__, ""},
        {__LINE__, "-"},          {__LINE__, "."},         {__LINE__, "12,34,5.6x"},
        {__LINE__, "0.33寸ｃｍ"}, {__LINE__, " 12."},
    };
    for (const auto &[line, text] : rows) {
        SCOPED_TRACE(line);
        EXPECT_EQ(convert(UnitCategory::Length, 1, TargetBox::Check1, std::string(text)), text);
        EXPECT_EQ(form().Check(1).value(), 1);
        EXPECT_EQ(convert(UnitCategory::Length, 1, TargetBox::Check2, "10."), "3.937in");
    }
    EXPECT_TRUE(m_platform.boxes.empty());
}

} // namespace
} // namespace sorba
