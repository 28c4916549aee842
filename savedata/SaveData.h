#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "savedata/SaveFileSnapshot.h"
#include "savedata/SaveLayout.h"
#include "savedata/SaveRecord.h"

class CSaveFile;

enum class TransferDirection { Load, Store };

// Fills data from the file. All or nothing: on false, data is untouched.
bool LoadSaveData(const std::string& path, SaveData& data);
// Writes the 101 fields into the existing file in place; no other byte.
// True only when reading them back after the flush gave what was written.
bool StoreSaveData(const std::string& path, const SaveData& data);
// Opens, detects the layout and moves every field in one direction.
// Reports every failure through the message handler; true on success.
bool TransferSaveData(const std::string& path, SaveData& data, TransferDirection direction);

// Beside a running emulator, which rewrites the whole file at any time: a
// load that remembers the file it read, and a store that writes only into
// that file and only while it still holds what was remembered.
enum class GuardedStoreResult
{
    Stored,        // written
    ChangedOnDisk, // the file differs from what was remembered; nothing written
    OtherFile,     // the path names another file than the one remembered; nothing written
    Failed,        // reported through the message handler; nothing more to do
};
bool LoadSaveData(const std::string& path, SaveData& data, SaveFileSnapshot& loaded);
// Unless it failed, found describes the file as the call left it: after a
// store, what to expect next time; after a refusal, passed back as expected,
// it lets the store go ahead once the user has agreed.
GuardedStoreResult StoreSaveDataIfUnchanged(const std::string& path, const SaveData& data,
                                            const SaveFileSnapshot& expected, SaveFileSnapshot& found);

// The field-level steps; positions are absolute file positions.
void TransferByte(CSaveFile& file, const SaveLayout& layout, int offset, std::int32_t& value,
                  TransferDirection direction);
void TransferWord(CSaveFile& file, const SaveLayout& layout, int offset, std::int32_t& value,
                  TransferDirection direction);
void ReadByteAt(CSaveFile& file, std::int64_t position, std::int32_t& value);
void ReadWordAt(CSaveFile& file, std::int64_t position, std::int32_t& value);
void WriteByteAt(CSaveFile& file, std::int64_t position, std::int32_t value);
void WriteWordAt(CSaveFile& file, std::int64_t position, std::int32_t value);

// Where messages for the user go. The default writes to standard error;
// the editor shows a message box. Called while the file is still open.
using SaveDataMessageHandler = std::function<void(const std::string& text)>;
void SetSaveDataMessageHandler(SaveDataMessageHandler handler);

inline constexpr char kInvalidSignatureMessage[] = "Invalid 'DM SFX SAVE DATA'";
// The message for a file with RetroArch's compression header, about path.
std::string CompressedFileMessage(const std::string& path);
