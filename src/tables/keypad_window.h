#pragma once
// The keypad window's measures in twips: the three height bands with their readout fonts and
// mark places, the width clamps, the readout's margins and the default size.

#include <array>
#include <optional>

namespace sorba {

inline constexpr int smallBandHeight = 1356;
inline constexpr int middleBandHeight = 1620;
inline constexpr int largeBandHeight = 1800;

/// A height the window snaps to, and what the resize rule does to the readout and the marks
/// there. A mark whose left is not given stays where it is.
struct KeypadBand
{
    int height;
    double fontSize;
    // Start-up sets its own font size, which differs in the small band.
    double startUpFontSize;
    std::optional<int> mem1Left;
    std::optional<int> mem2Left;
    // MEM2's top below the readout's top.
    int mem2Drop;
};

inline constexpr std::array<KeypadBand, 3> keypadBands{{
    {smallBandHeight, 19, 20, std::nullopt, 130, 40},
    {middleBandHeight, 30, 30, 130, std::nullopt, 300},
    {largeBandHeight, 40.5, 40.5, std::nullopt, std::nullopt, 300},
}};
inline constexpr const KeypadBand &smallBand = keypadBands[0];
inline constexpr const KeypadBand &middleBand = keypadBands[1];
inline constexpr const KeypadBand &largeBand = keypadBands[2];

/// The band of the given height; only the three band heights have one.
constexpr const KeypadBand *keypadBandOf(int height)
{
    for (const KeypadBand &band : keypadBands) {
        if (band.height == height)
            return &band;
    }
    return nullptr;
}

// Start-up picks its band with thresholds of its own: above startUpLargeAbove the large band,
// below startUpSmallBelow the small one; the heights between those and the bands stay as they
// are.
inline constexpr int startUpLargeAbove = 1780;
inline constexpr int startUpSmallBelow = 1336;
// Start-up puts both marks into the readout's corner.
inline constexpr int cornerMarkLeft = 135;
inline constexpr int cornerMarkDrop = 40;
inline constexpr int readoutTop = 110;
inline constexpr int readoutLeft = 120;
inline constexpr int markWidth = 372;
inline constexpr int markHeight = 350;
inline constexpr double markFontSize = 9;

// The window as designed, before start-up sizes it: the middle band.
inline constexpr int designedWindowWidth = 5295;

// A window narrower than narrowestWidth is widened to widenedWidth, not to narrowestWidth.
inline constexpr int narrowestWidth = 4380;
inline constexpr int widenedWidth = 4400;
inline constexpr int widestWidth = 7000;

inline constexpr int readoutMarginHeight = 950;
inline constexpr int readoutMarginWidth = 360;

// The window-size menu's default size; a stored width equal to it marks that entry.
inline constexpr int defaultWindowHeight = 1875;
inline constexpr int defaultWindowWidth = 7215;

} // namespace sorba
