#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "savedata/SaveLayout.h"
#include "savedata/SaveRecord.h"

class CSaveFile;

enum class TransferDirection { Load, Store };

// A transfer that failed, as parts rather than words, so that the editor
// can tell the user in the user's language.
struct SaveDataFailure
{
    enum class Kind
    {
        SystemError,      // reason holds the system's own text
        NotRegularFile,   // a FIFO, a device, anything but a plain file
        InUse,            // another program holds the file
        ShortWrite,       // the system took fewer bytes than given
        InvalidSignature, // no save data at either placement
        Compressed,       // RetroArch's save file compression
        ReadBackMismatch, // a store read back other bytes than it wrote
        ChangedWhileRead, // a peek saw the file change under it
        ReplacedWhileStored, // the path named a new file once the store was written
        OutOfMemory,
    };

    TransferDirection direction = TransferDirection::Load;
    std::string path;
    Kind kind = Kind::SystemError;
    std::string reason{}; // the English or the system's own words, which are in the user's language
};

// The failure in English: "Cannot load 'PATH': REASON", or the message of
// its own for a file without save data or a compressed one.
std::string FailureText(const SaveDataFailure& failure);

// Fills data from the file. All or nothing: on false, data is untouched.
bool LoadSaveData(const std::string& path, SaveData& data);
// Writes the 101 fields into the existing file in place; no other byte.
// True only when reading them back after the flush gave what was written.
bool StoreSaveData(const std::string& path, const SaveData& data);
// Opens, detects the layout and moves every field in one direction.
// Reports every failure through the message handler; true on success.
bool TransferSaveData(const std::string& path, SaveData& data, TransferDirection direction);

// Which of the 101 fields a store writes, in record order: the five party
// values, then each champion's 24 in member order (the order of the file).
inline constexpr std::size_t kSaveFieldCount = 101;
using FieldSet = std::bitset<kSaveFieldCount>;
// The fields whose values differ between two records.
FieldSet DifferingFields(const SaveData& a, const SaveData& b);
// One field by its index in that order.
std::int32_t FieldValue(const SaveData& data, std::size_t index);
void SetFieldValue(SaveData& data, std::size_t index, std::int32_t value);

// The field-level steps; positions are absolute file positions.
void TransferByte(CSaveFile& file, const SaveLayout& layout, int offset, std::int32_t& value,
                  TransferDirection direction);
void TransferWord(CSaveFile& file, const SaveLayout& layout, int offset, std::int32_t& value,
                  TransferDirection direction);
void ReadByteAt(CSaveFile& file, std::int64_t position, std::int32_t& value);
void ReadWordAt(CSaveFile& file, std::int64_t position, std::int32_t& value);
void WriteByteAt(CSaveFile& file, std::int64_t position, std::int32_t value);
void WriteWordAt(CSaveFile& file, std::int64_t position, std::int32_t value);

// The steps of a transfer on an open file, which the guarded store shares.
// A fault of the file itself, where the system reported none, is thrown
// as a SaveDataFault; file errors propagate as CFileException.
struct SaveDataFault
{
    SaveDataFailure::Kind kind;
};
// The placement of the file's save; refuses a compressed file and one
// without save data.
SaveLayout CheckedLayout(CSaveFile& file);
SaveData ReadAllFields(CSaveFile& file, const SaveLayout& layout);
// Writes the fields, flushes them to the disk, reads them back, and checks
// that path still names the file written.
void StoreFields(CSaveFile& file, const std::string& path, const SaveLayout& layout, const SaveData& data,
                 const FieldSet& fields);
// The failure that the exception being handled describes; call only
// inside a catch block.
SaveDataFailure CaughtFailure(TransferDirection direction, const std::string& path);
// Closed before anyone is told: a message box may stand for minutes, and
// an emulator must be able to save (and Windows to share the file) meanwhile.
void CloseQuietly(CSaveFile& file) noexcept;

// Where the failures of the transfers above go. The default writes their
// English text to standard error; a window shows a message box. Called once
// the file is closed, so that a message left standing keeps no one out of
// it. The guarded store (GuardedStore.h) hands its failures back instead.
using SaveDataMessageHandler = std::function<void(const SaveDataFailure& failure)>;
void SetSaveDataMessageHandler(SaveDataMessageHandler handler);

inline constexpr char kInvalidSignatureMessage[] = "Invalid 'DM SFX SAVE DATA'";
// The message for a file with RetroArch's compression header, about path.
std::string CompressedFileMessage(const std::string& path);
