// Save beside a running emulator, without a window: never into a file that
// changed since the load, never into another file, unless the user says so.
// (What the file code refuses by itself, a compressed file for one,
// tests/savedata checks.)
#include "editor/form/SaveSession.h"
#include "support/RecordingPrompts.h"
#include "tests/support/SaveFormat.h"

#include <QTemporaryDir>

namespace
{
using Bytes = SaveFormat::Bytes;

const QString kChangedOnDisk = QStringLiteral(
    "'%1' changed on disk after it was loaded (a running game may have saved to it). "
    "Saving now would mix your edits with the newer data.");
const QString kOtherFile = QStringLiteral("The values on screen were loaded from '%1'. Write them into '%2'?");

constexpr int kHp1 = 1060, kHpMax1 = 1062, kHp2 = 1859; // low bytes of champion 1's and 2's HP
constexpr int kOutsideFields = 5000;
using Outcome = CSaveSession::StoreOutcome;

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
    // "The emulator" saves: the file gets these bytes changed. (Saving by
    // renaming a new file over it, tests/savedata checks.)
    Bytes ChangeOnDisk(std::initializer_list<int> positions)
    {
        Bytes newer = Read(m_path);
        for (const int position : positions)
            newer.at(static_cast<std::size_t>(position)) ^= 0x5A;
        SaveFormat::WriteFile(m_path.toStdString(), newer);
        return newer;
    }

    QTemporaryDir m_dir;
    Bytes m_demo;
    QString m_path;
    CRecordingPrompts m_prompts;
    CSaveSession m_session{m_prompts, nullptr};
    SaveData m_data;
};

TEST_F(SaveSessionTest, ChangeOnDiskIsAskedAboutAndOnlyTheAnswerIsDone)
{
    ASSERT_TRUE(m_session.Load(m_path, m_data));
    m_data.champions[0].hpCurrent = 99; // 85 in the file
    const Bytes newer = ChangeOnDisk({kOutsideFields, kHp2});
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::NotStored); // Cancel
    EXPECT_EQ(Read(m_path), newer);

    m_prompts.answers = {QStringLiteral("Overwrite")};
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::Stored); // the fields as in data, every other byte newer
    EXPECT_EQ(ChangedPositions(newer, Read(m_path)), (std::vector<int>{kHp1, kHp2}));
    EXPECT_EQ(Read(m_path)[kHp2], m_demo[kHp2]);
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::Stored); // what was written is expected now
    EXPECT_EQ(m_prompts.questions, QStringList(2, kChangedOnDisk.arg(m_path)));

    m_data.champions[0].hpCurrent = 50;
    const Bytes newest = ChangeOnDisk({kHpMax1});
    m_prompts.answers = {QStringLiteral("Reload")};
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::Reloaded); // the edit is dropped, nothing written
    EXPECT_EQ(Read(m_path), newest);
    EXPECT_EQ(m_data, SaveFormat::Decode(newest, 0));
    EXPECT_EQ(m_session.Store(m_path, m_data), Outcome::Stored);
    EXPECT_EQ(m_prompts.questions.size(), 3);
    EXPECT_TRUE(m_prompts.warnings.isEmpty());
}

TEST_F(SaveSessionTest, AnotherFileIsAskedAboutEvenAfterItsLoadFailed)
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
    EXPECT_EQ(m_session.Store(other, m_data), Outcome::NotStored); // Cancel
    EXPECT_EQ(Read(other), unsignedImage);

    const QString second = Copy(QStringLiteral("second.srm"), m_demo);
    m_data.champions[0].hpCurrent = 7;
    m_prompts.answers = {QStringLiteral("Write")};
    EXPECT_EQ(m_session.Store(second, m_data), Outcome::Stored);
    EXPECT_EQ(ChangedPositions(m_demo, Read(second)), std::vector<int>{kHp1});
    EXPECT_EQ(m_session.Store(second, m_data), Outcome::Stored); // the file written into is the one expected now
    EXPECT_EQ(m_prompts.questions, (QStringList{kOtherFile.arg(m_path, other), kOtherFile.arg(m_path, second)}));
    EXPECT_EQ(Read(m_path), m_demo);
}
}
