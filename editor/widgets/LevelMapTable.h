#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

struct LevelSize
{
    std::uint32_t width;
    std::uint32_t height;
};

// The built-in maps of the 14 dungeon levels. Index n is the level the
// level list shows as n + 1. Grid n holds width * height characters, row by
// row: 'X' is a square the party can stand on, '.' is solid wall.
namespace LevelMapTable {

inline constexpr std::size_t kLevelCount = 14;
// The map view keeps a fixed 32 x 32 cell array; no level is larger.
inline constexpr std::uint32_t kMaxSide = 32;

extern const std::array<LevelSize, kLevelCount> Sizes;
extern const std::array<const char*, kLevelCount> Grids;

} // namespace LevelMapTable
