#pragma once

#include <QLineEdit>

// The window's edit fields, those inside its drop-downs too. A class of
// their own, so a screen reader reads them through CFieldAccessible.
class CFieldEdit : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;
    using QLineEdit::cursorRect; // where the caret is drawn, for screen readers
};
