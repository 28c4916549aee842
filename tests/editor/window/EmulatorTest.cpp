// The real window, offscreen, with the real file watch, beside simulated
// emulators that each write the save their own way. Whatever they do,
// nothing is lost: the game's newer values stay wherever the user edited
// nothing, and the user's edit is in the file or the window says that it
// was overwritten.
#include "editor/window/EditMarks.h"
#include "support/EditorFixture.h"

#include <QDir>
#include <QLabel>
#include <QRegularExpression>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

namespace
{
namespace fs = std::filesystem;
constexpr int kHp1 = 1060, kMana1 = 1068, kFood1 = 1074, kFood2 = 1873; // champion 1's HP, mana, food; 2's food
constexpr int kNoticeWaitMs = 3000;

// One way an emulator writes the save.
struct Writer
{
    const char* name;
    bool (*write)(const QString& path, const Bytes& image); // false: the system refused it
    friend void PrintTo(const Writer& writer, std::ostream* out) { *out << writer.name; }
};

// Truncates the file and writes it anew, as most emulators do.
bool TruncateAndWrite(const QString& path, const Bytes& image)
{
    WriteAll(path, image);
    return true;
}

// Writes a new file beside it and renames it over the old one. (Windows
// refuses the rename while the editor holds the file for a Save; so does
// it for a real emulator.)
bool WriteAndRename(const QString& path, const Bytes& image)
{
    const QString temporary = path + QStringLiteral(".tmp");
    WriteAll(temporary, image);
    std::error_code refused;
    fs::rename(SaveFormat::Native(temporary.toStdString()), SaveFormat::Native(path.toStdString()), refused);
    return !refused;
}

using SaveFormat::WithWords;
using SaveFormat::WordAt;

class WatchedEditorTest : public EditorFixture
{
protected:
    QString Notice() const { return qobject_cast<QLabel*>(Control(IDC_NOTICE))->text(); }
    bool WaitForNotice(const QString& words)
    {
        return QTest::qWaitFor([&] { return Notice().contains(words); }, kNoticeWaitMs);
    }
    bool IsMarked(int id) const { return Control(id)->accessibleDescription() == CEditMarks::kEditedDescription; }
    const Bytes m_demo = ReadAll(QStringLiteral(SOURCE_DIR "/samples/demo.srm"));
};

class EmulatorTest : public WatchedEditorTest, public ::testing::WithParamInterface<Writer>
{
protected:
    void GameWrites(const Bytes& image) { GetParam().write(m_savePath, image); }
};

TEST_P(EmulatorTest, TheGameSavesBeforeAndAfterAnEdit)
{
    LoadDemo();
    GameWrites(WithWords(m_demo, {{kFood1, 4660}}));
    ASSERT_TRUE(WaitForNotice(QStringLiteral("values reloaded"))) << Notice().toStdString();
    EXPECT_EQ(Text(IDC_FOOD), QStringLiteral("4660"));

    Type(IDC_HP_CUR, QStringLiteral("99"));
    const Bytes newer = WithWords(m_demo, {{kFood1, 4000}, {kHp1, 90}});
    GameWrites(newer);
    ASSERT_TRUE(WaitForNotice(QStringLiteral("Save applies"))) << Notice().toStdString();
    EXPECT_TRUE(Control(IDC_RELOAD)->isVisible());
    EXPECT_EQ(Text(IDC_HP_CUR) + " " + Text(IDC_FOOD), QStringLiteral("99 4000")) << "only the edit keeps its value";
    EXPECT_FALSE(IsMarked(IDC_FOOD));

    m_prompts.answers = {QStringLiteral("Apply my edits")};
    Click(IDC_SAVE);
    ASSERT_EQ(m_prompts.questions.size(), 1) << "the same save, never another file";
    EXPECT_TRUE(m_prompts.questions[0].contains(QStringLiteral("HP current, Player 1: game 90, yours 99")));
    EXPECT_EQ(ReadAll(m_savePath), WithWords(newer, {{kHp1, 99}}));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Saved demo.srm at .+: 1 field written.$")).match(Notice()).hasMatch())
        << Notice().toStdString();
    EXPECT_EQ(Text(IDC_FOOD), QStringLiteral("4000"));
    EXPECT_FALSE(IsMarked(IDC_HP_CUR));
    EXPECT_FALSE(Control(IDC_RELOAD)->isVisible());

    Type(IDC_MANA_CUR, QStringLiteral("5"));
    ClickTab(1); // the edit waits in the record, the notice's Reload drops it
    const QString water2 = Text(IDC_WATER);
    Type(IDC_WATER, QStringLiteral("7")); // and one on the tab shown
    GameWrites(WithWords(ReadAll(m_savePath), {{kFood1, 4400}, {kFood2, 4401}}));
    ASSERT_TRUE(WaitForNotice(QStringLiteral("Save applies"))) << Notice().toStdString();
    Click(IDC_RELOAD);
    EXPECT_EQ(Text(IDC_FOOD) + " " + Text(IDC_WATER), QStringLiteral("4401 ") + water2);
    ClickTab(0);
    EXPECT_EQ(Text(IDC_MANA_CUR) + " " + Text(IDC_FOOD), QString::number(m_demo[kMana1]) + " 4400");
    EXPECT_FALSE(IsMarked(IDC_MANA_CUR));
}

// The emulator writes its memory back over a Save, and its game moved on
// meanwhile: neither the value from before the Save nor the user's.
TEST_P(EmulatorTest, AWriteBackIsToldWithBothValuesAndSaveWritesTheEditAgain)
{
    LoadDemo();
    Type(IDC_HP_CUR, QStringLiteral("99"));
    Click(IDC_SAVE);
    ASSERT_EQ(WordAt(ReadAll(m_savePath), kHp1), 99);
    QTest::qWait(2 * CFileWatch::kSettleMs); // the Save's own echo tells nothing
    EXPECT_TRUE(Notice().startsWith(QStringLiteral("Saved"))) << Notice().toStdString();

    Type(IDC_MANA_CUR, QStringLiteral("5")); // an edit since the Save
    const Bytes memory = WithWords(m_demo, {{kFood1, 4100}, {kHp1, 87}});
    GameWrites(memory);
    ASSERT_TRUE(WaitForNotice(QStringLiteral("HP current, Player 1: you saved 99, the file holds 87 now"))) << Notice().toStdString();
    EXPECT_TRUE(Control(IDC_USE_FILE_VALUES)->isVisible());
    EXPECT_EQ(Text(IDC_HP_CUR) + " " + Text(IDC_MANA_CUR) + " " + Text(IDC_FOOD), QStringLiteral("99 5 4100"));
    EXPECT_TRUE(IsMarked(IDC_HP_CUR) && IsMarked(IDC_MANA_CUR));

    GameWrites(WithWords(memory, {{kFood1, 4101}})); // the game saves on: the notice stays
    ASSERT_TRUE(WaitForNotice(QStringLiteral("The game saved"))) << Notice().toStdString();
    EXPECT_TRUE(Notice().contains(QStringLiteral("you saved 99")));
    EXPECT_EQ(Text(IDC_HP_CUR) + " " + Text(IDC_FOOD), QStringLiteral("99 4101"));
    m_prompts.answers = {QStringLiteral("Apply my edits")};
    Click(IDC_SAVE);
    EXPECT_EQ(ReadAll(m_savePath), WithWords(memory, {{kHp1, 99}, {kMana1, 5}, {kFood1, 4101}}));
    EXPECT_FALSE(Notice().contains(QStringLiteral("you saved"))) << Notice().toStdString();
    EXPECT_FALSE(Control(IDC_USE_FILE_VALUES)->isVisible());

    GameWrites(WithWords(ReadAll(m_savePath), {{kHp1, 86}}));
    ASSERT_TRUE(WaitForNotice(QStringLiteral("the file holds 86 now"))) << Notice().toStdString();
    Click(IDC_USE_FILE_VALUES); // the user takes the game's value
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("86"));
    EXPECT_FALSE(IsMarked(IDC_HP_CUR));
    EXPECT_FALSE(Control(IDC_USE_FILE_VALUES)->isVisible());
}

// bsnes and ares rewrite the same bytes every 30 s, a steady rhythm;
// RetroArch writes once at its start and once at its unload, which is none.
TEST_P(EmulatorTest, OnlyASteadyRhythmOfTheSameBytesIsToldAsRewriting)
{
    LoadDemo();
    const fs::path file = SaveFormat::Native(m_savePath.toStdString());
    const auto rewrite = [&](int write) {
        GameWrites(m_demo);
        fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(write)); // a coarse clock
    };
    rewrite(1); // start
    QTest::qWait(3 * CFileWatch::kSettleMs);
    rewrite(2); // unload, much later
    QTest::qWait(12 * CFileWatch::kSettleMs);
    rewrite(3); // and the next start
    QTest::qWait(3 * CFileWatch::kSettleMs);
    EXPECT_FALSE(Notice().contains(QStringLiteral("rewriting"))) << Notice().toStdString();
    QTest::qWait(6 * CFileWatch::kSettleMs);
    for (int write = 4; write <= 6; ++write) { // then every 900 ms
        rewrite(write);
        QTest::qWait(6 * CFileWatch::kSettleMs);
    }
    EXPECT_TRUE(WaitForNotice(QStringLiteral("rewriting"))) << Notice().toStdString();
    EXPECT_EQ(ReadAll(m_savePath), m_demo);
}

// A look at the file leaves the field the user is in alone: its text, its
// selection. Typing over the selection is the user's value; left as it
// was, the field shows the game's value once the focus moves on.
TEST_P(EmulatorTest, TheFieldBeingTypedInIsLeftAlone)
{
    LoadDemo();
    m_dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_dialog.get()));
    for (const bool types : {false, true}) {
        QLineEdit* hp = Edit(IDC_HP_CUR);
        hp->setFocus();
        hp->selectAll();
        const QString shown = hp->text();
        const int gameHp = types ? 90 : 91;
        GameWrites(WithWords(ReadAll(m_savePath), {{kHp1, gameHp}, {kFood1, 4000 + gameHp}}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return Text(IDC_FOOD) == QString::number(4000 + gameHp); }, 3000));
        EXPECT_EQ(hp->text() + " " + hp->selectedText(), shown + " " + shown);
        if (types) {
            QTest::keyClicks(hp, QStringLiteral("9"));
            EXPECT_EQ(hp->text(), QStringLiteral("9"));
            Click(IDC_SAVE); // the click takes the focus, and reads the form
            EXPECT_EQ(WordAt(ReadAll(m_savePath), kHp1), 9);
        } else {
            QTest::keyClick(hp, Qt::Key_Tab);
            EXPECT_EQ(hp->text(), QString::number(gameHp));
            EXPECT_FALSE(IsMarked(IDC_HP_CUR));
        }
    }
}

// Load drops unsaved edits at once, as asked, and offers them back.
TEST_P(EmulatorTest, ALoadThatDropsEditsCanBeUndone)
{
    LoadDemo();
    Type(IDC_HP_CUR, QStringLiteral("99"));
    Type(IDC_X, QStringLiteral("3"));
    GameWrites(WithWords(m_demo, {{kFood1, 4000}}));
    Click(IDC_LOAD);
    EXPECT_TRUE(Notice().contains(QStringLiteral("2 edits"))) << Notice().toStdString();
    EXPECT_EQ(Text(IDC_HP_CUR) + " " + Text(IDC_FOOD), QStringLiteral("85 4000"));
    ASSERT_TRUE(Control(IDC_UNDO)->isVisible());
    Click(IDC_UNDO);
    EXPECT_EQ(Text(IDC_HP_CUR) + " " + Text(IDC_X) + " " + Text(IDC_FOOD), QStringLiteral("99 3 4000"));
    EXPECT_TRUE(IsMarked(IDC_HP_CUR) && IsMarked(IDC_X) && !IsMarked(IDC_FOOD));
    EXPECT_FALSE(Control(IDC_UNDO)->isVisible());
    EXPECT_EQ(ReadAll(m_savePath), WithWords(m_demo, {{kFood1, 4000}})) << "nothing written";
}

// The save is a link into the emulator's folder, whose file the emulator
// deletes and makes anew: every later write is still seen.
TEST_F(WatchedEditorTest, ALinkedSaveIsStillWatchedAfterItsTargetIsMadeAnew)
{
    QDir(m_dir.path()).mkdir(QStringLiteral("emulator"));
    const QString target = m_dir.filePath(QStringLiteral("emulator/game.srm"));
    const QString link = m_dir.filePath(QStringLiteral("game.srm"));
    WriteAll(target, m_demo);
    std::error_code refused; // QFile::link makes a shortcut on Windows, no link
    fs::create_symlink(SaveFormat::Native(target.toStdString()), SaveFormat::Native(link.toStdString()), refused);
    if (refused)
        GTEST_SKIP() << "no links here";
    Load(link);
    for (const int food : {4001, 4002, 4003}) {
        if (food == 4001) { // deleted, and written anew only after the watch has seen it gone
            QFile::remove(target);
            QTest::qWait(2 * CFileWatch::kSettleMs);
        }
        WriteAll(target, WithWords(m_demo, {{kFood1, food}}));
        // Sooner than the fallback look every 2 s: the system's watch sees it.
        EXPECT_TRUE(QTest::qWaitFor([&] { return Text(IDC_FOOD) == QString::number(food); }, CFileWatch::kPollMs * 3 / 4))
            << food << ": " << Text(IDC_FOOD).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Writers, EmulatorTest,
                         ::testing::Values(Writer{"TruncateAndWrite", TruncateAndWrite},
                                           Writer{"WriteAndRename", WriteAndRename}),
                         [](const auto& info) { return std::string(info.param.name); });

// An emulator that writes its memory every 100 ms while the user edits and
// saves: the food it counts up, and the HP it had at the start.
using BusyEmulatorTest = WatchedEditorTest;
TEST_F(BusyEmulatorTest, AWriterEvery100msLosesNothing)
{
    LoadDemo();
    std::atomic<bool> running = true;
    std::atomic<int> lastFood = 0;
    std::thread emulator([&] {
        for (int food = 5000; running; food += 7) {
            if (WriteAndRename(m_savePath, WithWords(m_demo, {{kFood1, food}})))
                lastFood = food;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });
    // A writer that never pauses is still followed while it writes. The
    // edit then arrives without the focus leaving the Load button, as a
    // drop does: leaving the button must not put the game's HP over it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Text(IDC_FOOD).toInt() > 5000; }, 4 * CFileWatch::kSettleMs));
    Type(IDC_HP_CUR, QStringLiteral("99"));
    m_prompts.answers = {QStringLiteral("Apply my edits")};
    Click(IDC_SAVE);
    QTest::qWait(500);
    running = false;
    emulator.join();
    QTest::qWait(3 * CFileWatch::kSettleMs);

    const Bytes last = ReadAll(m_savePath);
    EXPECT_EQ(WordAt(last, kFood1), lastFood.load()) << "the game's newest value stays";
    EXPECT_TRUE(WordAt(last, kHp1) == 99 || Notice().contains(QStringLiteral("you saved 99"))) << Notice().toStdString();
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("99"));
}
}
