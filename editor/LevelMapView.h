#pragma once

#include <QFrame>

#include <cstdint>

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
// black, the selected cell filled white. The owner sets m_nLevel and the
// selection directly, calls LayoutCells after every change of level, and
// hears about clicks through cellClicked.
class CLevelMapView : public QFrame
{
    Q_OBJECT

public:
    explicit CLevelMapView(QWidget* parent = nullptr);

    void Reset();
    void LayoutCells();
    // x and y are relative to the top-left corner of the contents rectangle.
    void SelectCellAt(int x, int y);

    std::uint32_t m_nLevel = 0;
    CellRect m_rcClient = {};
    std::uint32_t m_nWidth = 0;
    std::uint32_t m_nHeight = 0;
    CellRect m_rcCells[32][32] = {};
    bool m_bLayoutValid = false;
    std::int32_t m_nSelCol = -1;
    std::int32_t m_nSelRow = -1;

signals:
    // Emitted once per press on a cell, after the selection is stored.
    void cellClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void PlaceCells(int xoff, int yoff, int side);
    bool HasLevelInTable() const;
    std::uint32_t RowCount() const;
    std::uint32_t ColumnCount() const;
    bool IsSelected(std::uint32_t row, std::uint32_t col) const;
    bool IsOpenSquare(std::uint32_t row, std::uint32_t col) const;
    void PaintMap(QPainter& painter) const;
};
