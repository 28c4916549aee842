#include "savedata/SaveFile.h"

#include "savedata/FileException.h"

#include <array>

namespace
{
// Countdown per operation for the failure-injection seam; 0 means disarmed.
std::array<int, 4> g_failCountdown{};

int& CountdownFor(CSaveFile::Operation operation)
{
    return g_failCountdown[static_cast<std::size_t>(operation)];
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

void CSaveFile::ClearInjectedFailures()
{
    g_failCountdown.fill(0);
}

void CSaveFile::ThrowIfInjected(Operation operation)
{
    int& countdown = CountdownFor(operation);
    if (countdown > 0 && --countdown == 0)
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
    return PlatformRead(buffer, count);
}

void CSaveFile::Write(const void* buffer, std::size_t count)
{
    ThrowIfInjected(Operation::Write);
    const std::size_t written = PlatformWrite(buffer, count);
    if (written != count)
        throw CFileException("only " + std::to_string(written) + " of " + std::to_string(count) +
                             " bytes written");
}

void CSaveFile::Flush()
{
    ThrowIfInjected(Operation::Flush);
    PlatformFlush();
}

void CSaveFile::Close()
{
    if (!IsOpen())
        return;
    const bool injected = CountdownFor(Operation::Close) > 0 && --CountdownFor(Operation::Close) == 0;
    PlatformClose();
    if (injected)
        ThrowIoError();
}
