// The script protocol: input commands become the events a desktop would deliver, output
// commands print the model, and the platform prints what a desktop would show.

#include "script_runner.h"

#include "json_text.h"
#include "settings/file_replace.h"
#include "text/utf8.h"
#include "window/inspect.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace sorba::script {

namespace {

// The rest of the line taken literally, or one JSON string literal when it starts with '"'.
// Either way the text must be well-formed UTF-8: raw bytes that are not, or an escaped lone
// surrogate, end the script rather than reach the calculator as something else.
std::string textArgument(std::string_view argument)
{
    std::string text(argument);
    if (argument.starts_with('"')) {
        auto parsed = parseJsonString(argument);
        if (!parsed)
            throw ScriptError("malformed string literal");
        text = std::move(*parsed);
    }
    if (!isWellFormedUtf8(text))
        throw ScriptError("text is not well-formed UTF-8");
    return text;
}

// A whole number that makes up the whole argument.
template<typename Number> Number wholeNumberArgument(std::string_view text)
{
    Number value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        throw ScriptError("not a whole number: " + std::string(text));
    return value;
}

int integerArgument(std::string_view text)
{
    return wholeNumberArgument<int>(text);
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto blank = text.find(' ', start);
        const auto end = blank == std::string_view::npos ? text.size() : blank;
        out.push_back(text.substr(start, end - start));
        if (blank == std::string_view::npos)
            break;
        start = blank + 1;
    }
    return out;
}

// The key-down a keyboard sends before a typed character: the key and the modifier mask.
std::pair<VirtualKey, int> keyDownFor(char32_t character)
{
    if (character >= U'a' && character <= U'z')
        return {letterKey(character), 0};
    if (character >= U'A' && character <= U'Z')
        return {letterKey(character), modifierBit(Modifier::Shift)};
    if (isAsciiDigit(character))
        return {digitKey(int(character - U'0')), 0};
    if (character == spaceCharacter)
        return {VirtualKey::Space, 0};
    return {VirtualKey::None, 0};
}

} // namespace

ScriptRunner::ScriptRunner(std::ostream &out, std::ostream &err,
                           const std::filesystem::path &folder)
    : m_out(out)
    , m_folder(folder)
    , m_platform(out, folder)
    , m_settings(folder, SettingsFile::Fallback::None)
{
    // Never into out: a transcript holds only what the protocol prints.
    m_settings.setFailureReport(
        [&err](const std::string &message) { err << "sorba-script: " << message << '\n'; });
}

Calculator &ScriptRunner::calc()
{
    return *m_calc;
}

void ScriptRunner::start()
{
    m_platform.restarted();
    m_calc = std::make_unique<Calculator>(m_platform, m_settings);
    m_calc->load();
}

int ScriptRunner::run(std::istream &script, std::ostream &err)
{
    start();
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.starts_with('#'))
            continue;
        try {
            runLine(line);
        } catch (const ScriptError &error) {
            m_out.flush();
            err << "line " << number << ": " << error.what() << '\n';
            return 2;
        }
    }
    return 0;
}

void ScriptRunner::runLine(std::string_view line)
{
    const auto blank = line.find(' ');
    const std::string_view command = line.substr(0, blank);
    const std::string_view argument =
        blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
    if (m_platform.ended()) {
        // After the program has ended only the files and the clipboard can still be read.
        const bool allowed =
            command == "restart" || command == "file" || command == "inifile" ||
            (command == "get" && (argument.starts_with("settings.") || argument == "clipboard"));
        if (!allowed)
            throw ScriptError("the program has ended: " + std::string(command));
    }
    runCommand(command, argument);
    deliverPosted();
}

void ScriptRunner::deliverPosted()
{
    if (!m_platform.ended())
        m_platform.postedEnters().deliver(calc());
}

void ScriptRunner::keyPress(VirtualKey key, int modifierMask, char32_t character)
{
    calc().keyPress(keyCode(key), modifierMask, std::u32string_view(&character, 1));
}

void ScriptRunner::typeText(std::string_view text)
{
    for (std::size_t at = 0; at < text.size() && !m_platform.ended();) {
        const Utf8Character character = decodeUtf8(text, at);
        at += character.length;
        const auto [code, mask] = keyDownFor(character.codePoint);
        keyPress(code, mask, character.codePoint);
        deliverPosted();
    }
}

void ScriptRunner::runCommand(std::string_view command, std::string_view argument)
{
    if (command == "type") {
        typeText(textArgument(argument));
    } else if (command == "key") {
        if (argument == "Enter")
            keyPress(VirtualKey::Enter, 0, enterCharacter);
        else if (argument == "Esc")
            keyPress(VirtualKey::Escape, 0, escapeCharacter);
        else if (argument == "Space")
            keyPress(VirtualKey::Space, 0, spaceCharacter);
        else if (argument == "Backspace")
            keyPress(VirtualKey::Backspace, 0, backspaceCharacter);
        else
            throw ScriptError("unknown key: " + std::string(argument));
    } else if (command == "ctrl") {
        if (argument.size() != 1 || !std::isalpha(static_cast<unsigned char>(argument[0])))
            throw ScriptError("ctrl takes one letter");
        const VirtualKey letter = letterKey(char32_t(argument[0]));
        keyPress(letter, modifierBit(Modifier::Ctrl), ctrlCharacter(letter));
    } else if (command == "keydown") {
        const auto parts = words(argument);
        if (parts.size() != 2)
            throw ScriptError("keydown takes CODE MASK");
        calc().keyDown(integerArgument(parts[0]), integerArgument(parts[1]));
    } else if (command == "char") {
        calc().keyChar(char32_t(integerArgument(argument)));
    } else if (command == "menu") {
        auto *item = dynamic_cast<MenuItem *>(calc().form.find(argument));
        if (!item)
            throw ScriptError("unknown menu item: " + std::string(argument));
        calc().chooseMenu(*item);
    } else if (command == "click") {
        auto *control = dynamic_cast<Control *>(calc().form.find(argument));
        if (!control || !control->takesClicks())
            throw ScriptError("unknown control: " + std::string(argument));
        // A control that is disabled or hidden, or one of a window that is not shown, takes
        // no click: nothing happens.
        calc().clickControl(*control);
    } else if (command == "dblclick") {
        if (argument != "Readout")
            throw ScriptError("only the readout takes a double click: " + std::string(argument));
        calc().doubleClickReadout();
    } else if (command == "mousedown") {
        mouseDown(argument);
    } else if (command == "resize") {
        const auto parts = words(argument);
        if (parts.size() != 2)
            throw ScriptError("resize takes H W");
        calc().form.window.resizeByUser(integerArgument(parts[0]), integerArgument(parts[1]));
    } else if (command == "clipboard") {
        m_platform.setClipboard(textArgument(argument));
    } else if (command == "clipboard-clear") {
        m_platform.setClipboard(std::nullopt);
    } else if (command == "colour") {
        if (argument == "cancel")
            m_platform.queueColourAnswer(std::nullopt);
        else // any 0x00BBGGRR value or a system-colour code
            m_platform.queueColourAnswer(wholeNumberArgument<Colour>(argument));
    } else if (command == "savefile") {
        // A relative path names a file in the script's folder, like the settings file.
        if (argument == "cancel")
            m_platform.queueSaveAnswer(std::nullopt);
        else
            m_platform.queueSaveAnswer(m_folder / std::filesystem::path(textArgument(argument)));
    } else if (command == "tape") {
        printTape();
    } else if (command == "fonts") {
        std::vector<std::string> fonts;
        std::string list = textArgument(argument);
        std::size_t start = 0;
        // An empty list is a desktop without fonts.
        while (!list.empty() && start <= list.size()) {
            const auto bar = list.find('|', start);
            fonts.push_back(list.substr(start, bar == std::string::npos ? bar : bar - start));
            if (bar == std::string::npos)
                break;
            start = bar + 1;
        }
        m_platform.setFonts(std::move(fonts));
    } else if (command == "select") {
        selectFont(textArgument(argument));
    } else if (command == "inifile") {
        replaceFile(textArgument(argument));
    } else if (command == "restart") {
        if (!m_platform.ended())
            calc().close();
        start();
    } else if (command == "get") {
        get(argument);
    } else if (command == "file") {
        printFile();
    } else {
        throw ScriptError("unknown command: " + std::string(command));
    }
}

// mousedown TARGET BUTTON [shift]: the target is Readout or Window (the background).
void ScriptRunner::mouseDown(std::string_view argument)
{
    const auto parts = words(argument);
    if (parts.size() < 2 || parts.size() > 3 || (parts.size() == 3 && parts[2] != "shift"))
        throw ScriptError("mousedown takes TARGET BUTTON [shift]");
    MouseButton button = MouseButton::Left;
    if (parts[1] == "right")
        button = MouseButton::Right;
    else if (parts[1] != "left")
        throw ScriptError("unknown mouse button: " + std::string(parts[1]));
    const bool shift = parts.size() == 3;
    if (parts[0] == "Readout")
        calc().mouseDownOnReadout(button, shift);
    else if (parts[0] == "Window")
        calc().mouseDownOnWindow(button);
    else
        throw ScriptError("unknown mouse target: " + std::string(parts[0]));
}

void ScriptRunner::printTape()
{
    m_out << "--- tape\n";
    for (const TapeRow &row : calc().tape.rows())
        m_out << jsonString(row.amount) << ' ' << jsonString(row.mark) << '\n';
    m_out << "---\n";
}

void ScriptRunner::selectFont(const std::string &name)
{
    // Only a line of the shown list can be highlighted; anything else changes nothing.
    ListBox &list = calc().fontChooser.Lstfontname;
    if (!calc().reachable(list))
        return;
    const auto found = std::find(list.items.begin(), list.items.end(), name);
    if (found != list.items.end())
        list.click(std::size_t(found - list.items.begin()));
}

void ScriptRunner::get(std::string_view path)
{
    if (path == "clipboard") {
        const auto text = m_platform.clipboardText();
        m_out << "clipboard = " << (text ? jsonString(*text) : "null") << '\n';
        return;
    }
    if (path.starts_with("settings.")) {
        const auto value = m_settings.storedValue(path.substr(9));
        m_out << path << " = " << (value ? jsonString(*value) : "null") << '\n';
        return;
    }
    const auto value = inspect(calc(), path);
    if (!value)
        throw ScriptError("unknown path: " + std::string(path));
    m_out << path << " = " << jsonValue(*value) << '\n';
}

// Through the program's own reader: a pipe, a device or an endless file in the file's place
// prints as no file rather than holding the script up.
void ScriptRunner::printFile()
{
    const std::optional<std::string> text = readFileText(m_settings.path());
    if (!text) {
        m_out << "--- SORBA.INI (none)\n";
        return;
    }
    m_out << "--- SORBA.INI\n";
    std::istringstream lines(*text);
    std::string line;
    while (std::getline(lines, line))
        m_out << line << '\n';
    m_out << "---\n";
}

// Through the program's own writer: a link stays a link, nothing but a regular file is replaced,
// and a file the user made read-only stays as it is.
void ScriptRunner::replaceFile(const std::string &text)
{
    replaceFileText(m_settings.path(), [&](const std::optional<std::string> &) { return text; });
}

} // namespace sorba::script
