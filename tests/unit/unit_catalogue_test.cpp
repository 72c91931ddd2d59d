// The unit catalogue walked rule by rule through the converter panel of a real calculator, the
// factors checked against the units' definitions, and the readouts the panel must leave alone.

#include "model/platform.h"
#include "support/quiet_platform.h"
#include "tables/unit_catalogue.h"
#include "text/readout_format.h"
#include "units/panel_window.h"
#include "window/calculator.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>

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

using enum UnitCategory;
using enum TargetBox;

struct RuleRow
{
    int line;
    UnitCategory category;
    int unitButton;
    std::string_view unit; // the unit button's caption
    TargetBox box;
    std::string_view target; // the target box's caption
    std::string_view one;    // what 1 converts to: the factor as the readout shows it, and the unit
};

// One row for each way to convert, in the panel's order. 平方里 to 平方km is 3.9273 squared, and
// 貫 to 米トン is 0.0036908 and then 1.12.
constexpr RuleRow ruleRows[] = {
    {__LINE__, Length, 1, "ｃｍ", Check1, "寸", "0.33寸"},
    {__LINE__, Length, 1, "ｃｍ", Check2, "インチ", "0.3937in"},
    {__LINE__, Length, 2, "ｍ", Check1, "尺", "3.3尺"},
    {__LINE__, Length, 2, "ｍ", Check2, "フィート", "3.2808ft"},
    {__LINE__, Length, 2, "ｍ", Check3, "ヤード", "1.0936yd"},
    {__LINE__, Length, 3, "ｋｍ", Check1, "里", "0.25463里"},
    {__LINE__, Length, 3, "ｋｍ", Check2, "マイル", "0.62137mile"},
    {__LINE__, Length, 4, "寸", Check1, "ｃｍ", "3.0303ｃｍ"},
    {__LINE__, Length, 4, "寸", Check2, "インチ", "1.193in"},
    {__LINE__, Length, 5, "尺", Check1, "ｍ", "0.30303ｍ"},
    {__LINE__, Length, 5, "尺", Check2, "フィート", "0.99419ft"},
    {__LINE__, Length, 5, "尺", Check3, "ヤード", "0.3314yd"},
    {__LINE__, Length, 6, "里", Check1, "ｋｍ", "3.9273ｋｍ"},
    {__LINE__, Length, 6, "里", Check2, "マイル", "2.4403mile"},
    {__LINE__, Length, 7, "インチ", Check1, "ｃｍ", "2.54ｃｍ"},
    {__LINE__, Length, 7, "インチ", Check2, "寸", "0.8382寸"},
    {__LINE__, Length, 8, "フィート", Check1, "ｍ", "0.3048ｍ"},
    {__LINE__, Length, 8, "フィート", Check2, "尺", "1.0058尺"},
    {__LINE__, Length, 8, "フィート", Check3, "ヤード", "0.33333yd"},
    {__LINE__, Length, 9, "ヤード", Check1, "ｍ", "0.9144ｍ"},
    {__LINE__, Length, 9, "ヤード", Check2, "尺", "3.0175尺"},
    {__LINE__, Length, 9, "ヤード", Check3, "フィート", "3.ft"},
    {__LINE__, Length, 10, "マイル", Check1, "ｋｍ", "1.6093ｋｍ"},
    {__LINE__, Length, 10, "マイル", Check2, "里", "0.40979里"},
    {__LINE__, Weight, 1, "ｇ", Check1, "匁", "0.26667匁"},
    {__LINE__, Weight, 1, "ｇ", Check2, "オンス", "0.035274ｵﾝｽ"},
    {__LINE__, Weight, 2, "ｋｇ", Check1, "斤", "1.6667斤"},
    {__LINE__, Weight, 2, "ｋｇ", Check2, "貫", "0.26667貫"},
    {__LINE__, Weight, 3, "トン", Check1, "貫", "266.67貫"},
    {__LINE__, Weight, 3, "トン", Check2, "英トン", "0.98421英ｔ"},
    {__LINE__, Weight, 3, "トン", Check3, "米トン", "1.1023米ｔ"},
    {__LINE__, Weight, 4, "匁", Check1, "ｇ", "3.75g"},
    {__LINE__, Weight, 4, "匁", Check2, "オンス", "0.13228ｵﾝｽ"},
    {__LINE__, Weight, 5, "斤", Check1, "ｋｇ", "0.6kg"},
    {__LINE__, Weight, 5, "斤", Check2, "貫", "0.16貫"},
    {__LINE__, Weight, 6, "貫", Check1, "ｋｇ", "3.75kg"},
    {__LINE__, Weight, 6, "貫", Check2, "斤", "6.25斤"},
    {__LINE__, Weight, 6, "貫", Check3, "トン", "0.00375ｔ"},
    {__LINE__, Weight, 6, "貫", Check8, "英トン", "0.0036908英ｔ"},
    {__LINE__, Weight, 6, "貫", Check9, "米トン", "0.004133696米ｔ"},
    {__LINE__, Weight, 7, "オンス", Check1, "ｇ", "28.35g"},
    {__LINE__, Weight, 7, "オンス", Check2, "匁", "7.5599匁"},
    {__LINE__, Weight, 8, "トン(英)", Check1, "トン", "1.016ｔ"},
    {__LINE__, Weight, 8, "トン(英)", Check2, "貫", "270.95貫"},
    {__LINE__, Weight, 8, "トン(英)", Check3, "米トン", "1.12米ｔ"},
    {__LINE__, Weight, 9, "トン(米)", Check1, "トン", "0.90718ｔ"},
    {__LINE__, Weight, 9, "トン(米)", Check2, "貫", "241.92貫"},
    {__LINE__, Weight, 9, "トン(米)", Check3, "英トン", "0.89286英ｔ"},
    {__LINE__, Area, 1, "平方ｃｍ", Check1, "平方寸", "0.1089平方寸"},
    {__LINE__, Area, 1, "平方ｃｍ", Check2, "平方インチ", "0.155平方in"},
    {__LINE__, Area, 2, "平方ｍ", Check1, "坪", "0.3025坪"},
    {__LINE__, Area, 2, "平方ｍ", Check2, "平方フィート", "10.764平方ft"},
    {__LINE__, Area, 2, "平方ｍ", Check3, "平方ヤード", "1.196平方yd"},
    {__LINE__, Area, 3, "平方ｋｍ", Check1, "平方里", "0.064836平方里"},
    {__LINE__, Area, 3, "平方ｋｍ", Check2, "エーカー", "247.11ｴｰｶｰ"},
    {__LINE__, Area, 3, "平方ｋｍ", Check3, "平方マイル", "0.3861平方mile"},
    {__LINE__, Area, 4, "平方寸", Check1, "平方ｃｍ", "9.1827平方cm"},
    {__LINE__, Area, 4, "平方寸", Check2, "平方インチ", "1.4233平方in"},
    {__LINE__, Area, 5, "坪", Check1, "平方ｍ", "3.3058㎡"},
    {__LINE__, Area, 5, "坪", Check2, "平方フィート", "35.5832平方ft"},
    {__LINE__, Area, 5, "坪", Check3, "平方ヤード", "3.9537平方yd"},
    {__LINE__, Area, 6, "平方里", Check1, "平方ｋｍ", "15.42368529平方km"},
    {__LINE__, Area, 6, "平方里", Check2, "エーカー", "3,811.2ｴｰｶｰ"},
    {__LINE__, Area, 6, "平方里", Check3, "平方マイル", "5.95504平方mile"},
    {__LINE__, Area, 7, "平方インチ", Check1, "平方ｃｍ", "6.4516平方cm"},
    {__LINE__, Area, 7, "平方インチ", Check2, "平方寸", "0.70258平方寸"},
    {__LINE__, Area, 8, "平方フィート", Check1, "平方ｍ", "0.092903㎡"},
    {__LINE__, Area, 8, "平方フィート", Check2, "坪", "0.028103坪"},
    {__LINE__, Area, 8, "平方フィート", Check3, "平方ヤード", "0.11111平方yd"},
    {__LINE__, Area, 9, "エーカー", Check1, "平方ｋｍ", "0.0040469平方km"},
    {__LINE__, Area, 9, "エーカー", Check2, "平方里", "0.00026238平方里"},
    {__LINE__, Area, 9, "エーカー", Check3, "平方マイル", "0.0015625平方mile"},
    {__LINE__, Area, 10, "平方ヤード", Check1, "平方ｍ", "0.83613㎡"},
    {__LINE__, Area, 10, "平方ヤード", Check2, "坪", "0.25293坪"},
    {__LINE__, Area, 10, "平方ヤード", Check3, "平方フィート", "9.平方ft"},
    {__LINE__, Area, 11, "平方マイル", Check1, "平方ｋｍ", "2.59平方km"},
    {__LINE__, Area, 11, "平方マイル", Check2, "平方里", "0.16793平方里"},
    {__LINE__, Area, 11, "平方マイル", Check3, "エーカー", "640.ｴｰｶｰ"},
    {__LINE__, Volume, 1, "立方メートル", Check1, "立方坪", "0.16638立方坪"},
    {__LINE__, Volume, 1, "立方メートル", Check2, "立方フィート", "35.315立方ft"},
    {__LINE__, Volume, 1, "立方メートル", Check3, "立方ヤード", "1.308立方yd"},
    {__LINE__, Volume, 2, "リットル", Check1, "升", "0.55437升"},
    {__LINE__, Volume, 2, "リットル", Check2, "米ガロン", "0.26418米ｶﾞﾛﾝ"},
    {__LINE__, Volume, 2, "リットル", Check3, "英ガロン", "0.21998英ｶﾞﾛﾝ"},
    {__LINE__, Volume, 3, "立方坪", Check1, "立方メートル", "6.0105立方m"},
    {__LINE__, Volume, 3, "立方坪", Check2, "立方フィート", "212.26立方ft"},
    {__LINE__, Volume, 3, "立方坪", Check3, "立方ヤード", "7.8615立方yd"},
    {__LINE__, Volume, 4, "升", Check1, "リットル", "1.8039l"},
    {__LINE__, Volume, 4, "升", Check2, "米ガロン", "0.47654米ｶﾞﾛﾝ"},
    {__LINE__, Volume, 4, "升", Check3, "英ガロン", "0.3968英ｶﾞﾛﾝ"},
    {__LINE__, Volume, 5, "立方フィート", Check1, "立方ｍ", "0.028317立方m"},
    {__LINE__, Volume, 5, "立方フィート", Check2, "立方坪", "0.0047112立方坪"},
    {__LINE__, Volume, 5, "立方フィート", Check3, "立方ヤード", "0.037037立方yd"},
    {__LINE__, Volume, 6, "米ガロン", Check1, "リットル", "3.7853l"},
    {__LINE__, Volume, 6, "米ガロン", Check2, "升", "2.0985升"},
    {__LINE__, Volume, 6, "米ガロン", Check3, "英ガロン", "0.832701英ｶﾞﾛﾝ"},
    {__LINE__, Volume, 7, "立方ヤード", Check1, "立方ｍ", "0.76455立方m"},
    {__LINE__, Volume, 7, "立方ヤード", Check2, "立方坪", "0.1272立方坪"},
    {__LINE__, Volume, 7, "立方ヤード", Check3, "立方フィート", "27.立方ft"},
    {__LINE__, Volume, 8, "英ガロン", Check1, "リットル", "4.546l"},
    {__LINE__, Volume, 8, "英ガロン", Check2, "升", "2.5201升"},
    {__LINE__, Volume, 8, "英ガロン", Check3, "米ガロン", "1.2009米ｶﾞﾛﾝ"},
};

// The unit text the readout shows after the number.
std::string_view unitTextOf(std::string_view converted)
{
    return converted.substr(converted.find_first_not_of("0123456789.,"));
}

TEST_F(UnitPanelTest, EveryRuleConvertsOneZeroAndMinusOne)
{
    ASSERT_EQ(std::size(ruleRows), conversionRules.size()) << "one row for each rule";
    std::set<std::tuple<UnitCategory, int, TargetBox>> seen;
    for (const RuleRow &row : ruleRows) {
        SCOPED_TRACE(row.line);
        EXPECT_TRUE(seen.insert({row.category, row.unitButton, row.box}).second) << "twice";
        const std::string one(row.one);
        EXPECT_EQ(convert(row.category, row.unitButton, row.box, "1."), one);
        EXPECT_EQ(convert(row.category, row.unitButton, row.box, "-1."), "-" + one);
        EXPECT_EQ(convert(row.category, row.unitButton, row.box, "0."),
                  "0." + std::string(unitTextOf(row.one)));
        EXPECT_EQ(form().Readout.fontSize, 30);
    }
    EXPECT_TRUE(m_platform.boxes.empty());
}

struct CategoryRow
{
    int line;
    UnitCategory category;
    int checkBox;
    std::string_view caption;
};

// Each unit button shows its unit; the target boxes show for the units it converts to.
TEST_F(UnitPanelTest, ButtonsAndTargetsFollowTheCatalogue)
{
    const CategoryRow categories[] = {
        {__LINE__, Length, 4, "長さ"},
        {__LINE__, Weight, 5, "重量"},
        {__LINE__, Area, 6, "面積"},
        {__LINE__, Volume, 7, "容積"},
    };
    for (const CategoryRow &category : categories) {
        SCOPED_TRACE(category.line);
        CheckBox &categoryBox = form().Check(category.checkBox);
        EXPECT_EQ(categoryBox.caption, category.caption);
        if (categoryBox.value() == 0)
            categoryBox.click();
        for (int button = 1; button <= unitButtonCount; ++button) {
            SCOPED_TRACE("Option" + std::to_string(button));
            std::map<TargetBox, const RuleRow *> targets;
            for (const RuleRow &row : ruleRows) {
                if (row.category == category.category && row.unitButton == button)
                    targets[row.box] = &row;
            }
            EXPECT_EQ(form().Option(button).visible, !targets.empty());
            if (targets.empty())
                continue;
            EXPECT_EQ(form().Option(button).caption, targets.begin()->second->unit);
            form().Option(button).select();
            for (const TargetBox box : {Check1, Check2, Check3, Check8, Check9}) {
                const CheckBox &target = form().Check(checkBoxNumber(box));
                const auto it = targets.find(box);
                EXPECT_EQ(target.visible, it != targets.end()) << "Check" << checkBoxNumber(box);
                if (it != targets.end()) {
                    EXPECT_EQ(target.caption, it->second->target);
                }
            }
        }
    }
}

struct UnitSize
{
    UnitCategory category;
    std::string_view button;
    std::string_view shown; // after a converted number
    double size;            // in metres, grams, square metres or litres
};

// Sizes from the units' definitions: 1 尺 = 10/33 m, 1 寸 = 1/10 尺, 1 里 = 36 町 = 12,960 尺,
// 1 坪 = (6 尺)², 1 升 = 64.827 立方寸; 1 匁 = 3.75 g, 1 斤 = 160 匁, 1 貫 = 1,000 匁; the
// international yard and pound, the acre of 4,840 square yards, the US gallon of 231 cubic
// inches and the imperial gallon of 4.54609 l.
constexpr double shaku = 10.0 / 33;
constexpr double ri = 12960 * shaku;
constexpr double tsubo = (6 * shaku) * (6 * shaku);
constexpr double cubicTsuboInLitres = tsubo * 6 * shaku * 1000;
constexpr double cubicSunInLitres = (shaku / 10) * (shaku / 10) * (shaku / 10) * 1000;
constexpr double inch = 0.0254;
constexpr double foot = 12 * inch;
constexpr double yard = 3 * foot;
constexpr double mile = 1760 * yard;
constexpr double pound = 453.59237;

constexpr UnitSize unitSizes[] = {
    {Length, "ｃｍ", "ｃｍ", 0.01},
    {Length, "ｍ", "ｍ", 1},
    {Length, "ｋｍ", "ｋｍ", 1000},
    {Length, "寸", "寸", shaku / 10},
    {Length, "尺", "尺", shaku},
    {Length, "里", "里", ri},
    {Length, "インチ", "in", inch},
    {Length, "フィート", "ft", foot},
    {Length, "ヤード", "yd", yard},
    {Length, "マイル", "mile", mile},
    {Weight, "ｇ", "g", 1},
    {Weight, "ｋｇ", "kg", 1000},
    {Weight, "トン", "ｔ", 1e6},
    {Weight, "匁", "匁", 3.75},
    {Weight, "斤", "斤", 160 * 3.75},
    {Weight, "貫", "貫", 1000 * 3.75},
    {Weight, "オンス", "ｵﾝｽ", pound / 16},
    {Weight, "トン(英)", "英ｔ", 2240 * pound},
    {Weight, "トン(米)", "米ｔ", 2000 * pound},
    {Area, "平方ｃｍ", "平方cm", 1e-4},
    {Area, "平方ｍ", "㎡", 1},
    {Area, "平方ｋｍ", "平方km", 1e6},
    {Area, "平方寸", "平方寸", (shaku / 10) * (shaku / 10)},
    {Area, "坪", "坪", tsubo},
    {Area, "平方里", "平方里", ri *ri},
    {Area, "平方インチ", "平方in", inch *inch},
    {Area, "平方フィート", "平方ft", foot *foot},
    {Area, "エーカー", "ｴｰｶｰ", 4840 * yard *yard},
    {Area, "平方ヤード", "平方yd", yard *yard},
    {Area, "平方マイル", "平方mile", mile *mile},
    {Volume, "立方メートル", "立方m", 1000},
    {Volume, "リットル", "l", 1},
    {Volume, "立方坪", "立方坪", cubicTsuboInLitres},
    {Volume, "升", "升", 64.827 * cubicSunInLitres},
    {Volume, "立方フィート", "立方ft", foot *foot *foot * 1000},
    {Volume, "米ガロン", "米ｶﾞﾛﾝ", 231 * inch *inch *inch * 1000},
    {Volume, "立方ヤード", "立方yd", yard *yard *yard * 1000},
    {Volume, "英ガロン", "英ｶﾞﾛﾝ", 4.54609},
};

std::optional<double> sizeOf(UnitCategory category, std::string_view name, bool byButton)
{
    for (const UnitSize &unit : unitSizes) {
        if (unit.category == category && (byButton ? unit.button : unit.shown) == name)
            return unit.size;
    }
    return std::nullopt;
}

// The factors are rounded to four to six figures; each is within five parts in 100,000 of the
// ratio of the two units' definitions. A mistyped digit or a swapped pair of units falls outside.
TEST(UnitCatalogue, EveryFactorFollowsTheUnitDefinitions)
{
    for (const RuleRow &row : ruleRows) {
        SCOPED_TRACE(row.line);
        const std::optional<double> from = sizeOf(row.category, row.unit, true);
        const std::optional<double> to = sizeOf(row.category, unitTextOf(row.one), false);
        ASSERT_TRUE(from && to) << "a unit without a definition";
        std::string number(row.one.substr(0, row.one.size() - unitTextOf(row.one).size()));
        std::erase(number, ',');
        const double factor = std::stod(number);
        EXPECT_NEAR(factor / (*from / *to), 1, 5e-5) << row.one;
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
