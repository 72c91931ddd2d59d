// The About box as it is designed: a small dialog with two labels above a centred OK button.

#include "model/about_form.h"

#include <string_view>

namespace sorba {

namespace {

constexpr std::string_view aboutCaption = "【計算丸】バージョン情報";
constexpr std::string_view programName = "SORBA Practical Calculator";
constexpr std::string_view programVersion = "Version14";
constexpr std::string_view okCaption = "OK";

// Outer size of the box in twips, frame and title bar included.
constexpr int aboutHeight = 2400;
constexpr int aboutWidth = 4800;

// The dialog's own colours: button face behind button text, as the desktop draws dialogs.
constexpr Colour buttonFace = 0x8000000F;
constexpr Colour buttonText = 0x80000012;

struct Place
{
    int left, top, width, height;
};

void place(Control &control, Place where)
{
    control.left = where.left;
    control.top = where.top;
    control.width = where.width;
    control.height = where.height;
    control.visible = true;
    control.enabled = true;
    control.fontName = std::string(systemFontName);
    control.foreColor = buttonText;
    control.backColor = buttonFace;
}

} // namespace

AboutForm::AboutForm()
    : m_controls{&Label1, &Label3, &Command1}
{}

void AboutForm::load()
{
    window.caption = std::string(aboutCaption);
    window.setHeight(aboutHeight);
    window.setWidth(aboutWidth);

    place(Label1, {360, 300, 4080, 420});
    Label1.caption = std::string(programName);
    Label1.fontSize = 12;
    Label1.fontBold = true;

    place(Label3, {360, 780, 4080, 300});
    Label3.caption = std::string(programVersion);
    Label3.fontSize = 9;
    Label3.fontBold = false;

    place(Command1, {1800, 1320, 1200, 420});
    Command1.caption = std::string(okCaption);
    Command1.fontSize = 9;
    Command1.fontBold = false;

    window.loaded = true;
    window.visible = true;
}

void AboutForm::unload()
{
    window.loaded = false;
    window.visible = false;
}

} // namespace sorba
