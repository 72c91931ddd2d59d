// Temporary files of the settings writer. A writer holds a lock on its temporary file, so a
// cleaner can tell a crashed run's leftover from a file another copy is writing right now.

#include "settings/temporary_file.h"

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace sorba {

namespace {

// A writer renames its file within moments; one this old belongs to no running write.
constexpr std::time_t staleAfterSeconds = 60;

bool isDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// ".NAME.PID.N.tmp", as createTemporaryFile makes them.
bool isTemporaryName(std::string_view candidate, std::string_view name)
{
    const std::string prefix = '.' + std::string(name) + '.';
    constexpr std::string_view suffix = ".tmp";
    if (candidate.size() <= prefix.size() + suffix.size() || !candidate.starts_with(prefix) ||
        !candidate.ends_with(suffix))
        return false;
    candidate = candidate.substr(prefix.size(), candidate.size() - prefix.size() - suffix.size());
    const std::size_t dot = candidate.find('.');
    return dot != std::string_view::npos && isDigits(candidate.substr(0, dot)) &&
           isDigits(candidate.substr(dot + 1));
}

class Directory
{
public:
    explicit Directory(DIR *directory)
        : m_directory(directory)
    {}
    ~Directory()
    {
        if (m_directory != nullptr)
            ::closedir(m_directory);
    }
    Directory(const Directory &) = delete;
    Directory &operator=(const Directory &) = delete;

    DIR *get() const { return m_directory; }

private:
    DIR *m_directory;
};

void removeIfStale(int folderFd, const char *candidate, std::time_t now)
{
    // O_NOFOLLOW and the regular-file test: nothing but a file of our own is ever removed.
    FileDescriptor fd(
        ::openat(folderFd, candidate, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status
    {};
    if (!fd.isOpen() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        now - status.st_mtime < staleAfterSeconds)
        return;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0)
        ::unlinkat(folderFd, candidate, 0);
}

} // namespace

std::optional<TemporaryFile> createTemporaryFile(int folderFd, std::string_view name)
{
    const std::string stem = '.' + std::string(name) + '.' + std::to_string(::getpid()) + '.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temporaryName = stem + std::to_string(attempt) + ".tmp";
        FileDescriptor fd(::openat(folderFd, temporaryName.c_str(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
        if (fd.isOpen()) {
            // A file system without locks still gets its file: the age keeps it from a cleaner.
            ::flock(fd.get(), LOCK_EX | LOCK_NB);
            return TemporaryFile{std::move(fd), std::move(temporaryName)};
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

void removeStaleTemporaryFiles(int folderFd, std::string_view name)
{
    const int listFd = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0)
        return;
    const Directory directory(::fdopendir(listFd));
    if (directory.get() == nullptr) {
        ::close(listFd);
        return;
    }
    const std::time_t now = std::time(nullptr);
    while (const dirent *entry = ::readdir(directory.get())) {
        if (isTemporaryName(entry->d_name, name))
            removeIfStale(folderFd, entry->d_name, now);
    }
}

} // namespace sorba
