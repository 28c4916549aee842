#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Which file an open handle refers to, whatever path reached it: a link or
// a relative path to the same file gives the same identity.
struct FileIdentity
{
    std::uint64_t volume = 0;
    std::uint64_t index = 0;

    bool operator==(const FileIdentity&) const = default;
};

// An existing file, never created or truncated. Opened ReadOnly or
// ReadWrite it is held for exclusive use: while one CSaveFile holds it no
// other such opener gets it, so two editors cannot interleave writes into
// the same save. SharedRead neither keeps anyone out nor waits for anyone.
// Every failure raises CFileException carrying the system's error text.
class CSaveFile
{
public:
    // SharedRead reads without keeping anyone out: for looking at a file
    // that another program may be writing. On POSIX no holder keeps it out;
    // on Windows one that holds the file exclusively still does.
    enum class Access { ReadOnly, ReadWrite, SharedRead };

    CSaveFile() = default;
    ~CSaveFile();
    CSaveFile(const CSaveFile&) = delete;
    CSaveFile& operator=(const CSaveFile&) = delete;

    void Open(const std::string& path, Access access);
    void Seek(std::int64_t position);
    // Reads up to count bytes; fewer only at the end of the file.
    std::size_t Read(void* buffer, std::size_t count);
    // Writes all count bytes, growing the file if needed.
    void Write(const void* buffer, std::size_t count);
    // Pushes written data to the disk.
    void Flush();
    void Close();
    bool IsOpen() const { return m_handle != kNoHandle; }
    // Which file is open, to tell it from another one behind another path.
    FileIdentity Identity() const;

    // Test seam: make the nth read, write, flush or close from now on fail
    // with the system's input/output error. nth counts from 1; 0 disarms.
    enum class Operation { Read, Write, Flush, Close };
    static void FailNth(Operation operation, int nth);
    // Test seam: the nth read from now on succeeds but hands back the byte
    // at index byte (if it read that far) with every bit inverted, as a
    // medium that loses data would.
    static void CorruptNthRead(int nth, std::size_t byte);
    static void ClearInjectedFailures();

    // The system's own description of an error code (errno on POSIX,
    // GetLastError on Windows), as the failure messages carry it.
    static std::string SystemErrorText(unsigned long code);
#ifdef _WIN32
    // How the Win32 backend turns the system's message (FormatMessageW's
    // UTF-16, in the language of Windows) into a reason: UTF-8, without the
    // closing full stop and line end. A function of its own so that the
    // tests can hand it a Japanese, French or German text on any Windows.
    static std::string ReasonFromSystemText(std::wstring_view text);
#endif

private:
    static constexpr std::intptr_t kNoHandle = -1;

    static void ThrowIfInjected(Operation operation);
    [[noreturn]] static void ThrowIoError();

    // Platform backend (SaveFilePosix.cpp or SaveFileWin32.cpp).
    void PlatformOpen(const std::string& path, Access access);
    void PlatformSeek(std::int64_t position);
    std::size_t PlatformRead(void* buffer, std::size_t count);
    std::size_t PlatformWrite(const void* buffer, std::size_t count);
    void PlatformFlush();
    void PlatformClose();
    FileIdentity PlatformIdentity() const;
    static std::string PlatformIoErrorText();

    std::intptr_t m_handle = kNoHandle;
};
