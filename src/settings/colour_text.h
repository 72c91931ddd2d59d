#pragma once
// Stored colour texts ("&HFFFF", "&HFF&", "65535") and the rule that turns them into colours.

#include <cstdint>
#include <optional>
#include <string_view>

namespace sorba {

/// A colour as 0x00BBGGRR, or a system-colour code 0x80000000 to 0x80000018.
using Colour = std::uint32_t;

/// The number a colour text stands for: "&H" hexadecimal (16-bit two's complement with at most
/// four digits and no trailing "&"), otherwise a decimal number rounded to 32 bits; 0 when the
/// text has no leading number.
std::int32_t colourTextValue(std::string_view text);

/// The colour a value stands for, or nothing when the value is not a usable colour.
std::optional<Colour> colourFromValue(std::int64_t value);

/// colourFromValue(colourTextValue(text)).
std::optional<Colour> evaluateColourText(std::string_view text);

} // namespace sorba
