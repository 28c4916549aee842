#pragma once

#include <stdexcept>
#include <string>

// Why a FIFO, a device or anything else that is not a plain file is refused.
inline constexpr char kNotRegularFileReason[] = "it is not a regular file";

// Raised by every failing file primitive. Only the transfers catch it (the
// plain ones and the guarded store), so a failure anywhere stops the
// transfer at the field where it happened.
class CFileException : public std::runtime_error
{
public:
    // What went wrong, where the system's own words are not the whole story
    // and the user is told in words of ours.
    enum class Fault
    {
        System,         // the reason is all there is to say
        NotRegularFile, // a FIFO, a device, anything but a plain file
        InUse,          // another program holds the file
        ShortWrite,     // the system took fewer bytes than given
    };

    explicit CFileException(const std::string& reason, Fault fault = Fault::System)
        : std::runtime_error(reason), m_fault(fault)
    {
    }

    // The operating system's own description of what went wrong.
    std::string Reason() const { return what(); }
    Fault GetFault() const { return m_fault; }

private:
    Fault m_fault;
};
