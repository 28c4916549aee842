// The editor as the desktop and assistive technology meet it: paths in the
// forms the desktop hands out, a file dropped on the window or named on the
// command line, and what a screen reader reads.
#include "editor/widgets/Announcer.h"
#include "editor/window/CommandLine.h"
#include "support/EditorFixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QDir>
#include <QLabel>
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

// The run of text attributes at an offset, as Orca asks for it to speak a
// field, and the field's labels (which Orca would say instead of its name).
std::tuple<int, int, qsizetype> RunAndLabels(QObject* object, int offset)
{
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(object);
    int start = -1, end = -1;
    field->textInterface()->attributes(offset, &start, &end);
    return {start, end, field->relations(QAccessible::Label).size()};
}

// What is announced is checked through AT-SPI (scripts/check-accessibility.sh):
// offscreen, Qt sends no accessibility events.
TEST_F(DesktopTest, AScreenReaderGetsNamedFieldsAndTheMapAsATable)
{
    LoadDemo();
    EXPECT_EQ(Name(Control(IDC_DIRECTION)), QStringLiteral("Dir"));
    EXPECT_EQ(Name(Control(IDC_PATH)), QStringLiteral("SRM file"));
    // Each value read whole, by its name alone.
    EXPECT_EQ(RunAndLabels(Control(IDC_HP_CUR), 1), std::tuple(0, 2, 0)) << "85";
    EXPECT_EQ(RunAndLabels(Combo(IDC_FIGHTER)->lineEdit(), 0), std::tuple(0, 4, 0)) << "1024";
    EXPECT_EQ(RunAndLabels(Control(IDC_DIRECTION), 0), std::tuple(0, 5, 0)) << "South";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Control(IDC_DIRECTION))->textInterface()->text(0, 5),
              QStringLiteral("South"));
    QAccessibleInterface* ranks = QAccessible::queryAccessibleInterface(Combo(IDC_FIGHTER)->view());
    EXPECT_EQ(ranks->tableInterface()->cellAt(7, 0)->text(QAccessible::Name), QStringLiteral("Adept, 128"));

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
    EXPECT_TRUE(map->relations(QAccessible::Label).isEmpty()) << "named by itself, not \"Map:\"";
}

// What Orca is told away from the focus: a move, a champion switch, a
// list's new value chosen by key, a notice; and nothing for a refused move
// or a change the window made itself.
TEST_F(DesktopTest, AScreenReaderHearsMovesSwitchesChoicesAndNotices)
{
    QStringList said;
    QObject::connect(&CAnnouncer::Of(m_dialog.get()), &CAnnouncer::said, [&](const QString& text) { said << text; });
    LoadDemo();
    m_dialog->activateWindow(); // focus moves only in the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_dialog.get()));
    auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    key(Qt::Key_M, Qt::AltModifier);
    ASSERT_TRUE(HasFocus(IDC_MAP));
    key(Qt::Key_Right);
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(Map())->tableInterface();
    EXPECT_TRUE(table->cellAt(3, 5)->state().focused);
    EXPECT_FALSE(table->cellAt(3, 4)->state().focused);
    key(Qt::Key_Return);
    EXPECT_EQ(std::pair(Text(IDC_X), Text(IDC_Y)), std::pair(QStringLiteral("5"), QStringLiteral("3")));
    Type(IDC_HP_CUR, QStringLiteral("abc"));
    key(Qt::Key_Right);
    key(Qt::Key_Space);
    EXPECT_EQ(Text(IDC_X), QStringLiteral("5")) << "a refused move";
    EXPECT_EQ(m_prompts.warnings.size(), 1);
    Type(IDC_HP_CUR, QStringLiteral("85"));
    key(Qt::Key_Tab, Qt::ControlModifier);
    Control(IDC_DIRECTION)->setFocus();
    key(Qt::Key_Down);
    Combo(IDC_DIRECTION)->setCurrentIndex(0); // from code: not told
    Click(IDC_SAVE);
    const QString notice = qobject_cast<QLabel*>(Control(IDC_NOTICE))->text();
    EXPECT_EQ(said, (QStringList{QStringLiteral("Level map, level 1, party at column 5, row 3"),
                                 QStringLiteral("Player 2"), QStringLiteral("North"), notice}));
    EXPECT_TRUE(notice.startsWith(QStringLiteral("Saved demo.srm at "))) << notice.toStdString();
    EXPECT_EQ(Control(IDC_RELOAD)->accessibleDescription(), notice) << "Reload is heard with its notice";
}
}
