// The nesting rules of the window model: click actions and resize handling run at once, and
// only when a value really changes.

#include "model/controls.h"
#include "model/font_chooser.h"
#include "model/main_form.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace sorba {
namespace {

TEST(CheckBox, RunsItsClickOnlyWhenTheValueChanges)
{
    CheckBox box("Check1");
    std::vector<int> seen;
    box.onClick = [&] { seen.push_back(box.value()); };
    box.setValue(0);
    box.setValue(1);
    box.setValue(1);
    box.click();
    box.click();
    EXPECT_EQ(seen, (std::vector<int>{1, 0, 1}));
}

TEST(OptionButton, SelectingDeselectsTheGroupAndRunsTheClickOnce)
{
    OptionGroup group;
    OptionButton first("Option1", std::nullopt, group);
    OptionButton second("Option2", std::nullopt, group);
    int clicks = 0;
    second.onClick = [&] {
        ++clicks;
        // The group is already consistent when the click runs.
        EXPECT_FALSE(first.selected());
    };
    first.select();
    second.select();
    second.select();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(group.selected(), &second);
}

TEST(ListBox, ClickHighlightsALineItHoldsBeforeItsActionRuns)
{
    ListBox list("Lstfontname");
    list.items = {"Sans", "Serif"};
    std::vector<std::string> seen;
    list.onClick = [&] { seen.push_back(list.items.at(list.highlighted.value_or(99))); };
    list.click(1);
    list.click(1);
    list.click(0);
    // A line beyond the list changes nothing and runs nothing.
    list.click(2);
    EXPECT_EQ(seen, (std::vector<std::string>{"Serif", "Serif", "Sans"}));
    EXPECT_EQ(list.highlighted, std::optional<std::size_t>(0));
}

TEST(Form, SizeSettingsRunTheResizeHandlingNestedAndEnd)
{
    Form window("Calculator");
    window.resizeByUser(1000, 3000);
    std::vector<std::string> trace;
    // A handler that snaps the height, as the band rule does: its own setting runs it again
    // before returning, and the unchanged value then ends the nesting.
    window.onResize = [&] {
        trace.push_back("in " + std::to_string(window.height()));
        if (window.height() < 1356)
            window.setHeight(1356);
        trace.push_back("out " + std::to_string(window.height()));
    };
    window.setHeight(900);
    EXPECT_EQ(trace, (std::vector<std::string>{"in 900", "in 1356", "out 1356", "out 1356"}));
    trace.clear();
    window.setHeight(1356);
    window.setWidth(3000);
    EXPECT_TRUE(trace.empty());
    window.resizeByUser(1356, 3000);
    EXPECT_EQ(trace, (std::vector<std::string>{"in 1356", "out 1356"}));
}

TEST(MainForm, FindsControlsFormsAndMenuItemsByPath)
{
    MainForm form;
    struct Row
    {
        int line;
        std::string path;
        bool found;
    };
    const Row rows[] = {
        {__LINE__, "Calculator", true},  {__LINE__, "Readout", true},
        {__LINE__, "Number(9)", true},   {__LINE__, "Number(10)", false},
        {__LINE__, "Operator(4)", true}, {__LINE__, "Check10", true},
        {__LINE__, "Option11", true},    {__LINE__, "Option12", false},
        {__LINE__, "AAA(1)", true},      {__LINE__, "AAA", false},
        {__LINE__, "MMM(0)", true},      {__LINE__, "LLL(1)", true},
        {__LINE__, "menu_option", true}, {__LINE__, "readout", false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(form.find(row.path) != nullptr, row.found);
    }
}

TEST(MainForm, OnlyControlsNothingColoursTakeTheThemeColours)
{
    MainForm form;
    FontChooser chooser;
    struct Row
    {
        int line;
        const Control *control;
        bool theme;
    };
    const Row rows[] = {
        {__LINE__, &form.Readout, false},   {__LINE__, &form.MEM1, false},
        {__LINE__, &form.MEM2, false},      {__LINE__, &form.Check(1), true},
        {__LINE__, &form.Check(10), true},  {__LINE__, &form.Option(1), true},
        {__LINE__, &form.Option(11), true}, {__LINE__, &form.Command3, true},
        {__LINE__, &form.Command4, true},   {__LINE__, &chooser.Lstfontname, true},
        {__LINE__, &chooser.FNTNAME, true}, {__LINE__, &chooser.OK, true},
        {__LINE__, &chooser.END, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(row.control->themeColours, row.theme);
    }
    // Scripts still read the designed colours of a theme-coloured control.
    EXPECT_EQ(form.Check(4).property("foreColor"), PropertyValue(0.0));
    EXPECT_EQ(form.Check(4).property("backColor"), PropertyValue(double(0x00FFFFFF)));
}

TEST(MainForm, MenuTreeNestsByLevel)
{
    MainForm form;
    ASSERT_EQ(form.menuBar().size(), 3u);
    EXPECT_EQ(form.menuBar()[0]->name(), "Menu_File");
    EXPECT_EQ(form.menuBar()[0]->children.size(), 17u);
    const MenuItem *options = form.menuBar()[1];
    ASSERT_EQ(options->children.size(), 13u);
    EXPECT_EQ(options->children[1]->name(), "ColorSelect");
    EXPECT_EQ(options->children[1]->children.size(), 5u);
    // The era, tape and tax choices follow the warnings menu, each an array of its own length.
    const std::pair<std::string_view, std::size_t> added[] = {
        {"ATS_MNU", 2}, {"GEN_MNU", 2}, {"TAPE_MNU", 2}, {"ZEI_MNU", 3}, {"HSU_MNU", 4}};
    for (std::size_t i = 0; i < std::size(added); ++i) {
        EXPECT_EQ(options->children[8 + i]->name(), added[i].first);
        EXPECT_EQ(options->children[8 + i]->children.size(), added[i].second);
    }
    EXPECT_EQ(form.menuBar()[2]->children.size(), 3u);
}

} // namespace
} // namespace sorba
