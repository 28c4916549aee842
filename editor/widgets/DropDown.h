#pragma once

#include <QComboBox>

// The window's plain drop-downs. A class of their own, so a screen reader
// gets them through CComboBoxAccessible, named as their label says.
class CDropDown : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;
};
