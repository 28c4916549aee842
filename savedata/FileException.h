#pragma once

#include <stdexcept>
#include <string>

// Why a FIFO, a device or anything else that is not a plain file is refused.
inline constexpr char kNotRegularFileReason[] = "it is not a regular file";

// Raised by every failing file primitive. Only TransferSaveData catches it,
// so a failure anywhere stops the transfer at the field where it happened.
class CFileException : public std::runtime_error
{
public:
    explicit CFileException(const std::string& reason) : std::runtime_error(reason) {}

    // The operating system's own description of what went wrong.
    std::string Reason() const { return what(); }
};
