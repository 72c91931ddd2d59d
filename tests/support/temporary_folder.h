#pragma once
// A fresh empty folder for tests and benchmarks, removed with everything in it when the object
// goes.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace sorba::testing {

class TemporaryFolder
{
public:
    /// A new empty folder in base, by default the system's temporary folder.
    explicit TemporaryFolder(
        const std::filesystem::path &base = std::filesystem::temp_directory_path())
    {
        namespace fs = std::filesystem;
        std::string pattern = (base / "sorba-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            return;
        m_path = pattern;
        // Open to all, so a test process that gave up root can still reach what lies inside.
        std::error_code ignored;
        fs::permissions(m_path,
                        fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec |
                            fs::perms::others_read,
                        ignored);
    }
    ~TemporaryFolder()
    {
        namespace fs = std::filesystem;
        if (m_path.empty())
            return;
        // A test may have taken the write permission from a folder inside; give it back first.
        std::error_code error;
        for (const auto &entry : fs::recursive_directory_iterator(m_path, error)) {
            if (entry.is_directory(error))
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
        fs::remove_all(m_path, error);
    }
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace sorba::testing
