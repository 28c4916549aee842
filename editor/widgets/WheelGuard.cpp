#include "editor/widgets/WheelGuard.h"

#include <QComboBox>
#include <QEvent>

void CWheelGuard::Guard(QComboBox* box)
{
    // Not Qt::WheelFocus, which hands the focus over on the first turn.
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(this);
}

bool CWheelGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
        event->ignore(); // unaccepted, it travels on to the parent
        return true;
    }
    return QObject::eventFilter(watched, event);
}
