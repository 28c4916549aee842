#include "TestPlatform.h"

#include "savedata/SaveFile.h"
#include "tests/support/SaveFormat.h"

#ifdef _WIN32

#include <windows.h>

std::string ExpectedReason(SystemError error)
{
    // The POSIX backend's kinds of reason, not CreateFile's "access denied"
    // for a folder or its bare "sharing violation".
    if (error == SystemError::IsFolder)
        return "it is not a regular file";
    if (error == SystemError::InUse)
        return "the file is in use by another program (" + CSaveFile::SystemErrorText(ERROR_SHARING_VIOLATION) + ")";
    const DWORD codes[] = {ERROR_FILE_NOT_FOUND, 0, 0, ERROR_ACCESS_DENIED, ERROR_IO_DEVICE}; // in the order of SystemError
    return CSaveFile::SystemErrorText(codes[static_cast<int>(error)]);
}

bool AnotherCanOpen(const std::string& path)
{
    HANDLE file = CreateFileW(SaveFormat::Native(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return file != INVALID_HANDLE_VALUE && CloseHandle(file);
}

bool MakeReadOnly(const std::string& path)
{
    return SetFileAttributesW(SaveFormat::Native(path).c_str(), FILE_ATTRIBUTE_READONLY) != 0;
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
    if (error == SystemError::InUse)
        return std::string("the file is in use by another program (") + std::strerror(EWOULDBLOCK) + ")";
    const int codes[] = {ENOENT, EISDIR, 0, EACCES, EIO}; // in the order of SystemError
    return std::strerror(codes[static_cast<int>(error)]);
}

bool AnotherCanOpen(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool locked = fd >= 0 && ::flock(fd, LOCK_SH | LOCK_NB) == 0;
    return (fd < 0 || ::close(fd) == 0) && locked;
}

bool MakeReadOnly(const std::string& path)
{
    return ::chmod(path.c_str(), S_IRUSR) == 0 && ::access(path.c_str(), W_OK) != 0;
}

#endif
