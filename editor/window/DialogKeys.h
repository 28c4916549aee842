#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

// The window's own keys, caught on every control before the control sees
// them: Enter clicks a focused button and otherwise goes to the window,
// which says what it means in the focused field; Escape closes, and
// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp step through the
// champions.
class CDialogKeys : public QObject
{
public:
    struct Handlers
    {
        std::function<void(QObject* field)> onEnter; // Enter anywhere but on a button
        std::function<void()> onEscape;
        std::function<void(int step)> onStepTab; // +1 the next tab, -1 the previous one
    };

    CDialogKeys(Handlers handlers, QObject* parent);

    // Catches the keys of control, and of the edit field inside a combo box.
    void Watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleKey(QObject* watched, const QKeyEvent* key);

    Handlers m_handlers;
};
