// Win32 backend of CSaveFile: CreateFileW with share mode 0 gives the
// exclusive access, OPEN_EXISTING guarantees nothing is ever created. A
// shared read shares everything, so that a writer can still open, write,
// replace or delete the file. Its reasons are of the POSIX backend's kinds
// (a folder is not a regular file, another program's hold is "in use").
#include "savedata/SaveFile.h"

#include "savedata/FileException.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace
{
// The system's own description, in the language of Windows: read in wide
// characters, as the ANSI code page cannot spell every language's words.
std::string SystemMessage(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = length ? CSaveFile::ReasonFromSystemText({text, length}) : std::string();
    if (text)
        LocalFree(text);
    return message.empty() ? "system error " + std::to_string(error) : message;
}

// The kinds of reason the POSIX backend gives: another program's hold is
// said in our words, with the system's after them.
[[noreturn]] void ThrowError(DWORD error)
{
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        throw CFileException("the file is in use by another program (" + SystemMessage(error) + ")",
                             CFileException::Fault::InUse);
    throw CFileException(SystemMessage(error));
}

[[noreturn]] void ThrowLastError()
{
    ThrowError(GetLastError());
}

// Paths arrive as UTF-8; the wide form opens any name, whatever the ANSI
// code page of this Windows can spell.
std::wstring WidePath(const std::string& path)
{
    if (path.empty())
        return {};
    const int size = static_cast<int>(path.size());
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, nullptr, 0);
    if (length == 0)
        ThrowLastError();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, wide.data(), length);
    return wide;
}

HANDLE HandleOf(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}
}

void CSaveFile::PlatformOpen(const std::string& path, Access access)
{
    const DWORD desired = access == Access::ReadWrite ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    const DWORD share =
        access == Access::SharedRead ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE : 0;
    const std::wstring wide = WidePath(path);
    HANDLE file = CreateFileW(wide.c_str(), desired, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // A folder is refused as "access denied", which would send the user
        // after rights that are not the matter: it is no save at all.
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & FILE_ATTRIBUTE_DIRECTORY))
            throw CFileException(kNotRegularFileReason, CFileException::Fault::NotRegularFile);
        ThrowError(error);
    }
    m_handle = reinterpret_cast<std::intptr_t>(file);
    // Device names (COM1, CONIN$, pipes) open too, and reads from them can
    // block; only a file on a disk is a save.
    if (GetFileType(file) != FILE_TYPE_DISK)
        throw CFileException(kNotRegularFileReason, CFileException::Fault::NotRegularFile);
}

void CSaveFile::PlatformSeek(std::int64_t position)
{
    LARGE_INTEGER distance;
    distance.QuadPart = position;
    if (!SetFilePointerEx(HandleOf(m_handle), distance, nullptr, FILE_BEGIN))
        ThrowLastError();
}

std::size_t CSaveFile::PlatformRead(void* buffer, std::size_t count)
{
    DWORD got = 0;
    if (!ReadFile(HandleOf(m_handle), buffer, static_cast<DWORD>(count), &got, nullptr))
        ThrowLastError();
    return got;
}

std::size_t CSaveFile::PlatformWrite(const void* buffer, std::size_t count)
{
    DWORD put = 0;
    if (!WriteFile(HandleOf(m_handle), buffer, static_cast<DWORD>(count), &put, nullptr))
        ThrowLastError();
    return put;
}

void CSaveFile::PlatformFlush()
{
    if (!FlushFileBuffers(HandleOf(m_handle)))
        ThrowLastError();
}

void CSaveFile::PlatformClose()
{
    HANDLE file = HandleOf(m_handle);
    m_handle = kNoHandle;
    if (!CloseHandle(file))
        ThrowLastError();
}

FileIdentity CSaveFile::PlatformIdentity() const
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(HandleOf(m_handle), &info))
        ThrowLastError();
    return {info.dwVolumeSerialNumber, std::uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow};
}

// Opened for no access at all and sharing everything, so neither the editor's
// own exclusive handle nor an emulator's keeps the question out.
std::optional<FileIdentity> CSaveFile::PlatformPathIdentity(const std::string& path)
{
    HANDLE file = CreateFileW(WidePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    if (!known)
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, std::uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow};
}

std::string CSaveFile::SystemErrorText(unsigned long code)
{
    return SystemMessage(static_cast<DWORD>(code));
}

std::string CSaveFile::ReasonFromSystemText(std::wstring_view text)
{
    // FormatMessage ends its text with a full stop (an ideographic one in
    // Japanese) and CR LF; a reason goes on after "Cannot load 'FILE': ".
    const std::size_t last = text.find_last_not_of(L" .\r\n\u3002");
    text = text.substr(0, last == std::wstring_view::npos ? 0 : last + 1);
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::string CSaveFile::PlatformIoErrorText()
{
    return SystemMessage(ERROR_IO_DEVICE);
}
