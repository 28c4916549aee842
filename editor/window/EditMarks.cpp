#include "editor/window/EditMarks.h"

#include "editor/form/NumberText.h"
#include "resources/ControlIds.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

#include <array>
#include <optional>

namespace
{
// The party's controls and a champion's, in record order.
constexpr std::array<int, 5> kPartyControls = {IDC_PLAYERS, IDC_X, IDC_Y, IDC_DIRECTION, IDC_LEVEL};
constexpr std::array<std::pair<int, std::int32_t ChampionRecord::*>, 24> kChampionControls = {{
    {IDC_HP_CUR, &ChampionRecord::hpCurrent},
    {IDC_HP_MAX, &ChampionRecord::hpMax},
    {IDC_STAMINA_CUR, &ChampionRecord::staminaCurrent},
    {IDC_STAMINA_MAX, &ChampionRecord::staminaMax},
    {IDC_MANA_CUR, &ChampionRecord::manaCurrent},
    {IDC_MANA_MAX, &ChampionRecord::manaMax},
    {IDC_FOOD, &ChampionRecord::food},
    {IDC_WATER, &ChampionRecord::water},
    {IDC_STRENGTH_CUR, &ChampionRecord::strengthCurrent},
    {IDC_STRENGTH_MAX, &ChampionRecord::strengthMax},
    {IDC_DEXTERITY_CUR, &ChampionRecord::dexterityCurrent},
    {IDC_DEXTERITY_MAX, &ChampionRecord::dexterityMax},
    {IDC_WISDOM_CUR, &ChampionRecord::wisdomCurrent},
    {IDC_WISDOM_MAX, &ChampionRecord::wisdomMax},
    {IDC_VITALITY_CUR, &ChampionRecord::vitalityCurrent},
    {IDC_VITALITY_MAX, &ChampionRecord::vitalityMax},
    {IDC_ANTIMAGIC_CUR, &ChampionRecord::antiMagicCurrent},
    {IDC_ANTIMAGIC_MAX, &ChampionRecord::antiMagicMax},
    {IDC_ANTIFIRE_CUR, &ChampionRecord::antiFireCurrent},
    {IDC_ANTIFIRE_MAX, &ChampionRecord::antiFireMax},
    {IDC_FIGHTER, &ChampionRecord::fighterExperience},
    {IDC_NINJA, &ChampionRecord::ninjaExperience},
    {IDC_PRIEST, &ChampionRecord::priestExperience},
    {IDC_WIZARD, &ChampionRecord::wizardExperience},
}};
constexpr double kTint = 0.3; // of the highlight colour over the field's own
constexpr char kEdited[] = QT_TRANSLATE_NOOP("CEditMarks", "edited");

std::int32_t PartyValue(const PartyState& party, int nId)
{
    switch (nId) {
    case IDC_PLAYERS: return party.playerCount;
    case IDC_X: return party.x;
    case IDC_Y: return party.y;
    case IDC_DIRECTION: return party.direction;
    default: return party.level;
    }
}

// The number a control shows, as a read of the form would take it; nullopt
// for text that is no number. A list without a selection keeps the value.
std::optional<std::uint32_t> ShownValue(QWidget* control, std::uint32_t kept)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return ParseNumberField(edit->text());
    auto* box = qobject_cast<QComboBox*>(control);
    if (box->isEditable())
        return ParseNumberField(box->currentText());
    return box->currentIndex() >= 0 ? static_cast<std::uint32_t>(box->currentIndex()) : kept;
}

QColor Tinted(const QColor& base, const QColor& highlight)
{
    const auto mix = [](int a, int b) { return static_cast<int>(a + (b - a) * kTint); };
    return QColor(mix(base.red(), highlight.red()), mix(base.green(), highlight.green()),
                  mix(base.blue(), highlight.blue()));
}

void Mark(QWidget* control, bool edited)
{
    if (control->accessibleDescription().isEmpty() == !edited)
        return;
    control->setAccessibleDescription(edited ? QCoreApplication::translate("CEditMarks", kEdited) : QString());
    if (!edited) {
        control->setPalette(QPalette()); // back to the window's own
        return;
    }
    QPalette palette = control->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button})
        palette.setColor(role, Tinted(palette.color(role), palette.color(QPalette::Highlight)));
    control->setPalette(palette);
}
}

const QString CEditMarks::kEditedDescription = QString::fromLatin1(kEdited);

CEditMarks::CEditMarks(const DialogControls& controls, const SaveData& baseline, QObject* parent)
    : QObject(parent), m_controls(controls), m_baseline(baseline)
{
    const auto follow = [this](int nId) {
        QWidget* control = m_controls.at(nId);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            connect(edit, &QLineEdit::textChanged, this, [this, nId] { RefreshControl(nId); });
        else
            connect(static_cast<QComboBox*>(control), &QComboBox::currentTextChanged, this,
                    [this, nId] { RefreshControl(nId); });
    };
    for (const int nId : kPartyControls)
        follow(nId);
    for (const auto& [nId, member] : kChampionControls)
        follow(nId);
}

void CEditMarks::Refresh(int champion)
{
    m_nChampion = champion;
    for (const int nId : kPartyControls)
        RefreshControl(nId);
    for (const auto& [nId, member] : kChampionControls)
        RefreshControl(nId);
}

bool CEditMarks::IsMarked(int nId) const
{
    return !m_controls.at(nId)->accessibleDescription().isEmpty();
}

std::int32_t CEditMarks::BaselineValue(int nId) const
{
    for (const auto& [id, member] : kChampionControls)
        if (id == nId)
            return m_baseline.champions.at(static_cast<std::size_t>(m_nChampion)).*member;
    return PartyValue(m_baseline.party, nId);
}

void CEditMarks::RefreshControl(int nId)
{
    const auto baseline = static_cast<std::uint32_t>(BaselineValue(nId));
    const std::optional<std::uint32_t> shown = ShownValue(m_controls.at(nId), baseline);
    Mark(m_controls.at(nId), shown != baseline);
}
