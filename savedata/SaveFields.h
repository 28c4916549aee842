#pragma once

#include <array>
#include <cstdint>

#include "savedata/SaveRecord.h"

// The one table of where each editable value lies, used by load and store
// alike so the two directions can never disagree.

enum class FieldWidth { Byte, Word };

struct PartyField
{
    int offset; // from the layout's base
    FieldWidth width;
    std::int32_t PartyState::*member;
};

struct ChampionField
{
    int offset; // within the champion's block
    FieldWidth width;
    std::int32_t ChampionRecord::*member;
};

inline constexpr int kChampionBlockStart = 1060;
inline constexpr int kChampionBlockStride = 799;

// Offset of champion index's block from the base.
constexpr int ChampionBlockOffset(int index)
{
    return kChampionBlockStart + kChampionBlockStride * index;
}

// In transfer order, which is also file order.
extern const std::array<PartyField, 5> kPartyFields;
extern const std::array<ChampionField, 24> kChampionFields;

// Bytes a store writes: 5 party words and, per champion, 12 words and 12 bytes.
inline constexpr int kStoredByteCount = 154;
