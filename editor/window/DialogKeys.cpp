#include "editor/window/DialogKeys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace
{
bool IsEnterKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// How many tabs a key moves: Ctrl+Tab and Ctrl+PageDown one on, Ctrl+Shift+Tab
// and Ctrl+PageUp one back; 0 for any other key.
int TabStep(const QKeyEvent* event)
{
    if (!event->modifiers().testFlag(Qt::ControlModifier))
        return 0;
    switch (event->key()) {
    case Qt::Key_Tab:
        return event->modifiers().testFlag(Qt::ShiftModifier) ? -1 : 1;
    case Qt::Key_Backtab: // what Shift+Tab arrives as on most platforms
    case Qt::Key_PageUp:
        return -1;
    case Qt::Key_PageDown:
        return 1;
    default:
        return 0;
    }
}
}

CDialogKeys::CDialogKeys(Handlers handlers, QObject* parent) : QObject(parent), m_handlers(std::move(handlers)) {}

void CDialogKeys::Watch(QWidget* control)
{
    control->installEventFilter(this);
    if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit())
        box->lineEdit()->installEventFilter(this);
}

bool CDialogKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && HandleKey(watched, static_cast<QKeyEvent*>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

bool CDialogKeys::HandleKey(QObject* watched, const QKeyEvent* key)
{
    if (key->key() == Qt::Key_Escape) {
        m_handlers.onEscape();
        return true;
    }
    if (IsEnterKey(key)) {
        if (auto* button = qobject_cast<QPushButton*>(watched))
            button->click();
        else
            m_handlers.onEnter(watched);
        return true;
    }
    if (const int step = TabStep(key)) {
        m_handlers.onStepTab(step);
        return true;
    }
    return false;
}
