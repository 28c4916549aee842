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

// A failure the transfer finds for itself, where the system reported none.
struct TransferFault
{
    Kind kind;
};

// A store whose path named another file once it was written: a writer
// renamed a new file over the save meanwhile, and the bytes went into the
// replaced one, which no path names any more.
struct ReplacedWhileStored
{
};

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
            throw TransferFault{Kind::ReadBackMismatch};
    });
}

SaveData ReadAllFields(CSaveFile& file, const SaveLayout& layout)
{
    SaveData values;
    TransferFields(file, layout, values, TransferDirection::Load, AllFields());
    return values;
}

// A transfer in either direction that ran to its end.
constexpr GuardedStoreResult kDone = GuardedStoreResult::Stored;

// What a transfer moves, checks and records beyond the fields themselves.
struct TransferGuard
{
    FieldSet fields = AllFields();
    const SaveFileSnapshot* expected = nullptr; // a store goes only into this file, as check says
    StoreCheck check = StoreCheck::Unchanged;
    SaveFileSnapshot* found = nullptr;  // the file as the transfer left it, or as a refusal found it
    SaveData* onDisk = nullptr;         // every value the file holds then
    SaveDataFailure* failure = nullptr; // a peek: opened shared, its failure lands here and not with the user
};

GuardedStoreResult Mismatch(const SaveFileSnapshot& expected, const SaveFileSnapshot& now, StoreCheck check)
{
    if (!now.IsSameFileAs(expected))
        return GuardedStoreResult::OtherFile;
    if (check == StoreCheck::SameSave)
        return kDone;
    if (now.contents != expected.contents)
        return GuardedStoreResult::ChangedOnDisk;
    return kDone;
}

void Report(const TransferGuard& guard, const SaveDataFailure& failure)
{
    if (guard.failure)
        *guard.failure = failure;
    else
        MessageHandler()(failure);
}

// Closed before anyone is told: a message box may stand for minutes, and
// an emulator must be able to save (and Windows to share the file) meanwhile.
void CloseQuietly(CSaveFile& file) noexcept
{
    try {
        file.Close();
    } catch (...) {
        // The handle is gone either way; the failure that led here is the one to tell.
    }
}

GuardedStoreResult Refuse(CSaveFile& file, const TransferGuard& guard, const SaveDataFailure& failure)
{
    CloseQuietly(file);
    Report(guard, failure);
    return GuardedStoreResult::Failed;
}

// Closes the file and hands back found and onDisk, which the caller sees
// only once nothing can fail any more.
GuardedStoreResult CloseAndHandBack(CSaveFile& file, const TransferGuard& guard, SaveFileSnapshot now,
                            const SaveData& values, GuardedStoreResult result)
{
    file.Close();
    if (guard.found)
        *guard.found = std::move(now);
    if (guard.onDisk)
        *guard.onDisk = values;
    return result;
}

// Everything that happens while the file is open. Errors propagate. The
// check against the expected file and the writes share this one exclusive
// open, so nothing the check passed can change before the writes.
GuardedStoreResult TransferOpenFile(CSaveFile& file, const std::string& path, SaveData& data,
                                    TransferDirection direction, const TransferGuard& guard)
{
    std::optional<SaveFileSnapshot> before;
    if (guard.expected || guard.failure)
        before = TakeSnapshot(file, path);
    if (HasRzipHeader(file))
        return Refuse(file, guard, {.direction = direction, .path = path, .kind = Kind::Compressed});
    GuardedStoreResult result = kDone;
    if (guard.expected)
        result = Mismatch(*guard.expected, *before, guard.check);
    // A refusal tells what the file holds only when asked to, and only a
    // file with a save can tell it.
    if (result != kDone && !guard.onDisk)
        return CloseAndHandBack(file, guard, std::move(*before), {}, result);
    const std::optional<SaveLayout> layout = DetectLayout(file);
    if (!layout)
        return Refuse(file, guard, {.direction = direction, .path = path, .kind = Kind::InvalidSignature});
    if (result != kDone)
        return CloseAndHandBack(file, guard, std::move(*before), ReadAllFields(file, *layout), result);

    TransferFields(file, *layout, data, direction, guard.fields);
    if (direction == TransferDirection::Store) {
        file.Flush(); // a save is only done once it is on the disk
        VerifyFields(file, *layout, data, guard.fields);
        if (CSaveFile::PathIdentity(path) != file.Identity())
            throw ReplacedWhileStored{};
    }
    SaveFileSnapshot after;
    if (guard.found)
        after = TakeSnapshot(file, path);
    // A peek shares the file with its writer, and values read half-way
    // through a write would mix two saves.
    if (guard.failure && after.contents != before->contents)
        throw TransferFault{Kind::ChangedWhileRead};
    return CloseAndHandBack(file, guard, std::move(after), guard.onDisk ? ReadAllFields(file, *layout) : SaveData{}, kDone);
}

GuardedStoreResult Transfer(const std::string& path, SaveData& data, TransferDirection direction,
                            const TransferGuard& guard);

// After a store that went into a replaced file: what the path names now is
// the newer save, to be asked about as any change on disk is. Unreadable
// (still being written), it is a failure to tell.
GuardedStoreResult DescribeReplacement(const std::string& path, const TransferGuard& guard, SaveDataFailure failure)
{
    SaveData values;
    SaveFileSnapshot now;
    SaveDataFailure unread;
    if (guard.found && guard.onDisk &&
        Transfer(path, values, TransferDirection::Load, {.found = &now, .failure = &unread}) == kDone) {
        *guard.found = std::move(now);
        *guard.onDisk = values;
        return GuardedStoreResult::ChangedOnDisk;
    }
    failure.kind = Kind::ReplacedWhileStored;
    Report(guard, failure);
    return GuardedStoreResult::Failed;
}

GuardedStoreResult Transfer(const std::string& path, SaveData& data, TransferDirection direction,
                            const TransferGuard& guard)
{
    CSaveFile file;
    SaveDataFailure failure{.direction = direction, .path = path};
    try {
        using Access = CSaveFile::Access;
        file.Open(path, direction == TransferDirection::Store ? Access::ReadWrite
                        : guard.failure                       ? Access::SharedRead
                                                              : Access::ReadOnly);
        return TransferOpenFile(file, path, data, direction, guard);
    } catch (const CFileException& error) {
        failure.kind = KindOf(error.GetFault());
        failure.reason = error.Reason();
    } catch (const ReplacedWhileStored&) {
        CloseQuietly(file);
        return DescribeReplacement(path, guard, failure);
    } catch (const TransferFault& fault) {
        failure.kind = fault.kind;
    } catch (const std::bad_alloc&) {
        failure.kind = Kind::OutOfMemory;
    } catch (const std::exception& error) {
        failure.reason = error.what();
    }
    CloseQuietly(file);
    Report(guard, failure);
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
    return Transfer(path, data, direction, {}) == kDone;
}

bool LoadSaveData(const std::string& path, SaveData& data)
{
    return LoadInto(path, data, {});
}

bool LoadSaveData(const std::string& path, SaveData& data, SaveFileSnapshot& loaded)
{
    SaveFileSnapshot found;
    if (!LoadInto(path, data, {.found = &found}))
        return false;
    loaded = std::move(found);
    return true;
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

GuardedStoreResult StoreSaveDataFields(const std::string& path, const SaveData& data, const FieldSet& fields,
                                       const SaveFileSnapshot& expected, StoreCheck check, SaveFileSnapshot& found,
                                       SaveData& onDisk)
{
    SaveData copy = data;
    return Transfer(path, copy, TransferDirection::Store,
                    {.fields = fields,
                     .expected = check == StoreCheck::None ? nullptr : &expected,
                     .check = check,
                     .found = &found,
                     .onDisk = &onDisk});
}

bool PeekSaveData(const std::string& path, SaveData& data, SaveFileSnapshot& seen, SaveDataFailure& failure)
{
    SaveFileSnapshot found;
    SaveDataFailure reported;
    if (!LoadInto(path, data, {.found = &found, .failure = &reported})) {
        failure = reported;
        return false;
    }
    seen = std::move(found);
    return true;
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
