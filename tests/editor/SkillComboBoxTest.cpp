#include "editor/RankTable.h"
#include "editor/SkillComboBox.h"

#include <QAbstractItemView>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

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

// Bounding box of the pixels in columns [fromX, toX) that differ from colour, or match it.
QRect Find(const QImage& image, int fromX, int toX, QRgb colour, bool matching = false)
{
    QRect found;
    for (int x = fromX; x < toX; ++x)
        for (int y = 0; y < image.height(); ++y)
            if ((image.pixel(x, y) == colour) == matching)
                found |= QRect(x, y, 1, 1);
    return found;
}

TEST_F(SkillComboBoxTest, ListsTheRanksAndPickingARowLeavesItsThreshold)
{
    const char* const titles[] = {"-",         "Neophyte",  "Novice",    "Apprentice", "Journeyman", "Craftsman",
                                  "Artisan",   "Adept",     "Expert",    "LO Master",  "UM Master",  "ON Master",
                                  "EE Master", "PAL Master", "MON Master", "Archmaster"};
    ASSERT_EQ(combo.count(), 16);
    for (int row = 0; row < 16; ++row) { // "0", then the powers of two from 2 to 32768
        const QString threshold = QString::number(row ? 1 << row : 0);
        EXPECT_EQ(combo.itemText(row), threshold);
        const RankRow& rank = RankTable[static_cast<std::size_t>(row)];
        EXPECT_EQ(QString::fromLatin1(rank.thresholdText), threshold.rightJustified(5)) << row;
        EXPECT_STREQ(rank.title, titles[row]);
    }
    QAbstractItemView* list = combo.view();
    const QRgb highlight = list->palette().color(QPalette::Highlight).rgb();
    for (const int row : {7, 15}) {
        combo.showPopup();
        list->setCurrentIndex(combo.model()->index(row, 0));
        // The list draws its rows through DrawItem: highlighted, in two columns.
        const QImage image = list->viewport()->grab(list->visualRect(list->currentIndex())).toImage();
        EXPECT_EQ(image.pixel(0, 0), highlight);
        EXPECT_GE(Find(image, 7 * w, image.width(), highlight).left(), 8 * w);
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_EQ(combo.lineEdit()->text(), combo.itemText(row));
    }
}

TEST_F(SkillComboBoxTest, TypedTextStaysAsTyped)
{
    // "1" and "3" are prefixes of items, so any completion would show; the
    // edit field needs the focus for a completer to act.
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

TEST_F(SkillComboBoxTest, DrawItemRightAlignsThresholdsAndStartsTitlesAfterAGap)
{
    const QRgb outside = qRgb(255, 0, 255);
    const int line = QFontMetrics(font).height();
    QStyleOptionViewItem option;
    option.font = font;
    option.rect = QRect(10, 0, 300, 3 * line); // tall, so centring shows
    option.palette.setColor(QPalette::Base, Qt::white);
    option.palette.setColor(QPalette::Text, Qt::black);
    option.palette.setColor(QPalette::Highlight, Qt::darkBlue);
    option.palette.setColor(QPalette::HighlightedText, Qt::yellow);
    for (const int row : {-1, 0, 7, 15, 16})
        for (const bool selected : {false, true}) {
            SCOPED_TRACE(testing::Message() << "row " << row << (selected ? " selected" : ""));
            option.state = selected ? QStyle::State_Selected : QStyle::State_None;
            QImage image(310, option.rect.height(), QImage::Format_RGB32);
            image.fill(outside);
            QPainter painter(&image);
            combo.DrawItem(&painter, option, row);
            painter.end();
            // Only the item rectangle is painted, and only for rows of the table.
            const bool drawn = row >= 0 && row < 16;
            EXPECT_EQ(Find(image, 0, 310, outside, true), QRect(0, 0, drawn ? 10 : 310, 3 * line));
            if (!drawn)
                continue;
            const QRgb background = QColor(selected ? Qt::darkBlue : Qt::white).rgb();
            const QRect threshold = Find(image, 10, 10 + 7 * w, background);
            const QRect title = Find(image, 10 + 7 * w, 310, background);
            EXPECT_GT(threshold.right(), 10 + 6 * w);
            EXPECT_GE(title.left(), 10 + 8 * w);
            EXPECT_LT(title.left(), 10 + 9 * w);
            for (const QRect& ink : {threshold, title})
                EXPECT_LT(std::abs(ink.center().y() - 3 * line / 2), line / 2);
            // Glyph cores carry the pen colour itself, whatever antialiasing does at the edges.
            const QRgb pen = QColor(selected ? Qt::yellow : Qt::black).rgb();
            EXPECT_FALSE(Find(image, 10, 310, pen, true).isNull());
        }
}

} // namespace
