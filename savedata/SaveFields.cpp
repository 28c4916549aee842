#include "savedata/SaveFields.h"

using W = FieldWidth;
using C = ChampionRecord;

const std::array<PartyField, kPartyFieldCount> kPartyFields = {{
    {10, W::Word, &PartyState::playerCount},
    {12, W::Word, &PartyState::x},
    {14, W::Word, &PartyState::y},
    {16, W::Word, &PartyState::direction},
    {18, W::Word, &PartyState::level},
}};

const std::array<ChampionField, kChampionFieldCount> kChampionFields = {{
    {0, W::Word, &C::hpCurrent},
    {2, W::Word, &C::hpMax},
    {4, W::Word, &C::staminaCurrent},
    {6, W::Word, &C::staminaMax},
    {8, W::Word, &C::manaCurrent},
    {10, W::Word, &C::manaMax},
    {14, W::Word, &C::food},
    {16, W::Word, &C::water},
    {21, W::Byte, &C::strengthCurrent},
    {22, W::Byte, &C::strengthMax},
    {24, W::Byte, &C::dexterityCurrent},
    {25, W::Byte, &C::dexterityMax},
    {27, W::Byte, &C::wisdomCurrent},
    {28, W::Byte, &C::wisdomMax},
    {30, W::Byte, &C::vitalityCurrent},
    {31, W::Byte, &C::vitalityMax},
    {33, W::Byte, &C::antiMagicCurrent},
    {34, W::Byte, &C::antiMagicMax},
    {36, W::Byte, &C::antiFireCurrent},
    {37, W::Byte, &C::antiFireMax},
    {42, W::Word, &C::fighterExperience},
    {48, W::Word, &C::ninjaExperience},
    {54, W::Word, &C::priestExperience},
    {60, W::Word, &C::wizardExperience},
}};
