#include "savedata/SaveData.h"

#include "savedata/FileException.h"
#include "savedata/SaveFields.h"
#include "savedata/SaveFile.h"

#include <array>
#include <cstring>
#include <iostream>
#include <new>

namespace
{
constexpr char kReadBackMismatchReason[] = "the file did not read back what was written";

SaveDataMessageHandler& MessageHandler()
{
    static SaveDataMessageHandler handler = [](const std::string& text) { std::cerr << text << '\n'; };
    return handler;
}

void ShowMessage(const std::string& text)
{
    MessageHandler()(text);
}

std::string FailureMessage(TransferDirection direction, const std::string& path, const std::string& reason)
{
    const char* verb = direction == TransferDirection::Load ? "load" : "save";
    return std::string("Cannot ") + verb + " '" + path + "': " + reason;
}

// What a store puts into the file for a value: its low 8 or 16 bits, low
// byte first, in two's complement.
std::array<unsigned char, 2> LowBytes(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<unsigned char>(bits & 0xFFu), static_cast<unsigned char>((bits >> 8) & 0xFFu)};
}

std::size_t ByteCount(FieldWidth width)
{
    return width == FieldWidth::Byte ? 1 : 2;
}

// Calls visit(offset from the base, width, value) for every field, in
// transfer order. Load, store and read-back all walk this one sequence.
template <typename Visit>
void ForEachField(SaveData& data, Visit visit)
{
    for (const PartyField& field : kPartyFields)
        visit(field.offset, field.width, data.party.*field.member);
    for (int index = 0; index < kChampionCount; ++index) {
        ChampionRecord& champion = data.champions[static_cast<std::size_t>(index)];
        for (const ChampionField& field : kChampionFields)
            visit(ChampionBlockOffset(index) + field.offset, field.width, champion.*field.member);
    }
}

void TransferAllFields(CSaveFile& file, const SaveLayout& layout, SaveData& data, TransferDirection direction)
{
    ForEachField(data, [&](int offset, FieldWidth width, std::int32_t& value) {
        if (width == FieldWidth::Byte)
            TransferByte(file, layout, offset, value, direction);
        else
            TransferWord(file, layout, offset, value, direction);
    });
}

// A write the system accepted is not yet a write that the medium kept: read
// every field back and compare, so a save that did not stick is reported.
void VerifyAllFields(CSaveFile& file, const SaveLayout& layout, SaveData& data)
{
    ForEachField(data, [&](int offset, FieldWidth width, std::int32_t value) {
        const std::size_t count = ByteCount(width);
        const std::array<unsigned char, 2> expected = LowBytes(value);
        std::array<unsigned char, 2> actual{};
        file.Seek(std::int64_t{layout.baseOffset} + offset);
        if (file.Read(actual.data(), count) != count || std::memcmp(actual.data(), expected.data(), count) != 0)
            throw CFileException(kReadBackMismatchReason);
    });
}

// A transfer in either direction that ran to its end.
constexpr GuardedStoreResult kDone = GuardedStoreResult::Stored;

// What a transfer checks and records beyond the fields.
struct TransferGuard
{
    const SaveFileSnapshot* expected = nullptr; // store only into this file, holding these bytes
    SaveFileSnapshot* found = nullptr;          // the file as the transfer left it
};

GuardedStoreResult Mismatch(const SaveFileSnapshot& expected, const SaveFileSnapshot& now)
{
    if (!now.IsSameFileAs(expected))
        return GuardedStoreResult::OtherFile;
    if (now.contents != expected.contents)
        return GuardedStoreResult::ChangedOnDisk;
    return kDone;
}

GuardedStoreResult Refuse(CSaveFile& file, const std::string& message)
{
    ShowMessage(message);
    file.Close();
    return GuardedStoreResult::Failed;
}

// Everything that happens while the file is open. Errors propagate. The
// check against the expected file and the writes share this one exclusive
// open, so nothing the check passed can change before the writes.
GuardedStoreResult TransferOpenFile(CSaveFile& file, const std::string& path, SaveData& data,
                                    TransferDirection direction, const TransferGuard& guard)
{
    if (HasRzipHeader(file))
        return Refuse(file, CompressedFileMessage(path));
    if (guard.expected) {
        SaveFileSnapshot now = TakeSnapshot(file, path);
        const GuardedStoreResult mismatch = Mismatch(*guard.expected, now);
        if (mismatch != kDone) {
            *guard.found = std::move(now);
            file.Close();
            return mismatch;
        }
    }
    const std::optional<SaveLayout> layout = DetectLayout(file);
    if (!layout)
        return Refuse(file, kInvalidSignatureMessage);
    TransferAllFields(file, *layout, data, direction);
    if (direction == TransferDirection::Store) {
        file.Flush(); // a save is only done once it is on the disk
        VerifyAllFields(file, *layout, data);
    }
    if (guard.found)
        *guard.found = TakeSnapshot(file, path);
    file.Close();
    return kDone;
}

GuardedStoreResult Transfer(const std::string& path, SaveData& data, TransferDirection direction,
                            const TransferGuard& guard)
{
    CSaveFile file;
    std::string reason;
    try {
        file.Open(path, direction == TransferDirection::Load ? CSaveFile::Access::ReadOnly
                                                             : CSaveFile::Access::ReadWrite);
        return TransferOpenFile(file, path, data, direction, guard);
    } catch (const CFileException& error) {
        reason = error.Reason();
    } catch (const std::bad_alloc&) {
        reason = "out of memory";
    } catch (const std::exception& error) {
        reason = error.what();
    }
    // Still inside the call, with the file (if it opened) not yet closed.
    ShowMessage(FailureMessage(direction, path, reason));
    return GuardedStoreResult::Failed;
}

// Reads into a fresh record so a failed load never leaves a half-filled one
// behind for a later Save to write out.
bool LoadInto(const std::string& path, SaveData& data, const TransferGuard& guard)
{
    SaveData loaded;
    if (Transfer(path, loaded, TransferDirection::Load, guard) != kDone)
        return false;
    data = loaded;
    return true;
}
}

void SetSaveDataMessageHandler(SaveDataMessageHandler handler)
{
    MessageHandler() = std::move(handler);
}

std::string CompressedFileMessage(const std::string& path)
{
    return "'" + path +
           "' is compressed by the emulator's save file compression. Turn that setting off, let the game save "
           "again, and load the new file.";
}

bool TransferSaveData(const std::string& path, SaveData& data, TransferDirection direction)
{
    return Transfer(path, data, direction, {}) == kDone;
}

bool LoadSaveData(const std::string& path, SaveData& data)
{
    return LoadInto(path, data, {});
}

bool LoadSaveData(const std::string& path, SaveData& data, SaveFileSnapshot& loaded)
{
    SaveFileSnapshot found;
    if (!LoadInto(path, data, {nullptr, &found}))
        return false;
    loaded = std::move(found);
    return true;
}

bool StoreSaveData(const std::string& path, const SaveData& data)
{
    SaveData copy = data; // the store direction only reads it
    return TransferSaveData(path, copy, TransferDirection::Store);
}

GuardedStoreResult StoreSaveDataIfUnchanged(const std::string& path, const SaveData& data,
                                            const SaveFileSnapshot& expected, SaveFileSnapshot& found)
{
    SaveData copy = data;
    return Transfer(path, copy, TransferDirection::Store, {&expected, &found});
}

void TransferByte(CSaveFile& file, const SaveLayout& layout, int offset, std::int32_t& value,
                  TransferDirection direction)
{
    const std::int64_t position = std::int64_t{layout.baseOffset} + offset;
    if (direction == TransferDirection::Load)
        ReadByteAt(file, position, value);
    else
        WriteByteAt(file, position, value);
}

void TransferWord(CSaveFile& file, const SaveLayout& layout, int offset, std::int32_t& value,
                  TransferDirection direction)
{
    const std::int64_t position = std::int64_t{layout.baseOffset} + offset;
    if (direction == TransferDirection::Load)
        ReadWordAt(file, position, value);
    else
        WriteWordAt(file, position, value);
}

void ReadByteAt(CSaveFile& file, std::int64_t position, std::int32_t& value)
{
    file.Seek(position);
    value = 0;
    unsigned char byte = 0;
    if (file.Read(&byte, 1) == 1)
        value = byte;
}

void ReadWordAt(CSaveFile& file, std::int64_t position, std::int32_t& value)
{
    file.Seek(position);
    unsigned char bytes[2] = {0, 0}; // a byte past the end counts as 0
    file.Read(bytes, 2);
    value = bytes[0] + 256 * bytes[1];
}

void WriteByteAt(CSaveFile& file, std::int64_t position, std::int32_t value)
{
    file.Seek(position);
    file.Write(LowBytes(value).data(), 1);
}

void WriteWordAt(CSaveFile& file, std::int64_t position, std::int32_t value)
{
    file.Seek(position);
    file.Write(LowBytes(value).data(), 2);
}
