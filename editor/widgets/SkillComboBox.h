#pragma once

#include <QComboBox>

class QFont;
class QPainter;
class QStyleOptionViewItem;

// Editable picker for one skill's experience. The list offers the sixteen
// rank thresholds, each drawn as threshold and rank title; picking a row
// leaves the bare threshold in the edit field, and any typed text stays.
class CSkillComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CSkillComboBox(QWidget* parent = nullptr);

    // Done once, after the form has first been filled in.
    void Prepare(const QFont& pickerFont, int nSelectionFieldHeight);
    // Height of the selection field for pickers that use this font.
    static int SelectionFieldHeight(const QFont& font);

    void DrawItem(QPainter* painter, const QStyleOptionViewItem& option, int index) const;
    QSize MeasureItem(const QStyleOptionViewItem& option, int index) const;

    void showPopup() override;

private:
    int ListWidth() const;
};
