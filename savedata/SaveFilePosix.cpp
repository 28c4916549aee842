// POSIX backend of CSaveFile: open(2) without O_CREAT or O_TRUNC, and an
// exclusive flock(2) taken at once so that a second opener fails instead of
// waiting or sharing the file. A shared read takes no lock at all.
#include "savedata/SaveFile.h"

#include "savedata/FileException.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
[[noreturn]] void ThrowErrno(int error)
{
    throw CFileException(std::strerror(error));
}

[[noreturn]] void ThrowLastError()
{
    ThrowErrno(errno);
}

int FdOf(std::intptr_t handle)
{
    return static_cast<int>(handle);
}
}

void CSaveFile::PlatformOpen(const std::string& path, Access access)
{
    // O_NONBLOCK so that a FIFO or a device cannot hang the open; it is
    // refused below and cleared for a regular file.
    const int flags = (access == Access::ReadWrite ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    int fd;
    do {
        fd = ::open(path.c_str(), flags);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        ThrowLastError();
    m_handle = fd;

    // A folder opens read-only on POSIX; it is no save file.
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        ThrowLastError();
    if (S_ISDIR(info.st_mode))
        ThrowErrno(EISDIR);
    if (!S_ISREG(info.st_mode))
        throw CFileException(kNotRegularFileReason, CFileException::Fault::NotRegularFile);
    const int status = ::fcntl(fd, F_GETFL);
    if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0)
        ThrowLastError();

    if (access == Access::SharedRead)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EWOULDBLOCK)
            throw CFileException(std::string("the file is in use by another program (") +
                                     std::strerror(error) + ")",
                                 CFileException::Fault::InUse);
        ThrowErrno(error);
    }
}

void CSaveFile::PlatformSeek(std::int64_t position)
{
    if (::lseek(FdOf(m_handle), static_cast<off_t>(position), SEEK_SET) < 0)
        ThrowLastError();
}

std::size_t CSaveFile::PlatformRead(void* buffer, std::size_t count)
{
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        const ssize_t got = ::read(FdOf(m_handle), bytes + total, count - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ThrowLastError();
        if (got == 0)
            break; // end of file: a short read, not an error
        total += static_cast<std::size_t>(got);
    }
    return total;
}

std::size_t CSaveFile::PlatformWrite(const void* buffer, std::size_t count)
{
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        const ssize_t put = ::write(FdOf(m_handle), bytes + total, count - total);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            ThrowLastError();
        if (put == 0)
            break;
        total += static_cast<std::size_t>(put);
    }
    return total;
}

void CSaveFile::PlatformFlush()
{
    if (::fsync(FdOf(m_handle)) != 0)
        ThrowLastError();
}

void CSaveFile::PlatformClose()
{
    // close(2) releases the descriptor (and the lock) even when it reports
    // an error, so the handle is gone either way.
    const int fd = FdOf(m_handle);
    m_handle = kNoHandle;
    if (::close(fd) != 0 && errno != EINTR)
        ThrowLastError();
}

FileIdentity CSaveFile::PlatformIdentity() const
{
    struct stat info {};
    if (::fstat(FdOf(m_handle), &info) != 0)
        ThrowLastError();
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

std::optional<FileIdentity> CSaveFile::PlatformPathIdentity(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

std::string CSaveFile::SystemErrorText(unsigned long code)
{
    return std::strerror(static_cast<int>(code));
}

std::string CSaveFile::PlatformIoErrorText()
{
    return std::strerror(EIO);
}
