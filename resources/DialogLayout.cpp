#include "resources/DialogLayout.h"

#include "resources/ControlIds.h"

#include <QtGlobal> // QT_TRANSLATE_NOOP marks the texts for the translators

namespace
{
using K = ControlKind;
constexpr int S = DialogLayout::kNoId;

constexpr const char* kPlayerCounts[] = {"1", "2", "3", "4"};
constexpr const char* kDirections[] = {
    QT_TRANSLATE_NOOP("DialogLayout", "East"), QT_TRANSLATE_NOOP("DialogLayout", "West"),
    QT_TRANSLATE_NOOP("DialogLayout", "South"), QT_TRANSLATE_NOOP("DialogLayout", "North")};
constexpr const char* kLevels[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"};
}

namespace DialogLayout {

const std::array<DialogControl, 57> Controls = {{
    {S, K::Label, 7, 7, 27, 8, QT_TRANSLATE_NOOP("DialogLayout", "SRM &file:"), {}, IDC_PATH},
    {IDC_PATH, K::Edit, 7, 17, 145, 14, "", {}},
    {IDC_BROWSE, K::Button, 155, 17, 35, 14, QT_TRANSLATE_NOOP("DialogLayout", "&Browse"), {}},
    {IDC_LOAD, K::Button, 192, 17, 20, 14, QT_TRANSLATE_NOOP("DialogLayout", "&Load"), {}},
    {IDC_SAVE, K::Button, 214, 17, 20, 14, QT_TRANSLATE_NOOP("DialogLayout", "&Save"), {}},
    {S, K::Label, 7, 40, 30, 8, QT_TRANSLATE_NOOP("DialogLayout", "# &Players:"), {}, IDC_PLAYERS},
    {IDC_PLAYERS, K::DropDown, 7, 50, 40, 70, "", kPlayerCounts},
    {S, K::Label, 7, 65, 8, 8, QT_TRANSLATE_NOOP("DialogLayout", "&x:"), {}, IDC_X},
    {IDC_X, K::Edit, 7, 75, 40, 14, "", {}},
    {S, K::Label, 7, 90, 8, 8, QT_TRANSLATE_NOOP("DialogLayout", "&y:"), {}, IDC_Y},
    {IDC_Y, K::Edit, 7, 100, 40, 14, "", {}},
    {S, K::Label, 7, 115, 11, 8, QT_TRANSLATE_NOOP("DialogLayout", "&Dir:"), {}, IDC_DIRECTION},
    {IDC_DIRECTION, K::DropDownList, 7, 125, 40, 70, "", kDirections},
    {S, K::Label, 7, 140, 18, 8, QT_TRANSLATE_NOOP("DialogLayout", "Le&vel:"), {}, IDC_LEVEL},
    {IDC_LEVEL, K::DropDownList, 7, 150, 40, 125, "", kLevels},
    {S, K::Label, 55, 37, 14, 8, QT_TRANSLATE_NOOP("DialogLayout", "&Map:"), {}, IDC_MAP},
    {IDC_MAP, K::MapView, 55, 50, 120, 115, "", {}},
    {S, K::Label, 15, 188, 43, 8, QT_TRANSLATE_NOOP("DialogLayout", "&HP: (Cur/Max)"), {}, IDC_HP_CUR},
    {IDC_HP_CUR, K::Edit, 15, 198, 22, 14, "", {}},
    {IDC_HP_MAX, K::Edit, 39, 198, 22, 14, "", {}},
    {S, K::Label, 15, 212, 43, 8, QT_TRANSLATE_NOOP("DialogLayout", "St&amina: (x10)"), {}, IDC_STAMINA_CUR},
    {IDC_STAMINA_CUR, K::Edit, 15, 222, 22, 14, "", {}},
    {IDC_STAMINA_MAX, K::Edit, 39, 222, 22, 14, "", {}},
    {S, K::Label, 15, 238, 18, 8, QT_TRANSLATE_NOOP("DialogLayout", "Ma&na:"), {}, IDC_MANA_CUR},
    {IDC_MANA_CUR, K::Edit, 15, 248, 22, 14, "", {}},
    {IDC_MANA_MAX, K::Edit, 39, 248, 22, 14, "", {}},
    {S, K::Label, 15, 262, 38, 8, QT_TRANSLATE_NOOP("DialogLayout", "Food Stat&us:"), {}, IDC_FOOD},
    {IDC_FOOD, K::Edit, 15, 272, 22, 14, "", {}},
    {S, K::Label, 15, 288, 40, 8, QT_TRANSLATE_NOOP("DialogLayout", "&Water Status:"), {}, IDC_WATER},
    {IDC_WATER, K::Edit, 15, 298, 22, 14, "", {}},
    {S, K::Label, 67, 188, 59, 8, QT_TRANSLATE_NOOP("DialogLayout", "Stren&gth: (Cur/Max)"), {}, IDC_STRENGTH_CUR},
    {IDC_STRENGTH_CUR, K::Edit, 67, 198, 22, 14, "", {}},
    {IDC_STRENGTH_MAX, K::Edit, 91, 198, 22, 14, "", {}},
    {S, K::Label, 67, 212, 29, 8, QT_TRANSLATE_NOOP("DialogLayout", "D&exterity:"), {}, IDC_DEXTERITY_CUR},
    {IDC_DEXTERITY_CUR, K::Edit, 67, 222, 22, 14, "", {}},
    {IDC_DEXTERITY_MAX, K::Edit, 91, 222, 22, 14, "", {}},
    {S, K::Label, 67, 238, 24, 8, QT_TRANSLATE_NOOP("DialogLayout", "W&isdom:"), {}, IDC_WISDOM_CUR},
    {IDC_WISDOM_CUR, K::Edit, 67, 248, 22, 14, "", {}},
    {IDC_WISDOM_MAX, K::Edit, 91, 248, 22, 14, "", {}},
    {S, K::Label, 67, 262, 23, 8, QT_TRANSLATE_NOOP("DialogLayout", "Vi&tality:"), {}, IDC_VITALITY_CUR},
    {IDC_VITALITY_CUR, K::Edit, 67, 272, 22, 14, "", {}},
    {IDC_VITALITY_MAX, K::Edit, 91, 272, 22, 14, "", {}},
    {S, K::Label, 67, 288, 35, 8, QT_TRANSLATE_NOOP("DialogLayout", "Anti-magi&c:"), {}, IDC_ANTIMAGIC_CUR},
    {IDC_ANTIMAGIC_CUR, K::Edit, 67, 298, 22, 14, "", {}},
    {IDC_ANTIMAGIC_MAX, K::Edit, 91, 298, 22, 14, "", {}},
    {S, K::Label, 67, 312, 27, 8, QT_TRANSLATE_NOOP("DialogLayout", "Anti-fi&re:"), {}, IDC_ANTIFIRE_CUR},
    {IDC_ANTIFIRE_CUR, K::Edit, 67, 322, 22, 14, "", {}},
    {IDC_ANTIFIRE_MAX, K::Edit, 91, 322, 22, 14, "", {}},
    {S, K::Label, 131, 188, 30, 8, QT_TRANSLATE_NOOP("DialogLayout", "FIGHTER:"), {}, IDC_FIGHTER},
    {IDC_FIGHTER, K::SkillPicker, 131, 198, 75, 100, "", {}},
    {S, K::Label, 131, 212, 22, 8, QT_TRANSLATE_NOOP("DialogLayout", "NIN&JA:"), {}, IDC_NINJA},
    {IDC_NINJA, K::SkillPicker, 131, 222, 75, 100, "", {}},
    {S, K::Label, 131, 238, 24, 8, QT_TRANSLATE_NOOP("DialogLayout", "PRIEST:"), {}, IDC_PRIEST},
    {IDC_PRIEST, K::SkillPicker, 131, 248, 75, 100, "", {}},
    {S, K::Label, 131, 262, 27, 8, QT_TRANSLATE_NOOP("DialogLayout", "WI&ZARD:"), {}, IDC_WIZARD},
    {IDC_WIZARD, K::SkillPicker, 131, 272, 75, 100, "", {}},
    {IDC_TAB, K::TabControl, 7, 172, 215, 180, "", {}},
}};

const std::array<DialogControl, 4> NoticeBar = {{
    {IDC_NOTICE, K::Notice, 0, 0, 93, 96, "", {}},
    {IDC_RELOAD, K::Button, 0, 0, 50, 14, QT_TRANSLATE_NOOP("DialogLayout", "Rel&oad"), {}},
    {IDC_USE_FILE_VALUES, K::Button, 0, 0, 93, 14, QT_TRANSLATE_NOOP("DialogLayout", "Use the game's values"), {}},
    {IDC_UNDO, K::Button, 0, 0, 50, 14, QT_TRANSLATE_NOOP("DialogLayout", "Undo"), {}},
}};

const std::array<const char*, 4> TabLabels = {
    QT_TRANSLATE_NOOP("DialogLayout", "Player &1"), QT_TRANSLATE_NOOP("DialogLayout", "Player &2"),
    QT_TRANSLATE_NOOP("DialogLayout", "Player &3"), QT_TRANSLATE_NOOP("DialogLayout", "Player &4")};

} // namespace DialogLayout
