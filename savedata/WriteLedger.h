#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

#include "savedata/SaveData.h"

// Every value the user has written into one save since it was loaded, field
// by field, across any number of Saves. An emulator that writes its memory
// back puts older values over them, and a running game moves some of them
// on at once: either way the file no longer holds what was written, and
// only this record still knows what the user saved.
class CWriteLedger
{
public:
    using Clock = std::chrono::system_clock;

    struct Entry
    {
        std::int32_t value = 0;
        Clock::time_point when{};
    };

    // The given fields of written went into the file at when.
    void Record(const FieldSet& fields, const SaveData& written, Clock::time_point when = Clock::now());
    // The user takes the file's values for these fields.
    void Forget(const FieldSet& fields);
    void Clear();

    FieldSet Fields() const;
    std::optional<Entry> Find(std::size_t index) const;
    // The recorded fields whose value in file is not the one written.
    FieldSet TakenBack(const SaveData& file) const;
    // data with every recorded field of fields set to its written value.
    SaveData WithWritten(SaveData data, const FieldSet& fields) const;

private:
    std::array<std::optional<Entry>, kSaveFieldCount> m_entries{};
};
