// The settings file on disk: any bytes as the file, every key read through it and checked against
// a reader written apart from the program's, one key written and read back with every other line
// left alone, and nothing left beside it.

#include "fuzz_check.h"
#include "settings/profile_text.h"
#include "settings/settings_file.h"
#include "settings_fuzz_support.h"
#include "text/utf16.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace sorba::fuzzing {
namespace {

namespace fs = std::filesystem;

// A folder of its own for each input, in shared memory when there is some: libFuzzer ends a run
// without the handlers that could clear away a folder kept for the whole run.
class InputFolder
{
public:
    InputFolder()
    {
        const fs::path base =
            ::access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "sorba-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_path = pattern;
    }
    ~InputFolder()
    {
        std::error_code error;
        fs::remove_all(m_path, error);
    }
    InputFolder(const InputFolder &) = delete;
    InputFolder &operator=(const InputFolder &) = delete;

    const fs::path &path() const { return m_path; }

private:
    fs::path m_path;
};

std::string fileText(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A write touches one line: it replaces the key's line, or adds the line (with the section
// header, and a line end for a last line without one) in one place. Every other line stays.
void requireOneLineChanged(std::string_view before, std::string_view after)
{
    const std::vector<std::string_view> old = lineTexts(before);
    const std::vector<std::string_view> now = lineTexts(after);
    const std::size_t shorter = std::min(old.size(), now.size());
    std::size_t same = 0;
    while (same < shorter && old[same] == now[same])
        ++same;
    std::size_t sameAtEnd = 0;
    while (same + sameAtEnd < shorter &&
           old[old.size() - 1 - sameAtEnd] == now[now.size() - 1 - sameAtEnd])
        ++sameAtEnd;
    const std::size_t gone = old.size() - same - sameAtEnd;
    const std::size_t added = now.size() - same - sameAtEnd;
    require((gone == 0 && added <= 3) || (gone == 1 && added == 1),
            "a write replaces or adds the one line and leaves every other line alone");
}

// A text read is the value without its blanks, cut to 49 characters.
void requireTextRead(std::string_view text, std::string_view stored)
{
    const std::string_view bare = blankTrimmed(stored);
    require(bare.starts_with(text), "a text read is the trimmed value, or its start");
    if (wellFormed(bare))
        require(text == firstCharacters(bare, profile::textReadLimit),
                "a text read is cut to 49 characters");
    else
        require(text.size() >= std::min(bare.size(), profile::textReadLimit) &&
                    text.size() <= 4 * profile::textReadLimit,
                "damaged text is cut after 49 pieces of one to four bytes");
}

void checkReads(const SettingsFile &settings, std::string_view fileText, std::string_view key)
{
    // Every key through the file; the two typed readings of one key besides, as the rest would
    // only repeat them at the price of a file read each.
    for (const std::string_view each : keys)
        require(settings.storedValue(each) == referenceValue(fileText, each),
                "the file reads as its text");
    require(settings.storedValue(key) == referenceValue(fileText, key), "any key reads");

    const std::optional<std::string> stored = referenceValue(fileText, key);
    const std::string text = settings.readText(key, "default");
    if (stored)
        requireTextRead(text, *stored);
    else
        require(text == "default", "a missing key reads as the default text");
    const std::int32_t number = settings.readInt(key, -7);
    require(number == (stored ? referenceInteger(*stored).value_or(-7) : -7),
            "an integer read is the sign and digits, clamped to 32 bits");
}

// `bytes` is the file as it was on disk, `before` its text: the same, or the UTF-8 form of a
// UTF-16 file.
void checkWrite(SettingsFile &settings, const fs::path &file, std::string_view bytes,
                std::string_view before, std::string_view key, std::string_view value)
{
    settings.write(key, value);
    const std::string after = fileText(file);
    if (!profile::isStorableKey(key)) {
        require(after == bytes, "a key that cannot be stored leaves the file as it was");
        return;
    }
    require(!utf16ToUtf8(after), "a file is written back whole in UTF-8");
    require(referenceValue(after, key) == blanked(value), "a value written to disk reads back");
    requireTextRead(settings.readText(key, ""), blanked(value));
    for (const std::string_view each : keys) {
        if (!sameNameIgnoringCase(each, blankTrimmed(key)))
            require(referenceValue(after, each) == referenceValue(before, each),
                    "every other key keeps its value");
    }
    requireOneLineChanged(before, after);
}

void checkFile(const std::string &bytes, std::string_view key, std::string_view value)
{
    const InputFolder folder;
    const fs::path file = folder.path() / "SORBA.INI";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    // A UTF-16 file reads as its UTF-8 form.
    const std::string text = utf16ToUtf8(bytes).value_or(bytes);
    SettingsFile settings(folder.path(), SettingsFile::Fallback::None);
    checkReads(settings, text, key);
    checkWrite(settings, file, bytes, text, key, value);
    std::error_code error;
    require(std::distance(fs::directory_iterator(folder.path(), error), fs::directory_iterator()) ==
                1,
            "nothing but the settings file is left");
}

} // namespace
} // namespace sorba::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace sorba::fuzzing;
    const SettingsInput input = settingsInput(data, size);
    checkFile(input.fileText, input.key, input.value);
    return 0;
}
