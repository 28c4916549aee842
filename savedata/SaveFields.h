#pragma once

#include <array>
#include <cstddef>
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
inline constexpr std::size_t kPartyFieldCount = 5;
inline constexpr std::size_t kChampionFieldCount = 24;
extern const std::array<PartyField, kPartyFieldCount> kPartyFields;
extern const std::array<ChampionField, kChampionFieldCount> kChampionFields;

// A field's record index counts the fields as a FieldSet does: the party's
// five (kPartyFields[index]), then each champion's 24 in turn. A table that
// serves every champion names a champion's field by the first champion's
// index (kChampionFields[index - 5]); champion c's follows 24 c later.
constexpr bool IsChampionField(std::size_t index)
{
    return index >= kPartyFieldCount;
}

constexpr std::size_t ChampionFieldIndex(std::size_t firstChampionIndex, int champion)
{
    return firstChampionIndex + kChampionFieldCount * static_cast<std::size_t>(champion);
}

// The other way: the champion a record index belongs to (0 for the
// party's), and the first champion's index of the same field.
constexpr int ChampionOfField(std::size_t index)
{
    return IsChampionField(index) ? static_cast<int>((index - kPartyFieldCount) / kChampionFieldCount) : 0;
}

constexpr std::size_t FirstChampionIndex(std::size_t index)
{
    return IsChampionField(index) ? kPartyFieldCount + (index - kPartyFieldCount) % kChampionFieldCount : index;
}

// Bytes a store writes: 5 party words and, per champion, 12 words and 12 bytes.
inline constexpr int kStoredByteCount = 154;
