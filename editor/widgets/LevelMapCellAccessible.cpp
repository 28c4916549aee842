#include "editor/widgets/LevelMapCellAccessible.h"

#include "editor/widgets/LevelMapView.h"

#include <QCoreApplication>

namespace
{
constexpr char kCell[] = QT_TRANSLATE_NOOP("CLevelMapAccessible", "column %1, row %2");
constexpr char kOpen[] = QT_TRANSLATE_NOOP("CLevelMapAccessible", ", open");
constexpr char kWall[] = QT_TRANSLATE_NOOP("CLevelMapAccessible", ", wall");
constexpr char kParty[] = QT_TRANSLATE_NOOP("CLevelMapAccessible", ", party");

QString Tr(const char* text)
{
    return QCoreApplication::translate("CLevelMapAccessible", text);
}
}

CLevelMapCellAccessible::CLevelMapCellAccessible(QAccessibleInterface* table, CLevelMapView* view, QPoint cell)
    : m_pTable(table), m_pView(view), m_cell(cell)
{
}

bool CLevelMapCellAccessible::isValid() const
{
    return m_pTable->isValid() && m_pView->IsOnGrid(m_cell);
}

QAccessibleInterface* CLevelMapCellAccessible::parent() const
{
    return m_pTable;
}

void* CLevelMapCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

// "column 4, row 3, open, party"
QString CLevelMapCellAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QString();
    QString name = Tr(kCell).arg(m_cell.x()).arg(m_cell.y());
    name += Tr(m_pView->IsOpen(m_cell) ? kOpen : kWall);
    if (isSelected())
        name += Tr(kParty);
    return name;
}

QRect CLevelMapCellAccessible::rect() const
{
    const CellRect cell = m_pView->CellRectAt(m_cell.x(), m_cell.y());
    const QPoint topLeft = m_pView->mapToGlobal(m_pView->contentsRect().topLeft() + QPoint(cell.left, cell.top));
    return QRect(topLeft, QSize(cell.right - cell.left, cell.bottom - cell.top));
}

QAccessible::State CLevelMapCellAccessible::state() const
{
    QAccessible::State state;
    state.selectable = true;
    state.selected = isSelected();
    state.focusable = true;
    state.focused = m_pView->hasFocus() && m_pView->CursorCell() == m_cell;
    return state;
}

bool CLevelMapCellAccessible::isSelected() const
{
    return m_pView->SelectedCell() == m_cell;
}

QStringList CLevelMapCellAccessible::actionNames() const
{
    return {pressAction()};
}

void CLevelMapCellAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        m_pView->ClickCell(m_cell);
}
