#pragma once

#include <cstdint>
#include <optional>

class CSaveFile;

// Where the game's save data starts inside an .srm file.
struct SaveLayout
{
    std::int32_t baseOffset = 0; // 0 or 128
};

// The 16 signature bytes, compared raw: no case folding, no terminator.
inline constexpr char kSaveSignature[] = "DM SFX SAVE DATA";
inline constexpr std::size_t kSaveSignatureSize = 16;

// The two placements, in the order they are tried.
inline constexpr std::int64_t kFirstSignaturePosition = 0x7FF0;  // end of a 32 KiB image
inline constexpr std::int64_t kSecondSignaturePosition = 0x70;   // just before the data

// RetroArch's save file compression starts a file with these 8 bytes; such
// a file holds the save only in compressed form.
inline constexpr unsigned char kRzipHeader[] = {'#', 'R', 'Z', 'I', 'P', 'v', 0x01, '#'};
bool HasRzipHeader(CSaveFile& file);

// Finds the placement of an open file. Only seeks and reads; no layout is a
// normal answer. File errors propagate as CFileException.
std::optional<SaveLayout> DetectLayout(CSaveFile& file);
