// The editor as the desktop and assistive technology meet it: paths in the
// forms the desktop hands out, a file dropped on the window or named on the
// command line, and what a screen reader reads.
#include "editor/window/CommandLine.h"
#include "support/EditorFixture.h"

#include <QAccessible>
#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace
{
using DesktopTest = EditorFixture;

void Drop(QWidget* target, const QString& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPointF at(target->rect().center());
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

TEST_F(DesktopTest, ASaveArrivesInEveryFormTheDesktopHandsItOutAndLoads)
{
    const QString native = QDir::toNativeSeparators(m_savePath);
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"file URL", [&] { Load(QUrl::fromLocalFile(m_savePath).toString()); }},
        {"blanks", [&] { Load(QStringLiteral("  %1\t").arg(m_savePath)); }},
        {"Copy as path", [&] { Load(QStringLiteral("\"%1\"").arg(native)); }},
        {"localhost URL", [&] { Load(QStringLiteral("file://localhost") + QUrl::fromLocalFile(m_savePath).path()); }},
        {"terminal's quotes", [&] { Load(QStringLiteral("'%1'").arg(m_savePath)); }},
        {"home", [&] { Load(QStringLiteral("~/") + QDir::home().relativeFilePath(m_savePath)); }},
        {"drop on the field", [&] { Drop(Control(IDC_PATH), m_savePath); }},
        {"drop on a label", [&] { Drop(Control(IDC_PATH)->parentWidget(), m_savePath); }},
        {"command line", [&] { m_dialog->OpenFile(StartFileArgument({QStringLiteral("dungeon-ledger"), m_savePath})); }},
    };
    for (const auto& [way, hand] : ways) {
        Type(IDC_PATH, QString());
        Type(IDC_HP_CUR, QStringLiteral("0"));
        hand();
        EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("85")) << way;
        EXPECT_EQ(Text(IDC_PATH), native) << way;
    }
    EXPECT_TRUE(m_prompts.warnings.isEmpty()) << m_prompts.warnings.join('\n').toStdString();
    EXPECT_EQ(StartFileArgument({QStringLiteral("dungeon-ledger")}), QString());
    Load(QStringLiteral("  "));
    EXPECT_EQ(m_prompts.warnings, QStringList(QStringLiteral("Choose a save file first: type its path or press Browse.")));
}

QString Name(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

// What is announced is checked through AT-SPI (scripts/check-accessibility.sh):
// offscreen, Qt sends no accessibility events.
TEST_F(DesktopTest, AScreenReaderGetsNamedFieldsAndTheMapAsATable)
{
    LoadDemo();
    EXPECT_EQ(Name(Control(IDC_HP_CUR)), QStringLiteral("HP current, Player 1"));
    EXPECT_EQ(Name(Control(IDC_FIGHTER)), QStringLiteral("FIGHTER experience, Player 1"));
    EXPECT_EQ(Name(Control(IDC_DIRECTION)), QStringLiteral("Dir"));
    EXPECT_EQ(Name(Control(IDC_PATH)), QStringLiteral("SRM file"));
    ClickTab(1);
    EXPECT_EQ(Name(Control(IDC_STRENGTH_MAX)), QStringLiteral("Strength maximum, Player 2"));

    QAccessibleInterface* map = QAccessible::queryAccessibleInterface(Map());
    ASSERT_EQ(map->role(), QAccessible::Table);
    EXPECT_EQ(map->text(QAccessible::Name), QStringLiteral("Level map, level 1, party at column 4, row 3"));
    QAccessibleTableInterface* table = map->tableInterface();
    EXPECT_EQ(std::pair(table->columnCount(), table->rowCount()), std::pair(18, 19));
    EXPECT_EQ(table->cellAt(3, 4)->text(QAccessible::Name), QStringLiteral("column 4, row 3, open, party"));
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("column 0, row 0, wall"));
    table->cellAt(5, 7)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(std::pair(Text(IDC_X), Text(IDC_Y)), std::pair(QStringLiteral("7"), QStringLiteral("5")));
    EXPECT_EQ(table->selectedCells().value(0), table->cellAt(5, 7)) << "one interface per cell";
    EXPECT_EQ(table->cellAt(0, 8)->text(QAccessible::Name), QStringLiteral("column 8, row 0, wall"));
    EXPECT_EQ(table->cellAt(1, 2)->text(QAccessible::Name), QStringLiteral("column 2, row 1, wall"));
    Combo(IDC_LEVEL)->setCurrentIndex(13); // a new level brings new cells
    EXPECT_EQ(std::pair(table->columnCount(), table->rowCount()), std::pair(20, 11));
    EXPECT_EQ(table->cellAt(0, 8)->text(QAccessible::Name), QStringLiteral("column 8, row 0, open"));
    EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("column 0, row 1, wall"));
}
}
