#include "TestPlatform.h"

#include "savedata/SaveFile.h"

#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace
{
std::string SystemText(DWORD error)
{
    return CSaveFile::SystemErrorText(error);
}
}

std::string ExpectedReason(SystemError error)
{
    switch (error) {
    case SystemError::NotFound:
        return SystemText(ERROR_FILE_NOT_FOUND);
    case SystemError::IsFolder: // a folder is refused by CreateFile itself
    case SystemError::ReadOnly:
        return SystemText(ERROR_ACCESS_DENIED);
    case SystemError::InUse:
        return SystemText(ERROR_SHARING_VIOLATION);
    case SystemError::Io:
        return SystemText(ERROR_IO_DEVICE);
    }
    return {};
}

OtherOpener::OtherOpener(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    m_handle = reinterpret_cast<long long>(file);
    m_holds = file != INVALID_HANDLE_VALUE;
}

OtherOpener::~OtherOpener()
{
    if (m_holds)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

bool AnotherCanOpen(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

bool MakeReadOnly(const std::string& path)
{
    return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY) != 0;
}

int CurrentProcessId()
{
    return static_cast<int>(GetCurrentProcessId());
}

#else

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

std::string ExpectedReason(SystemError error)
{
    switch (error) {
    case SystemError::NotFound:
        return std::strerror(ENOENT);
    case SystemError::IsFolder:
        return std::strerror(EISDIR);
    case SystemError::InUse:
        return std::string("the file is in use by another program (") + std::strerror(EWOULDBLOCK) + ")";
    case SystemError::ReadOnly:
        return std::strerror(EACCES);
    case SystemError::Io:
        return std::strerror(EIO);
    }
    return {};
}

// flock, like the backend: a lock that another opener cannot take.
OtherOpener::OtherOpener(const std::string& path) : m_handle(::open(path.c_str(), O_RDONLY | O_CLOEXEC))
{
    m_holds = m_handle >= 0 && ::flock(static_cast<int>(m_handle), LOCK_EX | LOCK_NB) == 0;
}

OtherOpener::~OtherOpener()
{
    if (m_handle >= 0)
        ::close(static_cast<int>(m_handle));
}

bool AnotherCanOpen(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_SH | LOCK_NB) == 0;
    ::close(fd);
    return locked;
}

bool MakeReadOnly(const std::string& path)
{
    return ::chmod(path.c_str(), S_IRUSR) == 0 && ::access(path.c_str(), W_OK) != 0;
}

int CurrentProcessId()
{
    return static_cast<int>(::getpid());
}

#endif
