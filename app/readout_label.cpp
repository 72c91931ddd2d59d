// Fitting the readout's text into its room: the model's size when it fits, else the largest
// half-point size that does, else the minimum size with the text cut at the left.

#include "readout_label.h"

#include "readout_accessible.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

constexpr double pointStep = 0.5;

struct Fit
{
    QFont font;
    QString text;
};

// Fractional widths: the text is laid out in them, and a width rounded down could overhang the
// room by a pixel.
qreal widthIn(const QFont &font, const QString &text, const QPaintDevice *device)
{
    return QFontMetricsF(font, device).horizontalAdvance(text);
}

QFont atSize(QFont font, double pointSize)
{
    font.setPointSizeF(pointSize);
    return font;
}

Fit fitText(const QString &text, const QFont &font, int room, const QPaintDevice *device)
{
    const qreal fullWidth = widthIn(font, text, device);
    if (fullWidth <= room)
        return {font, text};
    const double modelSize = font.pointSizeF();
    double size = ReadoutLabel::minimumPointSize;
    // A font sized in pixels has no point size to shrink; it keeps its size and is cut.
    if (modelSize > size) {
        // Widths grow nearly in proportion to the size; hinting makes them differ a little, so
        // the proportional guess is corrected in half-point steps.
        const double guess = std::floor(modelSize * room / fullWidth / pointStep) * pointStep;
        const double largest = std::max(ReadoutLabel::minimumPointSize, modelSize - pointStep);
        size = std::clamp(guess, ReadoutLabel::minimumPointSize, largest);
        const auto fits = [&](double points) {
            return widthIn(atSize(font, points), text, device) <= room;
        };
        while (size > ReadoutLabel::minimumPointSize && !fits(size))
            size = std::max(ReadoutLabel::minimumPointSize, size - pointStep);
        while (size + pointStep < modelSize && fits(size + pointStep))
            size += pointStep;
    }
    const QFont smaller = modelSize > size ? atSize(font, size) : font;
    if (widthIn(smaller, text, device) <= room)
        return {smaller, text};
    // Even the smallest size is too wide: the rightmost characters stay, the units and the
    // point among them, and the ellipsis says that something is missing.
    return {smaller, QFontMetricsF(smaller, device).elidedText(text, Qt::ElideLeft, room)};
}

} // namespace

ReadoutLabel::ReadoutLabel(QWidget *parent)
    : QLabel(parent)
{
    readout_accessible::install();
}

void ReadoutLabel::setSpokenText(const QString &spoken)
{
    if (spoken == m_spokenText)
        return;
    m_spokenText = spoken;
    readout_accessible::announce(*this);
}

void ReadoutLabel::setCoveredLeft(int x)
{
    if (x == m_coveredLeft)
        return;
    m_coveredLeft = x;
    update();
}

void ReadoutLabel::paintEvent(QPaintEvent * /*event*/)
{
    QRect room = contentsRect();
    room.setLeft(std::max(room.left(), m_coveredLeft));
    const int roomWidth = std::max(0, room.width());
    const Fit fit = fitText(text(), font(), roomWidth, this);
    const auto flags = int(alignment());

    QPainter painter(this);
    painter.setFont(fit.font);
    style()->drawItemText(&painter, room, flags, palette(), isEnabled(), fit.text,
                          foregroundRole());
    const QRectF textRect = QFontMetricsF(fit.font, this).boundingRect(room, flags, fit.text);
    m_lastDrawn = Drawn{fit.text, fit.font.pointSizeF(), textRect.toAlignedRect()};
}
