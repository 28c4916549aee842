#pragma once

#include <string>

// The few things the tests need from the operating system itself, so that
// the same tests run against the POSIX and the Win32 file backend.

// Failures whose reason text the tests check.
enum class SystemError { NotFound, IsFolder, InUse, ReadOnly, Io };

// The reason that the backend gives for the failure: the system's own text.
std::string ExpectedReason(SystemError error);

// Another program holding the file open for its exclusive use, until
// destroyed.
class OtherOpener
{
public:
    explicit OtherOpener(const std::string& path);
    ~OtherOpener();
    OtherOpener(const OtherOpener&) = delete;
    OtherOpener& operator=(const OtherOpener&) = delete;

    // False when the file was in use already, so it could not be held.
    bool Holds() const { return m_holds; }

private:
    long long m_handle;
    bool m_holds = false;
};

// Whether another program gets the file open while asking for as little as
// it can: on Windows it shares everything, so only the holder's share mode
// can refuse it; on POSIX it asks for a shared lock.
bool AnotherCanOpen(const std::string& path);

// Marks the file read-only the system's way. False when this process can
// write it all the same (root on POSIX).
bool MakeReadOnly(const std::string& path);

int CurrentProcessId();
