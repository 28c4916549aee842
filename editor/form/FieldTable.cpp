#include "editor/form/FieldTable.h"

#include "editor/form/NumberText.h"
#include "resources/ControlIds.h"
#include "savedata/SaveFields.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>

namespace
{
using S = FieldShown;
using F = ChampionForm;
}

constexpr std::array<FormField, 30> kFieldTable = {{
    {23, IDC_ANTIFIRE_CUR, QT_TRANSLATE_NOOP("FormField", "Anti-fire current"), S::Number, &F::antiFireCurrent},
    {24, IDC_ANTIFIRE_MAX, QT_TRANSLATE_NOOP("FormField", "Anti-fire maximum"), S::Number, &F::antiFireMax},
    {21, IDC_ANTIMAGIC_CUR, QT_TRANSLATE_NOOP("FormField", "Anti-magic current"), S::Number, &F::antiMagicCurrent},
    {22, IDC_ANTIMAGIC_MAX, QT_TRANSLATE_NOOP("FormField", "Anti-magic maximum"), S::Number, &F::antiMagicMax},
    {15, IDC_DEXTERITY_CUR, QT_TRANSLATE_NOOP("FormField", "Dexterity current"), S::Number, &F::dexterityCurrent},
    {16, IDC_DEXTERITY_MAX, QT_TRANSLATE_NOOP("FormField", "Dexterity maximum"), S::Number, &F::dexterityMax},
    {5, IDC_HP_CUR, QT_TRANSLATE_NOOP("FormField", "HP current"), S::Number, &F::hpCurrent},
    {6, IDC_HP_MAX, QT_TRANSLATE_NOOP("FormField", "HP maximum"), S::Number, &F::hpMax},
    {9, IDC_MANA_CUR, QT_TRANSLATE_NOOP("FormField", "Mana current"), S::Number, &F::manaCurrent},
    {10, IDC_MANA_MAX, QT_TRANSLATE_NOOP("FormField", "Mana maximum"), S::Number, &F::manaMax},
    {kNotInRecord, IDC_PATH, QT_TRANSLATE_NOOP("FormField", "SRM file"), S::Path},
    {7, IDC_STAMINA_CUR, QT_TRANSLATE_NOOP("FormField", "Stamina current"), S::Number, &F::staminaCurrent},
    {8, IDC_STAMINA_MAX, QT_TRANSLATE_NOOP("FormField", "Stamina maximum"), S::Number, &F::staminaMax},
    {13, IDC_STRENGTH_CUR, QT_TRANSLATE_NOOP("FormField", "Strength current"), S::Number, &F::strengthCurrent},
    {14, IDC_STRENGTH_MAX, QT_TRANSLATE_NOOP("FormField", "Strength maximum"), S::Number, &F::strengthMax},
    {19, IDC_VITALITY_CUR, QT_TRANSLATE_NOOP("FormField", "Vitality current"), S::Number, &F::vitalityCurrent},
    {20, IDC_VITALITY_MAX, QT_TRANSLATE_NOOP("FormField", "Vitality maximum"), S::Number, &F::vitalityMax},
    {11, IDC_FOOD, QT_TRANSLATE_NOOP("FormField", "Food Status"), S::Number, &F::food},
    {12, IDC_WATER, QT_TRANSLATE_NOOP("FormField", "Water Status"), S::Number, &F::water},
    {17, IDC_WISDOM_CUR, QT_TRANSLATE_NOOP("FormField", "Wisdom current"), S::Number, &F::wisdomCurrent},
    {18, IDC_WISDOM_MAX, QT_TRANSLATE_NOOP("FormField", "Wisdom maximum"), S::Number, &F::wisdomMax},
    {1, IDC_X, QT_TRANSLATE_NOOP("FormField", "x"), S::Number},
    {2, IDC_Y, QT_TRANSLATE_NOOP("FormField", "y"), S::Number},
    {25, IDC_FIGHTER, QT_TRANSLATE_NOOP("FormField", "FIGHTER experience"), S::BoxText, nullptr, &F::fighterExperienceText},
    {26, IDC_NINJA, QT_TRANSLATE_NOOP("FormField", "NINJA experience"), S::BoxText, nullptr, &F::ninjaExperienceText},
    {27, IDC_PRIEST, QT_TRANSLATE_NOOP("FormField", "PRIEST experience"), S::BoxText, nullptr, &F::priestExperienceText},
    {28, IDC_WIZARD, QT_TRANSLATE_NOOP("FormField", "WIZARD experience"), S::BoxText, nullptr, &F::wizardExperienceText},
    {0, IDC_PLAYERS, QT_TRANSLATE_NOOP("FormField", "# Players"), S::BoxText},
    {3, IDC_DIRECTION, QT_TRANSLATE_NOOP("FormField", "Dir"), S::ListItem},
    {4, IDC_LEVEL, QT_TRANSLATE_NOOP("FormField", "Level"), S::ListItem},
}};

namespace
{
// What a row added or changed must keep, checked as the table compiles:
// each field of the record once, and the path; a champion's field with a
// place of its own in the champion form, of the kind it is shown in.
constexpr bool EachRecordFieldOnce()
{
    std::array<int, kPartyFieldCount + kChampionFieldCount + 1> rows{};
    for (const FormField& field : kFieldTable)
        ++rows.at(field.record == kNotInRecord ? rows.size() - 1 : field.record);
    return std::ranges::all_of(rows, [](int count) { return count == 1; });
}

constexpr bool KeptInTheChampionForm(const FormField& field)
{
    if (field.record == kNotInRecord || !IsChampionField(field.record))
        return !field.number && !field.text;
    return field.shown == S::Number ? field.number && !field.text : field.text && !field.number;
}

static_assert(EachRecordFieldOnce(), "a field of the record missing from the field table, or in it twice");
static_assert(std::ranges::all_of(kFieldTable, KeptInTheChampionForm), "a champion's field without its place");
}

const FormField* FieldOfControl(int nId)
{
    const auto* found = std::find_if(kFieldTable.begin(), kFieldTable.end(),
                                     [nId](const FormField& field) { return field.nId == nId; });
    return found == kFieldTable.end() ? nullptr : found;
}

const FormField& FieldOfRecord(std::size_t index)
{
    const std::size_t first = FirstChampionIndex(index);
    for (const FormField& field : kFieldTable)
        if (field.record == first)
            return field;
    throw std::out_of_range("no field of that record index");
}

bool IsChampionField(const FormField& field)
{
    return field.record != kNotInRecord && IsChampionField(field.record);
}

std::size_t RecordIndex(const FormField& field, int champion)
{
    return IsChampionField(field) ? ChampionFieldIndex(field.record, champion) : field.record;
}

FieldRange RangeOf(const FormField& field)
{
    const FieldWidth width = IsChampionField(field) ? kChampionFields.at(field.record - kPartyFieldCount).width
                                                    : kPartyFields.at(field.record).width;
    return width == FieldWidth::Byte ? FieldRange::Byte : FieldRange::Word;
}

std::int32_t PartyState::*PartyMember(const FormField& field)
{
    return kPartyFields.at(field.record).member;
}

QString FieldName(const FormField& field, int champion)
{
    const QString name = QCoreApplication::translate("FormField", field.name);
    if (!IsChampionField(field))
        return name;
    // The tab's own name, "Player 1" to "Player 4".
    return QCoreApplication::translate("FormField", "%1, Player %2").arg(name, QString::number(champion + 1));
}

void LoadChampionForm(ChampionForm& form, const ChampionRecord& record)
{
    for (const FormField& field : kFieldTable) {
        if (!IsChampionField(field))
            continue;
        const auto value = static_cast<std::uint32_t>(record.*kChampionFields[field.record - kPartyFieldCount].member);
        if (field.number)
            form.*field.number = value;
        else
            form.*field.text = UnsignedText(value);
    }
}

void StoreChampionForm(const ChampionForm& form, ChampionRecord& record)
{
    for (const FormField& field : kFieldTable) {
        if (!IsChampionField(field))
            continue;
        std::int32_t& value = record.*kChampionFields[field.record - kPartyFieldCount].member;
        value = field.number ? static_cast<std::int32_t>(form.*field.number) : LeadingInteger(form.*field.text);
    }
}
