#pragma once
// What the two settings targets share: how an input splits into a file, a key and a value, the
// program's keys, and a value as a write stores it.

#include "settings/profile_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <string_view>

namespace sorba::fuzzing {

inline constexpr std::string_view section = "SORBA";

inline constexpr std::array<std::string_view, 19> keys{
    "FontDef", "FormTop", "FormLeft", "Form2Top", "Form2Left", "Form3Top", "Form3Left",
    "Dumy",    "EndMem",  "SizeH",    "SizeW",    "AllFcs",    "JpFont",   "AtsNoA",
    "MColor",  "LColor",  "RColor",   "EColor",   "XColor"};

// The value as a write stores it: a line break or a NUL cannot be part of it.
inline std::string blanked(std::string_view value)
{
    std::string text(value);
    for (char &c : text) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    }
    return text;
}

inline std::optional<std::string> found(std::string_view fileText, std::string_view key)
{
    const std::optional<std::string_view> value = profile::findValue(fileText, section, key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

struct SettingsInput
{
    std::string key;
    std::string value;
    std::string fileText;
};

inline SettingsInput settingsInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // One of the program's keys, or any text as a key.
    const std::size_t choice = input.ConsumeIntegralInRange<std::size_t>(0, keys.size());
    SettingsInput split;
    split.key =
        choice < keys.size() ? std::string(keys[choice]) : input.ConsumeRandomLengthString(20);
    split.value = input.ConsumeRandomLengthString(100);
    split.fileText = input.ConsumeRemainingBytesAsString();
    return split;
}

} // namespace sorba::fuzzing
