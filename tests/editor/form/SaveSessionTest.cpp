// The save file beside a running emulator, without a window: Save writes
// only the user's edits, into the game's newer save when the user agrees.
// (What a look at the changed file finds, tests/editor/window/EmulatorTest
// checks with the real watch; what the file code refuses by itself, a
// compressed file for one, tests/savedata.)
#include "editor/form/SaveSession.h"
#include "support/RecordingPrompts.h"
#include "savedata/SaveFile.h"
#include "tests/support/SaveFormat.h"

#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <string_view>

namespace
{
using Bytes = SaveFormat::Bytes;
using Outcome = CSaveSession::StoreOutcome;

const QString kOtherFile = QStringLiteral("The values on screen were loaded from '%1'. Write them into '%2'?");
// Positions of champion 1's HP, HP max and food and champion 2's HP (low bytes), all words.
constexpr int kHp1 = 1060, kHpMax1 = 1062, kFood1 = 1074, kHp2 = 1859;
constexpr int kLevel = 18, kOutsideFields = 5000;

using SaveFormat::ChangedPositions;
using SaveFormat::WithWords;

class SaveSessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_demo = SaveFormat::ReadFile(SOURCE_DIR "/samples/demo.srm");
        m_path = Copy(QStringLiteral("demo.srm"), m_demo);
    }
    QString Copy(const QString& name, const Bytes& bytes)
    {
        SaveFormat::WriteFile(m_dir.filePath(name).toStdString(), bytes);
        return m_dir.filePath(name);
    }
    Bytes Read(const QString& path) const { return SaveFormat::ReadFile(path.toStdString()); }
    // "The game" saves: these words get new values.
    Bytes GameSaves(std::initializer_list<std::pair<int, int>> words)
    {
        const Bytes image = SaveFormat::WithWords(Read(m_path), words);
        SaveFormat::WriteFile(m_path.toStdString(), image);
        return image;
    }

    QTemporaryDir m_dir;
    Bytes m_demo;
    QString m_path;
    CRecordingPrompts m_prompts;
    CSaveSession m_session{m_prompts, nullptr};
    SaveData m_data;
};

TEST_F(SaveSessionTest, ApplyWritesOnlyTheEditsIntoTheNewerSave)
{
    ASSERT_TRUE(m_session.Load(m_path, m_data));
    m_data.champions[0].hpCurrent = 99; // 85 in the file
    m_data.champions[0].hpMax = 120;
    m_data.party.level = 2; // the list's "3"; the game's 20 is past the list's 14 and still counts from 1
    const Bytes newer = GameSaves({{kHp1, 90}, {kFood1, 4660}, {kHp2, 7}, {kLevel, 20}, {kOutsideFields, 0x5A5A}});
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::NotStored); // Cancel
    EXPECT_EQ(Read(m_path), newer);
    ASSERT_EQ(m_prompts.questions.size(), 1);
    EXPECT_TRUE(m_prompts.questions[0].endsWith(QStringLiteral("applying keeps yours:\nLevel: game 21, yours 3\nHP current, Player 1: game 90, yours 99")))
        << m_prompts.questions[0].toStdString();

    m_prompts.answers = {QStringLiteral("Apply my edits")};
    const SaveData edits = m_data;
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::Stored);
    SaveFormat::Chosen edited;
    edited.set(4).set(5).set(6); // the level, champion 1's HP and HP max
    EXPECT_EQ(Read(m_path), SaveFormat::Encode(newer, 0, edits, edited));
    EXPECT_EQ(m_data, SaveFormat::Decode(Read(m_path), 0)) << "the form shows the merged save";
    EXPECT_EQ(m_session.WrittenFieldCount(), 3u);
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::Stored) << "what was written is expected now";
    EXPECT_EQ(m_session.WrittenFieldCount(), 0u);

    m_data.champions[0].hpCurrent = 50;
    const Bytes newest = GameSaves({{kFood1, 77}});
    m_prompts.answers = {QStringLiteral("Reload")};
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::NewerFileTaken); // the edit is dropped, nothing written
    EXPECT_EQ(Read(m_path), newest);
    EXPECT_EQ(m_data, SaveFormat::Decode(newest, 0));
    EXPECT_EQ(m_prompts.questions.size(), 3);
    EXPECT_TRUE(m_prompts.warnings.isEmpty());
}

// What was saved stays on record through any number of Saves and loads of
// the same save; whatever a later write puts there instead (the old value,
// or one the game moved on to), the saved value comes back as an edit and
// the next Save writes it again. Steps: S saves the listed words as edits,
// W has the emulator write its memory (the file before the first Save, with
// food drifted), L loads the file again, C looks at it, X saves with
// whatever is on screen.
struct LedgerCase
{
    const char* name;
    const char* steps;
    bool lookSeesIt; // C reports TakenBack (else the Save's own look finds it)
};
const LedgerCase kLedgerCases[] = {
    {"ExactWriteBack", "S W C X", true},
    {"TwoSavesThenWriteBack", "S s W C X", true},
    {"SaveLoadWriteBack", "S L W C X", true},
    {"WriteBackThenLoad", "S W L X", false},
    {"WriteBackBeforeAnyLook", "S W X", false},
};

class LedgerTest : public SaveSessionTest, public ::testing::WithParamInterface<LedgerCase>
{
};

TEST_P(LedgerTest, NoSavedValueIsSilentlyTakenBack)
{
    ASSERT_TRUE(m_session.Load(m_path, m_data));
    const Bytes memory = WithWords(m_demo, {{kFood1, 1817}}); // the emulator's copy, its game moved on
    std::vector<std::pair<int, int>> saved; // file position, value
    bool told = false;
    for (const char step : std::string_view(GetParam().steps)) {
        switch (step) {
        case 'S': // food and HP
            m_data.champions[0].food = 3000;
            m_data.champions[0].hpCurrent = 42;
            saved.insert(saved.end(), {{kFood1, 3000}, {kHp1, 42}});
            ASSERT_EQ(m_session.Store(m_path, m_data), Outcome::Stored);
            break;
        case 's': // another field, later: the first Save's stay on record
            m_data.champions[1].hpCurrent = 60;
            saved.push_back({kHp2, 60});
            ASSERT_EQ(m_session.Store(m_path, m_data), Outcome::Stored);
            EXPECT_EQ(m_session.WrittenFieldCount(), 1u);
            break;
        case 'W':
            SaveFormat::WriteFile(m_path.toStdString(), memory);
            break;
        case 'L':
            ASSERT_TRUE(m_session.Load(m_path, m_data));
            break;
        case 'C':
            told = m_session.CheckFile(m_data) == CSaveSession::FileChange::TakenBack;
            break;
        case 'X':
            m_prompts.answers = {QStringLiteral("Apply my edits")};
            ASSERT_EQ(m_session.Store(m_path, m_data), Outcome::Stored);
            break;
        }
    }
    EXPECT_EQ(told, GetParam().lookSeesIt);
    EXPECT_EQ(Read(m_path), WithWords(memory, saved)) << "every saved value, and the game's bytes elsewhere";
    EXPECT_EQ(m_session.TakenBackLines(), QStringList());
    EXPECT_TRUE(m_prompts.warnings.isEmpty());
    const bool asked = !m_prompts.questions.isEmpty();
    // Asked only where nothing but Save looked at the file since the write-back.
    const std::string_view steps = GetParam().steps;
    EXPECT_EQ(asked, steps.find('C') == steps.npos && (steps.find('L') == steps.npos || steps.find('L') < steps.find('W')));
    if (asked) {
        EXPECT_TRUE(m_prompts.questions.back().contains(QStringLiteral("Food Status, Player 1: you saved 3000, the file holds 1817 now")))
            << m_prompts.questions.back().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Sequences, LedgerTest, ::testing::ValuesIn(kLedgerCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Told and shown, the user may take the file's values instead; they leave
// the record, and a later write of the same values tells nothing new.
TEST_F(SaveSessionTest, TheGamesValuesCanBeTakenInstead)
{
    ASSERT_TRUE(m_session.Load(m_path, m_data));
    m_data.champions[0].food = 3000;
    ASSERT_EQ(m_session.Store(m_path, m_data), Outcome::Stored);
    GameSaves({{kFood1, 1817}});
    ASSERT_EQ(m_session.CheckFile(m_data), CSaveSession::FileChange::TakenBack);
    EXPECT_EQ(m_data.champions[0].food, 3000);
    EXPECT_EQ(m_session.TakenBackLines(), QStringList(QStringLiteral("Food Status, Player 1: you saved 3000, the file holds 1817 now")));
    GameSaves({{kFood1, 1818}}); // the game goes on: told already, the user's value stays
    EXPECT_EQ(m_session.CheckFile(m_data), CSaveSession::FileChange::NewerSave);
    EXPECT_EQ(m_data.champions[0].food, 3000);
    m_data.champions[0].food = 1818; // the user types the game's value: told once, never put back over it
    GameSaves({{kFood1, 1820}});
    EXPECT_EQ(m_session.CheckFile(m_data), CSaveSession::FileChange::FollowedGame);
    EXPECT_EQ(m_data.champions[0].food, 1820);
    m_session.UseFileValues(m_data);
    EXPECT_EQ(m_data.champions[0].food, 1820);
    EXPECT_TRUE(m_session.TakenBackLines().isEmpty());
    GameSaves({{kFood1, 1819}});
    EXPECT_EQ(m_session.CheckFile(m_data), CSaveSession::FileChange::FollowedGame);
    EXPECT_EQ(m_data.champions[0].food, 1819);
    ASSERT_EQ(m_session.Store(m_path, m_data), Outcome::Stored);
    EXPECT_EQ(m_session.WrittenFieldCount(), 0u);
}

// The save the emulator replaced is still the save, through a linked
// folder too: Save asks about the newer file, never offers to write every
// value as into another file.
TEST_F(SaveSessionTest, AnotherSpellingOfTheSaveIsTheSameSave)
{
    const QString linked = m_dir.filePath(QStringLiteral("linked"));
    std::error_code refused; // QFile::link makes a shortcut on Windows, no link
    std::filesystem::create_directory_symlink(SaveFormat::Native(m_dir.path().toStdString()),
                                              SaveFormat::Native(linked.toStdString()), refused);
    if (refused)
        GTEST_SKIP() << "no links here";
    ASSERT_TRUE(m_session.Load(m_path, m_data));
    m_data.champions[0].food = 3000;
    const Bytes newer = WithWords(m_demo, {{kHp2, 7}});
    const QString fresh = Copy(QStringLiteral("fresh.srm"), newer);
    ASSERT_TRUE(QFile::remove(m_path) && QFile::rename(fresh, m_path));
    m_prompts.answers = {QStringLiteral("Apply my edits")};
    EXPECT_EQ(m_session.Store(linked + QStringLiteral("/demo.srm"), m_data), Outcome::Stored);
    EXPECT_EQ(Read(m_path), WithWords(newer, {{kFood1, 3000}}));
    ASSERT_EQ(m_prompts.questions.size(), 1);
    EXPECT_TRUE(m_prompts.questions[0].contains(QStringLiteral("changed on disk")));
}

// The emulator renames its save over the file while Save writes it (as
// POSIX allows): never "Stored" for bytes that no path names; asked, the
// edit goes into the new file with the game's values around it.
TEST_F(SaveSessionTest, ASaveIntoAFileReplacedMeanwhileAsksAndMergesIntoTheNewOne)
{
    ASSERT_TRUE(m_session.Load(m_path, m_data));
    m_data.champions[0].food = 3000;
    const Bytes newer = WithWords(m_demo, {{kHp2, 7}});
    bool renamed = false; // Windows refuses while the Save holds the file: then nothing to ask
    CSaveFile::AfterNthFlush(1, [&] {
        std::error_code refused;
        std::filesystem::rename(SaveFormat::Native(Copy(QStringLiteral("new.srm"), newer).toStdString()),
                                SaveFormat::Native(m_path.toStdString()), refused);
        renamed = !refused;
    });
    m_prompts.answers = {QStringLiteral("Apply my edits")};
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::Stored);
    CSaveFile::ClearInjectedFailures();
    EXPECT_EQ(Read(m_path), WithWords(renamed ? newer : m_demo, {{kFood1, 3000}}));
    EXPECT_EQ(m_prompts.questions.size(), renamed ? 1 : 0);
    EXPECT_TRUE(m_prompts.warnings.isEmpty());
}

TEST_F(SaveSessionTest, AnotherFileIsAskedAboutAndGetsEveryField)
{
    ASSERT_TRUE(m_session.Load(m_path, m_data));
    Bytes secondImage = m_demo;
    secondImage[kHp2] ^= 1; // not edited, yet written: the question offers the values on screen
    const QString second = Copy(QStringLiteral("second.srm"), secondImage);
    m_data.champions[0].hpCurrent = 7;
    EXPECT_EQ(m_session.Store(second, m_data), Outcome::NotStored); // Cancel
    EXPECT_EQ(Read(second), secondImage);
    m_prompts.answers = {QStringLiteral("Write")};
    EXPECT_EQ(m_session.Store(second, m_data), Outcome::Stored);
    EXPECT_EQ(ChangedPositions(m_demo, Read(second)), std::vector<int>{kHp1});
    EXPECT_EQ(m_session.Store(second, m_data), Outcome::Stored); // the file written into is the one expected now
    EXPECT_EQ(m_prompts.questions, QStringList(2, kOtherFile.arg(m_path, second)));
    EXPECT_EQ(Read(m_path), m_demo);
    EXPECT_TRUE(m_prompts.warnings.isEmpty());
    CSaveFile::FailNth(CSaveFile::Operation::Flush, 1); // a Save that fails is told
    m_data.champions[0].hpCurrent = 8;
    EXPECT_EQ(m_session.Store(second, m_data), Outcome::NotStored);
    EXPECT_TRUE(m_prompts.warnings.size() == 1 && m_prompts.warnings[0].startsWith("Cannot save '" + second + "': "));
}
}
