#include "editor/widgets/LevelMapView.h"

#include "editor/widgets/LevelMapTable.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

QRect ToQRect(const CellRect& rc)
{
    return QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

bool Contains(const CellRect& rc, int x, int y)
{
    return rc.left <= x && x < rc.right && rc.top <= y && y < rc.bottom;
}

// Cells of one pixel or none leave squares without area, which must draw
// nothing; Qt would otherwise normalise a negative size into a rectangle.
void FillSquare(QPainter& painter, const QRect& q, const QColor& colour)
{
    if (!q.isEmpty())
        painter.fillRect(q, colour);
}

// One-pixel outline along the inside edge of the square.
void FrameSquare(QPainter& painter, const QRect& q, const QColor& colour)
{
    if (q.isEmpty())
        return;
    painter.fillRect(QRect(q.left(), q.top(), q.width(), 1), colour);
    painter.fillRect(QRect(q.left(), q.top() + q.height() - 1, q.width(), 1), colour);
    painter.fillRect(QRect(q.left(), q.top(), 1, q.height()), colour);
    painter.fillRect(QRect(q.left() + q.width() - 1, q.top(), 1, q.height()), colour);
}

} // namespace

CLevelMapView::CLevelMapView(QWidget* parent)
    : QFrame(parent)
{
    // Two-pixel sunken edge around the map, like a client edge.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    Reset();
}

void CLevelMapView::Reset()
{
    m_bLayoutValid = false;
    m_nSelRow = -1;
    m_nSelCol = -1;
}

void CLevelMapView::SetLevel(std::uint32_t nLevel)
{
    m_nLevel = nLevel;
    update();
    LayoutCells();
    NotifyScreenReaders(QAccessible::TableModelChanged);
    if (!IsOnGrid(m_cursor) && hasFocus())
        m_cursor = IsOnGrid(SelectedCell()) ? SelectedCell() : QPoint(0, 0);
}

void CLevelMapView::SetSelectedCell(std::int32_t nCol, std::int32_t nRow)
{
    if (nCol == m_nSelCol && nRow == m_nSelRow)
        return;
    m_nSelCol = nCol;
    m_nSelRow = nRow;
    update();
    NotifyScreenReaders(QAccessible::Selection);
}

// A new level or a new place of the party changes the map's name, which a
// screen reader reads out; a new level also makes new cells. Without a
// screen reader nothing listens, and each notice would only build the
// interfaces of the map and its squares for nobody.
void CLevelMapView::NotifyScreenReaders(QAccessible::Event what)
{
    if (!QAccessible::isActive())
        return;
    if (what == QAccessible::TableModelChanged) {
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    } else if (IsOnGrid(SelectedCell())) {
        QAccessibleEvent selection(this, what);
        selection.setChild(m_nSelRow * static_cast<int>(ColumnCount()) + m_nSelCol);
        QAccessible::updateAccessibility(&selection);
    }
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}

QSize CLevelMapView::GridSize() const
{
    return {static_cast<int>(ColumnCount()), static_cast<int>(RowCount())};
}

CellRect CLevelMapView::CellRectAt(std::int32_t nCol, std::int32_t nRow) const
{
    const bool onGrid = m_bLayoutValid && nCol >= 0 && nRow >= 0 &&
                        static_cast<std::uint32_t>(nCol) < ColumnCount() &&
                        static_cast<std::uint32_t>(nRow) < RowCount();
    return onGrid ? m_rcCells[nRow][nCol] : CellRect{};
}

void CLevelMapView::LayoutCells()
{
    m_bLayoutValid = false;
    const QRect contents = contentsRect();
    m_rcClient = {0, 0, std::max(0, contents.width()), std::max(0, contents.height())};
    m_nWidth = 0;
    m_nHeight = 0;
    if (!HasLevelInTable())
        return;
    m_nWidth = LevelMapTable::Sizes[m_nLevel].width;
    m_nHeight = LevelMapTable::Sizes[m_nLevel].height;
    if (m_nWidth == 0 || m_nHeight == 0)
        return;

    const auto clientWidth = static_cast<std::uint32_t>(m_rcClient.right);
    const auto clientHeight = static_cast<std::uint32_t>(m_rcClient.bottom);
    const std::uint32_t side = std::min(clientWidth / m_nWidth, clientHeight / m_nHeight);
    // The odd spare pixel of a centred grid goes right or below.
    const auto xoff = static_cast<int>((clientWidth - m_nWidth * side) / 2);
    const auto yoff = static_cast<int>((clientHeight - m_nHeight * side) / 2);
    PlaceCells(xoff, yoff, static_cast<int>(side));
    m_bLayoutValid = true;
}

void CLevelMapView::PlaceCells(int xoff, int yoff, int side)
{
    for (std::uint32_t i = 0; i < RowCount(); ++i) {
        for (std::uint32_t j = 0; j < ColumnCount(); ++j) {
            const auto row = static_cast<int>(i);
            const auto col = static_cast<int>(j);
            m_rcCells[i][j] = {xoff + col * side, yoff + row * side,
                               xoff + (col + 1) * side, yoff + (row + 1) * side};
        }
    }
}

// The cursor goes only to cells of the grid; a screen reader hears of it
// as of a focus moving from cell to cell.
void CLevelMapView::MoveCursor(QPoint cell)
{
    if (!IsOnGrid(cell) || cell == m_cursor)
        return;
    m_cursor = cell;
    update();
    if (hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(cell.y() * static_cast<int>(ColumnCount()) + cell.x());
        QAccessible::updateAccessibility(&focus);
    }
}

// The cell a key moves the cursor to; nothing for a key that moves none.
std::optional<QPoint> CLevelMapView::KeyTarget(const QKeyEvent* event) const
{
    const int lastCol = static_cast<int>(ColumnCount()) - 1;
    const int lastRow = static_cast<int>(RowCount()) - 1;
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    const QPoint at = m_cursor;
    switch (event->key()) {
    case Qt::Key_Left: return QPoint(std::max(0, at.x() - 1), at.y());
    case Qt::Key_Right: return QPoint(std::min(lastCol, at.x() + 1), at.y());
    case Qt::Key_Up: return QPoint(at.x(), std::max(0, at.y() - 1));
    case Qt::Key_Down: return QPoint(at.x(), std::min(lastRow, at.y() + 1));
    case Qt::Key_Home: return ctrl ? QPoint(0, 0) : QPoint(0, at.y());
    case Qt::Key_End: return ctrl ? QPoint(lastCol, lastRow) : QPoint(lastCol, at.y());
    case Qt::Key_PageUp: return QPoint(at.x(), 0);
    case Qt::Key_PageDown: return QPoint(at.x(), lastRow);
    default: return std::nullopt;
    }
}

void CLevelMapView::keyPressEvent(QKeyEvent* event)
{
    const bool click = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const std::optional<QPoint> target = IsOnGrid(m_cursor) ? KeyTarget(event) : std::nullopt;
    if (click && IsOnGrid(m_cursor))
        ClickCursor();
    else if (target)
        MoveCursor(*target);
    else
        QFrame::keyPressEvent(event);
}

void CLevelMapView::focusInEvent(QFocusEvent* event)
{
    if (!IsOnGrid(m_cursor))
        m_cursor = IsOnGrid(SelectedCell()) ? SelectedCell() : QPoint(0, 0);
    update();
    QFrame::focusInEvent(event);
}

void CLevelMapView::focusOutEvent(QFocusEvent* event)
{
    update();
    QFrame::focusOutEvent(event);
}

void CLevelMapView::PressAt(int x, int y)
{
    ClickCell(CellAt(x, y));
}

QPoint CLevelMapView::CellAt(int x, int y) const
{
    if (!m_bLayoutValid || !HasLevelInTable())
        return {-1, -1};
    for (std::uint32_t i = 0; i < RowCount(); ++i)
        for (std::uint32_t j = 0; j < ColumnCount(); ++j)
            if (Contains(m_rcCells[i][j], x, y))
                return {static_cast<int>(j), static_cast<int>(i)};
    return {-1, -1};
}

void CLevelMapView::ClickCell(QPoint cell)
{
    if (IsOnGrid(cell))
        emit cellClicked(cell);
}

bool CLevelMapView::IsOnGrid(QPoint cell) const
{
    return m_bLayoutValid && HasLevelInTable() && cell.x() >= 0 && cell.y() >= 0 &&
           static_cast<std::uint32_t>(cell.x()) < ColumnCount() && static_cast<std::uint32_t>(cell.y()) < RowCount();
}

bool CLevelMapView::IsOpen(QPoint cell) const
{
    return IsOnGrid(cell) && IsOpenSquare(static_cast<std::uint32_t>(cell.y()), static_cast<std::uint32_t>(cell.x()));
}

void CLevelMapView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect contents = contentsRect();
    painter.setClipRect(contents);
    // Whatever the map does not cover shows the button face, as before the
    // first layout or after a resize without a new one.
    painter.fillRect(contents, palette().color(QPalette::Button));
    if (!m_bLayoutValid || !HasLevelInTable())
        return;
    painter.translate(contents.topLeft());
    PaintMap(painter);
}

void CLevelMapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint client = event->position().toPoint() - contentsRect().topLeft();
        PressAt(client.x(), client.y());
    }
    QFrame::mousePressEvent(event);
}

bool CLevelMapView::HasLevelInTable() const
{
    return m_nLevel < LevelMapTable::kLevelCount;
}

// The walks never leave the fixed cell array, whatever the members hold.
std::uint32_t CLevelMapView::RowCount() const
{
    return std::min(m_nHeight, LevelMapTable::kMaxSide);
}

std::uint32_t CLevelMapView::ColumnCount() const
{
    return std::min(m_nWidth, LevelMapTable::kMaxSide);
}

bool CLevelMapView::IsSelected(std::uint32_t row, std::uint32_t col) const
{
    return static_cast<std::int64_t>(row) == m_nSelRow
        && static_cast<std::int64_t>(col) == m_nSelCol;
}

bool CLevelMapView::IsOpenSquare(std::uint32_t row, std::uint32_t col) const
{
    // Bounded by the table's own size, so a level changed without a new
    // layout can never read past its grid.
    const LevelSize& size = LevelMapTable::Sizes[m_nLevel];
    if (row >= size.height || col >= size.width)
        return false;
    return LevelMapTable::Grids[m_nLevel][row * size.width + col] == 'X';
}

void CLevelMapView::PaintMap(QPainter& painter) const
{
    painter.fillRect(ToQRect(m_rcClient), Qt::black);
    for (std::uint32_t i = 0; i < RowCount(); ++i) {
        for (std::uint32_t j = 0; j < ColumnCount(); ++j) {
            // The last pixel column and row of every cell stay black and
            // part it from its neighbours.
            CellRect square = m_rcCells[i][j];
            --square.right;
            --square.bottom;
            if (IsSelected(i, j))
                FillSquare(painter, ToQRect(square), Qt::white);
            else if (IsOpenSquare(i, j))
                FrameSquare(painter, ToQRect(square), Qt::white);
        }
    }
    // The keys' cursor, while they act on the map: two frames of the
    // highlight colour, the inner one inside the cell's own outline.
    if (hasFocus() && IsOnGrid(m_cursor)) {
        CellRect square = m_rcCells[m_cursor.y()][m_cursor.x()];
        --square.right;
        --square.bottom;
        const QRect outer = ToQRect(square);
        FrameSquare(painter, outer, palette().color(QPalette::Highlight));
        FrameSquare(painter, outer.adjusted(1, 1, -1, -1), palette().color(QPalette::Highlight));
    }
}
