#pragma once

#include <QAccessibleWidget>

class QComboBox;

// A drop-down for a screen reader, named by its accessible name with its
// value apart: Qt's own interface on Linux names a drop-down by its value
// ("text, 85"), which leaves a blind user guessing which field it is. Orca
// reads a drop-down's value as its text, so the value is also its text; and
// it is labelled by its name alone, as CFieldAccessible says why.
class CComboBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit CComboBoxAccessible(QComboBox* box);

    // For QAccessible::installFactory: our drop-downs' interface, or nullptr.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override;

    // QAccessibleTextInterface: the value, read only.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QComboBox* Box() const;
};
