// Colours of the window model (red in the low byte) to Qt colours and back, and the system
// colours taken from a palette.

#include "colours.h"

#include <QPalette>

#include <gtest/gtest.h>

namespace {

TEST(ColoursTest, EveryByteConvertsExactly)
{
    const QPalette palette;
    // Every value of each byte, alone and beside the others' extremes.
    for (sorba::Colour byte = 0; byte <= 0xFF; ++byte) {
        for (const sorba::Colour rest : {sorba::Colour(0), sorba::Colour(0xFFFFFF)}) {
            for (const int shift : {0, 8, 16}) {
                const sorba::Colour colour =
                    (rest & ~(sorba::Colour(0xFF) << shift)) | (byte << shift);
                ASSERT_EQ(fromQColor(toQColor(colour, palette)), colour) << colour;
            }
        }
    }
    EXPECT_EQ(toQColor(0x000000FF, palette), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0x00FF0000, palette), QColor(0, 0, 255));
    // A colour the dialog hands back in another model still has its 8-bit channels.
    EXPECT_EQ(fromQColor(QColor(0x12, 0x34, 0x56).toHsv()), sorba::Colour(0x563412));
}

TEST(ColoursTest, SystemColourComesFromThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(toQColor(0x80000005, palette), QColor(0x12, 0x34, 0x56));
}

} // namespace
