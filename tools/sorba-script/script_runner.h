#pragma once
// Runs a script line by line against a calculator on the headless desktop.

#include "model/key_codes.h"
#include "script_platform.h"
#include "settings/settings_file.h"
#include "window/calculator.h"

#include <istream>
#include <memory>
#include <ostream>
#include <stdexcept>

namespace sorba::script {

/// A line the protocol does not allow; the run stops with exit status 2.
class ScriptError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class ScriptRunner
{
public:
    /// Events and output go to out, the protocol; a settings failure is said once on err.
    ScriptRunner(std::ostream &out, std::ostream &err, const std::filesystem::path &folder);

    /// Runs every line; returns the exit status (0, or 2 after a bad line, reported on err).
    int run(std::istream &script, std::ostream &err);

private:
    void start();
    void runLine(std::string_view line);
    void runCommand(std::string_view command, std::string_view argument);
    void deliverPosted();
    void keyPress(VirtualKey key, int modifierMask, char32_t character);
    void typeText(std::string_view text);
    void mouseDown(std::string_view argument);
    /// Whether the control belongs to a window that is not shown (the font chooser).
    /// `select NAME`: the user highlights NAME in the font chooser's list.
    void selectFont(const std::string &name);
    void get(std::string_view path);
    void printFile();
    /// `tape`: every row as two JSON strings, the amount and the mark.
    void printTape();
    void replaceFile(const std::string &text);
    Calculator &calc();

    std::ostream &m_out;
    std::filesystem::path m_folder;
    ScriptPlatform m_platform;
    SettingsFile m_settings;
    std::unique_ptr<Calculator> m_calc;
};

} // namespace sorba::script
