#pragma once

#include <QString>

#include <cstdint>

#include "savedata/SaveRecord.h"

// The form's copy of the champion on the current tab: the 20 statistics as
// the unsigned numbers the fields show, the four experiences as the pickers'
// texts. The field table (FieldTable.h) moves them to and from a record.
struct ChampionForm
{
    std::uint32_t hpCurrent = 0;
    std::uint32_t hpMax = 0;
    std::uint32_t staminaCurrent = 0;
    std::uint32_t staminaMax = 0;
    std::uint32_t manaCurrent = 0;
    std::uint32_t manaMax = 0;
    std::uint32_t food = 0;
    std::uint32_t water = 0;
    std::uint32_t strengthCurrent = 0;
    std::uint32_t strengthMax = 0;
    std::uint32_t dexterityCurrent = 0;
    std::uint32_t dexterityMax = 0;
    std::uint32_t wisdomCurrent = 0;
    std::uint32_t wisdomMax = 0;
    std::uint32_t vitalityCurrent = 0;
    std::uint32_t vitalityMax = 0;
    std::uint32_t antiMagicCurrent = 0;
    std::uint32_t antiMagicMax = 0;
    std::uint32_t antiFireCurrent = 0;
    std::uint32_t antiFireMax = 0;
    // "0" rather than empty, so a fresh form passes its own checks.
    QString fighterExperienceText = QStringLiteral("0");
    QString ninjaExperienceText = QStringLiteral("0");
    QString priestExperienceText = QStringLiteral("0");
    QString wizardExperienceText = QStringLiteral("0");
};
