#pragma once

#include <QObject>

class QComboBox;

// A closed drop-down takes the mouse wheel only while it has the focus: a
// wheel turned to scroll the window past it must not change a value that a
// Save would then write. The turn goes on to the window behind instead.
class CWheelGuard : public QObject
{
public:
    explicit CWheelGuard(QObject* parent) : QObject(parent) {}

    void Guard(QComboBox* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
