// The settings file on disk: reading and writing single keys in files written by hand, damaged
// files and read-only folders. Full disks and writers at once are in settings_fault_test.cpp.

#include "settings/settings_file.h"
#include "support/settings_folder.h"

#include <cstdlib>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sorba {
namespace {

namespace fs = std::filesystem;
using namespace std::literals;
using testing::namesIn;
using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

class EnvironmentVariable
{
public:
    EnvironmentVariable(const char *name, const std::optional<fs::path> &value)
        : m_name(name)
    {
        if (const char *old = std::getenv(name))
            m_old = old;
        set(value ? std::optional<std::string>(value->string()) : std::nullopt);
    }
    ~EnvironmentVariable() { set(m_old); }
    EnvironmentVariable(const EnvironmentVariable &) = delete;
    EnvironmentVariable &operator=(const EnvironmentVariable &) = delete;

private:
    void set(const std::optional<std::string> &value)
    {
        if (value)
            ::setenv(m_name, value->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    const char *m_name;
    std::optional<std::string> m_old;
};

std::string repeated(std::string_view text, int count)
{
    std::string result;
    for (int i = 0; i < count; ++i)
        result += text;
    return result;
}

// text as UTF-16 with its byte-order mark, as an editor saves it.
std::string utf16(std::u16string_view text, bool littleEndian)
{
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

// Runs body in a child process; when the tests run as root the child first gives that up, so
// permission bits bind it. Gives the child's exit status, 77 when privileges could not be dropped.
int runWithoutRoot(const std::function<bool()> &body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(77);
        ::prctl(PR_SET_DUMPABLE, 1); // keeps /proc/self readable for the sanitizers
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(SettingsFileTest, ReadsValuesAsStored)
{
    struct Row
    {
        int line;
        std::optional<std::string> file;
        std::string_view key;
        std::optional<std::string> stored;
        std::string text;
        std::int32_t number;
    };
    const std::string ascii60 = repeated("abcdefghij", 6);
    const std::string kana50 = repeated("あ", 50);
    const Row rows[] = {
        // Missing file, missing key and empty values give the defaults.
        {__LINE__, std::nullopt, "FormTop", std::nullopt, "Def", -7},
        {__LINE__, "[SORBA]\nFormLeft=1\n", "FormTop", std::nullopt, "Def", -7},
        {__LINE__, "[SORBA]\nFormTop=\n", "FormTop", "", "", -7},
        {__LINE__, "[SORBA]\nFormTop= \t \n", "FormTop", " \t ", "", -7},
        // Profile integers: the leading number, clamped to 32 bits.
        {__LINE__, "[SORBA]\nSizeW=1875.7\n", "SizeW", "1875.7", "1875.7", 1875},
        {__LINE__, "[SORBA]\nSizeW= 7215\n", "SizeW", " 7215", "7215", 7215},
        {__LINE__, "[SORBA]\nJpFont=No\n", "JpFont", "No", "No", 0},
        {__LINE__, "[SORBA]\nFormTop=-42px\n", "FormTop", "-42px", "-42px", -42},
        {__LINE__, "[SORBA]\nFormTop=+8\n", "FormTop", "+8", "+8", 8},
        {__LINE__, "[SORBA]\nFormTop=-\n", "FormTop", "-", "-", 0},
        {__LINE__, "[SORBA]\nFormTop=2147483647\n", "FormTop", "2147483647", "2147483647",
         2147483647},
        {__LINE__, "[SORBA]\nFormTop=2147483648\n", "FormTop", "2147483648", "2147483648",
         2147483647},
        {__LINE__, "[SORBA]\nFormTop=-2147483648\n", "FormTop", "-2147483648", "-2147483648",
         -2147483647 - 1},
        {__LINE__, "[SORBA]\nFormTop=-99999999999999999999\n", "FormTop", "-99999999999999999999",
         "-99999999999999999999", -2147483647 - 1},
        // Texts are trimmed and cut to 49 characters, never inside one.
        {__LINE__, "[SORBA]\nFontDef=  ＭＳ 明朝 \t\n", "FontDef", "  ＭＳ 明朝 \t", "ＭＳ 明朝",
         0},
        {__LINE__, "[SORBA]\nFontDef=a=b\n", "FontDef", "a=b", "a=b", 0},
        {__LINE__, "[SORBA]\nDumy=" + ascii60 + "\n", "Dumy", ascii60, ascii60.substr(0, 49), 0},
        {__LINE__, "[SORBA]\nDumy=" + kana50 + "\n", "Dumy", kana50, repeated("あ", 49), 0},
        {__LINE__, "[SORBA]\nDumy=" + ascii60.substr(0, 48) + "あい\n", "Dumy",
         ascii60.substr(0, 48) + "あい", ascii60.substr(0, 48) + "あ", 0},
        {__LINE__, "[SORBA]\nDumy=" + std::string(60, '\xFF') + "\n", "Dumy",
         std::string(60, '\xFF'), std::string(49, '\xFF'), 0},
        // Names of any case; foreign sections, comments and keys before any header are not ours.
        {__LINE__, "[sorba]\nformtop=3\n", "FormTop", "3", "3", 3},
        {__LINE__, "[ Sorba ] ; main\n  FORMTOP  =  4\n", "FormTop", "  4", "4", 4},
        {__LINE__, "[Other]\nFormTop=1\n[SORBA]\nFormLeft=2\n", "FormTop", std::nullopt, "Def", -7},
        {__LINE__, "[SORBA]\nFormLeft=2\n[Other]\nFormTop=1\n", "FormTop", std::nullopt, "Def", -7},
        {__LINE__, "FormTop=9\n[SORBA]\n", "FormTop", std::nullopt, "Def", -7},
        {__LINE__, "FormTop=9\n", "FormTop", std::nullopt, "Def", -7},
        {__LINE__, "[SORBA]\n;FormTop=1\nFormTop=2\n", "FormTop", "2", "2", 2},
        {__LINE__, "[SORBA]\nFormTop=1\nformtop=2\n", "FormTop", "1", "1", 1},
        {__LINE__, "[SORBA]\nA=1\n[X]\n[SORBA]\nFormTop=6\n", "FormTop", "6", "6", 6},
        // Line ends of other editors, and damage around the keys.
        {__LINE__, "[SORBA]\r\nFontDef=Gothic\r\n", "FontDef", "Gothic", "Gothic", 0},
        {__LINE__, "[SORBA]\rFontDef=Gothic\rFormTop=3\r", "FontDef", "Gothic", "Gothic", 0},
        {__LINE__, "[SORBA]\rFontDef=Gothic\rFormTop=3", "FormTop", "3", "3", 3},
        {__LINE__, "[X]\rFormTop=4\r[SORBA]\n", "FormTop", std::nullopt, "Def", -7},
        {__LINE__, "[SORBA]\n\r\r\nFormTop=5\r\r", "FormTop", "5", "5", 5},
        // UTF-16 files with a byte-order mark, either byte order; a lone surrogate reads as U+FFFD
        // and an odd last byte is dropped.
        {__LINE__, utf16(u"[SORBA]\r\nFontDef=ＭＳ 明朝\r\n", true), "FontDef", "ＭＳ 明朝",
         "ＭＳ 明朝", 0},
        {__LINE__, utf16(u"[SORBA]\nFormTop=42\n", false), "FormTop", "42", "42", 42},
        {__LINE__,
         utf16(u"[SORBA]\nDumy=a"s + char16_t{0xD800} + u"b" + char16_t{0xDC00} + u"\n", true),
         "Dumy", "a\uFFFDb\uFFFD", "a\uFFFDb\uFFFD", 0},
        {__LINE__, utf16(u"[SORBA]\nDumy=𝄞", true) + 'x', "Dumy", "𝄞", "𝄞", 0},
        {__LINE__, utf16(u"[SORBA]\nFormTop=7\n", false).substr(2), "FormTop", std::nullopt, "Def",
         -7},
        {__LINE__, "\xEF\xBB\xBF[SORBA]\nFormTop=11\n", "FormTop", "11", "11", 11},
        {__LINE__, "[SORBA]\nFormTop=13", "FormTop", "13", "13", 13},
        {__LINE__, "[SORBA]\n\0\0\xFE=\0\nFormTop=12\0x\n"s, "FormTop", "12\0x"s, "12\0x"s, 12},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const TempFolder folder;
        if (row.file)
            writeFile(folder.path() / "SORBA.INI", *row.file);
        const SettingsFile settings(folder.path());
        EXPECT_EQ(settings.storedValue(row.key), row.stored);
        EXPECT_EQ(settings.readText(row.key, "Def"), row.text);
        EXPECT_EQ(settings.readInt(row.key, -7), row.number);
    }
}

TEST(SettingsFileTest, WritesOneKeyAndKeepsEveryOtherLine)
{
    struct Row
    {
        int line;
        std::optional<std::string> before;
        std::string_view key;
        std::string_view value;
        std::optional<std::string_view> after;
    };
    const Row rows[] = {
        {__LINE__, std::nullopt, "FormTop", "5", "[SORBA]\nFormTop=5\n"},
        {__LINE__, "", "FormTop", "5", "[SORBA]\nFormTop=5\n"},
        {__LINE__, "[SORBA]", "FormTop", "5", "[SORBA]\nFormTop=5\n"},
        {__LINE__, "[SORBA]\nFormTop=1\nSizeW=2\n", "FormTop", " 5 ",
         "[SORBA]\nFormTop= 5 \nSizeW=2\n"},
        {__LINE__, "[sorba]\n formtop = 1\n", "FormTop", "5", "[sorba]\nFormTop=5\n"},
        {__LINE__, "[SORBA]\nFormTop=1\nFormTop=2\n", "FormTop", "5",
         "[SORBA]\nFormTop=5\nFormTop=2\n"},
        {__LINE__, "[SORBA]\nFormTop=1\n\n; next\n[Other]\nX=1\n", "SizeW", "2",
         "[SORBA]\nFormTop=1\nSizeW=2\n\n; next\n[Other]\nX=1\n"},
        {__LINE__, "; mine\n[SORBA]\nUnknown=1\n;note\nFormTop=1\n[Extra]\nK=v\n", "FormTop", "7",
         "; mine\n[SORBA]\nUnknown=1\n;note\nFormTop=7\n[Extra]\nK=v\n"},
        {__LINE__, "[SORBA]\nA=1\n[X]\nB=2\n[SORBA]\nC=3\n", "D", "4",
         "[SORBA]\nA=1\nD=4\n[X]\nB=2\n[SORBA]\nC=3\n"},
        {__LINE__, "[SORBA]\nA=1\n[X]\nB=2\n[SORBA]\nC=3\n", "C", "4",
         "[SORBA]\nA=1\n[X]\nB=2\n[SORBA]\nC=4\n"},
        // No section of ours yet: it is added at the end, after the keys that precede any header.
        {__LINE__, "FormTop=1\n", "FormTop", "5", "FormTop=1\n[SORBA]\nFormTop=5\n"},
        {__LINE__, "[Other]\nX=1", "FormTop", "5", "[Other]\nX=1\n[SORBA]\nFormTop=5\n"},
        // Line ends and byte-order mark stay as they were.
        {__LINE__, "[SORBA]\r\nFormTop=1\r\nSizeW=2\r\n", "FormTop", "5",
         "[SORBA]\r\nFormTop=5\r\nSizeW=2\r\n"},
        {__LINE__, "[SORBA]\r\nFormTop=1\r\n", "SizeW", "2", "[SORBA]\r\nFormTop=1\r\nSizeW=2\r\n"},
        // A file of lone CRs gets lone CRs: its section is found, and a new one is added after a
        // line end of its own kind.
        {__LINE__, "[SORBA]\rFormTop=1\rSizeW=2\r", "FormTop", "5",
         "[SORBA]\rFormTop=5\rSizeW=2\r"},
        {__LINE__, "[SORBA]\rFormTop=1", "SizeW", "2", "[SORBA]\rFormTop=1\rSizeW=2\r"},
        {__LINE__, "[Other]\rX=1\r", "FormTop", "5", "[Other]\rX=1\r[SORBA]\rFormTop=5\r"},
        {__LINE__, "[SORBA]\r\rFormTop=1\r\n", "FormTop", "5", "[SORBA]\r\rFormTop=5\r\n"},
        // A UTF-16 file, of either byte order, is written back whole as UTF-8 without its mark.
        {__LINE__, utf16(u"[SORBA]\r\nFontDef=明朝\r\nSizeW=2\r\n", true), "SizeW", "3",
         "[SORBA]\r\nFontDef=明朝\r\nSizeW=3\r\n"},
        {__LINE__, utf16(u"[Other]\nX=𝄞\n", false), "FormTop", "5",
         "[Other]\nX=𝄞\n[SORBA]\nFormTop=5\n"},
        {__LINE__, utf16(u"", true), "FormTop", "5", "[SORBA]\nFormTop=5\n"},
        {__LINE__, "\xEF\xBB\xBF[SORBA]\nFormTop=1\n", "FormTop", "5",
         "\xEF\xBB\xBF[SORBA]\nFormTop=5\n"},
        // A value cannot break its line, and a key that could is not written at all.
        {__LINE__, std::nullopt, "Dumy", "1\n[Other]\r\nX=\0"sv, "[SORBA]\nDumy=1 [Other]  X= \n"},
        {__LINE__, std::nullopt, "A=B", "1", std::nullopt},
        {__LINE__, "[SORBA]\n", "[SORBA]", "1", "[SORBA]\n"},
        {__LINE__, "[SORBA]\n", " ", "1", "[SORBA]\n"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const TempFolder folder;
        if (row.before)
            writeFile(folder.path() / "SORBA.INI", *row.before);
        SettingsFile(folder.path()).write(row.key, row.value);
        EXPECT_EQ(readFile(folder.path() / "SORBA.INI"), row.after);
        // Nothing but the settings file is left behind.
        EXPECT_EQ(namesIn(folder.path()).size(), row.after ? 1U : 0U);
    }
}

TEST(SettingsFileTest, KeepsDamagedFilesReadable)
{
    std::mt19937 random(20240601);
    std::string noise(65536, '\0');
    for (char &c : noise)
        c = static_cast<char>(random() & 0xFF);
    struct Row
    {
        int line;
        std::string junk;
    };
    const Row rows[] = {
        {__LINE__, noise},
        {__LINE__, std::string(4096, '\0')},
        {__LINE__, std::string(1 << 20, 'x')},
        {__LINE__, "\xC3(\xE3\x81\n\xF0\x9F\x98"},
        {__LINE__, "[\n]\n[SORBA\n=\n"},
    };
    for (const auto &[line, junk] : rows) {
        SCOPED_TRACE(line);
        const TempFolder folder;
        const std::string before = "[SORBA]\nFormTop=21\n" + junk + "\n[SORBA]\nSizeW=22\n";
        writeFile(folder.path() / "SORBA.INI", before);
        SettingsFile settings(folder.path());
        settings.write("EndMem", "1");
        EXPECT_EQ(settings.readInt("FormTop", 0), 21);
        EXPECT_EQ(settings.readInt("SizeW", 0), 22);
        EXPECT_EQ(settings.readInt("EndMem", 0), 1);
        // The new key is the only change, wherever in our first section it went.
        std::string after = readFile(folder.path() / "SORBA.INI").value_or("");
        const std::size_t added = after.find("EndMem=1\n");
        ASSERT_NE(added, std::string::npos);
        EXPECT_EQ(after.erase(added, 9), before);
    }
}

TEST(SettingsFileTest, FileNameOfAnyCaseIsOneFileSharedAtOnce)
{
    const TempFolder folder;
    writeFile(folder.path() / "Sorba.ini", "[SORBA]\nFormTop=3\n");
    SettingsFile first(folder.path());
    const SettingsFile second(folder.path());
    EXPECT_EQ(first.path(), folder.path() / "Sorba.ini");
    EXPECT_EQ(second.readInt("FormTop", 0), 3);
    first.write("SizeW", "4");
    EXPECT_EQ(second.readInt("SizeW", 0), 4);
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"Sorba.ini"});
}

TEST(SettingsFileTest, WritesThroughALink)
{
    const TempFolder folder;
    fs::create_directory(folder.path() / "dotfiles");
    writeFile(folder.path() / "dotfiles" / "sorba.ini", "[SORBA]\nFormTop=3\n");
    fs::create_symlink(folder.path() / "dotfiles" / "sorba.ini", folder.path() / "SORBA.INI");
    SettingsFile(folder.path()).write("FormTop", "4");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "SORBA.INI"));
    EXPECT_EQ(readFile(folder.path() / "dotfiles" / "sorba.ini"), "[SORBA]\nFormTop=4\n");
}

TEST(SettingsFileTest, UnwritableProgramFolderFallsBackToUserConfig)
{
    enum class Place { ReadOnlyFolder, ReadOnlyFile, Writable, UnderRegularFile };
    struct Row
    {
        int line;
        Place place;
        SettingsFile::Fallback fallback;
        bool throughHome; // $XDG_CONFIG_HOME unset: ~/.config
        std::string_view font;
        std::int32_t top;
        std::optional<std::string_view> programFile;
        std::optional<std::string_view> configFile;
    };
    constexpr std::string_view before = "[SORBA]\nFontDef=Mincho\nFormTop=1\n";
    constexpr std::string_view written = "[SORBA]\nFontDef=Mincho\nFormTop=5\n";
    using enum SettingsFile::Fallback;
    const Row rows[] = {
        {__LINE__, Place::Writable, UserConfigFolder, false, "Mincho", 5, written, std::nullopt},
        {__LINE__, Place::ReadOnlyFolder, None, false, "Mincho", 1, before, std::nullopt},
        {__LINE__, Place::ReadOnlyFolder, UserConfigFolder, false, "Mincho", 5, before, written},
        {__LINE__, Place::ReadOnlyFolder, UserConfigFolder, true, "Mincho", 5, before, written},
        {__LINE__, Place::ReadOnlyFile, None, false, "Mincho", 1, before, std::nullopt},
        {__LINE__, Place::ReadOnlyFile, UserConfigFolder, false, "Mincho", 5, before, written},
        {__LINE__, Place::UnderRegularFile, None, false, "System", -7, std::nullopt, std::nullopt},
        {__LINE__, Place::UnderRegularFile, UserConfigFolder, false, "System", 5, std::nullopt,
         "[SORBA]\nFormTop=5\n"},
        // An installed copy neither reads nor writes a file beside itself, writable or not.
        {__LINE__, Place::Writable, UserConfigFolderOnly, false, "System", 5, before,
         "[SORBA]\nFormTop=5\n"},
        {__LINE__, Place::Writable, UserConfigFolderOnly, true, "System", 5, before,
         "[SORBA]\nFormTop=5\n"},
        {__LINE__, Place::ReadOnlyFolder, UserConfigFolderOnly, false, "System", 5, before,
         "[SORBA]\nFormTop=5\n"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const TempFolder temp;
        const fs::path home = temp.path() / "home";
        const fs::path configFile = row.throughHome
                                        ? home / ".config" / "sorba" / "SORBA.INI"
                                        : temp.path() / "config" / "sorba" / "SORBA.INI";
        fs::create_directory(home);
        fs::create_directory(temp.path() / "config");
        fs::permissions(home, fs::perms::all);
        fs::permissions(temp.path() / "config", fs::perms::all);
        const EnvironmentVariable homeVariable("HOME", home);
        const EnvironmentVariable configVariable(
            "XDG_CONFIG_HOME",
            row.throughHome ? std::nullopt : std::optional<fs::path>(temp.path() / "config"));

        fs::path program = temp.path() / "program";
        if (row.place == Place::UnderRegularFile) {
            writeFile(temp.path() / "plain", "");
            program = temp.path() / "plain" / "program";
        } else {
            fs::create_directory(program);
            writeFile(program / "SORBA.INI", before);
            constexpr fs::perms readOnly =
                fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
            constexpr fs::perms enterOnly =
                fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
            fs::permissions(program / "SORBA.INI",
                            row.place == Place::ReadOnlyFile ? readOnly : fs::perms::all);
            fs::permissions(program, row.place == Place::ReadOnlyFolder ? readOnly | enterOnly
                                                                        : fs::perms::all);
        }

        const int status = runWithoutRoot([&] {
            SettingsFile settings(program, row.fallback);
            settings.write("FormTop", "5");
            const fs::path expectedPath = row.configFile ? configFile : program / "SORBA.INI";
            return settings.readText("FontDef", "System") == row.font &&
                   settings.readInt("FormTop", -7) == row.top && settings.path() == expectedPath;
        });
        if (status == 77)
            GTEST_SKIP() << "cannot give up root to make a folder read-only";
        EXPECT_EQ(status, 0);
        if (row.place != Place::UnderRegularFile) {
            EXPECT_EQ(readFile(program / "SORBA.INI"), row.programFile);
            EXPECT_EQ(namesIn(program), std::set<std::string>{"SORBA.INI"});
        }
        EXPECT_EQ(readFile(configFile), row.configFile);
    }
}

// Settings that cannot be stored anywhere are said once, with the place, and the program goes
// on with its defaults. The same rows hold as root: a folder without a write bit binds it too.
TEST(SettingsFileTest, SettingsThatCannotBeSavedAreSaidOnceWithThePath)
{
    enum class Place {
        Writable,
        ConfigNamesAFile,
        NoHome,
        RelativeHome,
        DanglingLink,
        ReadOnlyHome,
        ReadOnlyFile
    };
    struct Row
    {
        int line;
        Place place;
        std::string_view said; // in the message, after <temp>; empty: nothing is said
    };
    const Row rows[] = {
        {__LINE__, Place::Writable, ""},
        {__LINE__, Place::ConfigNamesAFile, "/plain/sorba/SORBA.INI"},
        {__LINE__, Place::NoHome, "HOME"},
        {__LINE__, Place::RelativeHome, "HOME"},
        {__LINE__, Place::DanglingLink, "/program/SORBA.INI"},
        {__LINE__, Place::ReadOnlyHome, "/home/.config/sorba/SORBA.INI"},
        {__LINE__, Place::ReadOnlyFile, "/program/SORBA.INI"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const TempFolder temp;
        const fs::path home = temp.path() / "home";
        const fs::path program = temp.path() / "program";
        fs::create_directory(home);
        fs::create_directory(program);
        writeFile(temp.path() / "plain", "");
        std::optional<fs::path> homeValue = home;
        std::optional<fs::path> configValue;
        auto fallback = SettingsFile::Fallback::UserConfigFolderOnly;
        switch (row.place) {
        case Place::Writable:
            break;
        case Place::ConfigNamesAFile:
            configValue = temp.path() / "plain";
            break;
        case Place::NoHome:
            homeValue.reset();
            break;
        case Place::RelativeHome:
            homeValue = "home";
            break;
        case Place::DanglingLink:
            fallback = SettingsFile::Fallback::None;
            fs::create_symlink(temp.path() / "missing" / "SORBA.INI", program / "SORBA.INI");
            break;
        case Place::ReadOnlyHome:
            fs::permissions(home, fs::perms::owner_read | fs::perms::owner_exec);
            break;
        case Place::ReadOnlyFile:
            fallback = SettingsFile::Fallback::None;
            writeFile(program / "SORBA.INI", "[SORBA]\nFormTop=1\n");
            fs::permissions(program / "SORBA.INI", fs::perms::owner_read);
            break;
        }
        const EnvironmentVariable homeVariable("HOME", homeValue);
        const EnvironmentVariable configVariable("XDG_CONFIG_HOME", configValue);

        SettingsFile settings(program, fallback);
        std::vector<std::string> said;
        settings.setFailureReport([&](const std::string &message) { said.push_back(message); });
        for (const std::string_view value : {"5", "6", "7"})
            settings.write("FormTop", value);
        fs::permissions(home, fs::perms::owner_all);

        if (row.said.empty()) {
            EXPECT_TRUE(said.empty());
            EXPECT_EQ(settings.readInt("FormTop", -7), 7);
            continue;
        }
        ASSERT_EQ(said.size(), 1U);
        const std::string where = row.said.starts_with('/')
                                      ? temp.path().string() + std::string(row.said)
                                      : std::string(row.said);
        EXPECT_NE(said.front().find(where), std::string::npos) << said.front();
        // Defaults, or the file as it was: nothing of the writes was kept anywhere.
        EXPECT_EQ(settings.readInt("FormTop", -7), row.place == Place::ReadOnlyFile ? 1 : -7);
        EXPECT_FALSE(fs::exists(home / ".config"));
        EXPECT_FALSE(fs::exists(temp.path() / "missing"));
    }
}

} // namespace
} // namespace sorba
