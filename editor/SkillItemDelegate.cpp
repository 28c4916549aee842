#include "editor/SkillItemDelegate.h"

#include "editor/SkillComboBox.h"

CSkillItemDelegate::CSkillItemDelegate(CSkillComboBox* comboBox)
    : QAbstractItemDelegate(comboBox)
    , m_pComboBox(comboBox)
{
}

void CSkillItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    m_pComboBox->DrawItem(painter, option, index.isValid() ? index.row() : -1);
}

QSize CSkillItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    return m_pComboBox->MeasureItem(option, index.isValid() ? index.row() : -1);
}
