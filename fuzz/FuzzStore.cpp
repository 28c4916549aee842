// Any record stored into any file: only the 154 field bytes may change, and
// the file may only grow up to the end of the last field.
#include "FuzzSupport.h"

#include <algorithm>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first 404 bytes are the record, the rest is the file.
    const std::size_t recordSize = std::min(size, kRecordBytes);
    const std::size_t fileSize = size - recordSize;
    if (fileSize > kMaxFileSize)
        return 0;
    const SaveData record = RecordFromBytes(data, recordSize);
    const Bytes before(data + recordSize, data + size);
    const ScratchFile scratch("store", before.data(), before.size());

    const bool stored = StoreSaveData(scratch.Path(), record);
    const Bytes after = scratch.Contents();
    const std::optional<int> base = ExpectedBase(before);
    Require(stored == base.has_value(), "a store succeeds exactly when a placement carries the signature");
    if (!stored) {
        Require(after == before, "a refused store leaves the file as it was");
        return 0;
    }
    const Bytes expected = ExpectedAfterStore(before, *base, record);
    Require(after.size() == expected.size(), "the file grows only up to the end of the last field");
    const auto differs = std::mismatch(after.begin(), after.end(), expected.begin());
    if (differs.first != after.end()) {
        const auto position = static_cast<std::size_t>(differs.first - after.begin());
        std::fprintf(stderr, "byte %zu (%s) is 0x%02X, not 0x%02X\n", position,
                     IsFieldByte(*base, position) ? "a field byte" : "outside the fields", *differs.first,
                     *differs.second);
        Require(false, "a store writes the record's low bits into the fields and changes no other byte");
    }
    return 0;
}
