#include "editor/form/FieldTexts.h"

#include <QCoreApplication>

#include <array>

namespace
{
constexpr std::size_t kDirectionField = 3;
constexpr std::size_t kLevelField = 4;

// As the window's labels name them.
constexpr std::array<const char*, 5> kPartyNames = {
    QT_TRANSLATE_NOOP("FieldTexts", "# Players"), QT_TRANSLATE_NOOP("FieldTexts", "x"),
    QT_TRANSLATE_NOOP("FieldTexts", "y"), QT_TRANSLATE_NOOP("FieldTexts", "Dir"),
    QT_TRANSLATE_NOOP("FieldTexts", "Level")};
constexpr std::array<const char*, 24> kChampionNames = {
    QT_TRANSLATE_NOOP("FieldTexts", "HP"),         QT_TRANSLATE_NOOP("FieldTexts", "HP max"),
    QT_TRANSLATE_NOOP("FieldTexts", "Stamina"),    QT_TRANSLATE_NOOP("FieldTexts", "Stamina max"),
    QT_TRANSLATE_NOOP("FieldTexts", "Mana"),       QT_TRANSLATE_NOOP("FieldTexts", "Mana max"),
    QT_TRANSLATE_NOOP("FieldTexts", "Food"),       QT_TRANSLATE_NOOP("FieldTexts", "Water"),
    QT_TRANSLATE_NOOP("FieldTexts", "Strength"),   QT_TRANSLATE_NOOP("FieldTexts", "Strength max"),
    QT_TRANSLATE_NOOP("FieldTexts", "Dexterity"),  QT_TRANSLATE_NOOP("FieldTexts", "Dexterity max"),
    QT_TRANSLATE_NOOP("FieldTexts", "Wisdom"),     QT_TRANSLATE_NOOP("FieldTexts", "Wisdom max"),
    QT_TRANSLATE_NOOP("FieldTexts", "Vitality"),   QT_TRANSLATE_NOOP("FieldTexts", "Vitality max"),
    QT_TRANSLATE_NOOP("FieldTexts", "Anti-magic"), QT_TRANSLATE_NOOP("FieldTexts", "Anti-magic max"),
    QT_TRANSLATE_NOOP("FieldTexts", "Anti-fire"),  QT_TRANSLATE_NOOP("FieldTexts", "Anti-fire max"),
    QT_TRANSLATE_NOOP("FieldTexts", "FIGHTER"),    QT_TRANSLATE_NOOP("FieldTexts", "NINJA"),
    QT_TRANSLATE_NOOP("FieldTexts", "PRIEST"),     QT_TRANSLATE_NOOP("FieldTexts", "WIZARD")};
constexpr std::array<const char*, 4> kDirectionNames = {
    QT_TRANSLATE_NOOP("FieldTexts", "East"), QT_TRANSLATE_NOOP("FieldTexts", "West"),
    QT_TRANSLATE_NOOP("FieldTexts", "South"), QT_TRANSLATE_NOOP("FieldTexts", "North")};

QString Tr(const char* text)
{
    return QCoreApplication::translate("FieldTexts", text);
}
}

QString FieldName(std::size_t index)
{
    if (index < kPartyNames.size())
        return Tr(kPartyNames[index]);
    const std::size_t rest = index - kPartyNames.size();
    return QCoreApplication::translate("FieldTexts", "%2, Player %1")
        .arg(QString::number(rest / kChampionNames.size() + 1), Tr(kChampionNames.at(rest % kChampionNames.size())));
}

QString FieldValueText(std::size_t index, std::int32_t value)
{
    if (index == kLevelField)
        return QString::number(static_cast<std::int64_t>(value) + 1);
    if (index == kDirectionField && value >= 0 && static_cast<std::size_t>(value) < kDirectionNames.size())
        return Tr(kDirectionNames[static_cast<std::size_t>(value)]);
    return QString::number(value);
}
