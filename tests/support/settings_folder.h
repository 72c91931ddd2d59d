#pragma once
// Temporary folders and whole-file helpers for the tests of the settings file.

#include "support/temporary_folder.h"

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

using TempFolder = TemporaryFolder;

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
