// The byte order of model colours and the palette roles that stand in for system colours.

#include "colours.h"

#include <QPalette>

#include <array>

namespace {

constexpr sorba::Colour systemColourFlag = 0x80000000;

struct SystemColour
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// By system-colour index: scroll bar, desktop, active and inactive caption, menu, window, window
// frame, menu text, window text, caption text, active and inactive border, application
// workspace, highlight, highlighted text, button face, button shadow, grey text, button text,
// inactive caption text, button highlight, 3D dark shadow, 3D light, tooltip text and
// background.
constexpr std::array<SystemColour, 25> systemColours = {{
    {QPalette::Active, QPalette::Button},
    {QPalette::Active, QPalette::Dark},
    {QPalette::Active, QPalette::Highlight},
    {QPalette::Inactive, QPalette::Highlight},
    {QPalette::Active, QPalette::Window},
    {QPalette::Active, QPalette::Base},
    {QPalette::Active, QPalette::Shadow},
    {QPalette::Active, QPalette::WindowText},
    {QPalette::Active, QPalette::Text},
    {QPalette::Active, QPalette::HighlightedText},
    {QPalette::Active, QPalette::Window},
    {QPalette::Inactive, QPalette::Window},
    {QPalette::Active, QPalette::Dark},
    {QPalette::Active, QPalette::Highlight},
    {QPalette::Active, QPalette::HighlightedText},
    {QPalette::Active, QPalette::Button},
    {QPalette::Active, QPalette::Dark},
    {QPalette::Disabled, QPalette::Text},
    {QPalette::Active, QPalette::ButtonText},
    {QPalette::Inactive, QPalette::HighlightedText},
    {QPalette::Active, QPalette::Light},
    {QPalette::Active, QPalette::Shadow},
    {QPalette::Active, QPalette::Midlight},
    {QPalette::Active, QPalette::ToolTipText},
    {QPalette::Active, QPalette::ToolTipBase},
}};

} // namespace

QColor toQColor(sorba::Colour colour, const QPalette &palette)
{
    if ((colour & systemColourFlag) != 0) {
        const auto index = std::size_t(colour & ~systemColourFlag);
        if (index < systemColours.size())
            return palette.color(systemColours[index].group, systemColours[index].role);
        return palette.color(QPalette::Window);
    }
    return {int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)};
}

sorba::Colour fromQColor(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return sorba::Colour(rgb.red()) | (sorba::Colour(rgb.green()) << 8) |
           (sorba::Colour(rgb.blue()) << 16);
}
