// The profile text of the settings file: any bytes as the file, every key read, one key written
// and read back while every other key keeps its value.

#include "fuzz_check.h"
#include "settings/profile_text.h"
#include "settings_fuzz_support.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace sorba::fuzzing {
namespace {

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Profile-integer reading as the C library has it: strtoll takes the sign and the digits.
void checkInteger(std::string_view stored)
{
    const std::string_view text = trimmed(stored);
    const std::optional<std::int32_t> number = profile::integerValue(stored);
    require(number.has_value() == !text.empty(), "only a blank value has no number");
    if (text.empty() || text.front() == '\0' ||
        std::isspace(static_cast<unsigned char>(text.front())))
        return;
    const long long read = std::strtoll(std::string(text).c_str(), nullptr, 10);
    const long long expected = std::clamp<long long>(read, std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max());
    require(*number == expected, "the number is the sign and digits, clamped to 32 bits");
}

void checkText(std::string_view fileText, std::string_view key, std::string_view value)
{
    for (const std::string_view each : keys) {
        const std::optional<std::string> stored = found(fileText, each);
        require(stored == referenceValue(fileText, each),
                "a key reads as the reference reader has it");
        if (stored) {
            require(trimmed(*stored).starts_with(profile::textValue(*stored)),
                    "a text read is the trimmed value, or its start");
            checkInteger(*stored);
        }
    }
    if (!profile::isStorableKey(key))
        return;
    const std::string written = profile::withValue(fileText, section, key, value);
    require(found(written, key) == blanked(value), "a written value reads back blanked");
    for (const std::string_view each : keys) {
        if (!profile::sameName(each, trimmed(key)))
            require(found(written, each) == found(fileText, each), "other keys stay");
    }
}

} // namespace
} // namespace sorba::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace sorba::fuzzing;
    const SettingsInput input = settingsInput(data, size);
    checkText(input.fileText, input.key, input.value);
    return 0;
}
