#pragma once

#include <QAccessibleWidget>

class CFieldEdit;

// An edit field for a screen reader, as Qt's own but for two things Orca
// reads wrongly there. Qt 6.4.2 reports the field's one run of text
// attributes as empty, and Orca, which speaks a field run by run, then
// drops its last character ("85" heard "8"); here the run is the whole
// text. And the field is labelled by its name alone, with no relation to
// its label: Orca prefers a label's text to the name, and the labels do not
// say whose field it is ("HP: (Cur/Max)").
class CFieldAccessible : public QAccessibleWidget,
                         public QAccessibleTextInterface,
                         public QAccessibleEditableTextInterface
{
public:
    explicit CFieldAccessible(CFieldEdit* edit);

    // For QAccessible::installFactory: a CFieldEdit's interface, or nullptr.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

    // Without a relation to a label: Orca reads the name, which says whose
    // value it is.
    static QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    Unlabelled(QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations);

private:
    CFieldEdit* Edit() const;
};
