#pragma once
// The settings file beside the program: single-key reads and writes, each going to the file.

#include "settings/settings_keys.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace sorba {

class SettingsFile
{
public:
    /// UserConfigFolderOnly is an installed copy's: it never writes beside itself, even when
    /// it could (run by root), and reads nothing from there either.
    enum class Fallback { UserConfigFolder, None, UserConfigFolderOnly };

    /// Settings live in programFolder/SORBA.INI (any case of the name); when that folder cannot
    /// be written and fallback is allowed, in the user's configuration folder instead.
    explicit SettingsFile(std::filesystem::path programFolder,
                          Fallback fallback = Fallback::UserConfigFolder);

    /// The stored value with its blanks trimmed, at most 49 characters, or defaultText.
    std::string readText(std::string_view key, std::string_view defaultText) const;
    /// Profile-integer reading of the stored value, or defaultValue when missing or empty.
    std::int32_t readInt(std::string_view key, std::int32_t defaultValue) const;
    /// Writes one key at once; a failure leaves the old file intact. Another process holding
    /// the settings folder's lock delays a write a fraction of a second at most; that write is
    /// lost, and the next one tries again.
    void write(std::string_view key, std::string_view value);

    /// Where a message goes (standard error, in the hosts) when the settings cannot be saved;
    /// it is said once, at the first write that fails other than for a busy lock.
    using FailureReport = std::function<void(const std::string &message)>;
    void setFailureReport(FailureReport report) { m_report = std::move(report); }

    std::string read(const TextSetting &setting) const
    {
        return readText(setting.key, setting.defaultText);
    }
    std::int32_t read(const IntSetting &setting) const
    {
        return readInt(setting.key, setting.defaultValue);
    }
    void write(const TextSetting &setting, std::string_view value) { write(setting.key, value); }
    void write(const IntSetting &setting, std::string_view value) { write(setting.key, value); }
    void write(const WrittenSetting &setting, std::string_view value) { write(setting.key, value); }

    /// The value text exactly as stored, or nothing when the key or the file is missing.
    std::optional<std::string> storedValue(std::string_view key) const;
    /// The file this object reads and writes.
    std::filesystem::path path() const;

private:
    void reportFailure(const std::filesystem::path &file);

    std::filesystem::path m_programFolder;
    Fallback m_fallback;
    FailureReport m_report;
    bool m_failureReported = false;
    std::optional<std::chrono::steady_clock::time_point> m_lastBusy;
};

} // namespace sorba
