#include "editor/widgets/LevelMapAccessible.h"
#include "editor/widgets/LevelMapCellAccessible.h"
#include "editor/widgets/LevelMapView.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Cell = std::pair<int, int>; // column, row
enum class Look { Empty, Outline, Filled };
const QRgb kBlack = qRgb(0, 0, 0), kWhite = qRgb(255, 255, 255);

class LevelMapViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static const bool s_bAccessible = (QAccessible::installFactory(&CLevelMapAccessible::Factory), true);
        Q_UNUSED(s_bAccessible);
        QObject::connect(&view, &CLevelMapView::cellClicked,
                         [this](QPoint cell) { notified.push_back({cell.x(), cell.y()}); });
    }
    void LayOut(std::uint32_t level, int width, int height)
    {
        view.resize(width + 2 * view.frameWidth(), height + 2 * view.frameWidth());
        view.SetLevel(level);
    }
    Cell Selection() const { return {view.SelectedCell().x(), view.SelectedCell().y()}; }
    // The square a screen reader finds under a point of the map (its mouse
    // review, a magnifier), as Qt asks: in screen coordinates.
    std::vector<Cell> FoundByScreenReader(QPoint at)
    {
        const QPoint screen = view.mapToGlobal(view.contentsRect().topLeft() + at);
        const auto* found = dynamic_cast<CLevelMapCellAccessible*>(
            QAccessible::queryAccessibleInterface(&view)->childAt(screen.x(), screen.y()));
        return found ? std::vector<Cell>{{found->Cell().x(), found->Cell().y()}} : std::vector<Cell>{};
    }
    QImage Client() { return view.grab(view.contentsRect()).toImage(); }

    CLevelMapView view;
    std::vector<Cell> notified;
};

// Every pixel of the cell: its last column and row stay black.
void ExpectCellLooks(const QImage& image, const CellRect& rc, Look look)
{
    const int s = rc.right - rc.left;
    for (int dy = 0; dy < s; ++dy)
        for (int dx = 0; dx < s; ++dx) {
            const bool edge = dx == 0 || dy == 0 || dx == s - 2 || dy == s - 2;
            const bool white = dx < s - 1 && dy < s - 1 && (look == Look::Filled || (look == Look::Outline && edge));
            EXPECT_EQ(image.pixel(rc.left + dx, rc.top + dy), white ? kWhite : kBlack)
                << "pixel " << dx << ", " << dy << " of cell at " << rc.left << ", " << rc.top;
        }
}

TEST_F(LevelMapViewTest, CellsAreCentredSquaresAndEachLeftPressOnOneSelectsItOnce)
{
    const std::tuple<std::uint32_t, int, int, std::vector<int>> layouts[] = {
        {13, 176, 182, {8, 47, 16, 55, 160, 127, 168, 135}}, // s = 8, 20 x 11: first and last cell
        {0, 100, 100, {5, 2, 10, 7, 90, 92, 95, 97}},        // s = 5, 18 x 19
        {0, 101, 100, {5, 2, 10, 7, 90, 92, 95, 97}},        // the odd spare pixel goes right
        {1, 176, 182, {8, 11, 13, 16, 163, 166, 168, 171}},  // s = 5, 32 x 32: pressed below
    };
    for (const auto& [level, width, height, corners] : layouts) {
        LayOut(level, width, height);
        ASSERT_TRUE(view.HasLayout());
        const CellRect a = view.CellRectAt(0, 0);
        const CellRect b = view.CellRectAt(view.GridSize().width() - 1, view.GridSize().height() - 1);
        EXPECT_EQ((std::vector{a.left, a.top, a.right, a.bottom, b.left, b.top, b.right, b.bottom}), corners) << level;
    }
    // Hit cell, or none for a miss, for the mouse and for a screen reader; a
    // press never moves the selection itself.
    view.move(300, 200);
    const std::tuple<QPoint, std::vector<Cell>, Qt::MouseButton> presses[] = {
        {{8, 11}, {{0, 0}}, Qt::LeftButton},  {{12, 15}, {{0, 0}}, Qt::LeftButton}, // separator
        {{13, 11}, {{1, 0}}, Qt::LeftButton}, {{167, 170}, {{31, 31}}, Qt::LeftButton},
        {{7, 11}, {}, Qt::LeftButton},        {{8, 10}, {}, Qt::LeftButton}, // margins
        {{168, 171}, {}, Qt::LeftButton},     {{8, 11}, {}, Qt::RightButton},
    };
    for (const auto& [at, hit, button] : presses) {
        const Cell before = Selection();
        notified.clear();
        QTest::mousePress(&view, button, {}, view.contentsRect().topLeft() + at);
        EXPECT_EQ(notified, hit) << at.x() << ", " << at.y();
        EXPECT_EQ(Selection(), before) << at.x() << ", " << at.y();
        if (button == Qt::LeftButton) {
            EXPECT_EQ(FoundByScreenReader(at), hit) << at.x() << ", " << at.y();
        }
    }
}

TEST_F(LevelMapViewTest, PaintsOutlinesSeparatorsAndTheSelectedCellUntilTheNextLayout)
{
    // Level index 13 starts "........XXXXXXXXX..." / "........X...X...X...".
    const std::pair<Cell, std::vector<std::pair<Cell, Look>>> cases[] = {
        {{9, 1}, {{{9, 1}, Look::Filled}, {{8, 0}, Look::Outline}, {{0, 0}, Look::Empty}}},
        {{8, 0}, {{{8, 0}, Look::Filled}, {{9, 0}, Look::Outline}, {{9, 1}, Look::Empty}}},
    };
    LayOut(13, 176, 182);
    for (const auto& [selected, cells] : cases) {
        view.SetSelectedCell(selected.first, selected.second);
        const QImage image = Client();
        ASSERT_EQ(image.size(), QSize(176, 182));
        for (const auto& [cell, look] : cells)
            ExpectCellLooks(image, view.CellRectAt(cell.first, cell.second), look);
        for (const QPoint margin : {QPoint(0, 0), QPoint(7, 47), QPoint(175, 181)})
            EXPECT_EQ(image.pixel(margin), kBlack);
    }
    // The owner lays out again after a resize; until then the map keeps its place.
    view.resize(view.size() + QSize(44, 38));
    EXPECT_EQ(Client().pixel(72, 47), kWhite);
    EXPECT_EQ(Client().pixel(200, 5), view.palette().color(QPalette::Button).rgb());
}

// The keys walk a cursor over the grid, never off it, and Enter or Space
// clicks the cell under it as a press would: the selection stays the
// owner's to move. The cursor shows as a frame of the highlight colour.
TEST_F(LevelMapViewTest, KeysMoveACursorCellOverTheGridAndEnterOrSpaceClicksIt)
{
    LayOut(0, 100, 100); // 18 x 19, cells of 5 pixels
    view.SetSelectedCell(4, 3);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.setFocus();
    ASSERT_TRUE(view.hasFocus());
    EXPECT_EQ(view.CursorCell(), QPoint(4, 3)) << "the cursor starts on the party";
    const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier;
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, QPoint> moves[] = {
        {Qt::Key_Right, none, {5, 3}},    {Qt::Key_Down, none, {5, 4}},     {Qt::Key_Left, none, {4, 4}},
        {Qt::Key_Up, none, {4, 3}},       {Qt::Key_Home, none, {0, 3}},     {Qt::Key_Left, none, {0, 3}},
        {Qt::Key_End, none, {17, 3}},     {Qt::Key_Right, none, {17, 3}},   {Qt::Key_PageDown, none, {17, 18}},
        {Qt::Key_Down, none, {17, 18}},   {Qt::Key_PageUp, none, {17, 0}},  {Qt::Key_Up, none, {17, 0}},
        {Qt::Key_Home, ctrl, {0, 0}},     {Qt::Key_End, ctrl, {17, 18}},    {Qt::Key_Left, none, {16, 18}},
    };
    for (const auto& [key, modifiers, cell] : moves) {
        QTest::keyClick(&view, key, modifiers);
        EXPECT_EQ(view.CursorCell(), cell) << key;
    }
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(&view, key);
    EXPECT_EQ(notified, (std::vector<Cell>(3, {16, 18})));
    EXPECT_EQ(Selection(), Cell(4, 3));

    const QImage image = Client();
    const QRgb highlight = view.palette().color(QPalette::Highlight).rgb();
    const CellRect cursor = view.CellRectAt(16, 18), party = view.CellRectAt(4, 3);
    EXPECT_EQ(image.pixel(cursor.left + 1, cursor.top + 1), highlight);
    EXPECT_EQ(image.pixel(party.left, party.top), kWhite);
    view.clearFocus();
    EXPECT_NE(Client().pixel(cursor.left + 1, cursor.top + 1), highlight) << "no frame without the focus";
}

} // namespace
