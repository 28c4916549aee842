#include "savedata/GuardedStore.h"

#include "savedata/SaveFile.h"

#include <optional>

namespace
{
using Kind = SaveDataFailure::Kind;
using Outcome = GuardedStoreResult::Outcome;

// Everything a load or a look does while the file is open. Errors
// propagate.
SnapshotLoad LoadOpenFile(CSaveFile& file, const std::string& path, CSaveFile::Access access)
{
    std::optional<SaveFileSnapshot> before;
    if (access == CSaveFile::Access::SharedRead)
        before = TakeSnapshot(file, path);
    const SaveLayout layout = CheckedLayout(file);
    SnapshotLoad load{.loaded = true, .values = ReadAllFields(file, layout), .snapshot = TakeSnapshot(file, path)};
    // A look shares the file with its writer, and values read half-way
    // through a write would mix two saves.
    if (before && load.snapshot.contents != before->contents)
        throw SaveDataFault{Kind::ChangedWhileRead};
    file.Close();
    return load;
}

SnapshotLoad LoadSnapshot(const std::string& path, CSaveFile::Access access)
{
    CSaveFile file;
    try {
        file.Open(path, access);
        return LoadOpenFile(file, path, access);
    } catch (...) {
        SnapshotLoad refused{.failure = CaughtFailure(TransferDirection::Load, path)};
        CloseQuietly(file);
        return refused;
    }
}

Outcome Mismatch(const SaveFileSnapshot& expected, const SaveFileSnapshot& now, StoreCheck check)
{
    if (!now.IsSameFileAs(expected))
        return Outcome::OtherFile;
    if (check == StoreCheck::SameSave)
        return Outcome::Stored;
    if (now.contents != expected.contents)
        return Outcome::ChangedOnDisk;
    return Outcome::Stored;
}

// Everything a store does while the file is open. Errors propagate. The
// check against the expected file and the writes share this one exclusive
// open, so nothing the check passed can change before the writes.
GuardedStoreResult StoreIntoOpenFile(CSaveFile& file, const std::string& path, const SaveData& data,
                                     const GuardedStoreOptions& options)
{
    std::optional<SaveFileSnapshot> before;
    if (options.check != StoreCheck::None)
        before = TakeSnapshot(file, path);
    const SaveLayout layout = CheckedLayout(file);
    GuardedStoreResult result{.outcome = before ? Mismatch(options.expected, *before, options.check) : Outcome::Stored};
    if (result.outcome == Outcome::Stored) {
        StoreFields(file, path, layout, data, options.fields);
        result.found = TakeSnapshot(file, path);
    } else {
        result.found = std::move(*before);
    }
    result.onDisk = ReadAllFields(file, layout);
    file.Close();
    return result;
}

// After a store that went into a replaced file: what the path names now is
// the newer save, to be asked about as any change on disk is. Unreadable
// (still being written), it is a failure to tell.
GuardedStoreResult DescribeReplacement(const std::string& path, const SaveDataFailure& failure)
{
    SnapshotLoad now = PeekSaveData(path);
    if (!now.loaded)
        return {.failure = failure};
    return {.outcome = Outcome::ChangedOnDisk, .found = std::move(now.snapshot), .onDisk = now.values};
}
}

SnapshotLoad LoadWithSnapshot(const std::string& path)
{
    return LoadSnapshot(path, CSaveFile::Access::ReadOnly);
}

SnapshotLoad PeekSaveData(const std::string& path)
{
    return LoadSnapshot(path, CSaveFile::Access::SharedRead);
}

GuardedStoreResult StoreSaveDataFields(const std::string& path, const SaveData& data,
                                       const GuardedStoreOptions& options)
{
    CSaveFile file;
    try {
        file.Open(path, CSaveFile::Access::ReadWrite);
        return StoreIntoOpenFile(file, path, data, options);
    } catch (...) {
        const SaveDataFailure failure = CaughtFailure(TransferDirection::Store, path);
        CloseQuietly(file);
        if (failure.kind == Kind::ReplacedWhileStored)
            return DescribeReplacement(path, failure);
        return {.failure = failure};
    }
}
