// The save file beside a running emulator, without a window: Save writes
// only the user's edits, into the game's newer save when the user agrees.
// (What a look at the changed file finds, tests/editor/window/EmulatorTest
// checks with the real watch; what the file code refuses by itself, a
// compressed file for one, tests/savedata.)
#include "editor/form/SaveSession.h"
#include "support/RecordingPrompts.h"
#include "tests/support/SaveFormat.h"

#include <QTemporaryDir>

namespace
{
using Bytes = SaveFormat::Bytes;
using Outcome = CSaveSession::StoreOutcome;

const QString kOtherFile = QStringLiteral("The values on screen were loaded from '%1'. Write them into '%2'?");
// Positions of champion 1's HP, HP max and food and champion 2's HP (low bytes), all words.
constexpr int kHp1 = 1060, kHpMax1 = 1062, kFood1 = 1074, kHp2 = 1859;
constexpr int kOutsideFields = 5000;

using SaveFormat::ChangedPositions;

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
    const Bytes newer = GameSaves({{kHp1, 90}, {kFood1, 4660}, {kHp2, 7}, {kOutsideFields, 0x5A5A}});
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::NotStored); // Cancel
    EXPECT_EQ(Read(m_path), newer);
    ASSERT_EQ(m_prompts.questions.size(), 1);
    EXPECT_TRUE(m_prompts.questions[0].endsWith(QStringLiteral("applying keeps yours:\nPlayer 1 HP: game 90, yours 99")))
        << m_prompts.questions[0].toStdString();

    m_prompts.answers = {QStringLiteral("Apply my edits")};
    const SaveData edits = m_data;
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::Stored);
    SaveFormat::Chosen edited;
    edited.set(5).set(6); // champion 1's HP and HP max
    EXPECT_EQ(Read(m_path), SaveFormat::Encode(newer, 0, edits, edited));
    EXPECT_EQ(m_data, SaveFormat::Decode(Read(m_path), 0)) << "the form shows the merged save";
    EXPECT_EQ(m_session.WrittenFieldCount(), 2u);
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::Stored) << "what was written is expected now";
    EXPECT_EQ(m_session.WrittenFieldCount(), 0u);

    m_data.champions[0].hpCurrent = 50;
    const Bytes newest = GameSaves({{kHpMax1, 77}});
    m_prompts.answers = {QStringLiteral("Reload")};
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::Reloaded); // the edit is dropped, nothing written
    EXPECT_EQ(Read(m_path), newest);
    EXPECT_EQ(m_data, SaveFormat::Decode(newest, 0));
    EXPECT_EQ(m_prompts.questions.size(), 3);
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
}
}
