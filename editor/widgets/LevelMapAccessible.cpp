#include "editor/widgets/LevelMapAccessible.h"

#include "editor/widgets/FieldAccessible.h"
#include "editor/widgets/LevelMapCellAccessible.h"
#include "editor/widgets/LevelMapView.h"

#include <QCoreApplication>

namespace
{
constexpr char kNoLevel[] = QT_TRANSLATE_NOOP("CLevelMapAccessible", "Level map, no level shown");
constexpr char kLevel[] = QT_TRANSLATE_NOOP("CLevelMapAccessible", "Level map, level %1");
constexpr char kParty[] = QT_TRANSLATE_NOOP("CLevelMapAccessible", "%1, party at column %2, row %3");
constexpr char kColumn[] = QT_TRANSLATE_NOOP("CLevelMapAccessible", "column %1");
constexpr char kRow[] = QT_TRANSLATE_NOOP("CLevelMapAccessible", "row %1");

QString Tr(const char* text)
{
    return QCoreApplication::translate("CLevelMapAccessible", text);
}
}

CLevelMapAccessible::CLevelMapAccessible(CLevelMapView* view) : QAccessibleWidget(view, QAccessible::Table) {}

CLevelMapAccessible::~CLevelMapAccessible()
{
    DropCells();
}

QAccessibleInterface* CLevelMapAccessible::Factory(const QString&, QObject* object)
{
    auto* view = qobject_cast<CLevelMapView*>(object);
    return view ? new CLevelMapAccessible(view) : nullptr;
}

CLevelMapView* CLevelMapAccessible::View() const
{
    return static_cast<CLevelMapView*>(widget());
}

void* CLevelMapAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

// "Level map, level 3, party at column 4, row 3": the level as the list
// counts it, and where a Save would put the party.
QString CLevelMapAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    if (!View()->HasLayout())
        return Tr(kNoLevel);
    const QString level = Tr(kLevel).arg(View()->Level() + 1);
    const QPoint party = View()->SelectedCell();
    if (!View()->IsOnGrid(party))
        return level;
    return Tr(kParty).arg(level).arg(party.x()).arg(party.y());
}

// Named as itself: its label's "Map:" would only repeat the name.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
CLevelMapAccessible::relations(QAccessible::Relation match) const
{
    return CFieldAccessible::Unlabelled(QAccessibleWidget::relations(match));
}

int CLevelMapAccessible::columnCount() const
{
    return View()->HasLayout() ? View()->GridSize().width() : 0;
}

int CLevelMapAccessible::rowCount() const
{
    return View()->HasLayout() ? View()->GridSize().height() : 0;
}

int CLevelMapAccessible::childCount() const
{
    return columnCount() * rowCount();
}

QAccessibleInterface* CLevelMapAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    const QPoint cell(index % columnCount(), index / columnCount());
    const auto found = m_cells.find({cell.x(), cell.y()});
    if (found != m_cells.end())
        return QAccessible::accessibleInterface(found->second);
    auto* self = const_cast<CLevelMapAccessible*>(this);
    QAccessibleInterface* made = new CLevelMapCellAccessible(self, View(), cell);
    m_cells[{cell.x(), cell.y()}] = QAccessible::registerAccessibleInterface(made);
    return made;
}

int CLevelMapAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* cell = dynamic_cast<const CLevelMapCellAccessible*>(child);
    if (!cell || child->parent() != this)
        return -1;
    return cell->Cell().y() * columnCount() + cell->Cell().x();
}

QAccessibleInterface* CLevelMapAccessible::childAt(int x, int y) const
{
    const QPoint at = View()->mapFromGlobal(QPoint(x, y)) - View()->contentsRect().topLeft();
    const QPoint cell = View()->CellAt(at.x(), at.y());
    return View()->IsOnGrid(cell) ? cellAt(cell.y(), cell.x()) : nullptr;
}

QAccessibleInterface* CLevelMapAccessible::cellAt(int row, int column) const
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return nullptr;
    return child(row * columnCount() + column);
}

int CLevelMapAccessible::selectedCellCount() const
{
    return View()->IsOnGrid(View()->SelectedCell()) ? 1 : 0;
}

QList<QAccessibleInterface*> CLevelMapAccessible::selectedCells() const
{
    const QPoint party = View()->SelectedCell();
    if (!View()->IsOnGrid(party))
        return {};
    return {cellAt(party.y(), party.x())};
}

QString CLevelMapAccessible::columnDescription(int column) const
{
    return Tr(kColumn).arg(column);
}

QString CLevelMapAccessible::rowDescription(int row) const
{
    return Tr(kRow).arg(row);
}

// Cells off the new level's grid are no more; the others go too, to be
// made again on demand.
void CLevelMapAccessible::modelChange(QAccessibleTableModelChangeEvent*)
{
    DropCells();
}

void CLevelMapAccessible::DropCells()
{
    for (const auto& [index, id] : m_cells)
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}
