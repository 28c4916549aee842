#pragma once

#include <QAccessible>
#include <QFrame>
#include <QPoint>
#include <QSize>

#include <cstdint>
#include <optional>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QPainter;

// A rectangle in view client coordinates; right and bottom are exclusive.
struct CellRect
{
    int left;
    int top;
    int right;
    int bottom;
};

// Clickable picture of one dungeon level: 'X' squares outlined white on
// black, the selected cell filled white. The owner gives it a level and a
// selection, and hears about clicks through cellClicked; a click moves
// nothing by itself, so the owner can refuse it. By keyboard, a cursor
// cell framed in the highlight colour moves with the arrow keys, Home and
// End (the row's ends; with Ctrl the map's), Page Up and Page Down (the
// column's ends), and Enter or Space clicks it.
class CLevelMapView : public QFrame
{
    Q_OBJECT

public:
    explicit CLevelMapView(QWidget* parent = nullptr);

    // Shows level nLevel (an index into LevelMapTable), laid out for the
    // view's size now; the selection stays. Outside the table: no map.
    void SetLevel(std::uint32_t nLevel);
    std::uint32_t Level() const { return m_nLevel; }
    // Column and row; the cell need not lie on the grid (then nothing is
    // filled). ClearSelection leaves (-1, -1).
    void SetSelectedCell(std::int32_t nCol, std::int32_t nRow);
    void ClearSelection() { SetSelectedCell(-1, -1); }
    QPoint SelectedCell() const { return {m_nSelCol, m_nSelRow}; }
    // False while no map is shown (no level laid out yet, or none in the table).
    bool HasLayout() const { return m_bLayoutValid; }
    QSize GridSize() const; // columns x rows of the level laid out
    // The full square of a cell of the grid, in coordinates relative to the
    // contents rectangle; an empty rectangle off the grid.
    CellRect CellRectAt(std::int32_t nCol, std::int32_t nRow) const;

    // Lays the level out again for the view's current size. A resize alone
    // keeps the old layout until this is called.
    void LayoutCells();
    // A press at x, y, relative to the top-left corner of the contents
    // rectangle: announces the cell there, if any.
    void PressAt(int x, int y);
    // The cell at x, y (as for PressAt), or (-1, -1) off the grid.
    QPoint CellAt(int x, int y) const;
    // Announces a click on the cell, if it lies on the grid laid out.
    void ClickCell(QPoint cell);
    bool IsOnGrid(QPoint cell) const;
    // The cell the keys act on: the party's when the map first takes the
    // focus, off the grid before.
    QPoint CursorCell() const { return m_cursor; }
    void MoveCursor(QPoint cell);
    void ClickCursor() { ClickCell(m_cursor); }
    bool IsOpen(QPoint cell) const; // an 'X' square of the level, not a wall

signals:
    // Emitted once per press on a cell, with its column and row.
    void cellClicked(QPoint cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Reset();
    void PlaceCells(int xoff, int yoff, int side);
    bool HasLevelInTable() const;
    std::uint32_t RowCount() const;
    std::uint32_t ColumnCount() const;
    bool IsSelected(std::uint32_t row, std::uint32_t col) const;
    bool IsOpenSquare(std::uint32_t row, std::uint32_t col) const;
    void PaintMap(QPainter& painter) const;
    std::optional<QPoint> KeyTarget(const QKeyEvent* event) const;
    void NotifyScreenReaders(QAccessible::Event what);

    std::uint32_t m_nLevel = 0;
    CellRect m_rcClient = {};
    std::uint32_t m_nWidth = 0;
    std::uint32_t m_nHeight = 0;
    CellRect m_rcCells[32][32] = {};
    bool m_bLayoutValid = false;
    std::int32_t m_nSelCol = -1;
    std::int32_t m_nSelRow = -1;
    QPoint m_cursor{-1, -1};
};
