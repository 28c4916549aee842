#pragma once

// The save file format as the tests and the fuzz oracles know it, written
// out from the format itself and not taken from the library's field table,
// so that a slip in that table (an offset, a width, a member) shows.

#include "savedata/SaveData.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace SaveFormat
{
using Bytes = std::vector<unsigned char>;

struct Field
{
    int offset; // from the base
    int width;  // bytes
};

inline constexpr int kFieldCount = 101;
inline constexpr std::array<int, 4> kChampionBlocks = {1060, 1859, 2658, 3457};
inline constexpr std::array<Field, 24> kChampionFields = {{
    {0, 2}, {2, 2}, {4, 2}, {6, 2}, {8, 2}, {10, 2}, {14, 2}, {16, 2},                 // hp .. water
    {21, 1}, {22, 1}, {24, 1}, {25, 1}, {27, 1}, {28, 1}, {30, 1}, {31, 1},            // strength .. vitality
    {33, 1}, {34, 1}, {36, 1}, {37, 1},                                                // anti-magic, anti-fire
    {42, 2}, {48, 2}, {54, 2}, {60, 2},                                                // fighter .. wizard
}};

// Every field in file order, which is also the order of the record's members.
inline std::array<Field, kFieldCount> Fields()
{
    std::array<Field, kFieldCount> fields{};
    std::size_t next = 0;
    for (const int offset : {10, 12, 14, 16, 18})
        fields[next++] = {offset, 2};
    for (const int block : kChampionBlocks)
        for (const Field& field : kChampionFields)
            fields[next++] = {block + field.offset, field.width};
    return fields;
}

// The record's 101 values in member order: it holds nothing but them.
static_assert(sizeof(SaveData) == kFieldCount * sizeof(std::int32_t));
inline std::array<std::int32_t, kFieldCount> Values(const SaveData& data)
{
    std::array<std::int32_t, kFieldCount> values{};
    std::memcpy(values.data(), &data, sizeof data);
    return values;
}

inline SaveData Record(const std::array<std::int32_t, kFieldCount>& values)
{
    SaveData data;
    std::memcpy(static_cast<void*>(&data), values.data(), sizeof data);
    return data;
}

// What a load of these bytes gives at the base: little-endian fields, a
// byte past the end of the file counting as 0.
inline SaveData Decode(const Bytes& file, int base)
{
    const auto at = [&](std::size_t position) { return position < file.size() ? file[position] : 0; };
    std::array<std::int32_t, kFieldCount> values{};
    const auto fields = Fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto position = static_cast<std::size_t>(base + fields[i].offset);
        values[i] = at(position) + (fields[i].width == 2 ? 256 * at(position + 1) : 0);
    }
    return Record(values);
}

// The file after a store of the record at the base: the fields hold the
// values' low bits, every other byte is kept, and a shorter file grows with
// zeros up to the end of the last field.
inline Bytes Encode(Bytes file, int base, const SaveData& data)
{
    const auto fields = Fields();
    const auto values = Values(data);
    const auto end = static_cast<std::size_t>(base + fields.back().offset + fields.back().width);
    if (file.size() < end)
        file.resize(end, 0);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto bits = static_cast<std::uint32_t>(values[i]);
        for (int b = 0; b < fields[i].width; ++b)
            file[static_cast<std::size_t>(base + fields[i].offset + b)] = static_cast<unsigned char>(bits >> (8 * b));
    }
    return file;
}
} // namespace SaveFormat
