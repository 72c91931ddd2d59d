#pragma once
// The keypad window's measures in twips: the three height bands and the readout's margins.

namespace sorba {

inline constexpr int smallBandHeight = 1356;
inline constexpr int middleBandHeight = 1620;
inline constexpr int largeBandHeight = 1800;
inline constexpr int readoutMarginHeight = 950;
inline constexpr int readoutMarginWidth = 360;

} // namespace sorba
