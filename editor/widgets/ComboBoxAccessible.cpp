#include "editor/widgets/ComboBoxAccessible.h"

#include "editor/widgets/FieldAccessible.h"

#include <QComboBox>

CComboBoxAccessible::CComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

// Only ours: the drop-downs of the window, the skill pickers among them.
QAccessibleInterface* CComboBoxAccessible::Factory(const QString& className, QObject* object)
{
    const bool ours = className == QLatin1String("CDropDown") || className == QLatin1String("CSkillComboBox");
    auto* box = qobject_cast<QComboBox*>(object);
    return ours && box ? new CComboBoxAccessible(box) : nullptr;
}

QComboBox* CComboBoxAccessible::Box() const
{
    return static_cast<QComboBox*>(widget());
}

void* CComboBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString CComboBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return Box()->currentText();
    return QAccessibleWidget::text(t);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
CComboBoxAccessible::relations(QAccessible::Relation match) const
{
    return CFieldAccessible::Unlabelled(QAccessibleWidget::relations(match));
}

QString CComboBoxAccessible::text(int startOffset, int endOffset) const
{
    return startOffset > endOffset ? QString() : Box()->currentText().mid(startOffset, endOffset - startOffset);
}

int CComboBoxAccessible::characterCount() const
{
    return static_cast<int>(Box()->currentText().size());
}

QString CComboBoxAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}
