#pragma once

#include <QAccessibleWidget>

#include <map>

class CLevelMapView;

// What a screen reader gets of the level map: a table of the level's
// cells, named after the level and the party's place. Its cells come and go
// with the level, so they are made on demand and dropped on a new layout.
class CLevelMapAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit CLevelMapAccessible(CLevelMapView* view);
    ~CLevelMapAccessible() override;

    // For QAccessible::installFactory: the view's interface, or nullptr.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);

    CLevelMapView* View() const;

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    void DropCells();

    // By column and row, which name a cell on every level alike.
    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;
};
