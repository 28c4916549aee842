// Any file contents through LoadSaveData: it must not crash, and what it
// reads must be what the bytes say.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > kMaxFileSize)
        return 0;
    const Bytes file(data, data + size);
    const ScratchFile scratch("load", file);
    const SaveData before = SaveFormat::Distinct(1); // values no load gives
    SaveData record = before;

    const bool loaded = LoadSaveData(scratch.path, record);
    const std::optional<int> base = SaveFormat::Base(file);
    Require(loaded == base.has_value(),
            "a load succeeds exactly when a placement carries the signature and the file is not compressed");
    Require(record == (loaded ? SaveFormat::Decode(file, *base) : before),
            "a load gives the values that the bytes hold; a failed one leaves the record as it was");
    Require(SaveFormat::ReadFile(scratch.path) == file, "a load never changes the file");
    return 0;
}
