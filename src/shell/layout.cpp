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
    form.MEM1.left = cornerMarkLeft;
    form.MEM1.top = form.Readout.top + cornerMarkDrop;
    form.MEM2.left = cornerMarkLeft;
    form.MEM2.top = form.Readout.top + cornerMarkDrop;
}

void applyBand(MainForm &form, const KeypadBand &band)
{
    form.Readout.fontSize = band.fontSize;
    if (band.mem1Left)
        form.MEM1.left = *band.mem1Left;
    if (band.mem2Left)
        form.MEM2.left = *band.mem2Left;
    form.MEM2.top = form.Readout.top + band.mem2Drop;
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
    widenNarrowWindow(calc);
    if (window.width() > widestWidth)
        window.setWidth(widestWidth);
    form.Readout.width = window.width() - readoutMarginWidth;
    if (const KeypadBand *band = keypadBandOf(window.height()))
        applyBand(form, *band);
    hidePanelControls(form);
}

void applyStartUpSize(WindowState &calc, int storedHeight, int storedWidth)
{
    MainForm &form = calc.form;
    Form &window = form.window;
    form.Readout.top = readoutTop;
    window.setHeight(storedHeight);
    form.Readout.height = window.height() - readoutMarginHeight;
    window.setWidth(storedWidth);

    if (window.height() > startUpLargeAbove) {
        form.Readout.width = window.width() - readoutMarginWidth;
        window.setHeight(largeBandHeight);
        form.Readout.fontSize = largeBand.startUpFontSize;
        placeMarksInCorner(form);
    }
    if (window.height() > smallBandHeight && window.height() < largeBandHeight) {
        window.setHeight(middleBandHeight);
        form.Readout.width = window.width() - readoutMarginWidth;
        form.Readout.fontSize = middleBand.startUpFontSize;
        placeMarksInCorner(form);
    }
    if (window.height() < startUpSmallBelow) {
        window.setHeight(smallBandHeight);
        form.Readout.width = window.width() - readoutMarginWidth;
        form.Readout.fontSize = smallBand.startUpFontSize;
        placeMarksInCorner(form);
    }
}

void widenNarrowWindow(WindowState &calc)
{
    if (calc.form.window.width() < narrowestWidth)
        calc.form.window.setWidth(widenedWidth);
}

void chooseWindowSize(WindowState &calc, int entry)
{
    Form &window = calc.form.window;
    if (entry == 0) {
        window.setHeight(defaultWindowHeight);
        window.setWidth(defaultWindowWidth);
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
