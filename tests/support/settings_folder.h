#pragma once
// Temporary folders and whole-file helpers for the tests of the settings file.

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace sorba::testing {

class TempFolder
{
public:
    /// A new empty folder in base, by default the system's temporary folder.
    explicit TempFolder(const std::filesystem::path &base = std::filesystem::temp_directory_path())
    {
        namespace fs = std::filesystem;
        std::string pattern = (base / "sorba-settings-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data()) != nullptr ? fs::path(pattern) : fs::path();
        // Open to all, so a test process that gave up root can still reach what lies inside.
        fs::permissions(m_path, fs::perms::owner_all | fs::perms::group_exec |
                                    fs::perms::others_exec | fs::perms::others_read);
    }
    ~TempFolder()
    {
        namespace fs = std::filesystem;
        std::error_code error;
        for (const auto &entry : fs::recursive_directory_iterator(m_path, error)) {
            if (entry.is_directory(error))
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
        fs::remove_all(m_path, error);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline void writeFile(const std::filesystem::path &file, std::string_view text)
{
    std::ofstream(file, std::ios::binary) << text;
}

inline std::optional<std::string> readFile(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::set<std::string> namesIn(const std::filesystem::path &folder)
{
    std::set<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

} // namespace sorba::testing
