// Twips to pixels and back at a fixed scale, and the size a drag amounts to.

#include "twips.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace {

QString shown(const std::optional<TwipsSize> &size)
{
    return size ? QStringLiteral("%1 x %2").arg(size->height).arg(size->width)
                : QStringLiteral("no change");
}

struct DragRow
{
    int line;
    QSize dragged;
    std::optional<TwipsSize> expected;
};

// At 144 dots per inch the small band's 1356 twips show as 136 pixels, which read back as 1360
// twips, a height of the middle band: only the one-pixel rule keeps the band.
TEST(TwipsTest, DragWithinOnePixelKeepsTheModelSize)
{
    const TwipsScale scale{144, 144};
    const TwipsSize small{1356, 4400};
    EXPECT_EQ(scale.toPixels(small.height, small.width), QSize(440, 136));
    const DragRow rows[] = {
        {__LINE__, QSize(440, 136), std::nullopt},
        {__LINE__, QSize(441, 135), std::nullopt},
        {__LINE__, QSize(440, 140), TwipsSize{1400, 4400}},
        {__LINE__, QSize(500, 137), TwipsSize{1356, 5000}},
        {__LINE__, QSize(300, 100), TwipsSize{1000, 3000}},
    };
    for (const DragRow &row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(shown(sizeAfterDrag(row.dragged, small, scale)).toStdString(),
                  shown(row.expected).toStdString());
    }
}

// Absurd sizes and places from either side end at the twips range, ±2^24, not past an int.
TEST(TwipsTest, AbsurdValuesStopAtTheTwipsRange)
{
    const TwipsScale scale{144, 144};
    constexpr int most = std::numeric_limits<int>::max();
    constexpr int least = std::numeric_limits<int>::min();
    EXPECT_EQ(sizeAfterDrag(QSize(most, least), TwipsSize{1356, 4400}, scale),
              (TwipsSize{-16777216, 16777216}));
    EXPECT_EQ(scale.toPixels(least, most), QSize(16777216, -16777216));
    EXPECT_EQ(scale.toTwipsX(least), -16777216);
    EXPECT_EQ(scale.toPixels(most, least, most, most), QRect(16777216, -16777216, 0, 16777216));
}

} // namespace
