#pragma once
// A desktop for tests and benchmarks: it records message boxes and posted Enters, holds a
// clipboard, and answers nothing else of interest. The temporary program folder comes with it.

#include "model/about_form.h"
#include "model/platform.h"
#include "support/temporary_folder.h"
#include "window/posted_enters.h"

#include <filesystem>
#include <string>
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
    void postEnter() override { postedEnters.post(); }
    void clipboardClear() override { clipboard.reset(); }
    void clipboardSetText(std::string_view text) override { clipboard = std::string(text); }
    std::optional<std::string> clipboardText() override { return clipboard; }
    std::optional<Colour> chooseColour(Colour /*initial*/) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseSaveFile(std::string_view /*name*/) override
    {
        return saveAnswer;
    }
    std::vector<std::string> fontNames() override { return {}; }
    bool fontUsable(std::string_view name) override { return name == systemFontName; }
    void setBusyPointer(bool /*busy*/) override {}
    void setTopmost(bool /*topmost*/) override {}
    void showPopupMenu(MenuItem & /*menu*/, int /*x*/, int /*y*/) override {}
    void openHelp(const std::filesystem::path & /*helpFile*/) override {}
    /// The box is closed with its OK at once.
    void showAbout(AboutForm &about) override { about.Command1.press(); }
    ScreenMetrics screenMetrics() override { return {}; }
    std::filesystem::path programFolder() override { return m_folder; }
    std::filesystem::path dataFolder() override { return m_folder; }
    void endProgram() override { ended = true; }

    std::vector<std::string> boxes;
    /// What every save dialog answers; nothing is a cancel.
    std::optional<std::filesystem::path> saveAnswer;
    std::optional<std::string> clipboard;
    PostedEnters postedEnters;
    bool ended = false;

private:
    std::filesystem::path m_folder;
};

} // namespace sorba::testing
