// Rounding twips to whole pixels and back.

#include "twips.h"

#include "tables/twips_range.h"

#include <QScreen>

#include <cmath>
#include <cstdlib>

namespace {

constexpr double twipsPerInch = 1440;

// Twips from a screen and pixels from the model are both held to the model's twips range: a
// window system that reports an absurd place or scale cannot push a sum past an int.
int rounded(double value)
{
    return sorba::roundedWithinTwipsRange(value);
}

} // namespace

int TwipsScale::toPixelsX(int twips) const
{
    return rounded(twips * dotsPerInchX / twipsPerInch);
}

int TwipsScale::toPixelsY(int twips) const
{
    return rounded(twips * dotsPerInchY / twipsPerInch);
}

int TwipsScale::toTwipsX(int pixels) const
{
    return rounded(pixels * twipsPerInch / dotsPerInchX);
}

int TwipsScale::toTwipsY(int pixels) const
{
    return rounded(pixels * twipsPerInch / dotsPerInchY);
}

QRect TwipsScale::toPixels(int left, int top, int width, int height) const
{
    const int x = toPixelsX(left);
    const int y = toPixelsY(top);
    // The edges are added in floating point, so no pair of model values can overflow.
    const int right = rounded((double(left) + width) * dotsPerInchX / twipsPerInch);
    const int bottom = rounded((double(top) + height) * dotsPerInchY / twipsPerInch);
    return {x, y, right - x, bottom - y};
}

QSize TwipsScale::toPixels(int heightTwips, int widthTwips) const
{
    return {toPixelsX(widthTwips), toPixelsY(heightTwips)};
}

double TwipsScale::twipsPerPixelX() const
{
    return twipsPerInch / dotsPerInchX;
}

double TwipsScale::twipsPerPixelY() const
{
    return twipsPerInch / dotsPerInchY;
}

std::optional<TwipsSize> sizeAfterDrag(QSize dragged, TwipsSize model, const TwipsScale &scale)
{
    const QSize shown = scale.toPixels(model.height, model.width);
    // A platform's size may be anything an int holds; the difference is taken in 64 bits.
    const bool sameHeight = std::abs(qint64(dragged.height()) - shown.height()) <= 1;
    const bool sameWidth = std::abs(qint64(dragged.width()) - shown.width()) <= 1;
    if (sameHeight && sameWidth)
        return std::nullopt;
    return TwipsSize{sameHeight ? model.height : scale.toTwipsY(dragged.height()),
                     sameWidth ? model.width : scale.toTwipsX(dragged.width())};
}

TwipsScale twipsScaleOf(const QScreen *screen)
{
    if (screen == nullptr)
        return {};
    // Logical dots per inch count device-independent pixels, the unit of widget geometry, so
    // the scale factor (1, 1.5, 2) is already taken out.
    const double x = screen->logicalDotsPerInchX();
    const double y = screen->logicalDotsPerInchY();
    return {x > 0 ? x : 96, y > 0 ? y : 96};
}
