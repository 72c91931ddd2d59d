#pragma once
// The unit catalogue: the four categories, the captions of the unit buttons in each, and every
// conversion rule with its factor, unit text and shown width. Constant data; nothing is stored.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace sorba {

enum class UnitCategory { Length, Weight, Area, Volume };

inline constexpr std::array<UnitCategory, 4> unitCategories = {
    UnitCategory::Length, UnitCategory::Weight, UnitCategory::Area, UnitCategory::Volume};

/// The convert-to boxes of the panel, valued by the number of their check box.
enum class TargetBox { Check1 = 1, Check2 = 2, Check3 = 3, Check8 = 8, Check9 = 9 };

inline constexpr std::array<TargetBox, 5> targetBoxes = {
    TargetBox::Check1, TargetBox::Check2, TargetBox::Check3, TargetBox::Check8, TargetBox::Check9};

constexpr int checkBoxNumber(TargetBox box)
{
    return static_cast<int>(box);
}

/// Option1 to Option11.
inline constexpr int unitButtonCount = 11;

struct CategoryEntry
{
    UnitCategory category;
    int checkBox; ///< Check4 to Check7
    std::string_view caption;
    /// The caption of each unit button, Option1 first; empty where the button is hidden.
    std::array<std::string_view, unitButtonCount> unitButtons;
};

// clang-format off
inline constexpr std::array<CategoryEntry, 4> categoryEntries = {{
    {UnitCategory::Length, 4, "長さ",
     {"ｃｍ", "ｍ", "ｋｍ", "寸", "尺", "里", "インチ", "フィート", "ヤード", "マイル", ""}},
    {UnitCategory::Weight, 5, "重量",
     {"ｇ", "ｋｇ", "トン", "匁", "斤", "貫", "オンス", "トン(英)", "トン(米)", "", ""}},
    {UnitCategory::Area, 6, "面積",
     {"平方ｃｍ", "平方ｍ", "平方ｋｍ", "平方寸", "坪", "平方里", "平方インチ", "平方フィート",
      "エーカー", "平方ヤード", "平方マイル"}},
    {UnitCategory::Volume, 7, "容積",
     {"立方メートル", "リットル", "立方坪", "升", "立方フィート", "米ガロン", "立方ヤード",
      "英ガロン", "", "", ""}},
}};
// clang-format on

constexpr const CategoryEntry &categoryEntry(UnitCategory category)
{
    return categoryEntries[static_cast<std::size_t>(category)];
}

/// The caption of a unit button (1 to 11) in a category, or nothing where it is hidden.
constexpr std::optional<std::string_view> unitButtonCaption(UnitCategory category, int button)
{
    if (button < 1 || button > unitButtonCount)
        return std::nullopt;
    const std::string_view caption = categoryEntry(category).unitButtons[std::size_t(button - 1)];
    if (caption.empty())
        return std::nullopt;
    return caption;
}

/// One way to convert: with the source unit's button selected in the category, ticking the
/// target box multiplies the readout's value by the factor (then by thenFactor) and writes the
/// last shownWidth characters of the formatted product, followed by the unit text.
struct ConversionRule
{
    UnitCategory category;
    int unitButton; ///< the source unit, Option1 to Option11
    TargetBox target;
    std::string_view targetCaption;
    double factor;
    std::string_view unitText;
    int shownWidth; ///< 15 or 20
    /// Only 貫 to 米トン has one: it is 貫 to 英トン and then 英トン to 米トン, two roundings
    /// of the product rather than one of a premultiplied factor. Multiplying by 1 is exact, so
    /// for every other rule the second step changes nothing.
    double thenFactor = 1;
};

constexpr double convertedValue(const ConversionRule &rule, double value)
{
    return value * rule.factor * rule.thenFactor;
}

// The factors that other rules are built from.
inline constexpr double riToKmFactor = 3.9273;
inline constexpr double kanToLongTonFactor = 0.0036908;
inline constexpr double longToShortTonFactor = 1.12;

// Grouped by category, ordered by source button and then by target box. Character forms are
// data: full-width "ｃｍ", half-width "ｵﾝｽ", ASCII "in" and "(", the single sign "㎡".
// clang-format off
inline constexpr std::array<ConversionRule, 102> conversionRules = {{
    // 長さ, Check4
    {UnitCategory::Length, 1, TargetBox::Check1, "寸", 0.33, "寸", 15},
    {UnitCategory::Length, 1, TargetBox::Check2, "インチ", 0.3937, "in", 15},
    {UnitCategory::Length, 2, TargetBox::Check1, "尺", 3.3, "尺", 15},
    {UnitCategory::Length, 2, TargetBox::Check2, "フィート", 3.2808, "ft", 15},
    {UnitCategory::Length, 2, TargetBox::Check3, "ヤード", 1.0936, "yd", 15},
    {UnitCategory::Length, 3, TargetBox::Check1, "里", 0.25463, "里", 15},
    {UnitCategory::Length, 3, TargetBox::Check2, "マイル", 0.62137, "mile", 15},
    {UnitCategory::Length, 4, TargetBox::Check1, "ｃｍ", 3.0303, "ｃｍ", 15},
    {UnitCategory::Length, 4, TargetBox::Check2, "インチ", 1.193, "in", 15},
    {UnitCategory::Length, 5, TargetBox::Check1, "ｍ", 0.30303, "ｍ", 15},
    {UnitCategory::Length, 5, TargetBox::Check2, "フィート", 0.99419, "ft", 15},
    {UnitCategory::Length, 5, TargetBox::Check3, "ヤード", 0.3314, "yd", 15},
    {UnitCategory::Length, 6, TargetBox::Check1, "ｋｍ", riToKmFactor, "ｋｍ", 15},
    {UnitCategory::Length, 6, TargetBox::Check2, "マイル", 2.4403, "mile", 15},
    {UnitCategory::Length, 7, TargetBox::Check1, "ｃｍ", 2.54, "ｃｍ", 15},
    {UnitCategory::Length, 7, TargetBox::Check2, "寸", 0.8382, "寸", 15},
    {UnitCategory::Length, 8, TargetBox::Check1, "ｍ", 0.3048, "ｍ", 15},
    {UnitCategory::Length, 8, TargetBox::Check2, "尺", 1.0058, "尺", 15},
    {UnitCategory::Length, 8, TargetBox::Check3, "ヤード", 0.33333, "yd", 15},
    {UnitCategory::Length, 9, TargetBox::Check1, "ｍ", 0.9144, "ｍ", 15},
    {UnitCategory::Length, 9, TargetBox::Check2, "尺", 3.0175, "尺", 15},
    {UnitCategory::Length, 9, TargetBox::Check3, "フィート", 3, "ft", 15},
    {UnitCategory::Length, 10, TargetBox::Check1, "ｋｍ", 1.6093, "ｋｍ", 15},
    {UnitCategory::Length, 10, TargetBox::Check2, "里", 0.40979, "里", 15},

    // 重量, Check5
    {UnitCategory::Weight, 1, TargetBox::Check1, "匁", 0.26667, "匁", 15},
    {UnitCategory::Weight, 1, TargetBox::Check2, "オンス", 0.035274, "ｵﾝｽ", 15},
    {UnitCategory::Weight, 2, TargetBox::Check1, "斤", 1.6667, "斤", 15},
    {UnitCategory::Weight, 2, TargetBox::Check2, "貫", 0.26667, "貫", 15},
    {UnitCategory::Weight, 3, TargetBox::Check1, "貫", 266.67, "貫", 15},
    {UnitCategory::Weight, 3, TargetBox::Check2, "英トン", 0.98421, "英ｔ", 15},
    {UnitCategory::Weight, 3, TargetBox::Check3, "米トン", 1.1023, "米ｔ", 15},
    {UnitCategory::Weight, 4, TargetBox::Check1, "ｇ", 3.75, "g", 15},
    {UnitCategory::Weight, 4, TargetBox::Check2, "オンス", 0.13228, "ｵﾝｽ", 15},
    {UnitCategory::Weight, 5, TargetBox::Check1, "ｋｇ", 0.6, "kg", 15},
    {UnitCategory::Weight, 5, TargetBox::Check2, "貫", 0.16, "貫", 15},
    {UnitCategory::Weight, 6, TargetBox::Check1, "ｋｇ", 3.75, "kg", 15},
    {UnitCategory::Weight, 6, TargetBox::Check2, "斤", 6.25, "斤", 15},
    {UnitCategory::Weight, 6, TargetBox::Check3, "トン", 0.00375, "ｔ", 15},
    {UnitCategory::Weight, 6, TargetBox::Check8, "英トン", kanToLongTonFactor, "英ｔ", 15},
    {UnitCategory::Weight, 6, TargetBox::Check9, "米トン", kanToLongTonFactor, "米ｔ", 20,
     longToShortTonFactor},
    {UnitCategory::Weight, 7, TargetBox::Check1, "ｇ", 28.35, "g", 15},
    {UnitCategory::Weight, 7, TargetBox::Check2, "匁", 7.5599, "匁", 15},
    {UnitCategory::Weight, 8, TargetBox::Check1, "トン", 1.016, "ｔ", 15},
    {UnitCategory::Weight, 8, TargetBox::Check2, "貫", 270.95, "貫", 15},
    {UnitCategory::Weight, 8, TargetBox::Check3, "米トン", longToShortTonFactor, "米ｔ", 15},
    {UnitCategory::Weight, 9, TargetBox::Check1, "トン", 0.90718, "ｔ", 15},
    {UnitCategory::Weight, 9, TargetBox::Check2, "貫", 241.92, "貫", 15},
    {UnitCategory::Weight, 9, TargetBox::Check3, "英トン", 0.89286, "英ｔ", 15},

    // 面積, Check6
    {UnitCategory::Area, 1, TargetBox::Check1, "平方寸", 0.1089, "平方寸", 15},
    {UnitCategory::Area, 1, TargetBox::Check2, "平方インチ", 0.155, "平方in", 15},
    {UnitCategory::Area, 2, TargetBox::Check1, "坪", 0.3025, "坪", 15},
    {UnitCategory::Area, 2, TargetBox::Check2, "平方フィート", 10.764, "平方ft", 15},
    {UnitCategory::Area, 2, TargetBox::Check3, "平方ヤード", 1.196, "平方yd", 15},
    {UnitCategory::Area, 3, TargetBox::Check1, "平方里", 0.064836, "平方里", 15},
    {UnitCategory::Area, 3, TargetBox::Check2, "エーカー", 247.11, "ｴｰｶｰ", 15},
    {UnitCategory::Area, 3, TargetBox::Check3, "平方マイル", 0.3861, "平方mile", 15},
    {UnitCategory::Area, 4, TargetBox::Check1, "平方ｃｍ", 9.1827, "平方cm", 15},
    {UnitCategory::Area, 4, TargetBox::Check2, "平方インチ", 1.4233, "平方in", 15},
    {UnitCategory::Area, 5, TargetBox::Check1, "平方ｍ", 3.3058, "㎡", 15},
    {UnitCategory::Area, 5, TargetBox::Check2, "平方フィート", 35.5832, "平方ft", 15},
    {UnitCategory::Area, 5, TargetBox::Check3, "平方ヤード", 3.9537, "平方yd", 15},
    {UnitCategory::Area, 6, TargetBox::Check1, "平方ｋｍ", riToKmFactor * riToKmFactor, "平方km",
     15},
    {UnitCategory::Area, 6, TargetBox::Check2, "エーカー", 3811.2, "ｴｰｶｰ", 15},
    {UnitCategory::Area, 6, TargetBox::Check3, "平方マイル", 5.95504, "平方mile", 15},
    {UnitCategory::Area, 7, TargetBox::Check1, "平方ｃｍ", 6.4516, "平方cm", 15},
    {UnitCategory::Area, 7, TargetBox::Check2, "平方寸", 0.70258, "平方寸", 15},
    {UnitCategory::Area, 8, TargetBox::Check1, "平方ｍ", 0.092903, "㎡", 15},
    {UnitCategory::Area, 8, TargetBox::Check2, "坪", 0.028103, "坪", 15},
    {UnitCategory::Area, 8, TargetBox::Check3, "平方ヤード", 0.11111, "平方yd", 15},
    {UnitCategory::Area, 9, TargetBox::Check1, "平方ｋｍ", 0.0040469, "平方km", 15},
    {UnitCategory::Area, 9, TargetBox::Check2, "平方里", 0.00026238, "平方里", 15},
    {UnitCategory::Area, 9, TargetBox::Check3, "平方マイル", 0.0015625, "平方mile", 15},
    {UnitCategory::Area, 10, TargetBox::Check1, "平方ｍ", 0.83613, "㎡", 15},
    {UnitCategory::Area, 10, TargetBox::Check2, "坪", 0.25293, "坪", 15},
    {UnitCategory::Area, 10, TargetBox::Check3, "平方フィート", 9, "平方ft", 15},
    {UnitCategory::Area, 11, TargetBox::Check1, "平方ｋｍ", 2.59, "平方km", 15},
    {UnitCategory::Area, 11, TargetBox::Check2, "平方里", 0.16793, "平方里", 15},
    {UnitCategory::Area, 11, TargetBox::Check3, "エーカー", 640, "ｴｰｶｰ", 15},

    // 容積, Check7
    {UnitCategory::Volume, 1, TargetBox::Check1, "立方坪", 0.16638, "立方坪", 15},
    {UnitCategory::Volume, 1, TargetBox::Check2, "立方フィート", 35.315, "立方ft", 15},
    {UnitCategory::Volume, 1, TargetBox::Check3, "立方ヤード", 1.308, "立方yd", 15},
    {UnitCategory::Volume, 2, TargetBox::Check1, "升", 0.55437, "升", 15},
    {UnitCategory::Volume, 2, TargetBox::Check2, "米ガロン", 0.26418, "米ｶﾞﾛﾝ", 15},
    {UnitCategory::Volume, 2, TargetBox::Check3, "英ガロン", 0.21998, "英ｶﾞﾛﾝ", 15},
    {UnitCategory::Volume, 3, TargetBox::Check1, "立方メートル", 6.0105, "立方m", 15},
    {UnitCategory::Volume, 3, TargetBox::Check2, "立方フィート", 212.26, "立方ft", 15},
    {UnitCategory::Volume, 3, TargetBox::Check3, "立方ヤード", 7.8615, "立方yd", 15},
    {UnitCategory::Volume, 4, TargetBox::Check1, "リットル", 1.8039, "l", 15},
    {UnitCategory::Volume, 4, TargetBox::Check2, "米ガロン", 0.47654, "米ｶﾞﾛﾝ", 15},
    {UnitCategory::Volume, 4, TargetBox::Check3, "英ガロン", 0.3968, "英ｶﾞﾛﾝ", 15},
    {UnitCategory::Volume, 5, TargetBox::Check1, "立方ｍ", 0.028317, "立方m", 15},
    {UnitCategory::Volume, 5, TargetBox::Check2, "立方坪", 0.0047112, "立方坪", 15},
    {UnitCategory::Volume, 5, TargetBox::Check3, "立方ヤード", 0.037037, "立方yd", 15},
    {UnitCategory::Volume, 6, TargetBox::Check1, "リットル", 3.7853, "l", 15},
    {UnitCategory::Volume, 6, TargetBox::Check2, "升", 2.0985, "升", 15},
    {UnitCategory::Volume, 6, TargetBox::Check3, "英ガロン", 0.832701, "英ｶﾞﾛﾝ", 15},
    {UnitCategory::Volume, 7, TargetBox::Check1, "立方ｍ", 0.76455, "立方m", 20},
    {UnitCategory::Volume, 7, TargetBox::Check2, "立方坪", 0.1272, "立方坪", 20},
    {UnitCategory::Volume, 7, TargetBox::Check3, "立方フィート", 27, "立方ft", 20},
    {UnitCategory::Volume, 8, TargetBox::Check1, "リットル", 4.546, "l", 20},
    {UnitCategory::Volume, 8, TargetBox::Check2, "升", 2.5201, "升", 20},
    {UnitCategory::Volume, 8, TargetBox::Check3, "米ガロン", 1.2009, "米ｶﾞﾛﾝ", 20},
}};
// clang-format on

/// The rule for a target box with this unit selected, or nothing when the box has none.
constexpr std::optional<ConversionRule> findRule(UnitCategory category, int unitButton,
                                                 TargetBox target)
{
    for (const ConversionRule &rule : conversionRules) {
        if (rule.category == category && rule.unitButton == unitButton && rule.target == target)
            return rule;
    }
    return std::nullopt;
}

} // namespace sorba
