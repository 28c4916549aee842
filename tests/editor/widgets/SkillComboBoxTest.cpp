#include "editor/widgets/SkillComboBox.h"

#include <QAbstractItemView>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SkillComboBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        font.setPixelSize(18);
        combo.Prepare(font, CSkillComboBox::SelectionFieldHeight(font));
        combo.resize(300, combo.height()); // the popup list is as wide as the picker
        combo.show();
        w = QFontMetrics(font).averageCharWidth();
    }

    QFont font;
    CSkillComboBox combo;
    int w = 0; // the column unit: one average character of the picker font
};

// Bounding box of the pixels in columns [fromX, toX) that differ from colour.
QRect Find(const QImage& image, int fromX, int toX, QRgb colour)
{
    QRect found;
    for (int x = fromX; x < toX; ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != colour)
                found |= QRect(x, y, 1, 1);
    return found;
}

TEST_F(SkillComboBoxTest, ListsTheRanksAndKeepsAPickedOrTypedText)
{
    ASSERT_EQ(combo.count(), 16);
    for (int row = 0; row < 16; ++row) // "0", then the powers of two from 2 to 32768
        EXPECT_EQ(combo.itemText(row), QString::number(row ? 1 << row : 0));
    // Rows are drawn in two columns: the threshold ending before 7 average
    // characters, the title from 8 on; the current row highlighted.
    combo.showPopup();
    QAbstractItemView* list = combo.view();
    list->setCurrentIndex(combo.model()->index(7, 0));
    const QImage row = list->viewport()->grab(list->visualRect(list->currentIndex())).toImage();
    const QRgb highlight = list->palette().color(QPalette::Highlight).rgb();
    EXPECT_EQ(row.pixel(0, 0), highlight);
    EXPECT_GT(Find(row, 0, 7 * w, highlight).right(), 6 * w);
    EXPECT_GE(Find(row, 7 * w, row.width(), highlight).left(), 8 * w);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(combo.currentText(), QStringLiteral("128")) << "the threshold, not the row's drawing";

    // "1" and "3" begin items, so any completion would show; the edit field
    // needs the focus for a completer to act.
    combo.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&combo));
    combo.lineEdit()->setFocus();
    for (const QString typed : {"300", "1", "3", "abc"}) {
        combo.lineEdit()->clear();
        QTest::keyClicks(combo.lineEdit(), typed);
        QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
        EXPECT_EQ(combo.currentText(), typed);
        EXPECT_EQ(combo.count(), 16);
    }
}

} // namespace
