#include "editor/SkillComboBox.h"

#include <QAbstractItemView>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

const QStringList kItems = {"0",   "2",   "4",    "8",    "16",   "32",   "64",    "128",
                            "256", "512", "1024", "2048", "4096", "8192", "16384", "32768"};

class SkillComboBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pickerFont.setPixelSize(18);
        combo.Prepare(pickerFont, CSkillComboBox::SelectionFieldHeight(pickerFont));
    }

    QFont pickerFont;
    CSkillComboBox combo;
};

TEST_F(SkillComboBoxTest, PrepareAppendsTheSixteenItemsInPickerFont)
{
    ASSERT_EQ(combo.count(), 16);
    for (int i = 0; i < combo.count(); ++i)
        EXPECT_EQ(combo.itemText(i), kItems[i]);
    EXPECT_EQ(combo.height(), CSkillComboBox::SelectionFieldHeight(pickerFont));
    EXPECT_GE(combo.view()->sizeHintForRow(15), QFontMetrics(pickerFont).height());
}

TEST_F(SkillComboBoxTest, PickingARowLeavesItsThreshold)
{
    const std::pair<int, QString> cases[] = {{7, "128"}, {0, "0"}, {15, "32768"}};
    combo.show();
    for (const auto& [row, text] : cases) {
        combo.showPopup();
        combo.view()->setCurrentIndex(combo.model()->index(row, 0));
        QTest::keyClick(combo.view(), Qt::Key_Return);
        EXPECT_EQ(combo.currentText(), text);
        EXPECT_EQ(combo.lineEdit()->text(), text);
    }
}

TEST_F(SkillComboBoxTest, TypedTextStaysAsTyped)
{
    // "1" and "3" are prefixes of items, so any completion would show; the
    // edit field needs the focus for a completer to act.
    combo.show();
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

// Columns of ink in the item rectangle: pixels that differ from the background.
struct Ink
{
    int left = -1;
    int right = -1;
    int top = -1;
    int bottom = -1;
};

Ink FindInk(const QImage& image, int fromX, int toX, QRgb background)
{
    Ink ink;
    for (int x = fromX; x < toX; ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) == background)
                continue;
            ink.left = ink.left < 0 ? x : ink.left;
            ink.right = x;
            ink.top = ink.top < 0 ? y : std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

TEST_F(SkillComboBoxTest, DrawItemRightAlignsThresholdsAndStartsTitlesAfterAGap)
{
    const QRgb outside = qRgb(255, 0, 255);
    const QColor highlight(0, 0, 160);
    QStyleOptionViewItem option;
    option.font = combo.font();
    option.palette.setColor(QPalette::Base, Qt::white);
    option.palette.setColor(QPalette::Text, Qt::black);
    option.palette.setColor(QPalette::Highlight, highlight);
    option.palette.setColor(QPalette::HighlightedText, Qt::yellow);
    const int lineHeight = QFontMetrics(option.font).height();
    const int w = QFontMetrics(option.font).averageCharWidth();
    option.rect = QRect(10, 0, 300, 3 * lineHeight); // tall, so centring shows
    const int left = option.rect.left();
    const int centre = option.rect.height() / 2;

    for (const int row : {-1, 0, 7, 14, 15}) {
        for (const bool selected : {false, true}) {
            SCOPED_TRACE(testing::Message() << "row " << row << (selected ? " selected" : ""));
            option.state = selected ? QStyle::State_Selected : QStyle::State_None;
            QImage image(option.rect.right() + 1, option.rect.height(), QImage::Format_RGB32);
            image.fill(outside);
            QPainter painter(&image);
            combo.DrawItem(&painter, option, row);
            painter.end();

            if (row < 0) {
                EXPECT_EQ(FindInk(image, 0, image.width(), outside).left, -1);
                continue;
            }
            const QRgb background = selected ? highlight.rgb() : qRgb(255, 255, 255);
            EXPECT_EQ(image.pixel(left, 0), background);
            EXPECT_EQ(image.pixel(left - 1, 0), outside);
            const Ink threshold = FindInk(image, left, left + 7 * w, background);
            const Ink title = FindInk(image, left + 7 * w, image.width(), background);
            EXPECT_GT(threshold.right, left + 6 * w);
            EXPECT_LT(threshold.right, left + 7 * w);
            EXPECT_GE(title.left, left + 8 * w);
            EXPECT_LT(title.left, left + 9 * w);
            EXPECT_LT(std::abs((threshold.top + threshold.bottom) / 2 - centre), lineHeight / 2);
            EXPECT_LT(std::abs((title.top + title.bottom) / 2 - centre), lineHeight / 2);
        }
    }
}

TEST_F(SkillComboBoxTest, PopupListDrawsBothColumnsAndTheSelectedRow)
{
    combo.resize(300, combo.height()); // the list is as wide as the picker
    combo.show();
    combo.showPopup();
    QAbstractItemView* list = combo.view();
    const QModelIndex adept = combo.model()->index(7, 0);
    list->setCurrentIndex(adept);
    const QImage image = list->viewport()->grab().toImage();
    const QRect row = list->visualRect(adept);
    ASSERT_TRUE(image.rect().contains(row));
    const int w = QFontMetrics(pickerFont).averageCharWidth();
    const QRgb highlight = list->palette().color(QPalette::Highlight).rgb();

    const QImage rowImage = image.copy(row);
    EXPECT_EQ(rowImage.pixel(0, 0), highlight);
    EXPECT_GT(FindInk(rowImage, 0, 7 * w, highlight).right, 6 * w);
    EXPECT_GE(FindInk(rowImage, 7 * w, rowImage.width(), highlight).left, 8 * w);
}

} // namespace
