// Safe replacement of a small text file: the new text goes to a temporary file beside the old
// one, is flushed to the disk and then renamed over it, so readers only ever see a whole file.

#include "settings/file_replace.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorba {

namespace fs = std::filesystem;

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    // Closing can report a delayed write error, so the caller wants its result.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

using FileStatus = struct stat;

enum class ReadStatus { Missing, Read, Failed };

struct FileRead
{
    ReadStatus status = ReadStatus::Failed;
    std::string text;
};

FileRead readAll(int fd)
{
    FileRead result{ReadStatus::Read, {}};
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t count = ::read(fd, buffer.data(), buffer.size());
        if (count == 0)
            return result;
        if (count < 0 && errno != EINTR)
            return {};
        if (count > 0)
            result.text.append(buffer.data(), static_cast<std::size_t>(count));
    }
}

FileRead readAt(int folderFd, const char *name)
{
    FileDescriptor fd(::openat(folderFd, name, O_RDONLY | O_CLOEXEC));
    if (!fd.isOpen())
        return {errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed, {}};
    return readAll(fd.get());
}

bool writeAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t count = ::write(fd, text.data(), text.size());
        if (count < 0 && errno != EINTR)
            return false;
        if (count > 0)
            text.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// Someone who keeps the settings in a dotfiles folder links to them; the link must survive.
fs::path followLink(const fs::path &file)
{
    std::error_code error;
    if (!fs::is_symlink(file, error))
        return file;
    fs::path target = fs::canonical(file, error);
    return error ? file : target;
}

} // namespace

std::optional<std::string> readFileText(const fs::path &file)
{
    FileRead read = readAt(AT_FDCWD, file.c_str());
    if (read.status != ReadStatus::Read)
        return std::nullopt;
    return std::move(read.text);
}

bool replaceFileText(const fs::path &file, const TextChange &change)
{
    const fs::path target = followLink(file);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string name = target.filename().string();

    // The lock sits on the folder rather than the file: the file is replaced by every write and
    // may not exist yet. Where the file system cannot lock, the rename still keeps it whole.
    FileDescriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folderFd.isOpen())
        return false;
    while (::flock(folderFd.get(), LOCK_EX) != 0 && errno == EINTR) {
    }

    // A file that exists but cannot be read must not be replaced by a fresh one: its other
    // lines would be lost.
    const FileRead old = readAt(folderFd.get(), name.c_str());
    if (old.status == ReadStatus::Failed)
        return false;
    const std::string text = change(
        old.status == ReadStatus::Read ? std::optional<std::string>(old.text) : std::nullopt);
    if (old.status == ReadStatus::Read && text == old.text)
        return true;

    std::string temporaryName;
    int created = -1;
    for (int attempt = 0; attempt < 100 && created < 0; ++attempt) {
        temporaryName =
            '.' + name + '.' + std::to_string(::getpid()) + '.' + std::to_string(attempt) + ".tmp";
        created = ::openat(folderFd.get(), temporaryName.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (created < 0 && errno != EEXIST)
            return false;
    }
    FileDescriptor temporary(created);
    if (!temporary.isOpen())
        return false;

    // The replacement keeps the permissions the old file had.
    FileStatus oldStatus{};
    bool written = old.status == ReadStatus::Missing ||
                   (::fstatat(folderFd.get(), name.c_str(), &oldStatus, 0) == 0 &&
                    ::fchmod(temporary.get(), oldStatus.st_mode & 07777) == 0);
    written = written && writeAll(temporary.get(), text) && ::fsync(temporary.get()) == 0;
    written = temporary.close() && written;
    written = written &&
              ::renameat(folderFd.get(), temporaryName.c_str(), folderFd.get(), name.c_str()) == 0;
    if (!written) {
        ::unlinkat(folderFd.get(), temporaryName.c_str(), 0);
        return false;
    }
    // Makes the rename itself durable; the new file is complete whether or not this succeeds.
    ::fsync(folderFd.get());
    return true;
}

} // namespace sorba
