// The editor window as a user drives it: every field through its own
// control into its own bytes, the checks on input, the tabs, the map and
// the commands.
#include "support/EditorFixture.h"

#include <functional>

namespace
{
const QString kNotANumber = QStringLiteral("正の整数を入力してください。");
const QString kByteRange = QStringLiteral("0から255までの整数を入力してください。");
const QString kWordRange = QStringLiteral("0から65535までの整数を入力してください。");

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

TEST_F(FormTest, TabKeyFollowsTheLayoutOrderSkippingTabsAndMap)
{
    const int expected[] = {IDC_BROWSE,        IDC_LOAD,          IDC_SAVE,         IDC_PLAYERS,      IDC_X,
                            IDC_Y,             IDC_DIRECTION,     IDC_HP_CUR,       IDC_HP_MAX,       IDC_STAMINA_CUR,
                            IDC_STAMINA_MAX,   IDC_MANA_CUR,      IDC_MANA_MAX,     IDC_FOOD,         IDC_WATER,
                            IDC_STRENGTH_CUR,  IDC_STRENGTH_MAX,  IDC_DEXTERITY_CUR, IDC_DEXTERITY_MAX, IDC_WISDOM_CUR,
                            IDC_WISDOM_MAX,    IDC_VITALITY_CUR,  IDC_VITALITY_MAX, IDC_ANTIMAGIC_CUR, IDC_ANTIMAGIC_MAX,
                            IDC_ANTIFIRE_CUR,  IDC_ANTIFIRE_MAX,  IDC_FIGHTER,      IDC_NINJA,        IDC_PRIEST,
                            IDC_WIZARD,        IDC_LEVEL,         IDC_PATH};
    for (const int id : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(HasFocus(id)) << "expected " << id;
    }
}

// Each of the 101 fields gets its own value through its own control, on
// tabs left by a click and by a change from code; Save must put exactly
// those values into exactly their bytes, and Load must show them again.
TEST_F(FormTest, EveryFieldGoesThroughItsControlIntoItsBytesAndBack)
{
    LoadDemo();
    const Bytes before = ReadAll(m_savePath);
    const auto fields = SaveFormat::Fields();
    std::array<std::int32_t, SaveFormat::kFieldCount> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<std::int32_t>(fields[i].width == 1 ? 20 + i : 1000 + 37 * i);
    values[3] = 2; // direction "South"
    values[4] = 5; // level "6"
    const auto valueText = [&](std::size_t i) { return QString::number(values[i]); };
    const auto showChampion = [&](int champion) {
        if (champion % 2)
            ClickTab(champion);
        else
            qobject_cast<QTabWidget*>(Control(IDC_TAB))->setCurrentIndex(champion);
        ASSERT_EQ(Tabs()->currentIndex(), champion);
    };

    for (int champion : {0, 1, 2, 3}) {
        showChampion(champion);
        for (std::size_t m = 0; m < kChampionControls.size(); ++m)
            Type(kChampionControls[m], valueText(5 + 24 * static_cast<std::size_t>(champion) + m));
    }
    const int party[] = {IDC_PLAYERS, IDC_X, IDC_Y}; // then direction and level
    for (std::size_t p = 0; p < 3; ++p)
        Type(party[p], valueText(p));
    Combo(IDC_DIRECTION)->setCurrentIndex(values[3]);
    Combo(IDC_LEVEL)->setCurrentIndex(values[4]);
    showChampion(1);
    Click(IDC_SAVE);
    EXPECT_TRUE(m_prompts.warnings.isEmpty() && m_prompts.questions.isEmpty());
    const Bytes after = ReadAll(m_savePath);
    EXPECT_EQ(ChangedPositions(SaveFormat::Encode(before, 0, SaveFormat::Record(values)), after), std::vector<int>{})
        << "bytes that differ from the values typed";

    Load(Copy(QStringLiteral("original.srm"), before)); // other values everywhere, then the saved ones
    LoadDemo();
    for (int champion : {0, 1, 2, 3}) {
        showChampion(champion);
        for (std::size_t m = 0; m < kChampionControls.size(); ++m)
            EXPECT_EQ(Text(kChampionControls[m]), valueText(5 + 24 * static_cast<std::size_t>(champion) + m))
                << "champion " << champion << ", control " << kChampionControls[m];
    }
    for (std::size_t p = 0; p < 3; ++p)
        EXPECT_EQ(Text(party[p]), valueText(p));
    EXPECT_EQ(Text(IDC_DIRECTION), QStringLiteral("South"));
    EXPECT_EQ(Text(IDC_LEVEL), QStringLiteral("6"));
}

// A read checks the numbers in this order, each against the largest value
// its place in the file holds; it stops at the first one that does not fit,
// however many zeros hide its size, and the field gets the focus.
TEST_F(FormTest, EveryNumberIsCheckedInExchangeOrderAgainstItsFieldsWidth)
{
    constexpr int kByte = 255, kWord = 65535;
    const std::pair<int, int> order[] = {
        {IDC_ANTIFIRE_CUR, kByte},  {IDC_ANTIFIRE_MAX, kByte},  {IDC_ANTIMAGIC_CUR, kByte}, {IDC_ANTIMAGIC_MAX, kByte},
        {IDC_DEXTERITY_CUR, kByte}, {IDC_DEXTERITY_MAX, kByte}, {IDC_HP_CUR, kWord},        {IDC_HP_MAX, kWord},
        {IDC_MANA_CUR, kWord},      {IDC_MANA_MAX, kWord},      {IDC_STAMINA_CUR, kWord},   {IDC_STAMINA_MAX, kWord},
        {IDC_STRENGTH_CUR, kByte},  {IDC_STRENGTH_MAX, kByte},  {IDC_VITALITY_CUR, kByte},  {IDC_VITALITY_MAX, kByte},
        {IDC_FOOD, kWord},          {IDC_WATER, kWord},         {IDC_WISDOM_CUR, kByte},    {IDC_WISDOM_MAX, kByte},
        {IDC_X, kWord},             {IDC_Y, kWord},             {IDC_FIGHTER, kWord},       {IDC_NINJA, kWord},
        {IDC_PRIEST, kWord},        {IDC_WIZARD, kWord},        {IDC_PLAYERS, kWord}};
    QStringList expected;
    for (const auto& [id, most] : order)
        Type(id, QString(40, u'0') + QString::number(most + 1));
    for (const auto& [id, most] : order) {
        EXPECT_FALSE(m_dialog->UpdateData(true));
        EXPECT_TRUE(HasFocus(id)) << "expected " << id;
        expected << (most == kByte ? kByteRange : kWordRange);
        Type(id, QString::number(most));
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
    EXPECT_EQ(m_prompts.warnings, QStringList(std::size(ways), kNotANumber));

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

TEST_F(FormTest, MapShowsTheLoadedCellTakesClicksAndFollowsTheLevel)
{
    LoadDemo();
    EXPECT_TRUE(Map()->HasLayout());
    EXPECT_EQ(Map()->SelectedCell(), QPoint(4, 3));
    const CellRect cell = Map()->CellRectAt(7, 5);
    QTest::mouseClick(Map(), Qt::LeftButton, {}, Map()->contentsRect().topLeft() + QPoint(cell.left, cell.top));
    EXPECT_EQ(std::pair(Text(IDC_X), Text(IDC_Y)), std::pair(QStringLiteral("7"), QStringLiteral("5")));

    Combo(IDC_LEVEL)->setCurrentIndex(12);
    EXPECT_EQ(Map()->Level(), 12u);
    EXPECT_EQ(Map()->SelectedCell(), QPoint(-1, -1));
    EXPECT_EQ(m_dialog->Record().party.level, 12);
    EXPECT_EQ(Text(IDC_X), QStringLiteral("7"));
}

TEST_F(FormTest, BrowseEnterAndEscape)
{
    m_prompts.nextChoice = m_savePath;
    Click(IDC_BROWSE);
    QTest::keyClick(Edit(IDC_PATH), Qt::Key_Return);
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("0")) << "Enter in a field is no Load";
    Control(IDC_LOAD)->setFocus();
    QTest::keyClick(Control(IDC_LOAD), Qt::Key_Return); // a focused button is clicked
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("85"));

    Type(IDC_Y, QStringLiteral("x"));
    QTest::keyClick(Edit(IDC_HP_MAX), Qt::Key_Enter);
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_EQ(m_prompts.warnings, QStringList{kNotANumber});
    EXPECT_TRUE(HasFocus(IDC_Y));

    QTest::keyClick(Edit(IDC_Y), Qt::Key_Escape);
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(m_dialog->result(), QDialog::Rejected);
}

TEST_F(FormTest, NothingIsWrittenWithoutASuccessfulLoad)
{
    const Bytes before = ReadAll(m_savePath);
    const QString missing = m_dir.filePath(QStringLiteral("missing.srm"));
    Type(IDC_HP_CUR, QStringLiteral("7"));
    Load(missing);
    ASSERT_EQ(m_prompts.warnings.size(), 1);
    EXPECT_TRUE(m_prompts.warnings[0].startsWith("Cannot load '" + missing + "': "));
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("7"));
    EXPECT_FALSE(Map()->HasLayout());
    Type(IDC_PATH, m_savePath);
    Click(IDC_SAVE);
    EXPECT_EQ(m_prompts.warnings.value(1), CSaveSession::kLoadFirstMessage);
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
