#include "editor/window/ControlNames.h"

#include "editor/form/FieldTable.h"

#include <QComboBox>
#include <QLineEdit>

QString ControlFieldName(int nId, int championIndex)
{
    const FormField* field = FieldOfControl(nId);
    return field ? FieldName(*field, championIndex) : QString();
}

void NameControls(const DialogControls& controls, int championIndex)
{
    for (const FormField& field : kFieldTable) {
        QWidget* control = controls.at(field.nId);
        const QString name = FieldName(field, championIndex);
        if (control->accessibleName() == name)
            continue; // a screen reader hears of every change
        control->setAccessibleName(name);
        // The field inside a drop-down is read on its own too.
        if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit())
            box->lineEdit()->setAccessibleName(name);
    }
}
