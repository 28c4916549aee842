#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "savedata/SaveFileSnapshot.h"
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

// Beside a running emulator, which rewrites the whole file at any time: a
// load that remembers the file it read, and a store that writes only into
// that file and only while it still holds what was remembered (or, once
// the user agreed, merges into what it holds now).
enum class GuardedStoreResult
{
    Stored,        // written
    ChangedOnDisk, // the file differs from what was remembered, or was replaced under the store
                   // (whose bytes went into the replaced file); found and onDisk describe the newer
    OtherFile,     // the path names another file than the one remembered; nothing written
    Failed,        // reported through the message handler; nothing more to do
};
bool LoadSaveData(const std::string& path, SaveData& data, SaveFileSnapshot& loaded);

// Which of the 101 fields a store writes, in record order: the five party
// values, then each champion's 24 in member order (the order of the file).
inline constexpr std::size_t kSaveFieldCount = 101;
using FieldSet = std::bitset<kSaveFieldCount>;
// The fields whose values differ between two records.
FieldSet DifferingFields(const SaveData& a, const SaveData& b);
// One field by its index in that order.
std::int32_t FieldValue(const SaveData& data, std::size_t index);
void SetFieldValue(SaveData& data, std::size_t index, std::int32_t value);

// How much a field store checks before it writes, all under one exclusive
// open of the file.
enum class StoreCheck
{
    Unchanged, // only into the save expected describes, and only while it holds the same bytes
    SameSave,  // only into that save, whatever it holds now: the fields are merged into it
    None,      // into whatever file path names
};
// Writes the given fields of data, and no other byte, into the file at
// path, then reads them back; an empty set writes nothing. Unless it
// failed: found describes the file as the call left it (after a refusal,
// passed back as expected, it lets the store go ahead once the user has
// agreed), and onDisk holds
// all 101 values the file holds then, so fields not written show the file's
// own, perhaps newer, values (after a refusal, the values it holds now, for
// telling the user what changed). Failures go through the message handler.
GuardedStoreResult StoreSaveDataFields(const std::string& path, const SaveData& data, const FieldSet& fields,
                                       const SaveFileSnapshot& expected, StoreCheck check, SaveFileSnapshot& found,
                                       SaveData& onDisk);

// Reads the file without reporting anything and without keeping others
// out: for watching a file that an emulator may be writing at that moment.
// False when the file cannot be read, holds no save data or changed while
// it was read, with what a load would have reported in failure; data and
// seen are then untouched.
bool PeekSaveData(const std::string& path, SaveData& data, SaveFileSnapshot& seen, SaveDataFailure& failure);

// The field-level steps; positions are absolute file positions.
void TransferByte(CSaveFile& file, const SaveLayout& layout, int offset, std::int32_t& value,
                  TransferDirection direction);
void TransferWord(CSaveFile& file, const SaveLayout& layout, int offset, std::int32_t& value,
                  TransferDirection direction);
void ReadByteAt(CSaveFile& file, std::int64_t position, std::int32_t& value);
void ReadWordAt(CSaveFile& file, std::int64_t position, std::int32_t& value);
void WriteByteAt(CSaveFile& file, std::int64_t position, std::int32_t value);
void WriteWordAt(CSaveFile& file, std::int64_t position, std::int32_t value);

// Where failures for the user go. The default writes their English text
// to standard error; the editor shows a message box. Called once the file
// is closed, so that a message left standing keeps no one out of it.
using SaveDataMessageHandler = std::function<void(const SaveDataFailure& failure)>;
void SetSaveDataMessageHandler(SaveDataMessageHandler handler);

inline constexpr char kInvalidSignatureMessage[] = "Invalid 'DM SFX SAVE DATA'";
// The message for a file with RetroArch's compression header, about path.
std::string CompressedFileMessage(const std::string& path);
