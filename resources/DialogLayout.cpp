#include "resources/DialogLayout.h"

namespace
{
using K = ControlKind;
constexpr int S = DialogLayout::kNoId;

constexpr const char* kPlayerCounts[] = {"1", "2", "3", "4"};
constexpr const char* kDirections[] = {"East", "West", "South", "North"};
constexpr const char* kLevels[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"};
}

namespace DialogLayout {

const std::array<DialogControl, 57> Controls = {{
    {S, K::Label, 7, 7, 27, 8, "SRM file:", {}},
    {1000, K::Edit, 7, 17, 145, 14, "", {}},
    {1009, K::Button, 155, 17, 35, 14, "Browse", {}},
    {1005, K::Button, 192, 17, 20, 14, "Load", {}},
    {1006, K::Button, 214, 17, 20, 14, "Save", {}},
    {S, K::Label, 7, 40, 30, 8, "# Players:", {}},
    {1022, K::DropDown, 7, 50, 40, 70, "", kPlayerCounts},
    {S, K::Label, 7, 65, 8, 8, "x:", {}},
    {1002, K::Edit, 7, 75, 40, 14, "", {}},
    {S, K::Label, 7, 90, 8, 8, "y:", {}},
    {1003, K::Edit, 7, 100, 40, 14, "", {}},
    {S, K::Label, 7, 115, 11, 8, "Dir:", {}},
    {1017, K::DropDownList, 7, 125, 40, 70, "", kDirections},
    {S, K::Label, 7, 140, 18, 8, "Level:", {}},
    {S, K::Label, 15, 188, 43, 8, "HP: (Cur/Max)", {}},
    {1007, K::Edit, 15, 198, 22, 14, "", {}},
    {1008, K::Edit, 39, 198, 22, 14, "", {}},
    {S, K::Label, 15, 212, 43, 8, "Stamina: (x10)", {}},
    {1010, K::Edit, 15, 222, 22, 14, "", {}},
    {1011, K::Edit, 39, 222, 22, 14, "", {}},
    {S, K::Label, 15, 238, 18, 8, "Mana:", {}},
    {1012, K::Edit, 15, 248, 22, 14, "", {}},
    {1013, K::Edit, 39, 248, 22, 14, "", {}},
    {S, K::Label, 15, 262, 38, 8, "Food Status:", {}},
    {1014, K::Edit, 15, 272, 22, 14, "", {}},
    {S, K::Label, 15, 288, 40, 8, "Water Status:", {}},
    {1016, K::Edit, 15, 298, 22, 14, "", {}},
    {S, K::Label, 67, 188, 59, 8, "Strength: (Cur/Max)", {}},
    {1018, K::Edit, 67, 198, 22, 14, "", {}},
    {1019, K::Edit, 91, 198, 22, 14, "", {}},
    {S, K::Label, 67, 212, 29, 8, "Dexterity:", {}},
    {1020, K::Edit, 67, 222, 22, 14, "", {}},
    {1021, K::Edit, 91, 222, 22, 14, "", {}},
    {S, K::Label, 67, 238, 24, 8, "Wisdom:", {}},
    {1024, K::Edit, 67, 248, 22, 14, "", {}},
    {1025, K::Edit, 91, 248, 22, 14, "", {}},
    {S, K::Label, 67, 262, 23, 8, "Vitality:", {}},
    {1026, K::Edit, 67, 272, 22, 14, "", {}},
    {1027, K::Edit, 91, 272, 22, 14, "", {}},
    {S, K::Label, 67, 288, 35, 8, "Anti-magic:", {}},
    {1028, K::Edit, 67, 298, 22, 14, "", {}},
    {1029, K::Edit, 91, 298, 22, 14, "", {}},
    {S, K::Label, 67, 312, 27, 8, "Anti-fire:", {}},
    {1030, K::Edit, 67, 322, 22, 14, "", {}},
    {1031, K::Edit, 91, 322, 22, 14, "", {}},
    {S, K::Label, 131, 188, 30, 8, "FIGHTER:", {}},
    {1015, K::SkillPicker, 131, 198, 75, 100, "", {}},
    {S, K::Label, 131, 212, 22, 8, "NINJA:", {}},
    {1032, K::SkillPicker, 131, 222, 75, 100, "", {}},
    {S, K::Label, 131, 238, 24, 8, "PRIEST:", {}},
    {1033, K::SkillPicker, 131, 248, 75, 100, "", {}},
    {S, K::Label, 131, 262, 27, 8, "WIZARD:", {}},
    {1034, K::SkillPicker, 131, 272, 75, 100, "", {}},
    {1004, K::TabControl, 7, 172, 215, 180, "", {}},
    {S, K::Label, 55, 37, 14, 8, "Map:", {}},
    {1035, K::MapView, 55, 50, 120, 115, "", {}},
    {1023, K::DropDownList, 7, 150, 40, 125, "", kLevels},
}};

const std::array<const char*, 4> TabLabels = {"Player 1", "Player 2", "Player 3", "Player 4"};

} // namespace DialogLayout
