#include "editor/LevelMapView.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

namespace {

struct Cell
{
    int col;
    int row;
    bool operator==(const Cell&) const = default;
};

auto Tie(const CellRect& rc)
{
    return std::tuple(rc.left, rc.top, rc.right, rc.bottom);
}

enum class Look { Empty, Outline, Filled };

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

class LevelMapViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QObject::connect(
            &view, &CLevelMapView::cellClicked, &view,
            [this] { notified.push_back({view.m_nSelCol, view.m_nSelRow}); },
            Qt::DirectConnection);
    }

    void SetClientSize(int width, int height)
    {
        const int frame = view.frameWidth();
        view.resize(width + 2 * frame, height + 2 * frame);
    }

    void LayOut(std::uint32_t level, int width, int height)
    {
        SetClientSize(width, height);
        view.m_nLevel = level;
        view.LayoutCells();
    }

    void PressAt(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(&view, button, {}, view.contentsRect().topLeft() + QPoint(x, y));
    }

    QImage Client() { return view.grab(view.contentsRect()).toImage(); }
    QRgb ButtonFace() const { return view.palette().color(QPalette::Button).rgb(); }

    CLevelMapView view;
    std::vector<Cell> notified; // the selection as each notification saw it
};

void ExpectCellLooks(const QImage& image, const CellRect& rc, Look look)
{
    const int s = rc.right - rc.left;
    for (int dy = 0; dy < s; ++dy) {
        for (int dx = 0; dx < s; ++dx) {
            const bool inSquare = dx < s - 1 && dy < s - 1;
            const bool onEdge = dx == 0 || dy == 0 || dx == s - 2 || dy == s - 2;
            const bool white = inSquare && (look == Look::Filled || (look == Look::Outline && onEdge));
            EXPECT_EQ(image.pixel(rc.left + dx, rc.top + dy), white ? kWhite : kBlack)
                << "pixel (" << dx << ", " << dy << ") of cell at " << rc.left << ", " << rc.top;
        }
    }
}

void ExpectAllPixels(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), colour) << "at " << x << ", " << y;
}

TEST_F(LevelMapViewTest, LayoutCentresSquareCells)
{
    struct Case
    {
        std::uint32_t level;
        int width, height;
        std::uint32_t columns, rows;
        CellRect first, last;
    };
    const Case cases[] = {
        {1, 176, 182, 32, 32, {8, 11, 13, 16}, {163, 166, 168, 171}},
        {13, 176, 182, 20, 11, {8, 47, 16, 55}, {160, 127, 168, 135}},
        {0, 100, 100, 18, 19, {5, 2, 10, 7}, {90, 92, 95, 97}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        LayOut(c.level, c.width, c.height);
        ASSERT_TRUE(view.m_bLayoutValid);
        EXPECT_EQ(view.m_nWidth, c.columns);
        EXPECT_EQ(view.m_nHeight, c.rows);
        EXPECT_EQ(Tie(view.m_rcCells[0][0]), Tie(c.first));
        EXPECT_EQ(Tie(view.m_rcCells[c.rows - 1][c.columns - 1]), Tie(c.last));
    }
}

TEST_F(LevelMapViewTest, PressSelectsTheCellUnderItAndNotifiesOnce)
{
    struct Case
    {
        QPoint at;
        bool hits;
        Cell cell;
    };
    const Case cases[] = {
        {{8, 11}, true, {0, 0}},      {{12, 15}, true, {0, 0}}, // separator pixels
        {{13, 11}, true, {1, 0}},     {{167, 170}, true, {31, 31}},
        {{7, 11}, false, {}},         {{8, 10}, false, {}}, // margins
        {{168, 171}, false, {}},      {{0, 0}, false, {}},
    };
    LayOut(1, 176, 182);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x() << ", " << c.at.y());
        view.m_nSelCol = view.m_nSelRow = -1;
        notified.clear();
        PressAt(c.at.x(), c.at.y());
        const Cell expected = c.hits ? c.cell : Cell{-1, -1};
        EXPECT_EQ((Cell{view.m_nSelCol, view.m_nSelRow}), expected);
        EXPECT_EQ(notified, c.hits ? std::vector<Cell>{c.cell} : std::vector<Cell>{});
    }
}

TEST_F(LevelMapViewTest, OnlyLeftPressesSelectAndRepeatsNotifyAgain)
{
    LayOut(1, 176, 182);
    PressAt(8, 11, Qt::RightButton);
    EXPECT_TRUE(notified.empty());
    EXPECT_EQ(view.m_nSelCol, -1);
    PressAt(8, 11);
    PressAt(9, 12);
    EXPECT_EQ(notified, (std::vector<Cell>{{0, 0}, {0, 0}}));
}

TEST_F(LevelMapViewTest, PaintsOutlinesSeparatorsAndTheSelectedCell)
{
    // Level index 13 starts "........XXXXXXXXX..." / "........X...X...X...".
    struct Case
    {
        Cell selected;
        std::vector<std::pair<Cell, Look>> cells;
    };
    const Case cases[] = {
        {{9, 1}, {{{9, 1}, Look::Filled}, {{8, 0}, Look::Outline}, {{0, 0}, Look::Empty}}},
        {{8, 0}, {{{8, 0}, Look::Filled}, {{9, 0}, Look::Outline}, {{9, 1}, Look::Empty}}},
        {{-1, -1}, {{{8, 0}, Look::Outline}, {{9, 1}, Look::Empty}}},
    };
    LayOut(13, 176, 182); // s = 8, margins 8 and 47
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "selected " << c.selected.col << ", " << c.selected.row);
        view.m_nSelCol = c.selected.col;
        view.m_nSelRow = c.selected.row;
        const QImage image = Client();
        ASSERT_EQ(image.size(), QSize(176, 182));
        for (const auto& [cell, look] : c.cells)
            ExpectCellLooks(image, view.m_rcCells[cell.row][cell.col], look);
        EXPECT_EQ(image.pixel(0, 0), kBlack);
        EXPECT_EQ(image.pixel(7, 47), kBlack);
        EXPECT_EQ(image.pixel(175, 181), kBlack);
    }
}

TEST_F(LevelMapViewTest, NoMapOutsideTheTableOrWithoutRoomForCells)
{
    struct Case
    {
        std::uint32_t level;
        int width, height;
        bool pixelsAreButtonFace; // else black only
        bool pressesSelect;
    };
    const Case cases[] = {
        {14, 176, 182, true, false},
        {0xFFFFFFFF, 176, 182, true, false},
        {1, 20, 20, false, false}, // s = 0
        {1, 40, 40, false, true},  // s = 1: cells exist but have no drawn area
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.level << " in " << c.width << "x" << c.height);
        LayOut(c.level, c.width, c.height);
        view.m_nSelCol = view.m_nSelRow = 0;
        ExpectAllPixels(Client(), c.pixelsAreButtonFace ? ButtonFace() : kBlack);
        notified.clear();
        PressAt(c.width / 2, c.height / 2);
        EXPECT_EQ(notified.size(), c.pressesSelect ? 1U : 0U);
    }
}

TEST_F(LevelMapViewTest, StaleOrMissingLayoutShowsButtonFaceOnly)
{
    SetClientSize(50, 50);
    ExpectAllPixels(Client(), ButtonFace());
    PressAt(25, 25);
    EXPECT_EQ(view.m_nSelCol, -1);

    LayOut(1, 176, 182);
    view.m_nLevel = 14; // changed without a new layout
    ExpectAllPixels(Client(), ButtonFace());
    PressAt(8, 11);
    EXPECT_TRUE(notified.empty());
}

TEST_F(LevelMapViewTest, ResizeKeepsTheGeometryOfTheLastLayout)
{
    LayOut(1, 176, 182);
    SetClientSize(220, 220);
    const QImage image = Client();
    EXPECT_EQ(image.pixel(0, 0), kBlack);
    EXPECT_EQ(image.pixel(200, 5), ButtonFace());
    PressAt(200, 200);
    EXPECT_TRUE(notified.empty());
    PressAt(8, 11);
    EXPECT_EQ(notified, (std::vector<Cell>{{0, 0}}));
}

} // namespace
