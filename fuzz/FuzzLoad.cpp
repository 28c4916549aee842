// Any file contents through LoadSaveData: it must not crash, and what it
// reads must be what the bytes say.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > kMaxFileSize)
        return 0;
    const ScratchFile scratch("load", data, size);
    const Bytes file(data, data + size);

    // A record that no load gives, to see whether a failed load touched it.
    SaveData record;
    record.party.x = -1;
    record.champions[3].wizardExperience = -2;
    const SaveData before = record;

    const bool loaded = LoadSaveData(scratch.Path(), record);
    const std::optional<int> base = ExpectedBase(file);
    Require(loaded == base.has_value(), "a load succeeds exactly when a placement carries the signature");
    if (loaded)
        Require(record == DecodeRecord(file, *base), "a load gives the values that the bytes hold");
    else
        Require(record == before, "a failed load leaves the record as it was");
    Require(scratch.Contents() == file, "a load never changes the file");
    return 0;
}
