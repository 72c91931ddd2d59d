#pragma once
// Numbers as Japanese text and web pages write them: full-width digits, a yen sign in front or
// 円 behind, invisible format characters and other spaces around them.

#include <optional>
#include <string>
#include <string_view>

namespace sorba {

/// The text without any Unicode format character; they mean nothing in a readout. Bytes that
/// are no UTF-8 are kept as they are.
std::string withoutFormatCharacters(std::string_view text);

/// The text as a plain number: Unicode spaces other than the ASCII blank trimmed from both ends,
/// full-width digits, "．", "，", "－" and the minus sign U+2212 made ASCII, one leading "¥" or
/// "￥" and one trailing "円" dropped. Nothing when that is no number for the readout.
std::optional<std::string> foldedNumberText(std::string_view text);

} // namespace sorba
