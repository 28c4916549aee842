#pragma once

#include <string>

#include "savedata/SaveData.h"
#include "savedata/SaveFileSnapshot.h"

// Beside a running emulator, which rewrites the whole file at any time: a
// load that remembers the file it read, a store that writes only into that
// file and only while it still holds what was remembered (or, once the user
// agreed, merges into what it holds now), and a look at a file being
// written. Each hands its failure back to the caller; none tells the user.

// A load or a look that remembers the file it read.
struct SnapshotLoad
{
    bool loaded = false; // false: values and snapshot are empty, failure says why
    SaveData values{};
    SaveFileSnapshot snapshot{};
    SaveDataFailure failure{};
};

// Loads as LoadSaveData does, under an exclusive open.
SnapshotLoad LoadWithSnapshot(const std::string& path);
// Reads the file without keeping others out: for watching a file that an
// emulator may be writing at that moment. Fails, as ChangedWhileRead, when
// the file changed while it was read.
SnapshotLoad PeekSaveData(const std::string& path);

// How much a field store checks before it writes, all under one exclusive
// open of the file.
enum class StoreCheck
{
    Unchanged, // only into the save expected describes, and only while it holds the same bytes
    SameSave,  // only into that save, whatever it holds now: the fields are merged into it
    None,      // into whatever file path names
};

struct GuardedStoreOptions
{
    FieldSet fields{};                        // written, and no other byte; an empty set writes nothing
    StoreCheck check = StoreCheck::Unchanged; // what the file must be for the fields to go in
    SaveFileSnapshot expected{};              // the save the check holds the file to; unused by None
};

struct GuardedStoreResult
{
    enum class Outcome
    {
        Stored,        // written, and read back
        ChangedOnDisk, // the file differs from what was expected, or was replaced under the store
                       // (whose bytes went into the replaced file); found and onDisk describe the newer
        OtherFile,     // the path names another file than the one expected; nothing written
        Failed,        // failure says why; found and onDisk are empty
    };

    Outcome outcome = Outcome::Failed;
    // The file as the store left it (after a refusal, passed back as
    // expected, it lets the store go ahead once the user has agreed), and
    // all 101 values it holds then: fields not written show the file's own,
    // perhaps newer, values, and after a refusal what changed.
    SaveFileSnapshot found{};
    SaveData onDisk{};
    SaveDataFailure failure{};
};

// Writes options.fields of data into the file at path, then reads them back.
GuardedStoreResult StoreSaveDataFields(const std::string& path, const SaveData& data,
                                       const GuardedStoreOptions& options);
