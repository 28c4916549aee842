#pragma once

#include <string>

// The few things the tests need from the operating system itself, so that
// the same tests run against the POSIX and the Win32 file backend. Paths
// are UTF-8, as the library takes them.

// Failures whose reason, the system's own text, the tests check.
enum class SystemError { NotFound, IsFolder, InUse, ReadOnly, Io };
std::string ExpectedReason(SystemError error);

// Whether another program gets the file open while asking for as little as
// it can: on Windows it shares everything, so only a holder's share mode
// can refuse it; on POSIX it asks for a shared lock.
bool AnotherCanOpen(const std::string& path);

// Marks the file read-only the system's way. False when this process can
// write it all the same (root on POSIX).
bool MakeReadOnly(const std::string& path);
