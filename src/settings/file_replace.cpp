// Safe replacement of a small text file: the new text goes to a temporary file beside the old
// one, is flushed to the disk and then renamed over it, so readers only ever see a whole file.

#include "settings/file_replace.h"

#include "settings/file_descriptor.h"
#include "settings/file_read.h"
#include "settings/temporary_file.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorba {

namespace fs = std::filesystem;

namespace {

// A file-size limit (ulimit -f) answers a write beyond it with SIGXFSZ, which ends the process.
// The signal is blocked for this thread alone while the temporary file is written, so write()
// fails with EFBIG instead, and a signal raised meanwhile is taken off the queue before the mask
// comes back. Setting SIG_IGN would have changed the whole process for good, behind the back
// of whoever owns its signals.
class FileSizeSignalBlock
{
public:
    FileSizeSignalBlock()
    {
        sigemptyset(&m_signal);
        sigaddset(&m_signal, SIGXFSZ);
        ::pthread_sigmask(SIG_BLOCK, &m_signal, &m_oldMask);
        m_wasPending = isPending();
    }
    ~FileSizeSignalBlock()
    {
        if (!m_wasPending && isPending()) {
            const timespec noWait{};
            ::sigtimedwait(&m_signal, nullptr, &noWait);
        }
        ::pthread_sigmask(SIG_SETMASK, &m_oldMask, nullptr);
    }
    FileSizeSignalBlock(const FileSizeSignalBlock &) = delete;
    FileSizeSignalBlock &operator=(const FileSizeSignalBlock &) = delete;

private:
    static bool isPending()
    {
        sigset_t pending;
        sigemptyset(&pending);
        return ::sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ) == 1;
    }

    sigset_t m_signal{};
    sigset_t m_oldMask{};
    bool m_wasPending = false;
};

bool writeAll(int fd, std::string_view text)
{
    const FileSizeSignalBlock block;
    while (!text.empty()) {
        const ssize_t count = ::write(fd, text.data(), text.size());
        if (count < 0 && errno != EINTR)
            return false;
        if (count > 0)
            text.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// Someone who keeps the settings in a dotfiles folder links to them; the link must survive. The
// chain is followed link by link, so a link to a file not created yet leads to where that file
// will be. Nothing comes back for a loop or a link that cannot be read.
std::optional<fs::path> linkTarget(const fs::path &file)
{
    constexpr int mostLinks = 40; // the kernel's own limit on links in one path
    fs::path current = file;
    for (int followed = 0; followed <= mostLinks; ++followed) {
        FileStatus status{};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return current;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size())
            return std::nullopt;
        target.resize(static_cast<std::size_t>(length));
        // Relative to the link's folder; ".." is left to the kernel, which knows the real path.
        current =
            fs::path(target).is_absolute() ? fs::path(target) : current.parent_path() / target;
    }
    return std::nullopt;
}

// Waits for the folder lock at most `wait`, trying again every few milliseconds: flock itself
// has no time limit, and an alarm signal would reach the whole process. A file system that
// cannot lock at all lets the write go on; the rename still keeps the file whole.
bool lockFolder(int folderFd, std::chrono::milliseconds wait)
{
    using Clock = std::chrono::steady_clock;
    constexpr timespec pause{0, 2'000'000};
    const Clock::time_point deadline = Clock::now() + wait;
    while (::flock(folderFd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return true;
        if (Clock::now() >= deadline)
            return false;
        ::nanosleep(&pause, nullptr);
    }
    return true;
}

// Whether fd now has that owner and group; -1 for either leaves it as it is.
bool changeOwner(int fd, uid_t owner, gid_t group)
{
    return ::fchown(fd, owner, group) == 0;
}

// The replacement keeps the owner, group and mode of the old file as far as the process may set
// them: root gives a user's file back to the user, so that the user can go on writing it; anyone
// else keeps at least the group when a member of it, and otherwise the file is the writer's, as
// a new file would be. A new file gets the mode the umask leaves, and root creating one in a
// user's folder gives it to that folder's owner for the same reason.
bool keepOwnership(int temporaryFd, int folderFd, const FileRead &old)
{
    constexpr auto unchanged = static_cast<uid_t>(-1);
    if (old.result == ReadResult::Missing) {
        FileStatus folder{};
        if (::geteuid() == 0 && ::fstat(folderFd, &folder) == 0 && folder.st_uid != 0)
            changeOwner(temporaryFd, folder.st_uid, folder.st_gid);
        return true;
    }
    if (!changeOwner(temporaryFd, old.status.st_uid, old.status.st_gid))
        changeOwner(temporaryFd, unchanged, old.status.st_gid);
    // After the owner: changing the owner clears the set-ID bits.
    return ::fchmod(temporaryFd, old.status.st_mode & 07777) == 0;
}

} // namespace

std::optional<std::string> readFileText(const fs::path &file)
{
    FileRead read = readRegularFile(AT_FDCWD, file.c_str());
    if (read.result == ReadResult::TooLong) {
        // The line cut at the limit is incomplete, so it is left out with all that follows.
        const std::size_t lastLineEnd = read.text.find_last_of("\r\n");
        read.text.resize(lastLineEnd == std::string::npos ? 0 : lastLineEnd + 1);
        return std::move(read.text);
    }
    if (read.result != ReadResult::Read)
        return std::nullopt;
    return std::move(read.text);
}

bool hasWriteBit(const FileStatus &status)
{
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

ReplaceResult replaceFileText(const fs::path &file, const TextChange &change,
                              std::chrono::milliseconds lockWait)
{
    constexpr ReplaceResult failed = ReplaceResult::Failed;
    const std::optional<fs::path> target = linkTarget(file);
    if (!target)
        return failed;
    const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
    const std::string name = target->filename().string();
    if (name.empty())
        return failed;

    // The lock sits on the folder rather than the file: the file is replaced by every write and
    // may not exist yet.
    FileDescriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    FileStatus folderStatus{};
    if (!folderFd.isOpen() || ::fstat(folderFd.get(), &folderStatus) != 0 ||
        !hasWriteBit(folderStatus))
        return failed;
    if (!lockFolder(folderFd.get(), lockWait))
        return ReplaceResult::Busy;

    // A file that exists but cannot be read whole must not be replaced by a fresh one: its other
    // lines would be lost. Nor is anything but a regular file ever replaced.
    const FileRead old = readRegularFile(folderFd.get(), name.c_str());
    if (old.result != ReadResult::Read && old.result != ReadResult::Missing)
        return failed;
    if (old.result == ReadResult::Read && !hasWriteBit(old.status))
        return failed;
    const std::string text = change(
        old.result == ReadResult::Read ? std::optional<std::string>(old.text) : std::nullopt);
    if (old.result == ReadResult::Read && text == old.text)
        return ReplaceResult::Replaced;
    // A longer file could not be read back whole.
    if (text.size() > fileSizeLimit)
        return failed;

    removeStaleTemporaryFiles(folderFd.get(), name);
    std::optional<TemporaryFile> temporary = createTemporaryFile(folderFd.get(), name);
    if (!temporary)
        return failed;
    bool written = keepOwnership(temporary->fd.get(), folderFd.get(), old);
    written = written && writeAll(temporary->fd.get(), text) && ::fsync(temporary->fd.get()) == 0;
    written = temporary->fd.close() && written;
    written = written && ::renameat(folderFd.get(), temporary->name.c_str(), folderFd.get(),
                                    name.c_str()) == 0;
    if (!written) {
        ::unlinkat(folderFd.get(), temporary->name.c_str(), 0);
        return failed;
    }
    // Makes the rename itself durable; the new file is complete whether or not this succeeds.
    ::fsync(folderFd.get());
    return ReplaceResult::Replaced;
}

} // namespace sorba
