#pragma once
// The font name that stands for the desktop's own interface font.

#include <string_view>

namespace sorba {

/// The name that stands for the platform's default interface font; always usable.
inline constexpr std::string_view systemFontName = "System";

} // namespace sorba
