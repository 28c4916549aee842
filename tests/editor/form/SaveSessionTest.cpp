// The save file beside a running emulator, without a window: Save writes
// only the user's edits, into the game's newer save when the user agrees;
// a look at the changed file tells a new save from a write-back and from a
// rewrite of the same bytes. (What the file code refuses by itself, a
// compressed file for one, tests/savedata checks.)
#include "editor/form/SaveSession.h"
#include "support/RecordingPrompts.h"
#include "tests/support/SaveFormat.h"

#include <QTemporaryDir>

#include <chrono>
#include <filesystem>

namespace
{
using Bytes = SaveFormat::Bytes;
using Outcome = CSaveSession::StoreOutcome;
using Change = CSaveSession::FileChange;

const QString kOtherFile = QStringLiteral("The values on screen were loaded from '%1'. Write them into '%2'?");
// Positions of champion 1's HP, HP max and food and champion 2's HP (low bytes), all words.
constexpr int kHp1 = 1060, kHpMax1 = 1062, kFood1 = 1074, kHp2 = 1859;
constexpr int kOutsideFields = 5000;

std::vector<int> ChangedPositions(const Bytes& before, const Bytes& after)
{
    std::vector<int> changed;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] != after.at(i))
            changed.push_back(static_cast<int>(i));
    return changed;
}

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
    // "The game" saves: these words get new values, and the file a time of
    // its own, as a write a moment later would.
    Bytes GameSaves(std::initializer_list<std::pair<int, int>> words, Bytes image = {})
    {
        if (image.empty())
            image = Read(m_path);
        for (const auto& [position, value] : words) {
            image.at(static_cast<std::size_t>(position)) = static_cast<unsigned char>(value);
            image.at(static_cast<std::size_t>(position) + 1) = static_cast<unsigned char>(value >> 8);
        }
        SaveFormat::WriteFile(m_path.toStdString(), image);
        namespace fs = std::filesystem;
        const fs::path file = m_path.toStdString();
        fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(++m_nWrites));
        return image;
    }

    QTemporaryDir m_dir;
    Bytes m_demo;
    QString m_path;
    CRecordingPrompts m_prompts;
    CSaveSession m_session{m_prompts, nullptr};
    SaveData m_data;
    int m_nWrites = 0;
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
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::NotStored);
    EXPECT_EQ(m_prompts.warnings, QStringList{CSaveSession::kLoadFirstMessage});
    EXPECT_EQ(Read(m_path), m_demo);

    ASSERT_TRUE(m_session.Load(m_path, m_data));
    Bytes unsignedImage = m_demo;
    unsignedImage.at(0x7FF0) = 'd';
    const QString other = Copy(QStringLiteral("other.srm"), unsignedImage);
    EXPECT_FALSE(m_session.Load(other, m_data));
    EXPECT_EQ(m_prompts.warnings.value(1), QStringLiteral("Invalid 'DM SFX SAVE DATA'"));
    EXPECT_EQ(m_session.Store(other, m_data), Outcome::NotStored); // nothing to ask about: no save in it
    EXPECT_EQ(m_prompts.warnings.value(2), QStringLiteral("Invalid 'DM SFX SAVE DATA'"));
    EXPECT_EQ(Read(other), unsignedImage);

    Bytes secondImage = m_demo;
    secondImage[kHp2] ^= 1; // not edited, yet written: the question offers the values on screen
    const QString second = Copy(QStringLiteral("second.srm"), secondImage);
    m_data.champions[0].hpCurrent = 7;
    m_prompts.answers = {QStringLiteral("Write")};
    EXPECT_EQ(m_session.Store(second, m_data), Outcome::Stored);
    EXPECT_EQ(ChangedPositions(m_demo, Read(second)), std::vector<int>{kHp1});
    EXPECT_EQ(m_session.Store(second, m_data), Outcome::Stored); // the file written into is the one expected now
    EXPECT_EQ(m_prompts.questions, QStringList{kOtherFile.arg(m_path, second)});
    EXPECT_EQ(Read(m_path), m_demo);
}

// What a look at the changed file makes of it, in the order an emulator
// beside the editor produces the cases.
TEST_F(SaveSessionTest, ALookTellsANewSaveAWriteBackAndARewrite)
{
    ASSERT_TRUE(m_session.Load(m_path, m_data));
    EXPECT_EQ(m_session.CheckFile(m_data), Change::None);
    GameSaves({{kFood1, 4660}});
    EXPECT_EQ(m_session.CheckFile(m_data), Change::Reloaded);
    EXPECT_EQ(m_data.champions[0].food, 4660);

    m_data.champions[0].hpCurrent = 99;
    const Bytes newer = GameSaves({{kFood1, 4000}});
    EXPECT_EQ(m_session.CheckFile(m_data), Change::NewerSave);
    EXPECT_EQ(m_data.champions[0].hpCurrent, 99);
    m_prompts.answers = {QStringLiteral("Apply my edits")};
    ASSERT_EQ(m_session.Store(m_path, m_data), Outcome::Stored);
    EXPECT_EQ(m_session.CheckFile(m_data), Change::None) << "the echo of the Save";

    // The emulator writes its memory back: the old HP, and newer food.
    m_data.champions[1].hpCurrent = 3; // an edit since the Save, still pending
    const Bytes writtenBack = GameSaves({{kFood1, 4100}}, newer);
    EXPECT_EQ(m_session.CheckFile(m_data), Change::Overwritten);
    EXPECT_EQ(m_session.OverwrittenFieldCount(), 1u);
    EXPECT_EQ(std::tuple(m_data.champions[0].hpCurrent, m_data.champions[0].food, m_data.champions[1].hpCurrent),
              std::tuple(99, 4100, 3));
    const SaveData kept = m_data;
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::Stored) << "no question: the file is known";
    SaveFormat::Chosen edits;
    edits.set(5).set(5 + 24);
    EXPECT_EQ(Read(m_path), SaveFormat::Encode(writtenBack, 0, kept, edits));
    EXPECT_EQ(m_data, kept);

    const Bytes same = Read(m_path);
    const Change rewrites[] = {Change::None, Change::Rewriting, Change::Rewriting};
    for (const Change expected : rewrites) {
        GameSaves({}, same);
        EXPECT_EQ(m_session.CheckFile(m_data), expected);
    }
    EXPECT_EQ(m_prompts.questions.size(), 1);
}
}
