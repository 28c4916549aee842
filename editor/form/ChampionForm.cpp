#include "editor/form/ChampionForm.h"

#include "editor/form/NumberText.h"

using R = ChampionRecord;
using F = ChampionForm;

const std::array<ChampionStatBinding, 20> kChampionStatBindings = {{
    {&R::hpCurrent, &F::hpCurrent},
    {&R::hpMax, &F::hpMax},
    {&R::staminaCurrent, &F::staminaCurrent},
    {&R::staminaMax, &F::staminaMax},
    {&R::manaCurrent, &F::manaCurrent},
    {&R::manaMax, &F::manaMax},
    {&R::food, &F::food},
    {&R::water, &F::water},
    {&R::strengthCurrent, &F::strengthCurrent},
    {&R::strengthMax, &F::strengthMax},
    {&R::dexterityCurrent, &F::dexterityCurrent},
    {&R::dexterityMax, &F::dexterityMax},
    {&R::wisdomCurrent, &F::wisdomCurrent},
    {&R::wisdomMax, &F::wisdomMax},
    {&R::vitalityCurrent, &F::vitalityCurrent},
    {&R::vitalityMax, &F::vitalityMax},
    {&R::antiMagicCurrent, &F::antiMagicCurrent},
    {&R::antiMagicMax, &F::antiMagicMax},
    {&R::antiFireCurrent, &F::antiFireCurrent},
    {&R::antiFireMax, &F::antiFireMax},
}};

const std::array<ChampionExperienceBinding, 4> kChampionExperienceBindings = {{
    {&R::fighterExperience, &F::fighterExperienceText},
    {&R::ninjaExperience, &F::ninjaExperienceText},
    {&R::priestExperience, &F::priestExperienceText},
    {&R::wizardExperience, &F::wizardExperienceText},
}};

void ChampionForm::LoadFrom(const ChampionRecord& record)
{
    for (const ChampionStatBinding& binding : kChampionStatBindings)
        this->*binding.form = static_cast<std::uint32_t>(record.*binding.record);
    for (const ChampionExperienceBinding& binding : kChampionExperienceBindings)
        this->*binding.form = UnsignedText(static_cast<std::uint32_t>(record.*binding.record));
}

void ChampionForm::StoreInto(ChampionRecord& record) const
{
    for (const ChampionStatBinding& binding : kChampionStatBindings)
        record.*binding.record = static_cast<std::int32_t>(this->*binding.form);
    for (const ChampionExperienceBinding& binding : kChampionExperienceBindings)
        record.*binding.record = LeadingInteger(this->*binding.form);
}
