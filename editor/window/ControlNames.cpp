#include "editor/window/ControlNames.h"

#include "resources/ControlIds.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>
#include <iterator>

namespace
{
struct ControlName
{
    int nId;
    const char* name;   // in messages: "Strength (maximum)"
    const char* spoken; // for screen readers, which read brackets out: "Strength maximum"
    bool champions;     // one per champion, named with the champion
};

constexpr ControlName kNames[] = {
    {IDC_PATH, QT_TRANSLATE_NOOP("ControlFieldName", "SRM file"),
     QT_TRANSLATE_NOOP("ControlFieldName", "SRM file"), false},
    {IDC_PLAYERS, QT_TRANSLATE_NOOP("ControlFieldName", "# Players"),
     QT_TRANSLATE_NOOP("ControlFieldName", "# Players"), false},
    {IDC_X, QT_TRANSLATE_NOOP("ControlFieldName", "x"),
     QT_TRANSLATE_NOOP("ControlFieldName", "x"), false},
    {IDC_Y, QT_TRANSLATE_NOOP("ControlFieldName", "y"),
     QT_TRANSLATE_NOOP("ControlFieldName", "y"), false},
    {IDC_DIRECTION, QT_TRANSLATE_NOOP("ControlFieldName", "Dir"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Dir"), false},
    {IDC_LEVEL, QT_TRANSLATE_NOOP("ControlFieldName", "Level"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Level"), false},
    {IDC_HP_CUR, QT_TRANSLATE_NOOP("ControlFieldName", "HP (current)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "HP current"), true},
    {IDC_HP_MAX, QT_TRANSLATE_NOOP("ControlFieldName", "HP (maximum)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "HP maximum"), true},
    {IDC_STAMINA_CUR, QT_TRANSLATE_NOOP("ControlFieldName", "Stamina (current)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Stamina current"), true},
    {IDC_STAMINA_MAX, QT_TRANSLATE_NOOP("ControlFieldName", "Stamina (maximum)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Stamina maximum"), true},
    {IDC_MANA_CUR, QT_TRANSLATE_NOOP("ControlFieldName", "Mana (current)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Mana current"), true},
    {IDC_MANA_MAX, QT_TRANSLATE_NOOP("ControlFieldName", "Mana (maximum)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Mana maximum"), true},
    {IDC_FOOD, QT_TRANSLATE_NOOP("ControlFieldName", "Food"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Food"), true},
    {IDC_WATER, QT_TRANSLATE_NOOP("ControlFieldName", "Water"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Water"), true},
    {IDC_STRENGTH_CUR, QT_TRANSLATE_NOOP("ControlFieldName", "Strength (current)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Strength current"), true},
    {IDC_STRENGTH_MAX, QT_TRANSLATE_NOOP("ControlFieldName", "Strength (maximum)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Strength maximum"), true},
    {IDC_DEXTERITY_CUR, QT_TRANSLATE_NOOP("ControlFieldName", "Dexterity (current)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Dexterity current"), true},
    {IDC_DEXTERITY_MAX, QT_TRANSLATE_NOOP("ControlFieldName", "Dexterity (maximum)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Dexterity maximum"), true},
    {IDC_WISDOM_CUR, QT_TRANSLATE_NOOP("ControlFieldName", "Wisdom (current)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Wisdom current"), true},
    {IDC_WISDOM_MAX, QT_TRANSLATE_NOOP("ControlFieldName", "Wisdom (maximum)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Wisdom maximum"), true},
    {IDC_VITALITY_CUR, QT_TRANSLATE_NOOP("ControlFieldName", "Vitality (current)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Vitality current"), true},
    {IDC_VITALITY_MAX, QT_TRANSLATE_NOOP("ControlFieldName", "Vitality (maximum)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Vitality maximum"), true},
    {IDC_ANTIMAGIC_CUR, QT_TRANSLATE_NOOP("ControlFieldName", "Anti-magic (current)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Anti-magic current"), true},
    {IDC_ANTIMAGIC_MAX, QT_TRANSLATE_NOOP("ControlFieldName", "Anti-magic (maximum)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Anti-magic maximum"), true},
    {IDC_ANTIFIRE_CUR, QT_TRANSLATE_NOOP("ControlFieldName", "Anti-fire (current)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Anti-fire current"), true},
    {IDC_ANTIFIRE_MAX, QT_TRANSLATE_NOOP("ControlFieldName", "Anti-fire (maximum)"),
     QT_TRANSLATE_NOOP("ControlFieldName", "Anti-fire maximum"), true},
    {IDC_FIGHTER, QT_TRANSLATE_NOOP("ControlFieldName", "FIGHTER experience"),
     QT_TRANSLATE_NOOP("ControlFieldName", "FIGHTER experience"), true},
    {IDC_NINJA, QT_TRANSLATE_NOOP("ControlFieldName", "NINJA experience"),
     QT_TRANSLATE_NOOP("ControlFieldName", "NINJA experience"), true},
    {IDC_PRIEST, QT_TRANSLATE_NOOP("ControlFieldName", "PRIEST experience"),
     QT_TRANSLATE_NOOP("ControlFieldName", "PRIEST experience"), true},
    {IDC_WIZARD, QT_TRANSLATE_NOOP("ControlFieldName", "WIZARD experience"),
     QT_TRANSLATE_NOOP("ControlFieldName", "WIZARD experience"), true},
};

QString Tr(const char* text)
{
    return QCoreApplication::translate("ControlFieldName", text);
}

// The entry's text in field, with the champion for a champion's field.
QString Named(int nId, int championIndex, const char* ControlName::*field)
{
    const auto* found =
        std::find_if(std::begin(kNames), std::end(kNames), [nId](const ControlName& entry) { return entry.nId == nId; });
    if (found == std::end(kNames))
        return QString();
    if (!found->champions)
        return Tr(found->*field);
    // The tab's own name, "Player 1" to "Player 4".
    return QCoreApplication::translate("ControlFieldName", "%1, Player %2")
        .arg(Tr(found->*field), QString::number(championIndex + 1));
}
}

QString ControlFieldName(int nId, int championIndex)
{
    return Named(nId, championIndex, &ControlName::name);
}

void NameControls(const DialogControls& controls, int championIndex)
{
    for (const ControlName& entry : kNames) {
        QWidget* control = controls.at(entry.nId);
        const QString name = Named(entry.nId, championIndex, &ControlName::spoken);
        if (control->accessibleName() == name)
            continue; // a screen reader hears of every change
        control->setAccessibleName(name);
        // The field inside a drop-down is read on its own too.
        if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit())
            box->lineEdit()->setAccessibleName(name);
    }
}
