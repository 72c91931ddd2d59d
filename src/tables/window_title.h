#pragma once
// The program's name in brackets: the main window's caption and the title of its message boxes.

#include <string_view>

namespace sorba {

inline constexpr std::string_view japaneseWindowCaption = "【計算丸】";
inline constexpr std::string_view englishWindowCaption = "【SorbaPal】";

} // namespace sorba
