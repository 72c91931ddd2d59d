// The settings file beside the program, or in the user's configuration folder when the program
// folder is read-only or the program is an installed copy. Every call goes to the file itself, so
// copies of the program share it.

#include "settings/settings_file.h"

#include "settings/file_replace.h"
#include "settings/profile_text.h"
#include "text/utf16.h"

#include <cerrno>
#include <cstdlib>
#include <unistd.h>
#include <utility>

namespace sorba {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view fileName = "SORBA.INI";
constexpr std::string_view sectionName = "SORBA";

// The program names its file both "SORBA.INI" and "Sorba.ini", so on a case-sensitive file
// system an existing file of any case is the one meant. Of several, the first by name wins.
fs::path settingsFileIn(const fs::path &folder)
{
    fs::path exact = folder / fileName;
    std::error_code error;
    if (fs::exists(fs::symlink_status(exact, error)))
        return exact;
    std::optional<fs::path> found;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const fs::path name = entry->path().filename();
        if (profile::sameName(name.native(), fileName) && (!found || name < found->filename()))
            found = entry->path();
    }
    return found.value_or(exact);
}

// Whether the path exists without a write bit: root may write it, but the user said no.
bool isMarkedReadOnly(const fs::path &path)
{
    FileStatus status{};
    return ::stat(path.c_str(), &status) == 0 && !hasWriteBit(status);
}

// A file the user made read-only is left alone, just as a read-only folder is.
bool canWriteIn(const fs::path &folder, const fs::path &file)
{
    const fs::path existingFolder = folder.empty() ? fs::path(".") : folder;
    if (::access(existingFolder.c_str(), W_OK) != 0 || isMarkedReadOnly(existingFolder))
        return false;
    if (::access(file.c_str(), W_OK) != 0 && errno != ENOENT)
        return false;
    return !isMarkedReadOnly(file);
}

// Creates the folder and those above it that are missing, unless the nearest one that exists
// has no write bit (a home the user made read-only, which root would otherwise write in).
void createFolders(const fs::path &folder)
{
    std::error_code error;
    fs::path existing = folder;
    while (existing.has_relative_path() && !fs::exists(existing, error))
        existing = existing.parent_path();
    if (isMarkedReadOnly(existing))
        return;
    fs::create_directories(folder, error);
}

// The base-directory convention: $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
fs::path userConfigFolder()
{
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return fs::path(config) / "sorba";
    const char *home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return fs::path(home) / ".config" / "sorba";
    return {};
}

// Where the settings go for now. It is worked out on every call, so a program folder that
// becomes writable, or a file created meanwhile by another copy, is seen at once.
struct Location
{
    fs::path file;
    // Read while the file in the configuration folder does not exist yet, and copied into it
    // by the first write, so a read-only installation keeps the settings it came with.
    fs::path startingFile;
    bool writable = true;
};

Location locate(const fs::path &programFolder, SettingsFile::Fallback fallback)
{
    if (fallback == SettingsFile::Fallback::UserConfigFolderOnly) {
        const fs::path configFolder = userConfigFolder();
        if (configFolder.empty())
            return {{}, {}, false};
        return {settingsFileIn(configFolder), {}, true};
    }
    fs::path programFile = settingsFileIn(programFolder);
    if (canWriteIn(programFolder, programFile))
        return {std::move(programFile), {}, true};
    const fs::path configFolder =
        fallback == SettingsFile::Fallback::UserConfigFolder ? userConfigFolder() : fs::path();
    if (configFolder.empty())
        return {std::move(programFile), {}, false};
    return {settingsFileIn(configFolder), std::move(programFile), true};
}

// The file's text as UTF-8: a file saved as UTF-16 is decoded whole, so its keys are found and
// a write never adds UTF-8 lines to UTF-16 ones.
std::optional<std::string> asUtf8(std::optional<std::string> text)
{
    if (text) {
        if (std::optional<std::string> decoded = utf16ToUtf8(*text))
            return decoded;
    }
    return text;
}

std::optional<std::string> settingsText(const Location &where)
{
    std::optional<std::string> text = readFileText(where.file);
    if (!text && !where.startingFile.empty())
        text = readFileText(where.startingFile);
    return asUtf8(std::move(text));
}

// After a write found the lock held for its whole wait, the writes that follow soon after try
// the lock once without waiting, so a run of them (closing the window saves several) cannot add
// up to a long freeze.
constexpr std::chrono::seconds busyRetryQuiet{2};

} // namespace

SettingsFile::SettingsFile(fs::path programFolder, Fallback fallback)
    : m_programFolder(std::move(programFolder))
    , m_fallback(fallback)
{}

std::string SettingsFile::readText(std::string_view key, std::string_view defaultText) const
{
    const std::optional<std::string> value = storedValue(key);
    return value ? profile::textValue(*value) : std::string(defaultText);
}

std::int32_t SettingsFile::readInt(std::string_view key, std::int32_t defaultValue) const
{
    const std::optional<std::string> value = storedValue(key);
    return value ? profile::integerValue(*value).value_or(defaultValue) : defaultValue;
}

void SettingsFile::write(std::string_view key, std::string_view value)
{
    fs::path file;
    try {
        if (!profile::isStorableKey(key))
            return;
        const Location where = locate(m_programFolder, m_fallback);
        file = where.file;
        if (!where.writable) {
            reportFailure(file);
            return;
        }
        // The user's configuration folder may not exist yet; the program folder does.
        if (where.file.parent_path() != m_programFolder)
            createFolders(where.file.parent_path());
        const auto now = std::chrono::steady_clock::now();
        const bool quiet = m_lastBusy && now - *m_lastBusy < busyRetryQuiet;
        // A UTF-16 file is written back whole as UTF-8 without its byte-order mark: every copy
        // of the program reads UTF-8, older ones included, and no value is lost in converting.
        const ReplaceResult result = replaceFileText(
            where.file,
            [&](const std::optional<std::string> &current) {
                const std::optional<std::string> text =
                    current ? asUtf8(current) : settingsText(where);
                return profile::withValue(text.value_or(std::string()), sectionName, key, value);
            },
            quiet ? std::chrono::milliseconds(0) : lockWaitLimit);
        m_lastBusy.reset();
        if (result == ReplaceResult::Busy)
            m_lastBusy = now;
        else if (result == ReplaceResult::Failed)
            reportFailure(where.file);
    } catch (...) {
        // A setting that cannot be saved is lost; the calculator carries on.
        reportFailure(file);
    }
}

void SettingsFile::reportFailure(const fs::path &file)
{
    if (m_failureReported || !m_report)
        return;
    m_failureReported = true;
    try {
        m_report(file.empty()
                     ? "settings cannot be saved: neither XDG_CONFIG_HOME nor HOME names a "
                       "folder for them; changes are not kept"
                     : "settings cannot be saved to " + file.string() + "; changes are not kept");
    } catch (...) {
        // Not even a failing report may stop the calculator.
    }
}

std::optional<std::string> SettingsFile::storedValue(std::string_view key) const
{
    try {
        const std::optional<std::string> text = settingsText(locate(m_programFolder, m_fallback));
        if (!text)
            return std::nullopt;
        const std::optional<std::string_view> value = profile::findValue(*text, sectionName, key);
        return value ? std::optional<std::string>(*value) : std::nullopt;
    } catch (...) {
        // Not even a damaged file of absurd size may stop the calculator: it starts on defaults.
        return std::nullopt;
    }
}

fs::path SettingsFile::path() const
{
    return locate(m_programFolder, m_fallback).file;
}

} // namespace sorba
