#include "editor/widgets/ComboBoxAccessible.h"

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

QString CComboBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return Box()->currentText();
    return QAccessibleWidget::text(t);
}
