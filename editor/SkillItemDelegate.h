#pragma once

#include <QAbstractItemDelegate>

class CSkillComboBox;

// Hands the drawing and sizing of the picker's list rows to the picker.
class CSkillItemDelegate : public QAbstractItemDelegate
{
    Q_OBJECT

public:
    explicit CSkillItemDelegate(CSkillComboBox* comboBox);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option,
                   const QModelIndex& index) const override;

private:
    CSkillComboBox* m_pComboBox;
};
