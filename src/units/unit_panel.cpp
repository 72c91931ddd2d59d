// The panel's three click actions. Captions and visibility always follow the unit catalogue;
// ticking and unticking boxes from here runs their own click actions at once, nested.

#include "units/unit_panel.h"

#include "engine/overflow.h"
#include "state/window_state.h"
#include "text/readout_format.h"

namespace sorba {

namespace {

constexpr double longResultFontSize = 20;

CheckBox &categoryBox(MainForm &form, UnitCategory category)
{
    return form.Check(categoryEntry(category).checkBox);
}

CheckBox &targetBox(MainForm &form, TargetBox box)
{
    return form.Check(checkBoxNumber(box));
}

// At most one category box is ticked, except for the moment a new one has been ticked and the
// old one is not yet cleared; the first one found then decides.
std::optional<UnitCategory> tickedCategory(MainForm &form)
{
    for (const UnitCategory category : unitCategories) {
        if (categoryBox(form, category).value() != 0)
            return category;
    }
    return std::nullopt;
}

std::optional<int> selectedUnitButton(MainForm &form)
{
    for (int button = 1; button <= unitButtonCount; ++button) {
        if (form.Option(button).selected())
            return button;
    }
    return std::nullopt;
}

void clearTargetBoxes(MainForm &form)
{
    for (const TargetBox box : targetBoxes)
        targetBox(form, box).setValue(0);
}

// A hidden button keeps whatever caption it had; nobody sees it.
void showUnitButtons(MainForm &form, UnitCategory category)
{
    for (int button = 1; button <= unitButtonCount; ++button) {
        OptionButton &option = form.Option(button);
        const auto caption = unitButtonCaption(category, button);
        if (caption)
            option.caption = std::string(*caption);
        option.visible = caption.has_value();
    }
}

void showTargetBoxes(MainForm &form, UnitCategory category, int unitButton)
{
    for (const TargetBox box : targetBoxes) {
        CheckBox &check = targetBox(form, box);
        const auto rule = findRule(category, unitButton, box);
        if (rule)
            check.caption = std::string(rule->targetCaption);
        check.visible = rule.has_value();
    }
}

// Only a number as the readout shows it converts: a result that already carries its unit
// text, a year or period text and the exponent form are left alone.
std::optional<double> plainReadoutNumber(std::string_view text)
{
    if (text.find('E') != std::string_view::npos)
        return std::nullopt;
    return readoutValue(text);
}

std::string convertedText(const ConversionRule &rule, double value)
{
    const std::string shown = formatReadout(convertedValue(rule, value), standardPattern);
    return lastCharacters(shown, std::size_t(rule.shownWidth)) + std::string(rule.unitText);
}

void convert(WindowState &calc, TargetBox box)
{
    MainForm &form = calc.form;
    const auto category = tickedCategory(form);
    const auto unitButton = selectedUnitButton(form);
    if (!category || !unitButton)
        return;
    const auto rule = findRule(*category, *unitButton, box);
    if (!rule)
        return;
    if (const auto value = plainReadoutNumber(calc.readout())) {
        calc.setReadout(convertedText(*rule, *value));
        calc.tape.add(calc.readout(), rule->unitText);
    }
}

} // namespace

void categoryBoxClicked(WindowState &calc, UnitCategory category)
{
    MainForm &form = calc.form;
    calc.setReadout(std::string(zeroReadout));
    form.Option(1).select();
    form.Readout.fontSize = panelReadoutFontSize;
    clearTargetBoxes(form);
    if (categoryBox(form, category).value() != 0) {
        for (const UnitCategory other : unitCategories) {
            if (other != category)
                categoryBox(form, other).setValue(0);
        }
    }
    // Cleared, the box still leaves its category's captions in place; nothing converts until a
    // category is ticked again.
    showUnitButtons(form, category);
    showTargetBoxes(form, category, 1);
}

void unitButtonSelected(WindowState &calc, int unitButton)
{
    MainForm &form = calc.form;
    calc.setReadout(std::string(zeroReadout));
    form.Readout.fontSize = panelReadoutFontSize;
    clearTargetBoxes(form);
    if (const auto category = tickedCategory(form))
        showTargetBoxes(form, *category, unitButton);
}

void targetBoxClicked(WindowState &calc, TargetBox box)
{
    MainForm &form = calc.form;
    // The box's value is read afresh at each step: clearing the others, or the C action after
    // a warning, may have changed it in between.
    if (targetBox(form, box).value() != 0) {
        for (const TargetBox other : targetBoxes) {
            if (other != box)
                targetBox(form, other).setValue(0);
        }
    }
    if (targetBox(form, box).value() != 0)
        convert(calc, box);
    // Converted or not, an over-long readout gets the small font and the standard warning.
    if (readoutOverflowed(calc)) {
        form.Readout.fontSize = longResultFontSize;
        checkReadoutOverflow(calc);
    }
}

} // namespace sorba
