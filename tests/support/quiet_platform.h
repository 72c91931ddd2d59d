#pragma once
// A desktop for tests and benchmarks: it records message boxes and posted Enters, holds a
// clipboard, and answers nothing else of interest. Also a temporary program folder.

#include "shell/platform.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace sorba::testing {

class QuietPlatform : public Platform
{
public:
    explicit QuietPlatform(std::filesystem::path folder)
        : m_folder(std::move(folder))
    {}
    void messageBox(std::string_view title, std::string_view text) override
    {
        boxes.push_back(std::string(title) + " " + std::string(text));
    }
    void postEnter() override { ++postedEnters; }
    void clipboardClear() override { clipboard.reset(); }
    void clipboardSetText(std::string_view text) override { clipboard = std::string(text); }
    std::optional<std::string> clipboardText() override { return clipboard; }
    std::optional<Colour> chooseColour(Colour /*initial*/) override { return std::nullopt; }
    std::vector<std::string> fontNames() override { return {}; }
    bool fontUsable(std::string_view name) override { return name == "System"; }
    void setTopmost(bool /*topmost*/) override {}
    void showPopupMenu(MenuItem & /*menu*/, int /*x*/, int /*y*/) override {}
    void openHelp(const std::filesystem::path & /*helpFile*/) override {}
    ScreenMetrics screenMetrics() override { return {}; }
    std::filesystem::path programFolder() override { return m_folder; }
    std::filesystem::path dataFolder() override { return m_folder; }
    void endProgram() override { ended = true; }

    std::vector<std::string> boxes;
    std::optional<std::string> clipboard;
    int postedEnters = 0;
    bool ended = false;

private:
    std::filesystem::path m_folder;
};

/// A fresh empty folder, removed with everything in it when the object goes.
class TemporaryFolder
{
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "sorba-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            m_path = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace sorba::testing
