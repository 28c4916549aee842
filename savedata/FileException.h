#pragma once

#include <stdexcept>
#include <string>

// Raised by every failing file primitive. Only TransferSaveData catches it,
// so a failure anywhere stops the transfer at the field where it happened.
class CFileException : public std::runtime_error
{
public:
    explicit CFileException(const std::string& reason) : std::runtime_error(reason) {}

    // The operating system's own description of what went wrong.
    std::string Reason() const { return what(); }
};
