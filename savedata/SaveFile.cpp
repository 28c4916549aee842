#include "savedata/SaveFile.h"

#include "savedata/FileException.h"

#include <array>

namespace
{
// Countdown per operation for the failure-injection seam; 0 means disarmed.
std::array<int, 4> g_failCountdown{};
int g_corruptReadCountdown = 0;
std::size_t g_corruptByte = 0;
int g_afterFlushCountdown = 0;
std::function<void()> g_afterFlush;

int& CountdownFor(CSaveFile::Operation operation)
{
    return g_failCountdown[static_cast<std::size_t>(operation)];
}

// Counts one operation down; true when this is the armed one.
bool Expires(int& countdown)
{
    return countdown > 0 && --countdown == 0;
}
}

CSaveFile::~CSaveFile()
{
    if (!IsOpen())
        return;
    try {
        PlatformClose();
    } catch (const CFileException&) {
        // Only reached on a path that already failed and was reported.
    }
}

void CSaveFile::FailNth(Operation operation, int nth)
{
    CountdownFor(operation) = nth;
}

void CSaveFile::CorruptNthRead(int nth, std::size_t byte)
{
    g_corruptReadCountdown = nth;
    g_corruptByte = byte;
}

void CSaveFile::AfterNthFlush(int nth, std::function<void()> action)
{
    g_afterFlushCountdown = nth;
    g_afterFlush = std::move(action);
}

void CSaveFile::ClearInjectedFailures()
{
    g_failCountdown.fill(0);
    g_corruptReadCountdown = 0;
    AfterNthFlush(0, {});
}

void CSaveFile::ThrowIfInjected(Operation operation)
{
    if (Expires(CountdownFor(operation)))
        ThrowIoError();
}

void CSaveFile::ThrowIoError()
{
    throw CFileException(PlatformIoErrorText());
}

void CSaveFile::Open(const std::string& path, Access access)
{
    PlatformOpen(path, access);
}

void CSaveFile::Seek(std::int64_t position)
{
    PlatformSeek(position);
}

std::size_t CSaveFile::Read(void* buffer, std::size_t count)
{
    ThrowIfInjected(Operation::Read);
    const std::size_t got = PlatformRead(buffer, count);
    if (Expires(g_corruptReadCountdown) && g_corruptByte < got)
        static_cast<unsigned char*>(buffer)[g_corruptByte] ^= 0xFFu;
    return got;
}

void CSaveFile::Write(const void* buffer, std::size_t count)
{
    ThrowIfInjected(Operation::Write);
    const std::size_t written = PlatformWrite(buffer, count);
    if (written != count)
        throw CFileException("only " + std::to_string(written) + " of " + std::to_string(count) +
                                 " bytes written",
                             CFileException::Fault::ShortWrite);
}

FileIdentity CSaveFile::Identity() const
{
    return PlatformIdentity();
}

void CSaveFile::Flush()
{
    ThrowIfInjected(Operation::Flush);
    PlatformFlush();
    if (Expires(g_afterFlushCountdown) && g_afterFlush)
        g_afterFlush();
}

std::optional<FileIdentity> CSaveFile::PathIdentity(const std::string& path)
{
    return PlatformPathIdentity(path);
}

void CSaveFile::Close()
{
    if (!IsOpen())
        return;
    const bool injected = Expires(CountdownFor(Operation::Close));
    PlatformClose();
    if (injected)
        ThrowIoError();
}
