// The editor window as a user drives it: every field through its own
// control into its own bytes, the checks on input, the tabs, the map and
// the commands.
#include "editor/form/FieldTexts.h"
#include "editor/window/ControlNames.h"
#include "editor/window/EditMarks.h"
#include "support/EditorFixture.h"

#include <QDir>
#include <QWheelEvent>

#include <functional>

namespace
{
const QString kManaRefused = QStringLiteral("Mana current, Player 1: enter a whole number from 0 to 65535.");

using FormTest = EditorFixture;

TEST_F(FormTest, StartsEmpty)
{
    EXPECT_EQ(m_dialog->windowIcon().availableSizes(), (QList<QSize>{QSize(32, 32), QSize(16, 16)}));
    EXPECT_TRUE(HasFocus(IDC_PATH));
    for (const int id : {IDC_X, IDC_HP_CUR, IDC_ANTIFIRE_MAX, IDC_PLAYERS, IDC_WIZARD})
        EXPECT_EQ(Text(id), QStringLiteral("0")) << id;
    EXPECT_EQ(Combo(IDC_PLAYERS)->currentIndex(), -1) << "no item is \"0\"";
    EXPECT_EQ(Text(IDC_DIRECTION) + Text(IDC_LEVEL), QStringLiteral("East1"));
}

// Tab follows the screen: the party's column, then the map beside it,
// then the champion's fields.
TEST_F(FormTest, TabKeyFollowsTheScreenOrderSkippingTheTabs)
{
    const int expected[] = {IDC_BROWSE,        IDC_LOAD,          IDC_SAVE,         IDC_PLAYERS,      IDC_X,
                            IDC_Y,             IDC_DIRECTION,     IDC_LEVEL,        IDC_MAP,          IDC_HP_CUR,
                            IDC_HP_MAX,        IDC_STAMINA_CUR,   IDC_STAMINA_MAX,  IDC_MANA_CUR,     IDC_MANA_MAX,
                            IDC_FOOD,          IDC_WATER,         IDC_STRENGTH_CUR, IDC_STRENGTH_MAX, IDC_DEXTERITY_CUR,
                            IDC_DEXTERITY_MAX, IDC_WISDOM_CUR,    IDC_WISDOM_MAX,   IDC_VITALITY_CUR, IDC_VITALITY_MAX,
                            IDC_ANTIMAGIC_CUR, IDC_ANTIMAGIC_MAX, IDC_ANTIFIRE_CUR, IDC_ANTIFIRE_MAX, IDC_FIGHTER,
                            IDC_NINJA,         IDC_PRIEST,        IDC_WIZARD,       IDC_PATH};
    for (const int id : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(HasFocus(id)) << "expected " << id;
    }
}

// The field table as the user meets it. Each of the 101 fields gets its own
// value through its own control, on tabs left by a click and by a change
// from code, and is marked, with those typed before it and no other: a mark
// compared against another field's or another champion's value, or put on
// another control, shows. Save must put exactly those values into exactly
// their bytes, Load show them again, and every use name the field alike.
TEST_F(FormTest, EveryFieldHasItsControlItsBytesItsMarkAndOneName)
{
    LoadDemo();
    const Bytes before = ReadAll(m_savePath);
    std::array<std::int32_t, SaveFormat::kFieldCount> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<std::int32_t>(SaveFormat::Fields()[i].width == 1 ? 20 + i : 1000 + 37 * i);
    values[3] = 3; // direction "North"
    values[4] = 5; // level "6"
    const auto valueText = [&](std::size_t i) { return QString::number(values[i]); };
    const auto showChampion = [&](int champion) {
        if (champion % 2)
            ClickTab(champion);
        else
            qobject_cast<QTabWidget*>(Control(IDC_TAB))->setCurrentIndex(champion);
        ASSERT_EQ(Tabs()->currentIndex(), champion);
    };
    const auto marked = [&] {
        std::vector<int> ids;
        for (const auto& [id, name] : kLaidOut)
            if (Control(id)->accessibleDescription() == CEditMarks::kEditedDescription)
                ids.push_back(id);
        return ids;
    };
    const auto index = [](int champion, std::size_t field) { return field + (field < 5 ? 0 : 24 * champion); };
    std::vector<int> typed; // on the tab shown
    const auto enter = [&](int champion, std::size_t m) {
        const int id = kLaidOut[m].first;
        if (m == 3 || m == 4)
            Combo(id)->setCurrentIndex(values[m]);
        else
            Type(id, valueText(index(champion, m)));
        typed.push_back(id);
        EXPECT_EQ(marked(), typed) << "champion " << champion << ", control " << id;
    };

    for (std::size_t p = 0; p < 5; ++p)
        enter(0, p);
    for (int champion : {0, 1, 2, 3}) {
        showChampion(champion);
        typed.resize(5); // the party's
        for (std::size_t m = 5; m < kLaidOut.size(); ++m)
            enter(champion, m);
    }
    showChampion(1);
    Click(IDC_SAVE);
    EXPECT_TRUE(m_prompts.warnings.isEmpty() && m_prompts.questions.isEmpty() && marked().empty());
    const Bytes after = ReadAll(m_savePath);
    EXPECT_EQ(ChangedPositions(SaveFormat::Encode(before, 0, SaveFormat::Record(values)), after), std::vector<int>{})
        << "bytes that differ from the values typed";

    Load(Copy(QStringLiteral("original.srm"), before)); // other values everywhere, then the saved ones
    LoadDemo();
    // Each field shown with its own value, and named by its label and
    // champion alike for screen readers, in messages, questions and notices.
    for (int champion : {0, 1, 2, 3}) {
        showChampion(champion);
        for (std::size_t m = 0; m < kLaidOut.size(); ++m) {
            const int id = kLaidOut[m].first;
            const QString value = m == 3 || m == 4 ? Combo(id)->itemText(values[m]) : valueText(index(champion, m));
            EXPECT_EQ(Text(id), value) << "champion " << champion << ", control " << id;
            const QString name = kLaidOut[m].second + (m < 5 ? QString() : QStringLiteral(", Player %1").arg(champion + 1));
            EXPECT_EQ(Control(id)->accessibleName(), name);
            EXPECT_EQ(FieldName(index(champion, m)), name);
        }
    }
}

// Every item of the three lists, chosen and saved, is the value its text
// means (players 1 to 4, levels 1 to 14 kept from 0), and loaded shows that
// item again: two items exchanged, or an item read as another, show here.
TEST_F(FormTest, EveryListItemIsWrittenAndReadBackAsItself)
{
    LoadDemo();
    // Players, direction (named items: the round trip only) and level, by
    // their record index, and what an item's text counts from.
    for (const auto& [field, offset] : {std::pair(0, 0), std::pair(3, -1), std::pair(4, 1)}) {
        const int id = kLaidOut[field].first;
        for (int item = 0; item < Combo(id)->count(); ++item) {
            const QString text = Combo(id)->itemText(item);
            Combo(id)->setCurrentIndex(item);
            Click(IDC_SAVE);
            const std::int32_t saved = SaveFormat::Values(SaveFormat::Decode(ReadAll(m_savePath), 0))[field];
            EXPECT_EQ(saved, offset < 0 ? item : text.toInt() - offset) << id << " " << text.toStdString();
            Combo(id)->setCurrentIndex((item + 1) % Combo(id)->count());
            Click(IDC_LOAD);
            EXPECT_EQ(Text(id), text) << id;
        }
    }
    EXPECT_TRUE(m_prompts.warnings.isEmpty() && m_prompts.questions.isEmpty());
}

// A read checks the numbers in this order, each against the largest value
// its place in the file holds; it stops at the first one that does not fit,
// however many zeros hide its size, and the field gets the focus.
TEST_F(FormTest, EveryNumberIsCheckedInExchangeOrderAgainstItsFieldsWidth)
{
    const int order[] = {IDC_ANTIFIRE_CUR, IDC_ANTIFIRE_MAX,  IDC_ANTIMAGIC_CUR, IDC_ANTIMAGIC_MAX, IDC_DEXTERITY_CUR,
                         IDC_DEXTERITY_MAX, IDC_HP_CUR,       IDC_HP_MAX,        IDC_MANA_CUR,      IDC_MANA_MAX,
                         IDC_STAMINA_CUR,  IDC_STAMINA_MAX,   IDC_STRENGTH_CUR,  IDC_STRENGTH_MAX,  IDC_VITALITY_CUR,
                         IDC_VITALITY_MAX, IDC_FOOD,          IDC_WATER,         IDC_WISDOM_CUR,    IDC_WISDOM_MAX,
                         IDC_X,            IDC_Y,             IDC_FIGHTER,       IDC_NINJA,         IDC_PRIEST,
                         IDC_WIZARD,       IDC_PLAYERS};
    const auto largest = [](int id) {
        const auto field = std::find_if(kLaidOut.begin(), kLaidOut.end(), [id](const auto& f) { return f.first == id; });
        return SaveFormat::Fields().at(static_cast<std::size_t>(field - kLaidOut.begin())).width == 1 ? 255 : 65535;
    };
    QStringList expected;
    for (const int id : order)
        Type(id, QString(40, u'0') + QString::number(largest(id) + 1));
    for (const int id : order) {
        EXPECT_FALSE(m_dialog->UpdateData(true));
        EXPECT_TRUE(HasFocus(id)) << "expected " << id;
        expected << QStringLiteral("%1: enter a whole number from 0 to %2.").arg(ControlFieldName(id, 0)).arg(largest(id));
        Type(id, QString::number(largest(id)));
    }
    EXPECT_TRUE(m_dialog->UpdateData(true));
    EXPECT_EQ(m_prompts.warnings, expected);
}

TEST_F(FormTest, TabsChangeByClickAndKeysButABadFieldKeepsTheTab)
{
    LoadDemo();
    Type(IDC_HP_CUR, QStringLiteral("123"));
    Type(IDC_MANA_CUR, QStringLiteral("lots"));
    ClickTab(1, Qt::RightButton); // other buttons change no tab and check nothing
    ClickTab(1, Qt::MiddleButton);
    EXPECT_TRUE(m_prompts.warnings.isEmpty());
    const std::function<void()> ways[] = {
        [&] { ClickTab(1); }, [&] { QTest::keyClick(Edit(IDC_HP_CUR), Qt::Key_Tab, Qt::ControlModifier); },
        [&] { QTest::keyClick(Edit(IDC_HP_CUR), Qt::Key_PageUp, Qt::ControlModifier); },
        [&] { qobject_cast<QTabWidget*>(Control(IDC_TAB))->setCurrentIndex(2); }};
    for (const auto& leave : ways) {
        leave();
        EXPECT_EQ(Tabs()->currentIndex(), 0);
        EXPECT_TRUE(HasFocus(IDC_MANA_CUR));
    }
    EXPECT_EQ(m_prompts.warnings, QStringList(std::size(ways), kManaRefused));

    Type(IDC_MANA_CUR, QStringLiteral("5"));
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Tab, ctrl}, {Qt::Key_PageDown, ctrl}, {Qt::Key_Backtab, ctrlShift}, {Qt::Key_PageUp, ctrl},
        {Qt::Key_Tab, ctrlShift}};
    std::vector<int> tabs;
    for (const auto& [key, modifiers] : keys) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        tabs.push_back(Tabs()->currentIndex());
    }
    EXPECT_EQ(tabs, (std::vector<int>{1, 2, 1, 0, 3}));
    ClickTab(0);
    EXPECT_EQ(Text(IDC_HP_CUR) + " " + Text(IDC_MANA_CUR), QStringLiteral("123 5"));
}

// After every kind of action the map marks, on the level the list shows,
// the cell that x and y show; a refused action moves none of them.
TEST_F(FormTest, MapListAndFieldsAgreeAfterEveryAction)
{
    auto clickCell = [this](int col, int row) {
        const CellRect cell = Map()->CellRectAt(col, row);
        QTest::mouseClick(Map(), Qt::LeftButton, {}, Map()->contentsRect().topLeft() + QPoint(cell.left, cell.top));
    };
    auto typeCell = [this](int x, int y) {
        Type(IDC_X, QString::number(x));
        Type(IDC_Y, QString::number(y));
    };
    const std::tuple<const char*, std::function<void()>, QPoint, int, int> steps[] = {
        {"load", [&] { LoadDemo(); }, {4, 3}, 0, 0},
        {"map click", [&] { clickCell(7, 5); }, {7, 5}, 0, 0},
        {"Enter", [&] { typeCell(2, 6); QTest::keyClick(Edit(IDC_HP_MAX), Qt::Key_Return); }, {2, 6}, 0, 0},
        {"level change", [&] { Combo(IDC_LEVEL)->setCurrentIndex(12); }, {2, 6}, 12, 0},
        {"tab change", [&] { typeCell(9, 9); ClickTab(1); }, {9, 9}, 12, 0},
        {"x alone", [&] { Type(IDC_X, QStringLiteral("3")); ClickTab(0); }, {3, 9}, 12, 0},
        {"y alone", [&] { Type(IDC_Y, QStringLiteral("4")); ClickTab(1); }, {3, 4}, 12, 0},
        {"x back", [&] { Type(IDC_X, QStringLiteral("9")); Type(IDC_Y, QStringLiteral("9")); ClickTab(0); }, {9, 9}, 12, 0},
        {"level back", [&] { Combo(IDC_LEVEL)->setCurrentIndex(0); }, {9, 9}, 0, 0},
        {"refused click", [&] { Type(IDC_HP_CUR, QStringLiteral("abc")); clickCell(10, 8); }, {9, 9}, 0, 1},
        {"refused level", [&] { Combo(IDC_LEVEL)->setCurrentIndex(4); }, {9, 9}, 0, 2},
        {"save", [&] { Type(IDC_HP_CUR, QStringLiteral("1")); Click(IDC_SAVE); }, {9, 9}, 0, 2},
    };
    for (const auto& [action, act, cell, level, warnings] : steps) {
        act();
        EXPECT_EQ(Map()->SelectedCell(), cell) << action;
        EXPECT_EQ(QPoint(Text(IDC_X).toInt(), Text(IDC_Y).toInt()), cell) << action;
        EXPECT_EQ(Map()->Level(), static_cast<std::uint32_t>(level)) << action;
        EXPECT_EQ(Combo(IDC_LEVEL)->currentIndex(), level) << action;
        EXPECT_EQ(m_prompts.warnings.size(), warnings) << action;
    }
    const Bytes file = ReadAll(m_savePath);
    const PartyState saved = SaveFormat::Decode(file, SaveFormat::Base(file).value_or(0)).party;
    EXPECT_EQ(std::tuple(saved.x, saved.y, saved.level), std::tuple(9, 9, 0));
}

TEST_F(FormTest, KeysGiveTheCommandsAndReachTheFields)
{
    auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    auto savedHp = [this] {
        const Bytes file = ReadAll(m_savePath);
        return SaveFormat::Decode(file, SaveFormat::Base(file).value_or(0)).champions[0].hpCurrent;
    };
    m_prompts.nextChoice = m_savePath;
    key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Text(IDC_PATH), m_savePath);
    key(Qt::Key_Return); // in the path field: Load
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("85"));
    Type(IDC_HP_CUR, QStringLiteral("7"));
    Control(IDC_LOAD)->setFocus();
    key(Qt::Key_Return); // on a button: its click
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("85"));

    const std::pair<Qt::Key, int> accessKeys[] = {
        {Qt::Key_G, IDC_STRENGTH_CUR}, {Qt::Key_X, IDC_X}, {Qt::Key_V, IDC_LEVEL}, {Qt::Key_F, IDC_PATH}};
    for (const auto& [letter, id] : accessKeys) {
        key(letter, Qt::AltModifier);
        EXPECT_TRUE(HasFocus(id)) << id;
    }
    Type(IDC_HP_CUR, QStringLiteral("99"));
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(savedHp(), 99);
    for (const auto& [load, modifiers] : {std::pair(Qt::Key_F5, Qt::NoModifier), std::pair(Qt::Key_L, Qt::AltModifier)}) {
        Type(IDC_HP_CUR, QStringLiteral("7"));
        key(load, modifiers);
        // An access key clicks its button the way a click looks: a moment later.
        EXPECT_TRUE(QTest::qWaitFor([&] { return Text(IDC_HP_CUR) == QStringLiteral("99"); })) << load;
    }
    Type(IDC_HP_CUR, QStringLiteral("98"));
    key(Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return savedHp() == 98; }));

    key(Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(Tabs()->currentIndex(), 2);

    Type(IDC_Y, QStringLiteral("x"));
    QTest::keyClick(Edit(IDC_HP_MAX), Qt::Key_Enter);
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_EQ(m_prompts.warnings.size(), 1);
    EXPECT_TRUE(HasFocus(IDC_Y));
    key(Qt::Key_Escape); // an edit not saved: Keep editing, as Escape answers
    EXPECT_TRUE(m_dialog->isVisible());
    m_prompts.answers = QStringList{QStringLiteral("Discard")};
    key(Qt::Key_Escape);
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(m_dialog->result(), QDialog::Rejected);
    EXPECT_EQ(m_prompts.questions, QStringList(2, QStringLiteral("Your edits are not saved. Close the editor and discard them?")));
}

// Escape and the close box ask before edits not saved are lost, Keep
// editing the default answer; with nothing to lose the window closes at
// once. A value that does not read is an edit, and is not refused on the way.
TEST_F(FormTest, ClosingAsksOnlyWhenEditsWouldBeLost)
{
    const auto close = [this](const std::function<void()>& edit, const QString& answer, bool viaCloseBox) {
        m_dialog->show();
        edit();
        m_prompts.questions.clear();
        m_prompts.answers = answer.isEmpty() ? QStringList() : QStringList{answer};
        if (viaCloseBox)
            m_dialog->close();
        else
            QTest::keyClick(Edit(IDC_HP_MAX), Qt::Key_Escape);
        return std::pair(m_prompts.questions.size(), m_dialog->isVisible());
    };
    const std::tuple<const char*, std::function<void()>, QString, bool, std::pair<qsizetype, bool>> cases[] = {
        {"no file loaded", [&] { Type(IDC_HP_CUR, QStringLiteral("7")); }, "", false, {0, false}},
        {"nothing edited", [&] { LoadDemo(); }, "", true, {0, false}},
        {"edit on another tab", [&] { ClickTab(1); Type(IDC_HP_CUR, QStringLiteral("7")); ClickTab(0); }, "", false, {1, true}},
        {"kept, by the close box", [] {}, "", true, {1, true}},
        {"a value that does not read", [&] { Type(IDC_Y, QStringLiteral("x")); }, "", false, {1, true}},
        {"discarded", [] {}, "Discard", false, {1, false}},
        {"saved", [&] { Type(IDC_Y, QStringLiteral("3")); LoadDemo(); Type(IDC_HP_CUR, QStringLiteral("7")); Click(IDC_SAVE); }, "", false, {0, false}},
    };
    for (const auto& [what, edit, answer, viaCloseBox, outcome] : cases)
        EXPECT_EQ(close(edit, answer, viaCloseBox), outcome) << what;
    EXPECT_TRUE(m_prompts.warnings.isEmpty()) << m_prompts.warnings.join('\n').toStdString();
}

// A wheel turned over the window must not change a value Save would write.
TEST_F(FormTest, TheWheelChangesADropDownOnlyWhileItHasTheFocus)
{
    LoadDemo();
    for (const int id : {IDC_DIRECTION, IDC_LEVEL, IDC_PLAYERS, IDC_FIGHTER}) {
        Combo(id)->setCurrentIndex(1);
        for (const bool focused : {false, true}) {
            Control(focused ? id : IDC_PATH)->setFocus();
            QWheelEvent down({5, 5}, Combo(id)->mapToGlobal(QPoint(5, 5)), {}, {0, -120}, Qt::NoButton, {},
                             Qt::NoScrollPhase, false);
            QApplication::sendEvent(Combo(id), &down);
            EXPECT_EQ(Combo(id)->currentIndex(), focused ? 2 : 1) << id << (focused ? " focused" : "");
        }
        // A window system's turn would first hand it the focus.
        EXPECT_NE(Combo(id)->focusPolicy(), Qt::WheelFocus) << id;
    }
}

TEST_F(FormTest, NothingIsWrittenWithoutASuccessfulLoad)
{
    const Bytes before = ReadAll(m_savePath);
    const QString missing = m_dir.filePath(QStringLiteral("missing.srm"));
    Type(IDC_HP_CUR, QStringLiteral("7"));
    Load(missing);
    ASSERT_EQ(m_prompts.warnings.size(), 1);
    EXPECT_TRUE(m_prompts.warnings[0].startsWith("Cannot load '" + QDir::toNativeSeparators(missing) + "': "));
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("7"));
    EXPECT_FALSE(Map()->HasLayout());
    Type(IDC_PATH, m_savePath);
    Click(IDC_SAVE);
    EXPECT_EQ(m_prompts.warnings.value(1), QStringLiteral("Load a save file before saving."));
    EXPECT_TRUE(m_prompts.questions.isEmpty());
    EXPECT_EQ(ReadAll(m_savePath), before);
}

TEST_F(FormTest, UnlistedDirectionAndLevelSurviveASave)
{
    Bytes image = ReadAll(m_savePath);
    image[16] = 7;  // direction
    image[18] = 20; // level
    WriteAll(m_savePath, image);
    LoadDemo();
    EXPECT_EQ(std::pair(Combo(IDC_DIRECTION)->currentIndex(), Combo(IDC_LEVEL)->currentIndex()), std::pair(-1, -1));
    EXPECT_FALSE(Map()->HasLayout());
    Click(IDC_SAVE);
    EXPECT_TRUE(m_prompts.warnings.isEmpty());
    EXPECT_EQ(ReadAll(m_savePath), image);
}
}
