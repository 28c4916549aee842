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

TEST_F(SkillComboBoxTest, ListsTheRanksAndKeepsAPickedOrTypedText)
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
    combo.showPopup();
    combo.view()->setCurrentIndex(combo.model()->index(7, 0));
    QTest::keyClick(combo.view(), Qt::Key_Return);
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

TEST_F(SkillComboBoxTest, DrawItemRightAlignsThresholdsAndStartsTitlesAfterAGap)
{
    const QRgb outside = qRgb(255, 0, 255);
    QStyleOptionViewItem option;
    option.font = font;
    option.rect = QRect(10, 0, 300, QFontMetrics(font).height());
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
            EXPECT_EQ(Find(image, 0, 310, outside, true), QRect(0, 0, drawn ? 10 : 310, image.height()));
            if (!drawn)
                continue;
            const QRgb background = option.palette.color(selected ? QPalette::Highlight : QPalette::Base).rgb();
            EXPECT_EQ(image.pixel(10, 0), background);
            EXPECT_GT(Find(image, 10, 10 + 7 * w, background).right(), 10 + 6 * w); // threshold, right-aligned
            const QRect title = Find(image, 10 + 7 * w, 310, background);
            EXPECT_GE(title.left(), 10 + 8 * w);
            EXPECT_LT(title.left(), 10 + 9 * w);
        }
}

} // namespace
