#pragma once
// Twips (1/1440 inch) of the window model to the device-independent pixels Qt places widgets in,
// at the screen's logical resolution, so a window keeps its size in inches at any scale factor.

#include <QRect>
#include <QSize>

#include <optional>

class QScreen;

struct TwipsScale
{
    double dotsPerInchX = 96;
    double dotsPerInchY = 96;

    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;
    int toTwipsX(int pixels) const;
    int toTwipsY(int pixels) const;
    /// Both edges are rounded, so controls that touch in twips touch in pixels.
    QRect toPixels(int left, int top, int width, int height) const;
    /// An outer window size, height and width in twips.
    QSize toPixels(int heightTwips, int widthTwips) const;
    double twipsPerPixelX() const;
    double twipsPerPixelY() const;
};

/// An outer window size in twips, as the model holds it.
struct TwipsSize
{
    int height = 0;
    int width = 0;
    bool operator==(const TwipsSize &) const = default;
};

/// The model size a user's drag to `dragged` outer pixels amounts to. The window shows the
/// model's size rounded to whole pixels, so a side that ends within one pixel of that keeps the
/// model's exact twips, and a drag within one pixel on both sides is no change at all.
std::optional<TwipsSize> sizeAfterDrag(QSize dragged, TwipsSize model, const TwipsScale &scale);

/// The scale of that screen, or 96 dots per inch when there is none.
TwipsScale twipsScaleOf(const QScreen *screen);
