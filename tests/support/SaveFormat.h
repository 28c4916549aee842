#pragma once

// The save file format as the tests and the fuzz oracles know it, written
// out from the format itself and not taken from the library's field table,
// so that a slip in that table (an offset, a width, a member) shows. Also
// the file helpers that the tests and the harnesses share.

#include "savedata/SaveData.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <type_traits>
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

// At the end of a 32 KiB image (data from 0), tried first, or just before
// data that starts at 128.
inline constexpr char kSignature[] = "DM SFX SAVE DATA";
// RetroArch's compressed files start so; they are refused.
inline const std::string kRzipHeader("#RZIPv\x01#", 8);

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
static_assert(sizeof(SaveData) == kFieldCount * sizeof(std::int32_t) && std::is_trivially_copyable_v<SaveData>);
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

// The base a load or a store of these bytes uses; none without the
// signature or with the compression header.
inline std::optional<int> Base(const Bytes& file)
{
    const auto holds = [&](std::size_t at, const std::string& text) {
        return file.size() >= at + text.size() && std::equal(text.begin(), text.end(), file.begin() + at);
    };
    if (holds(0, kRzipHeader))
        return std::nullopt;
    if (holds(0x7FF0, kSignature))
        return 0;
    return holds(0x70, kSignature) ? std::optional(128) : std::nullopt;
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

// Which fields a store writes, by their place in Fields().
using Chosen = std::bitset<kFieldCount>;

// The file after a store of the chosen fields of the record at the base:
// they hold the values' low bits, every other byte is kept, and a write
// past the end grows the file with zeros.
inline Bytes Encode(Bytes file, int base, const SaveData& data, const Chosen& chosen)
{
    const auto fields = Fields();
    const auto values = Values(data);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!chosen[i])
            continue;
        const auto position = static_cast<std::size_t>(base + fields[i].offset);
        file.resize(std::max(file.size(), position + static_cast<std::size_t>(fields[i].width)), 0);
        for (int b = 0; b < fields[i].width; ++b)
            file[position + static_cast<std::size_t>(b)] = static_cast<unsigned char>(values[i] >> (8 * b));
    }
    return file;
}

// The same for the record's first count fields.
inline Bytes Encode(Bytes file, int base, const SaveData& data, int count = kFieldCount)
{
    Chosen chosen;
    for (int i = 0; i < count; ++i)
        chosen.set(static_cast<std::size_t>(i));
    return Encode(std::move(file), base, data, chosen);
}

// 101 random values, all but surely different, mostly wider than their
// fields and half of them negative, so that every low bit and member shows.
inline SaveData Distinct(unsigned seed)
{
    std::mt19937 random(seed);
    std::array<std::int32_t, kFieldCount> values{};
    for (auto& value : values)
        value = static_cast<std::int32_t>(random());
    return Record(values);
}

// The image with these little-endian words written at these positions.
template <typename Words> Bytes WithWords(Bytes image, const Words& words)
{
    for (const auto& [position, value] : words) {
        image.at(static_cast<std::size_t>(position)) = static_cast<unsigned char>(value);
        image.at(static_cast<std::size_t>(position) + 1) = static_cast<unsigned char>(value >> 8);
    }
    return image;
}

inline Bytes WithWords(Bytes image, std::initializer_list<std::pair<int, int>> words)
{
    return WithWords<std::initializer_list<std::pair<int, int>>>(std::move(image), words);
}

inline int WordAt(const Bytes& image, int position)
{
    return image.at(static_cast<std::size_t>(position)) + 256 * image.at(static_cast<std::size_t>(position) + 1);
}

// Positions whose bytes differ between two images of the same size.
inline std::vector<int> ChangedPositions(const Bytes& before, const Bytes& after)
{
    std::vector<int> changed;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] != after.at(i))
            changed.push_back(static_cast<int>(i));
    return changed;
}

// Paths are UTF-8 strings, as the library takes them.
using Path = std::filesystem::path;
inline Path Native(const std::string& utf8) { return std::u8string(utf8.begin(), utf8.end()); }
inline std::string Utf8(const Path& path) { return reinterpret_cast<const char*>(path.u8string().c_str()); }

inline Bytes ReadFile(const std::string& path)
{
    std::ifstream in(Native(path), std::ios::binary | std::ios::ate);
    Bytes bytes(in ? static_cast<std::size_t>(in.tellg()) : 0);
    in.seekg(0).read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

inline void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream(Native(path), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Named at random, so that parallel runs never meet; in memory where there
// is such a folder, as every store flushes.
inline std::string ScratchPath(const std::string& name)
{
    std::error_code error;
    const Path folder =
        std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : std::filesystem::temp_directory_path();
    return Utf8(folder / (name + "-" + std::to_string(std::random_device()())));
}
} // namespace SaveFormat
