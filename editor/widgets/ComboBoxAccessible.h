#pragma once

#include <QAccessibleWidget>

class QComboBox;

// A drop-down for a screen reader, named by its accessible name with its
// value apart: Qt's own interface on Linux names a drop-down by its value
// ("text, 85"), which leaves a blind user guessing which field it is.
class CComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit CComboBoxAccessible(QComboBox* box);

    // For QAccessible::installFactory: our drop-downs' interface, or nullptr.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);

    QString text(QAccessible::Text t) const override;

private:
    QComboBox* Box() const;
};
