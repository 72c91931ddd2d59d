#pragma once
// The range every size and position in twips is held to before it takes part in any sum.
// 2^24 twips is about 300 metres at 1440 twips an inch, far beyond any screen, yet a handful of
// such values added to or taken from each other and the window's margins stays far inside an
// int. Values from the settings file, a drag or the platform are clamped on arrival.

#include <algorithm>
#include <cmath>

namespace sorba {

inline constexpr int lowestTwips = -(1 << 24);
inline constexpr int highestTwips = 1 << 24;

constexpr int clampTwips(int twips)
{
    return std::clamp(twips, lowestTwips, highestTwips);
}

/// A measure worked out in floating point (a scale applied, a centre found), clamped to the same
/// range and rounded halves away from zero; a NaN counts as 0.
inline int roundedWithinTwipsRange(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::lround(std::clamp(value, double(lowestTwips), double(highestTwips))));
}

} // namespace sorba
