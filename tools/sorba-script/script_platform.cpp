// Printing the desktop's events for the script host.

#include "script_platform.h"

#include "json_text.h"
#include "model/about_form.h"
#include "model/controls.h"

#include <algorithm>

namespace sorba::script {

ScriptPlatform::ScriptPlatform(std::ostream &out, std::filesystem::path folder)
    : m_out(out)
    , m_folder(std::move(folder))
{}

void ScriptPlatform::messageBox(std::string_view title, std::string_view text)
{
    m_out << "box " << jsonString(title) << ' ' << jsonString(text) << '\n';
}

std::optional<Colour> ScriptPlatform::chooseColour(Colour initial)
{
    m_out << "colour-dialog " << initial << '\n';
    if (m_colourAnswers.empty())
        return std::nullopt;
    const auto answer = m_colourAnswers.front();
    m_colourAnswers.pop_front();
    return answer;
}

std::optional<std::filesystem::path> ScriptPlatform::chooseSaveFile(std::string_view /*name*/)
{
    m_out << "save-dialog\n";
    if (m_saveAnswers.empty())
        return std::nullopt;
    auto answer = std::move(m_saveAnswers.front());
    m_saveAnswers.pop_front();
    return answer;
}

bool ScriptPlatform::fontUsable(std::string_view name)
{
    return name == systemFontName ||
           std::find(m_fonts.begin(), m_fonts.end(), name) != m_fonts.end();
}

void ScriptPlatform::showPopupMenu(MenuItem &menu, int x, int y)
{
    m_out << "popup " << jsonString(menu.caption) << ' ' << x << ' ' << y << '\n';
}

void ScriptPlatform::openHelp(const std::filesystem::path &helpFile)
{
    m_out << "help " << jsonString(helpFile.string()) << '\n';
}

void ScriptPlatform::showAbout(AboutForm &about)
{
    m_out << "about " << jsonString(about.window.caption) << ' ' << jsonString(about.Label1.caption)
          << ' ' << jsonString(about.Label3.caption) << ' ' << jsonString(about.Command1.caption)
          << '\n';
    about.Command1.press();
}

void ScriptPlatform::endProgram()
{
    m_ended = true;
    m_postedEnters.clear();
    m_out << "exit\n";
}

} // namespace sorba::script
