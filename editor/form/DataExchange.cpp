#include "editor/form/DataExchange.h"

#include "editor/form/NumberText.h"
#include "editor/form/UserPrompts.h"

#include <QComboBox>
#include <QLineEdit>

namespace
{
// Replacing identical text would only make the control flicker.
void SetTextIfDifferent(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}
}

CDataExchange::CDataExchange(const DialogControls& controls, CUserPrompts& prompts, FieldNamer namer,
                             bool bSaveAndValidate, Failures failures)
    : m_bSaveAndValidate(bSaveAndValidate), m_controls(controls), m_prompts(prompts), m_namer(std::move(namer)),
      m_failures(failures)
{
}

QWidget* CDataExchange::Control(int nId) const
{
    return m_controls.at(nId);
}

// Text that is no number and a number too large get the one message: the
// field and what it takes.
void CDataExchange::Fail(int nId, FieldRange range)
{
    if (m_failures == Failures::Quiet)
        throw CExchangeStopped();
    QWidget* control = Control(nId);
    const QString most = QString::number(static_cast<std::uint32_t>(range));
    m_prompts.ShowWarning(control->window(),
                          tr("%1: enter a whole number from 0 to %2.").arg(m_namer(nId), most));
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
    else if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit())
        box->lineEdit()->selectAll();
    throw CExchangeStopped();
}

std::uint32_t CDataExchange::CheckedNumber(int nId, const QString& text, FieldRange range)
{
    const std::optional<std::uint32_t> number = ParseNumberField(text);
    if (!number)
        Fail(nId, range);
    // Refused rather than cut to the field's width, which would silently
    // save a different number.
    if (*number > static_cast<std::uint32_t>(range))
        Fail(nId, range);
    return *number;
}

void CDataExchange::Number(int nId, std::uint32_t& value, FieldRange range)
{
    if (nId == m_nSkipped)
        return;
    auto* edit = qobject_cast<QLineEdit*>(Control(nId));
    if (m_bSaveAndValidate)
        value = CheckedNumber(nId, edit->text(), range);
    else
        SetTextIfDifferent(edit, UnsignedText(value));
}

void CDataExchange::Number(int nId, std::int32_t& value, FieldRange range)
{
    auto bits = static_cast<std::uint32_t>(value);
    Number(nId, bits, range);
    value = static_cast<std::int32_t>(bits);
}

void CDataExchange::Text(int nId, QString& value)
{
    if (nId == m_nSkipped)
        return;
    auto* edit = qobject_cast<QLineEdit*>(Control(nId));
    if (m_bSaveAndValidate)
        value = edit->text();
    else
        SetTextIfDifferent(edit, value);
}

void CDataExchange::BoxText(int nId, QString& value, FieldRange range)
{
    if (nId == m_nSkipped)
        return;
    auto* box = qobject_cast<QComboBox*>(Control(nId));
    if (m_bSaveAndValidate) {
        // The number that passed the check, not the typed text, goes on: a
        // later conversion of the text could read a different number.
        value = UnsignedText(CheckedNumber(nId, box->currentText(), range));
        return;
    }
    // An item with exactly this text becomes the selection; any other text
    // is shown as typed and the selection stays.
    const int item = box->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0 && item != box->currentIndex())
        box->setCurrentIndex(item);
    if (box->currentText() != value)
        box->setEditText(value);
}

void CDataExchange::ListIndex(int nId, std::int32_t& value)
{
    if (nId == m_nSkipped)
        return;
    auto* box = qobject_cast<QComboBox*>(Control(nId));
    if (m_bSaveAndValidate) {
        // A value the list has no item for shows no selection; keeping it
        // means a Save writes back what was loaded.
        if (box->currentIndex() >= 0)
            value = box->currentIndex();
        return;
    }
    const int item = value >= 0 && value < box->count() ? value : -1;
    if (box->currentIndex() != item)
        box->setCurrentIndex(item);
}
