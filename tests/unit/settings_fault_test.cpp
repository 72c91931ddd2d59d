// The settings file under attack and bad luck: pipes, devices, folders and links where the file
// should be, foreign owners, file-size limits, a full disk, killed writers and absurd contents.

#include "settings/file_read.h"
#include "settings/file_replace.h"
#include "settings/settings_file.h"
#include "support/quiet_platform.h"
#include "support/settings_folder.h"
#include "window/calculator.h"

#include <charconv>
#include <chrono>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sched.h>
#include <sstream>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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

constexpr int skipped = 77;

// Runs body in a child process, so that a hang, a signal or a crash fails one test rather than
// the run. Gives the exit status, or 128 + the signal that ended the child.
int runInChild(const std::function<int()> &body, unsigned timeoutSeconds = 10)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(timeoutSeconds);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Many writes are slow where every fsync reaches a disk; shared memory answers at once.
fs::path fastTempBase()
{
    const fs::path shared = "/dev/shm";
    return ::access(shared.c_str(), W_OK | X_OK) == 0 ? shared : fs::temp_directory_path();
}

std::string linkText(const fs::path &link)
{
    std::error_code error;
    return fs::read_symlink(link, error).string();
}

// Everything about a folder entry that a write must leave as it was.
struct EntryState
{
    fs::file_type type;
    std::string link;
    std::optional<std::string> text; // regular files only

    bool operator==(const EntryState &) const = default;
};

EntryState entryState(const fs::path &entry)
{
    std::error_code error;
    const fs::file_type type = fs::symlink_status(entry, error).type();
    return {type, linkText(entry), type == fs::file_type::regular ? readFile(entry) : std::nullopt};
}

std::map<std::string, EntryState> folderState(const fs::path &folder)
{
    std::map<std::string, EntryState> state;
    for (const std::string &name : namesIn(folder))
        state.emplace(name, entryState(folder / name));
    return state;
}

// A null device of the test's own making: a fault that replaced it would harm nothing else.
bool makeNullDevice(const fs::path &node)
{
    return ::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

TEST(SettingsFaultTest, WhatIsNoRegularFileReadsAsDefaultsAndIsNeverReplaced)
{
    struct Row
    {
        int line;
        // Makes SORBA.INI in the folder; false when that cannot be done here.
        std::function<bool(const fs::path &folder)> make;
        // The machine's own device the file leads to.
        const char *systemDevice = nullptr;
        bool withoutRoot = false;
    };
    const Row rows[] = {
        {__LINE__, [](const fs::path &folder) { return makeNullDevice(folder / "SORBA.INI"); }},
        {__LINE__,
         [](const fs::path &folder) {
             fs::create_symlink("null", folder / "SORBA.INI");
             return makeNullDevice(folder / "null");
         }},
        {__LINE__,
         [](const fs::path &folder) {
             fs::create_symlink("/dev/null", folder / "SORBA.INI");
             return true;
         },
         "/dev/null"},
        {__LINE__,
         [](const fs::path &folder) {
             fs::create_symlink("/dev/zero", folder / "SORBA.INI");
             return true;
         },
         "/dev/zero"},
        {__LINE__,
         [](const fs::path &folder) {
             return ::mkfifo((folder / "SORBA.INI").c_str(), 0666) == 0;
         }},
        {__LINE__,
         [](const fs::path &folder) {
             fs::create_symlink("pipe", folder / "SORBA.INI");
             return ::mkfifo((folder / "pipe").c_str(), 0666) == 0;
         }},
        {__LINE__,
         [](const fs::path &folder) {
             fs::create_directory(folder / "SORBA.INI");
             writeFile(folder / "SORBA.INI" / "inside", "[SORBA]\nFormTop=1\n");
             return true;
         }},
        {__LINE__,
         [](const fs::path &folder) {
             fs::create_directory_symlink(".", folder / "SORBA.INI");
             return true;
         }},
        {__LINE__,
         [](const fs::path &folder) {
             fs::create_symlink("loop.ini", folder / "SORBA.INI");
             fs::create_symlink("SORBA.INI", folder / "loop.ini");
             return true;
         }},
        // A file its reader may write but not read.
        {__LINE__,
         [](const fs::path &folder) {
             fs::permissions(folder, fs::perms::all);
             writeFile(folder / "SORBA.INI", "[SORBA]\nFormTop=1\n");
             fs::permissions(folder / "SORBA.INI", fs::perms::owner_write | fs::perms::group_write |
                                                       fs::perms::others_write);
             return true;
         },
         nullptr, true},
    };
    // Run by root, a fault with the machine's own devices would replace them for every process
    // on it; those rows wait until a device of the test's own has come through unharmed.
    bool ownDeviceKept = ::geteuid() != 0;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        if (row.systemDevice != nullptr && !ownDeviceKept)
            continue;
        const TempFolder folder;
        if (!row.make(folder.path()))
            continue;
        const std::map<std::string, EntryState> before = folderState(folder.path());
        FileStatus device{};
        if (row.systemDevice != nullptr) {
            ASSERT_EQ(::stat(row.systemDevice, &device), 0);
        }

        const int status = runInChild([&] {
            if (row.withoutRoot && ::geteuid() == 0 &&
                (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
                return skipped;
            ::prctl(PR_SET_DUMPABLE, 1); // keeps /proc/self readable for the sanitizers
            SettingsFile settings(folder.path(), SettingsFile::Fallback::None);
            const bool defaultsBefore = settings.readInt("FormTop", -7) == -7 &&
                                        settings.readText("FontDef", "System") == "System";
            settings.write("FormTop", "5");
            const bool defaultsAfter = settings.readInt("FormTop", -7) == -7;
            return defaultsBefore && defaultsAfter ? 0 : 1;
        });
        if (status == skipped)
            continue; // root could not be given up to make the file unreadable
        EXPECT_EQ(status, 0);
        EXPECT_EQ(folderState(folder.path()), before);
        if (row.systemDevice != nullptr) {
            FileStatus after{};
            ASSERT_EQ(::stat(row.systemDevice, &after), 0);
            EXPECT_TRUE(S_ISCHR(after.st_mode));
            EXPECT_EQ(after.st_rdev, device.st_rdev);
            EXPECT_EQ(after.st_ino, device.st_ino);
        }
        if (before.contains("null") || before.at("SORBA.INI").type == fs::file_type::character)
            ownDeviceKept = !HasFailure();
    }
}

TEST(SettingsFaultTest, LinksStayLinksAndTheFileTheyLeadToIsWritten)
{
    struct Row
    {
        int line;
        std::string_view link;                  // SORBA.INI in the program folder leads here
        std::optional<std::string_view> before; // in dotfiles/sorba.ini
        std::optional<std::string_view> after;
        std::int32_t top;
    };
    const Row rows[] = {
        {__LINE__, "../dotfiles/sorba.ini", "[SORBA]\nFormTop=3\nSizeW=9\n",
         "[SORBA]\nFormTop=5\nSizeW=9\n", 5},
        {__LINE__, "{temp}/dotfiles/sorba.ini", "[SORBA]\nFormTop=3\n", "[SORBA]\nFormTop=5\n", 5},
        {__LINE__, "chain.ini", "[SORBA]\nFormTop=3\n", "[SORBA]\nFormTop=5\n", 5},
        // A dotfiles checkout whose file is not created yet: the write creates it.
        {__LINE__, "../dotfiles/sorba.ini", std::nullopt, "[SORBA]\nFormTop=5\n", 5},
        {__LINE__, "chain.ini", std::nullopt, "[SORBA]\nFormTop=5\n", 5},
        // A link into a folder that does not exist leads nowhere that can be written.
        {__LINE__, "../missing/sorba.ini", std::nullopt, std::nullopt, -7},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const TempFolder temp;
        const fs::path program = temp.path() / "program";
        const fs::path dotfiles = temp.path() / "dotfiles";
        fs::create_directory(program);
        fs::create_directory(dotfiles);
        if (row.before)
            writeFile(dotfiles / "sorba.ini", *row.before);
        std::string link(row.link);
        if (link.starts_with("{temp}"))
            link.replace(0, 6, temp.path().string());
        if (link == "chain.ini")
            fs::create_symlink("../dotfiles/sorba.ini", program / "chain.ini");
        fs::create_symlink(link, program / "SORBA.INI");
        const std::set<std::string> programNames = namesIn(program);

        SettingsFile settings(program, SettingsFile::Fallback::None);
        settings.write("FormTop", "5");
        EXPECT_EQ(settings.readInt("FormTop", -7), row.top);
        EXPECT_EQ(linkText(program / "SORBA.INI"), link);
        EXPECT_EQ(namesIn(program), programNames);
        EXPECT_EQ(readFile(dotfiles / "sorba.ini"), row.after);
        EXPECT_EQ(namesIn(dotfiles).size(), row.after ? 1U : 0U);
    }
}

TEST(SettingsFaultTest, RootLeavesTheUsersOwnershipAsItWas)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    constexpr uid_t user = 12345;
    constexpr gid_t group = 12346;
    const mode_t processMask = ::umask(022);
    ::umask(processMask);
    struct Row
    {
        int line;
        std::optional<mode_t> mode; // of the existing file, owned by the user; none: no file
        mode_t modeAfter;
    };
    const Row rows[] = {
        {__LINE__, 0640, 0640},
        {__LINE__, 0600, 0600},
        {__LINE__, 0664, 0664},
        // Made by root in the user's folder: the user's file all the same, as the umask says.
        {__LINE__, std::nullopt, 0666 & ~processMask},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const TempFolder temp;
        const fs::path program = temp.path() / "program";
        fs::create_directory(program);
        ASSERT_EQ(::chown(program.c_str(), user, group), 0);
        const fs::path file = program / "SORBA.INI";
        if (row.mode) {
            writeFile(file, "[SORBA]\nFormTop=1\n");
            ASSERT_EQ(::chown(file.c_str(), user, group), 0);
            ASSERT_EQ(::chmod(file.c_str(), *row.mode), 0);
        }
        SettingsFile(program).write("FormTop", "5");
        EXPECT_EQ(readFile(file), "[SORBA]\nFormTop=5\n");
        FileStatus status{};
        ASSERT_EQ(::stat(file.c_str(), &status), 0);
        EXPECT_EQ(status.st_uid, user);
        EXPECT_EQ(status.st_gid, group);
        EXPECT_EQ(status.st_mode & 07777, row.modeAfter);
    }
}

// Another process holding the folder's lock, as anyone who can read the folder can: a child
// that takes it, says so through a pipe and keeps it until it is killed.
class LockHolder
{
public:
    explicit LockHolder(const fs::path &folder)
    {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        m_child = ::fork();
        if (m_child == 0) {
            const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
            if (fd >= 0 && ::flock(fd, LOCK_EX) == 0 && ::write(ready[1], "!", 1) == 1) {
                ::alarm(30);
                for (;;)
                    ::pause();
            }
            ::_exit(1);
        }
        ::close(ready[1]);
        char byte = 0;
        m_holding = ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
    }
    ~LockHolder() { release(); }
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;

    bool holding() const { return m_holding; }
    void release()
    {
        if (m_child > 0) {
            ::kill(m_child, SIGKILL);
            ::waitpid(m_child, nullptr, 0);
            m_child = -1;
        }
    }

private:
    pid_t m_child = -1;
    bool m_holding = false;
};

template<typename Action> std::chrono::milliseconds timed(const Action &action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

// Not a measure of speed: only that a held lock can never hang the window. Without a bound each
// of these would wait until the holder lets go, which here is never.
constexpr auto hangBound = 2s;

TEST(SettingsFaultTest, HeldLockFailsTheMenuWriteSoonAndTheNextWriteTriesAgain)
{
    const TempFolder folder;
    const fs::path file = folder.path() / "SORBA.INI";
    writeFile(file, "[SORBA]\nAtsNoA=0\n");
    testing::QuietPlatform platform(folder.path());
    SettingsFile settings(folder.path(), SettingsFile::Fallback::None);
    std::vector<std::string> reports;
    settings.setFailureReport([&](const std::string &message) { reports.push_back(message); });
    Calculator calc(platform, settings);
    calc.load();
    auto &warningsOff = dynamic_cast<MenuItem &>(*calc.form.find("AAA(1)"));

    LockHolder holder(folder.path());
    ASSERT_TRUE(holder.holding());
    EXPECT_LT(timed([&] { calc.chooseMenu(warningsOff); }), hangBound);
    EXPECT_EQ(readFile(file), "[SORBA]\nAtsNoA=0\n");
    // Writes right after one that waited in vain do not each wait again.
    EXPECT_LT(timed([&] {
                  for (int i = 0; i < 20; ++i)
                      settings.write("FormTop", std::to_string(i));
              }),
              hangBound);
    EXPECT_EQ(readFile(file), "[SORBA]\nAtsNoA=0\n");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"SORBA.INI"});
    // A busy lock is no reason to say the settings cannot be saved.
    EXPECT_TRUE(reports.empty());

    holder.release();
    calc.chooseMenu(warningsOff);
    EXPECT_EQ(readFile(file), "[SORBA]\nAtsNoA=1\n");
}

TEST(SettingsFaultTest, HeldLockCannotHoldUpTheExit)
{
    const TempFolder folder;
    const fs::path file = folder.path() / "SORBA.INI";
    writeFile(file, "[SORBA]\nEndMem=1\n");
    testing::QuietPlatform platform(folder.path());
    SettingsFile settings(folder.path(), SettingsFile::Fallback::None);
    Calculator calc(platform, settings);
    calc.load();

    LockHolder holder(folder.path());
    ASSERT_TRUE(holder.holding());
    // Closing writes the kept readout, the window's size and its places: every one of them.
    EXPECT_LT(timed([&] { calc.close(); }), hangBound);
    EXPECT_TRUE(calc.ended());
    EXPECT_EQ(readFile(file), "[SORBA]\nEndMem=1\n");
}

// A file or folder without a write bit is the user's "do not write", and root obeys it too.
TEST(SettingsFaultTest, ModeWithoutWriteBitsIsReadOnlyEvenForRoot)
{
    struct Row
    {
        int line;
        std::optional<mode_t> fileMode; // none: no file yet
        mode_t folderMode;
        bool written;
    };
    const Row rows[] = {
        {__LINE__, 0444, 0755, false},
        {__LINE__, 0400, 0755, false},
        {__LINE__, 0000, 0755, false},
        {__LINE__, 0644, 0555, false},
        {__LINE__, std::nullopt, 0555, false},
        {__LINE__, 0644, 0500, false},
        // One write bit is enough, whoever it is for.
        {__LINE__, 0644, 0755, true},
        {__LINE__, 0604, 0705, true},
        {__LINE__, 0440 | 0002, 0755, true},
        {__LINE__, std::nullopt, 0700, true},
    };
    for (const Row &row : rows) {
        for (const bool throughLink : {false, true}) {
            SCOPED_TRACE(std::to_string(row.line) + (throughLink ? " through a link" : ""));
            const TempFolder temp;
            const fs::path program = temp.path() / "program";
            const fs::path data = throughLink ? temp.path() / "data" : program;
            fs::create_directories(program);
            fs::create_directories(data);
            const fs::path file = data / "SORBA.INI";
            if (throughLink)
                fs::create_symlink(file, program / "SORBA.INI");
            const std::string old = "[SORBA]\nFormTop=1\n";
            if (row.fileMode) {
                writeFile(file, old);
                ASSERT_EQ(::chmod(file.c_str(), *row.fileMode), 0);
            }
            ASSERT_EQ(::chmod(data.c_str(), row.folderMode), 0);

            SettingsFile(program, SettingsFile::Fallback::None).write("FormTop", "5");
            // As the script host's inifile command writes.
            const ReplaceResult replaced = replaceFileText(
                program / "SORBA.INI", [](const std::optional<std::string> &) { return "x"; });

            ::chmod(data.c_str(), 0755);
            if (row.fileMode)
                ::chmod(file.c_str(), 0644);
            EXPECT_EQ(replaced == ReplaceResult::Replaced, row.written);
            if (row.written)
                EXPECT_EQ(readFile(file), "x");
            else
                EXPECT_EQ(readFile(file), row.fileMode ? std::optional(old) : std::nullopt);
        }
    }
}

TEST(SettingsFaultTest, FileSizeLimitFailsTheWriteAndTheProgramGoesOn)
{
    const TempFolder folder;
    const std::string before = "[SORBA]\nFontDef=Mincho\nFormTop=1\n";
    writeFile(folder.path() / "SORBA.INI", before);
    const int status = runInChild([&] {
        // The signal's own action, which would end the process, and a limit the write exceeds.
        ::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{before.size(), before.size()};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return skipped;
        SettingsFile settings(folder.path());
        settings.write("Dumy", std::string(4096, '9'));
        if (settings.readText("Dumy", "none") != "none")
            return 1;
        // Nothing of the signal is left blocked or pending, and a write that fits still works.
        sigset_t blocked;
        sigset_t pending;
        ::sigprocmask(SIG_SETMASK, nullptr, &blocked);
        ::sigpending(&pending);
        if (sigismember(&blocked, SIGXFSZ) != 0 || sigismember(&pending, SIGXFSZ) != 0)
            return 2;
        settings.write("FormTop", "2");
        return settings.readInt("FormTop", 0) == 2 ? 0 : 3;
    });
    if (status == skipped)
        GTEST_SKIP() << "cannot set a file-size limit";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readFile(folder.path() / "SORBA.INI"), "[SORBA]\nFontDef=Mincho\nFormTop=2\n");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"SORBA.INI"});
}

TEST(SettingsFaultTest, FullDiskFailsTheWriteAndKeepsTheOldFile)
{
    const TempFolder folder;
    const fs::path disk = folder.path() / "disk";
    fs::create_directory(disk);
    const std::string before = "[SORBA]\nFontDef=Mincho\nFormTop=1\n";
    // The small file system lives in a mount namespace of the child's own, so it goes with it.
    const int status = runInChild([&] {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
            return skipped;
        writeFile(disk / "SORBA.INI", before);
        // Filled to the last block.
        {
            std::ofstream filler(disk / "filler", std::ios::binary);
            const std::string block(4096, 'x');
            for (int i = 0; i < 64 && filler.write(block.data(), block.size()); ++i) {
            }
        }
        SettingsFile settings(disk);
        settings.write("Dumy", std::string(8192, '9'));
        if (readFile(disk / "SORBA.INI") != before)
            return 1;
        if (namesIn(disk) != std::set<std::string>{"SORBA.INI", "filler"})
            return 2;
        fs::remove(disk / "filler");
        settings.write("FormTop", "2");
        return settings.readInt("FormTop", 0) == 2 ? 0 : 3;
    });
    if (status == skipped)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root with CAP_SYS_ADMIN)";
    EXPECT_EQ(status, 0);
}

// The value the killed writer writes at its write-th write: the number, a run of "#" that grows
// with it, and an end mark, so that a torn file cannot pass for a whole one.
std::string killedWriterValue(int write)
{
    return std::to_string(write) + ' ' + std::string(static_cast<std::size_t>(write % 300), '#') +
           " end";
}

bool isWholeKilledWriterFile(const std::string &text)
{
    constexpr std::string_view head = "[SORBA]\nDumy=";
    if (!text.starts_with(head))
        return false;
    int write = -1;
    std::from_chars(text.data() + head.size(), text.data() + text.size(), write);
    return write >= 0 && text == std::string(head) + killedWriterValue(write) + '\n';
}

void makeOld(const fs::path &file)
{
    const timespec twoMinutesAgo{std::time(nullptr) - 120, 0};
    const timespec times[2] = {twoMinutesAgo, twoMinutesAgo};
    ::utimensat(AT_FDCWD, file.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

TEST(SettingsFaultTest, KilledWriterLeavesTheOldOrTheNewFileNeverATornOne)
{
    const TempFolder folder(fastTempBase());
    SettingsFile settings(folder.path());
    settings.write("Dumy", killedWriterValue(0));
    const fs::path file = folder.path() / "SORBA.INI";
    std::mt19937 random(7);
    constexpr int rounds = 20;
    constexpr int writes = 1000;
    int torn = 0;
    for (int round = 0; round < rounds; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int write = 1; write <= writes; ++write)
                SettingsFile(folder.path()).write("Dumy", killedWriterValue(write));
            ::_exit(0);
        }
        // Reads while the child writes, then kills it at a random moment of its run: a thousand
        // writes take longer than that, and many rounds leave a temporary file behind.
        const auto killAt =
            std::chrono::steady_clock::now() + std::chrono::microseconds(random() % 30000);
        while (std::chrono::steady_clock::now() < killAt)
            torn += isWholeKilledWriterFile(readFile(file).value_or("")) ? 0 : 1;
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        torn += isWholeKilledWriterFile(readFile(file).value_or("")) ? 0 : 1;
    }
    EXPECT_EQ(torn, 0);

    // What the killed writers left looks two minutes old by the next start; the next write
    // clears it away.
    for (const std::string &name : namesIn(folder.path()))
        makeOld(folder.path() / name);
    settings.write("Dumy", killedWriterValue(1));
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"SORBA.INI"});
    EXPECT_EQ(readFile(folder.path() / "SORBA.INI"),
              "[SORBA]\nDumy=" + killedWriterValue(1) + '\n');
}

TEST(SettingsFaultTest, OnlyOldUnlockedTemporaryFilesOfOursAreCleared)
{
    enum class Kind { File, Folder, Link };
    struct Row
    {
        int line;
        std::string_view name;
        Kind kind;
        bool old;
        bool locked;
        bool cleared;
    };
    const Row rows[] = {
        {__LINE__, ".SORBA.INI.99999999.0.tmp", Kind::File, true, false, true},
        {__LINE__, ".SORBA.INI.1.17.tmp", Kind::File, true, false, true},
        // Young enough to be another copy's write in progress, or locked by one.
        {__LINE__, ".SORBA.INI.99999999.0.tmp", Kind::File, false, false, false},
        {__LINE__, ".SORBA.INI.99999999.0.tmp", Kind::File, true, true, false},
        // Not of our making.
        {__LINE__, ".SORBA.INI.99999999.0.tmp", Kind::Folder, true, false, false},
        {__LINE__, ".SORBA.INI.99999999.0.tmp", Kind::Link, true, false, false},
        {__LINE__, ".OTHER.INI.99999999.0.tmp", Kind::File, true, false, false},
        {__LINE__, ".SORBA.INI.x.0.tmp", Kind::File, true, false, false},
        {__LINE__, ".SORBA.INI.99999999.tmp", Kind::File, true, false, false},
        {__LINE__, "SORBA.INI.99999999.0.tmp", Kind::File, true, false, false},
        {__LINE__, ".SORBA.INI.99999999.0.tmp~", Kind::File, true, false, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const TempFolder folder;
        writeFile(folder.path() / "SORBA.INI", "[SORBA]\nFormTop=1\n");
        writeFile(folder.path() / "target", "kept");
        const fs::path leftover = folder.path() / row.name;
        if (row.kind == Kind::File)
            writeFile(leftover, "[SORBA]\nFor");
        else if (row.kind == Kind::Folder)
            fs::create_directory(leftover);
        else
            fs::create_symlink("target", leftover);
        if (row.old)
            makeOld(leftover);
        const int lockFd = ::open(leftover.c_str(), O_RDONLY | O_CLOEXEC);
        if (row.locked) {
            ASSERT_EQ(::flock(lockFd, LOCK_EX), 0);
        }

        SettingsFile(folder.path()).write("FormTop", "2");
        ::close(lockFd);
        EXPECT_EQ(fs::exists(fs::symlink_status(leftover)), !row.cleared);
        EXPECT_EQ(readFile(folder.path() / "target"), "kept");
        EXPECT_EQ(readFile(folder.path() / "SORBA.INI"), "[SORBA]\nFormTop=2\n");
    }
}

TEST(SettingsFaultTest, TwoProcessesWritingAThousandKeysEachLoseNone)
{
    const TempFolder folder(fastTempBase());
    SettingsFile settings(folder.path());
    settings.write("Anchor", "kept");
    constexpr int writesEach = 1000;
    std::vector<pid_t> children;
    for (const char *prefix : {"A", "B"}) {
        const pid_t child = ::fork();
        if (child == 0) {
            // A write that found the lock held too long is lost as a whole and said so by the
            // key not being there; it is written again, as the program's next write would.
            for (int i = 0; i < writesEach; ++i) {
                const std::string key = prefix + std::to_string(i);
                for (int attempt = 0; attempt < 20 && !SettingsFile(folder.path()).storedValue(key);
                     ++attempt)
                    SettingsFile(folder.path()).write(key, std::to_string(i));
            }
            ::_exit(0);
        }
        children.push_back(child);
    }
    // Meanwhile a reader always finds the file whole.
    int torn = 0;
    for (const pid_t child : children) {
        int status = 0;
        while (::waitpid(child, &status, WNOHANG) == 0)
            torn += settings.readText("Anchor", "") != "kept" ? 1 : 0;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(torn, 0);
    // Every key has its own line "Ai=i" in the file.
    std::istringstream file(readFile(folder.path() / "SORBA.INI").value_or(""));
    std::set<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.insert(line);
    EXPECT_TRUE(lines.contains("Anchor=kept"));
    int lost = 0;
    for (int i = 0; i < writesEach; ++i) {
        for (const char *prefix : {"A", "B"}) {
            const std::string key = prefix + std::to_string(i);
            lost += lines.contains(key + '=' + std::to_string(i)) ? 0 : 1;
        }
    }
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"SORBA.INI"});
}

TEST(SettingsFaultTest, AbsurdContentsAreReadWithoutHarm)
{
    // The limit falls inside the FormTop line of this file, four bytes after its "=".
    const std::string head = "[SORBA]\nFontDef=Mincho\n";
    const std::string padding(fileSizeLimit - head.size() - "FormTop=1234"sv.size() - 1, ';');
    const std::string cutLine = head + padding + "\nFormTop=123456\nSizeW=22\n";
    // Exactly as long as the limit, its last line complete.
    const std::string full =
        head + std::string(fileSizeLimit - head.size() - "SizeW=22\n"sv.size() - 1, ';') +
        "\nSizeW=22\n";
    struct Row
    {
        int line;
        std::string file;
        std::string_view key;
        std::string text;       // read back, "Def" for the default
        std::string_view value; // written under key
        bool written;
    };
    const Row rows[] = {
        // A 10 MB line: the keys before it are read, nothing is lost by a write.
        {__LINE__, "[SORBA]\nFormTop=21\n" + std::string(10 << 20, 'x') + "\nSizeW=22\n", "FormTop",
         "21", "5", false},
        {__LINE__, "[SORBA]\nFormTop=21\n" + std::string(10 << 20, 'x') + "\nSizeW=22\n", "SizeW",
         "Def", "5", false},
        {__LINE__, cutLine, "FontDef", "Mincho", "Gothic", false},
        {__LINE__, cutLine, "FormTop", "Def", "5", false},
        {__LINE__, full, "SizeW", "22", "33", true},
        {__LINE__, full, "SizeW", "22", "333", false},
        // Invalid UTF-8 and NUL bytes are kept as they are, before and after a write.
        {__LINE__, "[SORBA]\nFontDef=\xFF\xC3( Go\xE3\x81\nFormTop=7\n", "FontDef",
         "\xFF\xC3( Go\xE3\x81", "Gothic", true},
        {__LINE__, "[SORBA]\nFontDef=\xFF\xC3( Go\xE3\x81\nFormTop=7\n", "FormTop", "7", "8", true},
        {__LINE__, "[SORBA]\0junk\nFontDef=Mei\0cho\n\0\0\0\nFormTop=7\n"s, "FontDef", "Mei\0cho"s,
         "Gothic", true},
        {__LINE__, "[SORBA]\0junk\nFontDef=Mei\0cho\n\0\0\0\nFormTop=7\n"s, "FormTop", "7", "8",
         true},
        {__LINE__, "\xFE\xFF[SORBA]\nFormTop=7\n", "FormTop", "Def", "8", true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const TempFolder folder;
        const fs::path file = folder.path() / "SORBA.INI";
        writeFile(file, row.file);
        SettingsFile settings(folder.path());
        EXPECT_EQ(settings.readText(row.key, "Def"), row.text);
        settings.write(row.key, row.value);
        EXPECT_EQ(settings.readText(row.key, "Def"), row.written ? row.value : row.text);
        if (!row.written) {
            EXPECT_TRUE(readFile(file) == row.file);
        }
        EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"SORBA.INI"});
    }
}

} // namespace
} // namespace sorba
