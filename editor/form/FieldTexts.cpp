#include "editor/form/FieldTexts.h"

#include <array>

namespace
{
constexpr std::size_t kDirectionField = 3;
constexpr std::size_t kLevelField = 4;

// As the window's labels name them.
constexpr std::array<const char*, 5> kPartyNames = {"# Players", "x", "y", "Dir", "Level"};
constexpr std::array<const char*, 24> kChampionNames = {
    "HP",          "HP max",        "Stamina",    "Stamina max",    "Mana",     "Mana max",
    "Food",        "Water",         "Strength",   "Strength max",   "Dexterity", "Dexterity max",
    "Wisdom",      "Wisdom max",    "Vitality",   "Vitality max",   "Anti-magic", "Anti-magic max",
    "Anti-fire",   "Anti-fire max", "FIGHTER",    "NINJA",          "PRIEST",   "WIZARD"};
constexpr std::array<const char*, 4> kDirectionNames = {"East", "West", "South", "North"};
}

QString FieldName(std::size_t index)
{
    if (index < kPartyNames.size())
        return QString::fromLatin1(kPartyNames[index]);
    const std::size_t rest = index - kPartyNames.size();
    return QStringLiteral("Player %1 %2")
        .arg(rest / kChampionNames.size() + 1)
        .arg(QString::fromLatin1(kChampionNames.at(rest % kChampionNames.size())));
}

QString FieldValueText(std::size_t index, std::int32_t value)
{
    if (index == kLevelField)
        return QString::number(static_cast<std::int64_t>(value) + 1);
    if (index == kDirectionField && value >= 0 && static_cast<std::size_t>(value) < kDirectionNames.size())
        return QString::fromLatin1(kDirectionNames[static_cast<std::size_t>(value)]);
    return QString::number(value);
}
