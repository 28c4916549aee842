#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "savedata/SaveData.h"

// What both harnesses share: a scratch file per run, and a plain
// in-memory reading of the format to hold the file code's results against.

using Bytes = std::vector<unsigned char>;

// Inputs larger than this are skipped: real images are 32 KiB, and the
// second placement's data ends well before 4 KiB.
inline constexpr std::size_t kMaxFileSize = 40000;

// One input as a real file, removed again when the run is over (a crash
// leaves it behind for a look). Messages for the user are silenced from the
// first one on.
class ScratchFile
{
public:
    ScratchFile(const char* harness, const unsigned char* data, std::size_t size);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& Path() const { return m_path; }
    Bytes Contents() const;

private:
    std::string m_path;
};

// The base offset that the signature in these bytes calls for, if any.
std::optional<int> ExpectedBase(const Bytes& file);

// The record that a load of these bytes must give for the base: byte and
// word fields decoded in memory, a byte past the end counting as 0.
SaveData DecodeRecord(const Bytes& file, int base);

// The bytes of the file after a successful store of the record at the base:
// the field bytes replaced by the record's low bits, the file grown with
// zero bytes up to the end of the last field if it was shorter.
Bytes ExpectedAfterStore(const Bytes& file, int base, const SaveData& record);

// Whether a store at the base writes the byte at this file position.
bool IsFieldByte(int base, std::size_t position);

// Fills the record's 101 values in file order from 4-byte little-endian
// groups; missing bytes count as 0.
SaveData RecordFromBytes(const unsigned char* data, std::size_t size);
inline constexpr std::size_t kRecordBytes = 101 * 4;

// Stops the process with a report when an invariant does not hold; a
// fuzzer or the replay test counts that as a failure.
void Require(bool condition, const char* invariant);
