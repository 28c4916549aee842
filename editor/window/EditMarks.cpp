#include "editor/window/EditMarks.h"

#include "editor/form/FieldTable.h"
#include "editor/form/NumberText.h"
#include "savedata/SaveData.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

#include <optional>

namespace
{
constexpr double kTint = 0.3; // of the highlight colour over the field's own
constexpr char kEdited[] = QT_TRANSLATE_NOOP("CEditMarks", "edited");

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
    for (const FormField& field : kFieldTable)
        if (field.record != kNotInRecord)
            follow(field.nId);
}

void CEditMarks::Refresh(int champion)
{
    m_nChampion = champion;
    for (const FormField& field : kFieldTable)
        if (field.record != kNotInRecord)
            RefreshControl(field.nId);
}

bool CEditMarks::IsMarked(int nId) const
{
    return !m_controls.at(nId)->accessibleDescription().isEmpty();
}

std::int32_t CEditMarks::BaselineValue(int nId) const
{
    return FieldValue(m_baseline, RecordIndex(*FieldOfControl(nId), m_nChampion));
}

void CEditMarks::RefreshControl(int nId)
{
    const auto baseline = static_cast<std::uint32_t>(BaselineValue(nId));
    const std::optional<std::uint32_t> shown = ShownValue(m_controls.at(nId), baseline);
    Mark(m_controls.at(nId), shown != baseline);
}
