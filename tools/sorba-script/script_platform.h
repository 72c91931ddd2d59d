#pragma once
// The headless desktop of the script host: it prints what a desktop would show and answers as
// the script has told it to.

#include "model/platform.h"
#include "window/posted_enters.h"

#include <deque>
#include <ostream>

namespace sorba::script {

class ScriptPlatform : public Platform
{
public:
    ScriptPlatform(std::ostream &out, std::filesystem::path folder);

    void messageBox(std::string_view title, std::string_view text) override;
    void postEnter() override { m_postedEnters.post(); }
    void clipboardClear() override { m_clipboard.reset(); }
    void clipboardSetText(std::string_view text) override { m_clipboard = std::string(text); }
    std::optional<std::string> clipboardText() override { return m_clipboard; }
    std::optional<Colour> chooseColour(Colour initial) override;
    std::optional<std::filesystem::path> chooseSaveFile(std::string_view suggestedName) override;
    std::vector<std::string> fontNames() override { return m_fonts; }
    bool fontUsable(std::string_view name) override;
    void setBusyPointer(bool /*busy*/) override {}
    void setTopmost(bool /*topmost*/) override {}
    void showPopupMenu(MenuItem &menu, int x, int y) override;
    void openHelp(const std::filesystem::path &helpFile) override;
    void showAbout(AboutForm &about) override;
    ScreenMetrics screenMetrics() override { return {}; }
    std::filesystem::path programFolder() override { return m_folder; }
    /// The script host has no installed form: its data files sit beside it.
    std::filesystem::path dataFolder() override { return m_folder; }
    void endProgram() override;

    PostedEnters &postedEnters() { return m_postedEnters; }
    bool ended() const { return m_ended; }
    void restarted() { m_ended = false; }

    void setClipboard(std::optional<std::string> text) { m_clipboard = std::move(text); }
    void setFonts(std::vector<std::string> fonts) { m_fonts = std::move(fonts); }
    /// The answer of the next colour dialog; nothing means cancel.
    void queueColourAnswer(std::optional<Colour> answer) { m_colourAnswers.push_back(answer); }
    /// The answer of the next save dialog; nothing means cancel.
    void queueSaveAnswer(std::optional<std::filesystem::path> answer)
    {
        m_saveAnswers.push_back(std::move(answer));
    }

private:
    std::ostream &m_out;
    std::filesystem::path m_folder;
    std::optional<std::string> m_clipboard;
    std::vector<std::string> m_fonts{"Sans", "Serif", "Monospace"};
    std::deque<std::optional<Colour>> m_colourAnswers;
    std::deque<std::optional<std::filesystem::path>> m_saveAnswers;
    PostedEnters m_postedEnters;
    bool m_ended = false;
};

} // namespace sorba::script
