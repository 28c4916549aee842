#pragma once

#include <QAccessibleInterface>
#include <QPoint>

class CLevelMapView;

// One square of the level map for a screen reader: its column and row,
// wall or open, and whether the party stands on it. Its action picks the
// square as a click does; it has the focus while the map's cursor is on it.
// It offers no table cell interface, whose row Orca takes as the cue to
// read the whole row (all 32 squares) at every step up or down: its name
// says its column and row.
class CLevelMapCellAccessible : public QAccessibleInterface,
                                public QAccessibleActionInterface
{
public:
    // table: the map's own interface, which owns the cell.
    CLevelMapCellAccessible(QAccessibleInterface* table, CLevelMapView* view, QPoint cell);

    // QAccessibleInterface
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QPoint Cell() const { return m_cell; } // column, row
    bool isSelected() const; // the party's

    // QAccessibleActionInterface
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QAccessibleInterface* m_pTable;
    CLevelMapView* m_pView;
    QPoint m_cell; // column, row
};
