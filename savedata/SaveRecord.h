#pragma once

#include <array>
#include <cstdint>

// Every editable value of a save, each as a signed 32-bit number, all 0 at
// construction. Where each lies in the file, SaveFields.h says.

struct PartyState
{
    std::int32_t playerCount = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t direction = 0;
    std::int32_t level = 0;

    bool operator==(const PartyState&) const = default;
};

struct ChampionRecord
{
    // 16-bit statistics
    std::int32_t hpCurrent = 0;
    std::int32_t hpMax = 0;
    std::int32_t staminaCurrent = 0;
    std::int32_t staminaMax = 0;
    std::int32_t manaCurrent = 0;
    std::int32_t manaMax = 0;
    std::int32_t food = 0;
    std::int32_t water = 0;
    // 8-bit attributes, current/maximum pairs
    std::int32_t strengthCurrent = 0;
    std::int32_t strengthMax = 0;
    std::int32_t dexterityCurrent = 0;
    std::int32_t dexterityMax = 0;
    std::int32_t wisdomCurrent = 0;
    std::int32_t wisdomMax = 0;
    std::int32_t vitalityCurrent = 0;
    std::int32_t vitalityMax = 0;
    std::int32_t antiMagicCurrent = 0;
    std::int32_t antiMagicMax = 0;
    std::int32_t antiFireCurrent = 0;
    std::int32_t antiFireMax = 0;
    // 16-bit skill experience
    std::int32_t fighterExperience = 0;
    std::int32_t ninjaExperience = 0;
    std::int32_t priestExperience = 0;
    std::int32_t wizardExperience = 0;

    bool operator==(const ChampionRecord&) const = default;
};

inline constexpr int kChampionCount = 4;

struct SaveData
{
    PartyState party;
    std::array<ChampionRecord, kChampionCount> champions;

    bool operator==(const SaveData&) const = default;
};
