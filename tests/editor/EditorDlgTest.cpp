#include "editor/EditorDlg.h"
#include "editor/LevelMapView.h"
#include "resources/ControlIds.h"
#include "support/EditorFixture.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace
{
const QString kNotANumber = QStringLiteral("正の整数を入力してください。");
const QString kByteRange = QStringLiteral("0から255までの整数を入力してください。");
const QString kWordRange = QStringLiteral("0から65535までの整数を入力してください。");
const char* const kLongZeroPadded70000 = "000000000000000000000000000000070000";

using EditorDlgTest = EditorFixture;

TEST_F(EditorDlgTest, StartsEmptyWithFocusInThePathField)
{
    EXPECT_EQ(m_dialog->windowTitle(), QStringLiteral("EDITING DUNGEON MASTER's SRM DATA"));
    EXPECT_EQ(m_dialog->windowIcon().availableSizes(), (QList<QSize>{QSize(32, 32), QSize(16, 16)}));
    EXPECT_EQ(QApplication::focusWidget(), Edit(IDC_PATH));
    EXPECT_EQ(Text(IDC_X), QStringLiteral("0"));
    EXPECT_EQ(Text(IDC_PLAYERS), QStringLiteral("0"));
    EXPECT_EQ(Text(IDC_DIRECTION), QStringLiteral("East"));
    EXPECT_EQ(Text(IDC_LEVEL), QStringLiteral("1"));
    EXPECT_EQ(Text(IDC_WIZARD), QStringLiteral("0"));
    ASSERT_EQ(Tabs()->count(), 4);
    EXPECT_EQ(Tabs()->tabText(3), QStringLiteral("Player 4"));
    EXPECT_EQ(Combo(IDC_FIGHTER)->count(), 16);
}

TEST_F(EditorDlgTest, TabKeyFollowsTheLayoutOrderSkippingTabsAndMap)
{
    const std::vector<int> expected = {
        IDC_BROWSE,        IDC_LOAD,          IDC_SAVE,          IDC_PLAYERS,       IDC_X,
        IDC_Y,             IDC_DIRECTION,     IDC_HP_CUR,        IDC_HP_MAX,        IDC_STAMINA_CUR,
        IDC_STAMINA_MAX,   IDC_MANA_CUR,      IDC_MANA_MAX,      IDC_FOOD,          IDC_WATER,
        IDC_STRENGTH_CUR,  IDC_STRENGTH_MAX,  IDC_DEXTERITY_CUR, IDC_DEXTERITY_MAX, IDC_WISDOM_CUR,
        IDC_WISDOM_MAX,    IDC_VITALITY_CUR,  IDC_VITALITY_MAX,  IDC_ANTIMAGIC_CUR, IDC_ANTIMAGIC_MAX,
        IDC_ANTIFIRE_CUR,  IDC_ANTIFIRE_MAX,  IDC_FIGHTER,       IDC_NINJA,         IDC_PRIEST,
        IDC_WIZARD,        IDC_LEVEL,         IDC_PATH};
    std::vector<int> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        int id = 0;
        for (int candidate = IDC_PATH; candidate <= IDC_MAP; ++candidate) {
            QWidget* control = m_dialog->GetDlgItem(candidate);
            if (control && (control == focus || control->isAncestorOf(focus)))
                id = candidate;
        }
        visited.push_back(id);
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(EditorDlgTest, LoadShowsTheSaveAndItsMap)
{
    LoadDemo();
    EXPECT_EQ(Text(IDC_PLAYERS), QStringLiteral("4"));
    EXPECT_EQ(Combo(IDC_PLAYERS)->currentIndex(), 3);
    EXPECT_EQ(Text(IDC_X), QStringLiteral("4"));
    EXPECT_EQ(Text(IDC_Y), QStringLiteral("3"));
    EXPECT_EQ(Text(IDC_DIRECTION), QStringLiteral("South"));
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("85"));
    EXPECT_EQ(Text(IDC_ANTIFIRE_MAX), QStringLiteral("40"));
    EXPECT_EQ(Text(IDC_FIGHTER), QStringLiteral("1024"));
    EXPECT_EQ(Combo(IDC_FIGHTER)->currentIndex(), 10);
    EXPECT_TRUE(Map()->m_bLayoutValid);
    EXPECT_EQ(Map()->m_nSelCol, 4);
    EXPECT_EQ(Map()->m_nSelRow, 3);

    ClickTab(2); // a value that is no rank threshold shows as typed text
    EXPECT_EQ(Text(IDC_WIZARD), QStringLiteral("1500"));
    EXPECT_EQ(Text(IDC_PRIEST), QStringLiteral("4096"));
}

TEST_F(EditorDlgTest, EditsOnTwoTabsReachOnlyTheirBytes)
{
    LoadDemo();
    const QByteArray before = ReadAll(m_savePath);
    Type(IDC_HP_CUR, QStringLiteral("99"));
    ClickTab(1);
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("64"));
    Type(IDC_STRENGTH_CUR, QStringLiteral("60"));
    Combo(IDC_NINJA)->setCurrentIndex(7); // "Adept"
    ClickTab(0);
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("99"));
    Click(IDC_SAVE);
    EXPECT_TRUE(m_prompts.warnings.isEmpty());

    const std::vector<int> expected = {1060, 1859 + 21, 1859 + 48, 1859 + 49};
    const QByteArray after = ReadAll(m_savePath);
    EXPECT_EQ(ChangedPositions(before, after), expected);
    EXPECT_EQ(static_cast<unsigned char>(after[1060]), 99);
    EXPECT_EQ(static_cast<unsigned char>(after[1859 + 21]), 60);
    EXPECT_EQ(static_cast<unsigned char>(after[1859 + 48]), 128);
}

TEST_F(EditorDlgTest, FirstBadFieldInExchangeOrderIsReportedAndFocused)
{
    Type(IDC_HP_CUR, QStringLiteral("abc"));
    Type(IDC_ANTIFIRE_CUR, QStringLiteral("7a"));
    Click(IDC_LOAD);
    ASSERT_EQ(m_prompts.warnings, QStringList{kNotANumber});
    EXPECT_EQ(QApplication::focusWidget(), Edit(IDC_ANTIFIRE_CUR));
    EXPECT_EQ(Edit(IDC_ANTIFIRE_CUR)->selectedText(), QStringLiteral("7a"));
}

struct RefusalCase
{
    int id;
    const char* text;
    const QString* message;
};

void PrintTo(const RefusalCase& c, std::ostream* out)
{
    *out << c.id << " '" << c.text << "'";
}

class RefusalTest : public EditorDlgTest, public ::testing::WithParamInterface<RefusalCase>
{
};

TEST_P(RefusalTest, ValueThatDoesNotFitIsRefusedWithFocus)
{
    const RefusalCase& c = GetParam();
    LoadDemo();
    const QByteArray before = ReadAll(m_savePath);
    Type(c.id, QString::fromUtf8(c.text));
    Click(IDC_SAVE);
    ASSERT_EQ(m_prompts.warnings, QStringList{*c.message});
    EXPECT_EQ(ReadAll(m_savePath), before);
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus == m_dialog->GetDlgItem(c.id) || focus->parentWidget() == m_dialog->GetDlgItem(c.id));
}

INSTANTIATE_TEST_SUITE_P(Fields, RefusalTest,
                         ::testing::Values(RefusalCase{IDC_STRENGTH_CUR, "256", &kByteRange},
                                           RefusalCase{IDC_WISDOM_MAX, "300", &kByteRange},
                                           RefusalCase{IDC_HP_CUR, "65536", &kWordRange},
                                           RefusalCase{IDC_X, "99999999999", &kWordRange},
                                           RefusalCase{IDC_FIGHTER, "70000", &kWordRange},
                                           RefusalCase{IDC_FIGHTER, kLongZeroPadded70000, &kWordRange},
                                           RefusalCase{IDC_PLAYERS, kLongZeroPadded70000, &kWordRange},
                                           RefusalCase{IDC_WIZARD, "abc", &kNotANumber},
                                           RefusalCase{IDC_PLAYERS, "-1", &kNotANumber},
                                           RefusalCase{IDC_FOOD, "", &kNotANumber}),
                         [](const auto& info) {
                             return "Control" + std::to_string(info.param.id) + "Case" + std::to_string(info.index);
                         });

TEST_F(EditorDlgTest, RefusedTabChangeKeepsTheEdits)
{
    LoadDemo();
    Type(IDC_HP_CUR, QStringLiteral("123"));
    Type(IDC_MANA_CUR, QStringLiteral("lots"));
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) // they change no tab
        QTest::mouseClick(Tabs(), button, {}, Tabs()->tabRect(1).center());
    ClickTab(1);
    ASSERT_EQ(m_prompts.warnings, QStringList{kNotANumber});
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), Edit(IDC_MANA_CUR));
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("123"));

    Type(IDC_MANA_CUR, QStringLiteral("5"));
    ClickTab(1);
    EXPECT_EQ(Tabs()->currentIndex(), 1);
    ClickTab(0);
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("123"));
    EXPECT_EQ(Text(IDC_MANA_CUR), QStringLiteral("5"));
}

TEST_F(EditorDlgTest, CtrlTabAndCtrlPageKeysChangeTabsThroughTheSameCheck)
{
    LoadDemo();
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int tab;
    } steps[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 1},
        {Qt::Key_PageDown, Qt::ControlModifier, 2},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 1},
        {Qt::Key_PageUp, Qt::ControlModifier, 0},
        {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 3},
    };
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
        EXPECT_EQ(Tabs()->currentIndex(), step.tab);
    }
    QTest::keyClick(Edit(IDC_HP_CUR), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("85"));

    Type(IDC_MANA_CUR, QStringLiteral("lots"));
    QTest::keyClick(Edit(IDC_HP_CUR), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(m_prompts.warnings, QStringList{kNotANumber});
    EXPECT_EQ(Tabs()->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), Edit(IDC_MANA_CUR));
}

TEST_F(EditorDlgTest, MapClickMovesTheParty)
{
    LoadDemo();
    const CellRect cell = Map()->m_rcCells[5][7];
    const QPoint origin = Map()->contentsRect().topLeft();
    QTest::mouseClick(Map(), Qt::LeftButton, {}, origin + QPoint(cell.left + 1, cell.top + 1));
    EXPECT_EQ(Text(IDC_X), QStringLiteral("7"));
    EXPECT_EQ(Text(IDC_Y), QStringLiteral("5"));
    EXPECT_EQ(m_dialog->Record().party.x, 7);
}

TEST_F(EditorDlgTest, LevelChangeClearsTheSelectionButKeepsThePosition)
{
    LoadDemo();
    Combo(IDC_LEVEL)->setCurrentIndex(12);
    EXPECT_EQ(Map()->m_nLevel, 12u);
    EXPECT_EQ(Map()->m_nSelCol, -1);
    EXPECT_EQ(Map()->m_nSelRow, -1);
    EXPECT_EQ(m_dialog->Record().party.level, 12);
    EXPECT_EQ(Text(IDC_X), QStringLiteral("4"));
}

TEST_F(EditorDlgTest, EnterChecksButNeverClosesAndEscapeCloses)
{
    Type(IDC_PATH, m_savePath);
    QTest::keyClick(Edit(IDC_PATH), Qt::Key_Return);
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_TRUE(m_prompts.warnings.isEmpty());
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("0")) << "Enter in a field is no Load";
    m_dialog->GetDlgItem(IDC_LOAD)->setFocus();
    QTest::keyClick(m_dialog->GetDlgItem(IDC_LOAD), Qt::Key_Return); // a focused button is clicked
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("85"));

    Type(IDC_Y, QStringLiteral("x"));
    QTest::keyClick(Edit(IDC_HP_MAX), Qt::Key_Enter);
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_EQ(m_prompts.warnings, QStringList{kNotANumber});
    EXPECT_EQ(QApplication::focusWidget(), Edit(IDC_Y));

    QTest::keyClick(Edit(IDC_Y), Qt::Key_Escape);
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(m_dialog->result(), QDialog::Rejected);
}

TEST_F(EditorDlgTest, SaveBeforeLoadWritesNothing)
{
    const QByteArray before = ReadAll(m_savePath);
    Type(IDC_PATH, m_savePath);
    Type(IDC_HP_CUR, QStringLiteral("7"));
    Click(IDC_SAVE);
    EXPECT_EQ(m_prompts.warnings, QStringList{CEditorDlg::kLoadFirstMessage});
    EXPECT_EQ(ReadAll(m_savePath), before);
}

TEST_F(EditorDlgTest, UnlistedDirectionAndLevelSurviveASave)
{
    QByteArray image = ReadAll(m_savePath);
    image[16] = 7;  // direction
    image[18] = 20; // level
    WriteAll(m_savePath, image);
    LoadDemo();
    EXPECT_EQ(Combo(IDC_DIRECTION)->currentIndex(), -1);
    EXPECT_EQ(Combo(IDC_LEVEL)->currentIndex(), -1);
    EXPECT_FALSE(Map()->m_bLayoutValid);
    Click(IDC_SAVE);
    EXPECT_TRUE(m_prompts.warnings.isEmpty());
    EXPECT_EQ(ReadAll(m_savePath), image);
}

TEST_F(EditorDlgTest, FailedLoadIsShownAndChangesNothing)
{
    const QString missing = m_dir.filePath(QStringLiteral("missing.srm"));
    Type(IDC_PATH, missing);
    Click(IDC_LOAD);
    ASSERT_EQ(m_prompts.warnings.size(), 1);
    EXPECT_TRUE(m_prompts.warnings[0].startsWith("Cannot load '" + missing + "': "));
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("0"));
    EXPECT_FALSE(Map()->m_bLayoutValid);
}

TEST_F(EditorDlgTest, BrowseFillsThePathOnlyWhenTheFormIsValid)
{
    m_prompts.nextChoice = m_savePath;
    Type(IDC_WATER, QStringLiteral("-3"));
    Click(IDC_BROWSE);
    EXPECT_EQ(m_prompts.fileDialogsOpened, 0);
    EXPECT_EQ(Text(IDC_PATH), QString());

    Type(IDC_WATER, QStringLiteral("3"));
    Click(IDC_BROWSE);
    EXPECT_EQ(m_prompts.fileDialogsOpened, 1);
    EXPECT_EQ(Text(IDC_PATH), m_savePath);

    m_prompts.nextChoice.reset(); // cancelled
    Click(IDC_BROWSE);
    EXPECT_EQ(Text(IDC_PATH), m_savePath);
    EXPECT_EQ(m_prompts.lastInitialPath, m_savePath);
}
}
