#include "savedata/SaveData.h"

#include "savedata/FileException.h"
#include "savedata/SaveFields.h"
#include "savedata/SaveFile.h"

#include <array>
#include <cstring>
#include <iostream>
#include <new>
#include <optional>

namespace
{
using Kind = SaveDataFailure::Kind;

SaveDataMessageHandler& MessageHandler()
{
    static SaveDataMessageHandler handler = [](const SaveDataFailure& failure) {
        std::cerr << FailureText(failure) << '\n';
    };
    return handler;
}

// Our own English words for a failure the exception did not describe;
// nullptr where its reason says it.
const char* OwnReason(Kind kind)
{
    switch (kind) {
    case Kind::ReadBackMismatch: return "the file did not read back what was written";
    case Kind::ChangedWhileRead: return "the file changed while it was read";
    case Kind::OutOfMemory: return "out of memory";
    case Kind::ReplacedWhileStored:
        return "another program replaced the file while it was saved, so the new file does not hold the values";
    case Kind::SystemError:
    case Kind::NotRegularFile:
    case Kind::InUse:
    case Kind::ShortWrite:
    case Kind::InvalidSignature:
    case Kind::Compressed: break;
    }
    return nullptr;
}

Kind KindOf(CFileException::Fault fault)
{
    switch (fault) {
    case CFileException::Fault::NotRegularFile: return Kind::NotRegularFile;
    case CFileException::Fault::InUse: return Kind::InUse;
    case CFileException::Fault::ShortWrite: return Kind::ShortWrite;
    case CFileException::Fault::System: break;
    }
    return Kind::SystemError;
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

// Calls visit(index, offset from the base, width, value) for every field,
// in transfer order, index counting them as a FieldSet does. Load, store,
// read-back and comparison all walk this one sequence.
template <typename Record, typename Visit>
void ForEachField(Record& data, Visit visit)
{
    std::size_t index = 0;
    for (const PartyField& field : kPartyFields)
        visit(index++, field.offset, field.width, data.party.*field.member);
    for (int champion = 0; champion < kChampionCount; ++champion)
        for (const ChampionField& field : kChampionFields)
            visit(index++, ChampionBlockOffset(champion) + field.offset, field.width,
                  data.champions[static_cast<std::size_t>(champion)].*field.member);
}

static_assert(kPartyFields.size() + kChampionCount * kChampionFields.size() == kSaveFieldCount);

FieldSet AllFields()
{
    return FieldSet().set();
}

void TransferFields(CSaveFile& file, const SaveLayout& layout, SaveData& data, TransferDirection direction,
                    const FieldSet& fields)
{
    ForEachField(data, [&](std::size_t index, int offset, FieldWidth width, std::int32_t& value) {
        if (!fields[index])
            return;
        if (width == FieldWidth::Byte)
            TransferByte(file, layout, offset, value, direction);
        else
            TransferWord(file, layout, offset, value, direction);
    });
}

// A write the system accepted is not yet a write that the medium kept: read
// every field written back and compare, so a save that did not stick is
// reported.
void VerifyFields(CSaveFile& file, const SaveLayout& layout, const SaveData& data, const FieldSet& fields)
{
    ForEachField(data, [&](std::size_t index, int offset, FieldWidth width, std::int32_t value) {
        if (!fields[index])
            return;
        const std::size_t count = ByteCount(width);
        const std::array<unsigned char, 2> expected = LowBytes(value);
        std::array<unsigned char, 2> actual{};
        file.Seek(std::int64_t{layout.baseOffset} + offset);
        if (file.Read(actual.data(), count) != count || std::memcmp(actual.data(), expected.data(), count) != 0)
            throw SaveDataFault{Kind::ReadBackMismatch};
    });
}

// Everything that happens while the file is open. Errors propagate.
void TransferOpenFile(CSaveFile& file, const std::string& path, SaveData& data, TransferDirection direction)
{
    const SaveLayout layout = CheckedLayout(file);
    if (direction == TransferDirection::Store)
        StoreFields(file, path, layout, data, AllFields());
    else
        TransferFields(file, layout, data, direction, AllFields());
    file.Close();
}

bool Transfer(const std::string& path, SaveData& data, TransferDirection direction)
{
    CSaveFile file;
    try {
        file.Open(path, direction == TransferDirection::Store ? CSaveFile::Access::ReadWrite
                                                              : CSaveFile::Access::ReadOnly);
        TransferOpenFile(file, path, data, direction);
        return true;
    } catch (...) {
        const SaveDataFailure failure = CaughtFailure(direction, path);
        CloseQuietly(file);
        MessageHandler()(failure);
        return false;
    }
}

// Reads into a fresh record so a failed load never leaves a half-filled one
// behind for a later Save to write out.
bool LoadInto(const std::string& path, SaveData& data)
{
    SaveData loaded;
    if (!Transfer(path, loaded, TransferDirection::Load))
        return false;
    data = loaded;
    return true;
}
}

SaveLayout CheckedLayout(CSaveFile& file)
{
    if (HasRzipHeader(file))
        throw SaveDataFault{Kind::Compressed};
    const std::optional<SaveLayout> layout = DetectLayout(file);
    if (!layout)
        throw SaveDataFault{Kind::InvalidSignature};
    return *layout;
}

SaveData ReadAllFields(CSaveFile& file, const SaveLayout& layout)
{
    SaveData values;
    TransferFields(file, layout, values, TransferDirection::Load, AllFields());
    return values;
}

void StoreFields(CSaveFile& file, const std::string& path, const SaveLayout& layout, const SaveData& data,
                 const FieldSet& fields)
{
    SaveData copy = data; // the store direction only reads it
    TransferFields(file, layout, copy, TransferDirection::Store, fields);
    file.Flush(); // a save is only done once it is on the disk
    VerifyFields(file, layout, data, fields);
    // A writer that renamed a new file over the save meanwhile got the
    // bytes into the replaced file, which no path names any more.
    if (CSaveFile::PathIdentity(path) != file.Identity())
        throw SaveDataFault{Kind::ReplacedWhileStored};
}

SaveDataFailure CaughtFailure(TransferDirection direction, const std::string& path)
{
    SaveDataFailure failure{.direction = direction, .path = path};
    try {
        throw;
    } catch (const CFileException& error) {
        failure.kind = KindOf(error.GetFault());
        failure.reason = error.Reason();
    } catch (const SaveDataFault& fault) {
        failure.kind = fault.kind;
    } catch (const std::bad_alloc&) {
        failure.kind = Kind::OutOfMemory;
    } catch (const std::exception& error) {
        failure.reason = error.what();
    }
    return failure;
}

void CloseQuietly(CSaveFile& file) noexcept
{
    try {
        file.Close();
    } catch (...) {
        // The handle is gone either way; the failure that led here is the one to tell.
    }
}

void SetSaveDataMessageHandler(SaveDataMessageHandler handler)
{
    MessageHandler() = std::move(handler);
}

std::string FailureText(const SaveDataFailure& failure)
{
    if (failure.kind == Kind::InvalidSignature)
        return kInvalidSignatureMessage;
    if (failure.kind == Kind::Compressed)
        return CompressedFileMessage(failure.path);
    const char* own = OwnReason(failure.kind);
    const std::string reason = own ? own : failure.reason;
    return FailureMessage(failure.direction, failure.path, reason);
}

std::string CompressedFileMessage(const std::string& path)
{
    return "'" + path +
           "' is compressed by the emulator's save file compression. Turn that setting off, let the game save "
           "again, and load the new file.";
}

bool TransferSaveData(const std::string& path, SaveData& data, TransferDirection direction)
{
    return Transfer(path, data, direction);
}

bool LoadSaveData(const std::string& path, SaveData& data)
{
    return LoadInto(path, data);
}

bool StoreSaveData(const std::string& path, const SaveData& data)
{
    SaveData copy = data; // the store direction only reads it
    return TransferSaveData(path, copy, TransferDirection::Store);
}

FieldSet DifferingFields(const SaveData& a, const SaveData& b)
{
    FieldSet differing;
    ForEachField(a, [&](std::size_t index, int, FieldWidth, std::int32_t value) {
        differing[index] = value != FieldValue(b, index);
    });
    return differing;
}

std::int32_t FieldValue(const SaveData& data, std::size_t index)
{
    std::int32_t found = 0;
    ForEachField(data, [&](std::size_t i, int, FieldWidth, std::int32_t value) {
        if (i == index)
            found = value;
    });
    return found;
}

void SetFieldValue(SaveData& data, std::size_t index, std::int32_t value)
{
    ForEachField(data, [&](std::size_t i, int, FieldWidth, std::int32_t& field) {
        if (i == index)
            field = value;
    });
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
