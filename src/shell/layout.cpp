// The resize rule and the start-up size bands. Each size setting runs the rule again at once,
// so the rule tests the size it finds after every step.

#include "shell/layout.h"

#include "model/menu_marks.h"
#include "shell/font_chooser.h"
#include "state/window_state.h"

#include <string>

namespace sorba {

namespace {

void hidePanelControls(MainForm &form)
{
    for (int n = 1; n <= 10; ++n)
        form.Check(n).visible = false;
    for (int n = 1; n <= 11; ++n)
        form.Option(n).visible = false;
}

void placeMarksInCorner(MainForm &form)
{
    form.MEM1.left = 135;
    form.MEM1.top = form.Readout.top + 40;
    form.MEM2.left = 135;
    form.MEM2.top = form.Readout.top + 40;
}

} // namespace

void resizeRule(WindowState &calc)
{
    MainForm &form = calc.form;
    Form &window = form.window;
    form.Readout.height = window.height() - readoutMarginHeight;
    if (window.height() < smallBandHeight)
        window.setHeight(smallBandHeight);
    if (window.height() > smallBandHeight && window.height() < largeBandHeight)
        window.setHeight(middleBandHeight);
    if (window.height() > largeBandHeight)
        window.setHeight(largeBandHeight);
    if (window.width() < 4380)
        window.setWidth(4400);
    if (window.width() > 7000)
        window.setWidth(7000);
    form.Readout.width = window.width() - readoutMarginWidth;
    if (window.height() == smallBandHeight) {
        form.Readout.fontSize = 19;
        form.MEM2.left = 130;
        form.MEM2.top = form.Readout.top + 40;
    }
    if (window.height() == middleBandHeight) {
        form.Readout.fontSize = 30;
        form.MEM1.left = 130;
        form.MEM2.top = form.Readout.top + 300;
    }
    if (window.height() == largeBandHeight) {
        form.Readout.fontSize = 40.5;
        form.MEM2.top = form.Readout.top + 300;
    }
    hidePanelControls(form);
}

void applyStartUpSize(WindowState &calc, int storedHeight, int storedWidth)
{
    MainForm &form = calc.form;
    Form &window = form.window;
    form.Readout.top = 110;
    window.setHeight(storedHeight);
    form.Readout.height = window.height() - readoutMarginHeight;
    window.setWidth(storedWidth);

    if (window.height() > 1780) {
        form.Readout.width = window.width() - readoutMarginWidth;
        window.setHeight(largeBandHeight);
        form.Readout.fontSize = 40.5;
        placeMarksInCorner(form);
    }
    if (window.height() > smallBandHeight && window.height() < largeBandHeight) {
        window.setHeight(middleBandHeight);
        form.Readout.width = window.width() - readoutMarginWidth;
        form.Readout.fontSize = 30;
        placeMarksInCorner(form);
    }
    if (window.height() < 1336) {
        window.setHeight(smallBandHeight);
        form.Readout.width = window.width() - readoutMarginWidth;
        form.Readout.fontSize = 20;
        placeMarksInCorner(form);
    }
}

void chooseWindowSize(WindowState &calc, int entry)
{
    Form &window = calc.form.window;
    if (entry == 0) {
        window.setHeight(1875);
        window.setWidth(7215);
    }
    calc.settings.write(setting::SizeH, std::to_string(window.height()));
    calc.settings.write(setting::SizeW, std::to_string(window.width()));
    markMenuEntry(calc.form, MenuId::SSS, entry);
}

void storeWindowPositions(WindowState &calc)
{
    // Asking for the chooser's position loads it, hidden, when it is not open.
    ensureFontChooserLoaded(calc);
    const std::string formTop = std::to_string(calc.form.window.top);
    const std::string formLeft = std::to_string(calc.form.window.left);
    const std::string chooserTop = std::to_string(calc.fontChooser.window.top);
    const std::string chooserLeft = std::to_string(calc.fontChooser.window.left);
    calc.settings.write(setting::FormTop, formTop);
    calc.settings.write(setting::FormLeft, formLeft);
    calc.settings.write(setting::Form2Top, chooserTop);
    calc.settings.write(setting::Form2Left, chooserLeft);
    calc.settings.write(setting::Form3Top, chooserTop);
    calc.settings.write(setting::Form3Left, chooserLeft);
}

} // namespace sorba
