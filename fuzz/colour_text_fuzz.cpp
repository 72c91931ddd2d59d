// Colour texts: any bytes evaluated, and texts built from the input's numbers in each stored form,
// checked against the rules that say what they stand for.

#include "fuzz_check.h"
#include "settings/colour_text.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace sorba::fuzzing {
namespace {

constexpr std::uint32_t largestColour = 0xFFFFFF;
constexpr std::uint32_t firstSystemColour = 0x80000000;
constexpr std::uint32_t lastSystemColour = 0x80000018;

bool isColour(std::uint32_t value)
{
    return value <= largestColour || (value >= firstSystemColour && value <= lastSystemColour);
}

std::string hex(std::uint32_t value, int digits)
{
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%0*X", digits, value);
    return text.data();
}

void checkAnyText(std::string_view text)
{
    const std::optional<Colour> colour = evaluateColourText(text);
    require(colour == colourFromValue(colourTextValue(text)), "evaluation is value then colour");
    if (colour)
        require(isColour(*colour), "only colours and system colours come out");
}

void checkNumber(std::uint32_t number)
{
    const std::uint32_t colour = number & largestColour;
    const std::optional<Colour> expected = colour;
    // The colour dialog's decimal text, and the hexadecimal forms with and without blanks.
    require(evaluateColourText(std::to_string(colour)) == expected, "decimal colour text");
    require(evaluateColourText("  " + std::to_string(colour)) == expected, "leading blanks");
    require(evaluateColourText("&H" + hex(colour, 1) + "&") == expected, "\"&H…&\" text");
    require(evaluateColourText("&h" + hex(colour, 6)) == expected, "six hexadecimal digits");
    // Fractions round to the nearer whole number.
    require(evaluateColourText(std::to_string(colour) + ".25") == expected,
            "a quarter rounds down");
    if (colour < largestColour)
        require(evaluateColourText(std::to_string(colour) + ".75") == colour + 1,
                "three quarters round up");

    // Eight digits are the whole 32 bits; four or fewer without "&" are 16-bit two's complement.
    const std::optional<Colour> full =
        isColour(number) ? std::optional<Colour>(number) : std::nullopt;
    require(evaluateColourText("&H" + hex(number, 8)) == full, "32-bit \"&H\" text");
    const std::uint32_t low = number & 0xFFFF;
    const std::optional<Colour> shortForm =
        low < 0x8000 ? std::optional<Colour>(low) : std::nullopt;
    require(evaluateColourText("&H" + hex(low, 4)) == shortForm, "16-bit \"&H\" text");
    require(evaluateColourText("-" + std::to_string(colour + 1)) == std::nullopt,
            "a negative number is no colour");
}

} // namespace
} // namespace sorba::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace sorba::fuzzing;
    checkAnyText(std::string_view(reinterpret_cast<const char *>(data), size));
    if (size >= sizeof(std::uint32_t)) {
        std::uint32_t number = 0;
        std::memcpy(&number, data, sizeof number);
        checkNumber(number);
    }
    return 0;
}
