// Any record stored into any file: only the 154 field bytes may change, and
// the file may only grow up to the end of the last field. The same record's
// fields stored one set at a time: only their bytes may change.
#include "FuzzSupport.h"
#include "savedata/GuardedStore.h"

#include <bit>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first 404 bytes are the record's 101 values, little-endian (a
    // missing byte is 0); the rest is the file. The negative values name
    // the fields of the set store: bit 31 is stored in no field.
    static_assert(std::endian::native == std::endian::little);
    std::array<std::int32_t, SaveFormat::kFieldCount> values{};
    const std::size_t recordSize = std::min(size, sizeof values);
    if (size - recordSize > kMaxFileSize)
        return 0;
    std::memcpy(values.data(), data, recordSize);
    const SaveData record = SaveFormat::Record(values);
    const Bytes before(data + recordSize, data + size);
    const ScratchFile scratch("store", before);

    const bool stored = StoreSaveData(scratch.path, record);
    const std::optional<int> base = SaveFormat::Base(before);
    Require(stored == base.has_value(),
            "a store succeeds exactly when a placement carries the signature and the file is not compressed");
    Require(SaveFormat::ReadFile(scratch.path) == (stored ? SaveFormat::Encode(before, *base, record) : before),
            "a store puts the record's low bits into the 154 field bytes and changes no other byte, growing a "
            "shorter file only up to the last field; a refused one changes nothing");

    SaveFormat::Chosen fields;
    for (std::size_t i = 0; i < values.size(); ++i)
        fields[i] = values[i] < 0;
    const ScratchFile copy("store-fields", before);
    const GuardedStoreResult result =
        StoreSaveDataFields(copy.path, record, {.fields = fields, .check = StoreCheck::None});
    using Outcome = GuardedStoreResult::Outcome;
    Require(result.outcome == (base ? Outcome::Stored : Outcome::Failed),
            "a set store succeeds exactly when a plain store does");
    const Bytes after = SaveFormat::ReadFile(copy.path);
    Require(after == (base ? SaveFormat::Encode(before, *base, record, fields) : before),
            "a set store puts the low bits of its fields into their bytes and changes no other byte");
    Require(!base || (result.onDisk == SaveFormat::Decode(after, *base) && result.found.contents.bytes == after &&
                      result.found.contents.size == after.size()),
            "after a set store, what it reports is what the file holds");
    return 0;
}
