#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "savedata/SaveFile.h"
#include "savedata/Sha256.h"

// What a file held: the bytes themselves when it is small enough to keep
// (a save-RAM image is 32 KiB), otherwise their SHA-256.
struct FileContents
{
    std::uint64_t size = 0;
    std::vector<unsigned char> bytes;
    CSha256::Digest digest{};

    bool operator==(const FileContents&) const = default;
};

// Larger files are remembered by their digest only.
inline constexpr std::uint64_t kMaxKeptFileBytes = 1 << 20;

// A save file as one transfer saw it, so that a later store can tell
// whether the path still names that file and whether someone (a running
// emulator) has written to it since.
struct SaveFileSnapshot
{
    std::string path;       // as the user gave it, for messages
    std::string normalPath; // absolute, without "." and ".." or doubled separators; links not resolved
    std::string resolvedPath; // the same with every link resolved, so far as the path exists
    FileIdentity identity;
    FileContents contents;

    // The same save: the same path after normalising (whatever happened to
    // the file behind it: rewritten, renamed over, a link retargeted), the
    // same path once links are resolved (a linked folder and its target,
    // after the file was renamed over), or another path that opens the same
    // file (a link, a hard link). Paths compare without regard to letter
    // case on Windows, as its file systems do.
    bool IsSameFileAs(const SaveFileSnapshot& other) const;
};

// Reads the whole open file from its start. File errors propagate.
SaveFileSnapshot TakeSnapshot(CSaveFile& file, const std::string& path);
