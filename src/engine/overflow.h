#pragma once
// Message-box titles, the warning box that C follows in English, and the over-long readout
// warning shared by the keys.

#include "tables/window_title.h"

#include <string_view>

namespace sorba {

class WindowState;

inline constexpr std::string_view overflowText = "表示行数をオーバーしました。";
inline constexpr std::string_view overflowTextEntry = "表示行数をオーバーしました?。";
inline constexpr std::string_view overflowTextResult = "表示行数をオーバーしました。?";
inline constexpr std::string_view overflowTextRecall1 = "表示行数をオーバーしました。1";
inline constexpr std::string_view overflowTextRecall2 = "表示行数をオーバーしました。2";
inline constexpr std::string_view englishOverflowText = "Indication overflowed.";
// Message boxes carry the window's caption as their title.
inline constexpr std::string_view japaneseTitle = japaneseWindowCaption;
inline constexpr std::string_view englishTitle = englishWindowCaption;

/// "【計算丸】" in Japanese, "【SorbaPal】" in English.
std::string_view messageTitle(const WindowState &calc);

/// A warning box under messageTitle with the text of the window's language. What follows the box
/// is the caller's.
void showWarning(WindowState &calc, std::string_view japaneseText, std::string_view englishText);

/// The overflow box: the given Japanese text in Japanese, "Indication overflowed." in English.
void showOverflowWarning(WindowState &calc, std::string_view japaneseText);

/// The warning box; in English the C action follows it, in Japanese the readout stays as it is.
void warnThenCancelInEnglish(WindowState &calc, std::string_view japaneseText,
                             std::string_view englishText);

/// The overflow box; in English the C action follows it.
void warnOverflowThenCancelInEnglish(WindowState &calc, std::string_view japaneseText);

/// Whether the readout text is longer than the readout can hold.
bool readoutOverflowed(const WindowState &calc);

/// The standard check: an over-long readout with warnings shown gets the box, and in English
/// the C action follows.
void checkReadoutOverflow(WindowState &calc);

} // namespace sorba
