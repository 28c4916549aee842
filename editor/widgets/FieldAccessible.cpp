#include "editor/widgets/FieldAccessible.h"

#include "editor/widgets/FieldEdit.h"

#include <QFontMetrics>

#include <algorithm>

CFieldAccessible::CFieldAccessible(CFieldEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

QAccessibleInterface* CFieldAccessible::Factory(const QString& className, QObject* object)
{
    auto* edit = qobject_cast<CFieldEdit*>(object);
    return className == QLatin1String("CFieldEdit") && edit ? new CFieldAccessible(edit) : nullptr;
}

CFieldEdit* CFieldAccessible::Edit() const
{
    return static_cast<CFieldEdit*>(widget());
}

void* CFieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString CFieldAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return Edit()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State CFieldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = Edit()->isReadOnly();
    state.selectableText = true;
    return state;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
CFieldAccessible::Unlabelled(QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations)
{
    relations.removeIf([](const auto& relation) { return relation.second & QAccessible::Label; });
    return relations;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> CFieldAccessible::relations(QAccessible::Relation match) const
{
    return Unlabelled(QAccessibleWidget::relations(match));
}

void CFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Edit()->hasSelectedText())
        return;
    *startOffset = Edit()->selectionStart();
    *endOffset = Edit()->selectionEnd();
}

int CFieldAccessible::selectionCount() const
{
    return Edit()->hasSelectedText() ? 1 : 0;
}

void CFieldAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void CFieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        Edit()->deselect();
}

void CFieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        Edit()->setSelection(startOffset, endOffset - startOffset);
}

int CFieldAccessible::cursorPosition() const
{
    return Edit()->cursorPosition();
}

void CFieldAccessible::setCursorPosition(int position)
{
    Edit()->setCursorPosition(position);
}

QString CFieldAccessible::text(int startOffset, int endOffset) const
{
    return startOffset > endOffset ? QString() : Edit()->text().mid(startOffset, endOffset - startOffset);
}

int CFieldAccessible::characterCount() const
{
    return static_cast<int>(Edit()->text().size());
}

// Where the character lies, from the field's own measure of its text.
QRect CFieldAccessible::characterRect(int offset) const
{
    const QString ch = text(offset, offset + 1);
    if (ch.isEmpty())
        return {};
    const QFontMetrics metrics(Edit()->font());
    const int left = Edit()->cursorRect().center().x() +
                     metrics.horizontalAdvance(Edit()->text().left(offset)) -
                     metrics.horizontalAdvance(Edit()->text().left(Edit()->cursorPosition()));
    const QRect rect(left, Edit()->cursorRect().top(), metrics.horizontalAdvance(ch), metrics.height());
    return rect.translated(Edit()->mapToGlobal(QPoint(0, 0)));
}

int CFieldAccessible::offsetAtPoint(const QPoint& point) const
{
    return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
}

void CFieldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    Edit()->setCursorPosition(endIndex);
    Edit()->setCursorPosition(startIndex);
}

// A field has no formatting: one run, the whole text, whatever the offset.
QString CFieldAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void CFieldAccessible::deleteText(int startOffset, int endOffset)
{
    Edit()->setText(Edit()->text().remove(startOffset, endOffset - startOffset));
}

void CFieldAccessible::insertText(int offset, const QString& text)
{
    Edit()->setText(Edit()->text().insert(offset, text));
}

void CFieldAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    Edit()->setText(Edit()->text().replace(startOffset, endOffset - startOffset, text));
}
