// Bounded reads of regular files: a settings file that is a pipe, a device or an endless file
// must not hold up the start of the program.

#include "settings/file_read.h"

#include "settings/file_descriptor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>

namespace sorba {

namespace {

constexpr std::size_t growth = 4096;

FileRead notRead(int error)
{
    return {error == ENOENT ? ReadResult::Missing : ReadResult::Failed, {}, {}};
}

} // namespace

FileRead readRegularFile(int folderFd, const char *name)
{
    // A look before opening, so that no device is ever opened: opening one can act on it.
    FileStatus seen{};
    if (::fstatat(folderFd, name, &seen, 0) != 0)
        return notRead(errno);
    if (!S_ISREG(seen.st_mode))
        return {};

    // Should the file be swapped for a pipe after that look, O_NONBLOCK still keeps the open
    // from waiting for a writer, and the status of what was opened refuses it.
    FileDescriptor fd(::openat(folderFd, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.isOpen())
        return notRead(errno);
    FileRead read{ReadResult::Read, {}, {}};
    if (::fstat(fd.get(), &read.status) != 0 || !S_ISREG(read.status.st_mode))
        return {};

    // Room for the size the file claims and one byte more, which shows the end; a file that
    // grows meanwhile, or claims no size (as many under /proc do), gets room as it goes. One
    // byte past the limit tells a file of exactly the limit from a longer one.
    const auto claimed = static_cast<std::size_t>(std::max<off_t>(read.status.st_size, 0));
    read.text.resize(std::min(claimed, fileSizeLimit) + 1);
    std::size_t length = 0;
    while (length <= fileSizeLimit) {
        if (length == read.text.size())
            read.text.resize(std::min(std::max(2 * length, growth), fileSizeLimit + 1));
        const ssize_t count =
            ::read(fd.get(), read.text.data() + length, read.text.size() - length);
        if (count == 0)
            break;
        if (count < 0 && errno != EINTR)
            return {};
        if (count > 0)
            length += static_cast<std::size_t>(count);
    }
    read.text.resize(std::min(length, fileSizeLimit));
    if (length > fileSizeLimit)
        read.result = ReadResult::TooLong;
    return read;
}

} // namespace sorba
