#include "resources/DialogLayout.h"

#include "resources/ControlIds.h"

namespace
{
using K = ControlKind;
constexpr int S = DialogLayout::kNoId;

constexpr const char* kPlayerCounts[] = {"1", "2", "3", "4"};
constexpr const char* kDirections[] = {"East", "West", "South", "North"};
constexpr const char* kLevels[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"};
}

namespace DialogLayout {

const std::array<DialogControl, 59> Controls = {{
    {S, K::Label, 7, 7, 27, 8, "SRM file:", {}},
    {IDC_PATH, K::Edit, 7, 17, 145, 14, "", {}},
    {IDC_BROWSE, K::Button, 155, 17, 35, 14, "Browse", {}},
    {IDC_LOAD, K::Button, 192, 17, 20, 14, "Load", {}},
    {IDC_SAVE, K::Button, 214, 17, 20, 14, "Save", {}},
    {S, K::Label, 7, 40, 30, 8, "# Players:", {}},
    {IDC_PLAYERS, K::DropDown, 7, 50, 40, 70, "", kPlayerCounts},
    {S, K::Label, 7, 65, 8, 8, "x:", {}},
    {IDC_X, K::Edit, 7, 75, 40, 14, "", {}},
    {S, K::Label, 7, 90, 8, 8, "y:", {}},
    {IDC_Y, K::Edit, 7, 100, 40, 14, "", {}},
    {S, K::Label, 7, 115, 11, 8, "Dir:", {}},
    {IDC_DIRECTION, K::DropDownList, 7, 125, 40, 70, "", kDirections},
    {S, K::Label, 7, 140, 18, 8, "Level:", {}},
    {S, K::Label, 15, 188, 43, 8, "HP: (Cur/Max)", {}},
    {IDC_HP_CUR, K::Edit, 15, 198, 22, 14, "", {}},
    {IDC_HP_MAX, K::Edit, 39, 198, 22, 14, "", {}},
    {S, K::Label, 15, 212, 43, 8, "Stamina: (x10)", {}},
    {IDC_STAMINA_CUR, K::Edit, 15, 222, 22, 14, "", {}},
    {IDC_STAMINA_MAX, K::Edit, 39, 222, 22, 14, "", {}},
    {S, K::Label, 15, 238, 18, 8, "Mana:", {}},
    {IDC_MANA_CUR, K::Edit, 15, 248, 22, 14, "", {}},
    {IDC_MANA_MAX, K::Edit, 39, 248, 22, 14, "", {}},
    {S, K::Label, 15, 262, 38, 8, "Food Status:", {}},
    {IDC_FOOD, K::Edit, 15, 272, 22, 14, "", {}},
    {S, K::Label, 15, 288, 40, 8, "Water Status:", {}},
    {IDC_WATER, K::Edit, 15, 298, 22, 14, "", {}},
    {S, K::Label, 67, 188, 59, 8, "Strength: (Cur/Max)", {}},
    {IDC_STRENGTH_CUR, K::Edit, 67, 198, 22, 14, "", {}},
    {IDC_STRENGTH_MAX, K::Edit, 91, 198, 22, 14, "", {}},
    {S, K::Label, 67, 212, 29, 8, "Dexterity:", {}},
    {IDC_DEXTERITY_CUR, K::Edit, 67, 222, 22, 14, "", {}},
    {IDC_DEXTERITY_MAX, K::Edit, 91, 222, 22, 14, "", {}},
    {S, K::Label, 67, 238, 24, 8, "Wisdom:", {}},
    {IDC_WISDOM_CUR, K::Edit, 67, 248, 22, 14, "", {}},
    {IDC_WISDOM_MAX, K::Edit, 91, 248, 22, 14, "", {}},
    {S, K::Label, 67, 262, 23, 8, "Vitality:", {}},
    {IDC_VITALITY_CUR, K::Edit, 67, 272, 22, 14, "", {}},
    {IDC_VITALITY_MAX, K::Edit, 91, 272, 22, 14, "", {}},
    {S, K::Label, 67, 288, 35, 8, "Anti-magic:", {}},
    {IDC_ANTIMAGIC_CUR, K::Edit, 67, 298, 22, 14, "", {}},
    {IDC_ANTIMAGIC_MAX, K::Edit, 91, 298, 22, 14, "", {}},
    {S, K::Label, 67, 312, 27, 8, "Anti-fire:", {}},
    {IDC_ANTIFIRE_CUR, K::Edit, 67, 322, 22, 14, "", {}},
    {IDC_ANTIFIRE_MAX, K::Edit, 91, 322, 22, 14, "", {}},
    {S, K::Label, 131, 188, 30, 8, "FIGHTER:", {}},
    {IDC_FIGHTER, K::SkillPicker, 131, 198, 75, 100, "", {}},
    {S, K::Label, 131, 212, 22, 8, "NINJA:", {}},
    {IDC_NINJA, K::SkillPicker, 131, 222, 75, 100, "", {}},
    {S, K::Label, 131, 238, 24, 8, "PRIEST:", {}},
    {IDC_PRIEST, K::SkillPicker, 131, 248, 75, 100, "", {}},
    {S, K::Label, 131, 262, 27, 8, "WIZARD:", {}},
    {IDC_WIZARD, K::SkillPicker, 131, 272, 75, 100, "", {}},
    {IDC_TAB, K::TabControl, 7, 172, 215, 180, "", {}},
    {S, K::Label, 55, 37, 14, 8, "Map:", {}},
    {IDC_MAP, K::MapView, 55, 50, 120, 115, "", {}},
    {IDC_LEVEL, K::DropDownList, 7, 150, 40, 125, "", kLevels},
    {IDC_NOTICE, K::Notice, 181, 50, 103, 96, "", {}},
    {IDC_RELOAD, K::Button, 181, 151, 40, 14, "Reload", {}},
}};

const std::array<const char*, 4> TabLabels = {"Player 1", "Player 2", "Player 3", "Player 4"};

} // namespace DialogLayout
