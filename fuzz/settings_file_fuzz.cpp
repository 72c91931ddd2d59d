// The settings file on disk: any bytes as the file, every key read through it, one key written
// and read back, and nothing left beside it.

#include "fuzz_check.h"
#include "settings/profile_text.h"
#include "settings/settings_file.h"
#include "settings_fuzz_support.h"
#include "text/utf16.h"

#include <array>
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

std::string fileBytes(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void checkFile(const std::string &bytes, std::string_view key, std::string_view value)
{
    const InputFolder folder;
    const fs::path file = folder.path() / "SORBA.INI";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    // A UTF-16 file reads as its UTF-8 form.
    const std::optional<std::string> decoded = utf16ToUtf8(bytes);
    const std::string fileText = decoded.value_or(bytes);
    SettingsFile settings(folder.path(), SettingsFile::Fallback::None);
    // Every key through the file; the two typed readings of one key besides, as the rest would
    // only repeat them at the price of a file read each.
    for (const std::string_view each : keys)
        require(settings.storedValue(each) == found(fileText, each), "the file reads as its text");
    const std::optional<std::string> stored = found(fileText, key);
    require(settings.readText(key, "default") == (stored ? profile::textValue(*stored) : "default"),
            "a text read is the trimmed, cut value");
    static_cast<void>(settings.readInt(key, -7));
    settings.write(key, value);
    if (profile::isStorableKey(key)) {
        require(settings.storedValue(key) == blanked(value), "a value written to disk reads back");
        require(settings.readText(key, "") == profile::textValue(blanked(value)),
                "a value written reads back trimmed and cut");
        require(!decoded || !utf16ToUtf8(fileBytes(file)),
                "a UTF-16 file is written back whole in UTF-8");
    }
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
