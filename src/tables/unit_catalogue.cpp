// What the panel takes for granted about the unit catalogue, checked when the program is built:
// a mistyped row fails the build instead of showing a wrong box.

#include "tables/unit_catalogue.h"

#include <algorithm>

namespace sorba {

namespace {

constexpr bool rulesAreOrdered()
{
    for (std::size_t i = 1; i < conversionRules.size(); ++i) {
        const ConversionRule &before = conversionRules[i - 1];
        const ConversionRule &rule = conversionRules[i];
        if (before.category != rule.category) {
            if (before.category > rule.category)
                return false;
            continue;
        }
        if (before.unitButton != rule.unitButton) {
            if (before.unitButton > rule.unitButton)
                return false;
            continue;
        }
        if (checkBoxNumber(before.target) >= checkBoxNumber(rule.target))
            return false;
    }
    return true;
}

constexpr bool isWellFormed(const ConversionRule &rule)
{
    if (!unitButtonCaption(rule.category, rule.unitButton))
        return false;
    if (rule.factor <= 0 || rule.thenFactor <= 0)
        return false;
    if (rule.shownWidth != 15 && rule.shownWidth != 20)
        return false;
    if (rule.targetCaption.empty() || rule.unitText.empty())
        return false;
    // Check8 and Check9 exist for 貫 alone.
    const bool extraBox = rule.target == TargetBox::Check8 || rule.target == TargetBox::Check9;
    return !extraBox || (rule.category == UnitCategory::Weight && rule.unitButton == 6);
}

// Check1 and Check2 show for every unit a category offers.
constexpr bool everyUnitHasTwoTargets()
{
    for (const UnitCategory category : unitCategories) {
        for (int button = 1; button <= unitButtonCount; ++button) {
            if (!unitButtonCaption(category, button))
                continue;
            if (!findRule(category, button, TargetBox::Check1) ||
                !findRule(category, button, TargetBox::Check2))
                return false;
        }
    }
    return true;
}

constexpr bool categoriesInOrder()
{
    for (std::size_t i = 0; i < categoryEntries.size(); ++i) {
        if (categoryEntries[i].category != unitCategories[i] ||
            categoryEntries[i].checkBox != int(i) + 4)
            return false;
    }
    return true;
}

static_assert(categoriesInOrder());
static_assert(rulesAreOrdered());
static_assert(std::ranges::all_of(conversionRules, isWellFormed));
static_assert(everyUnitHasTwoTargets());

} // namespace

} // namespace sorba
