#include "SaveFileFixture.h"

#include "savedata/SaveFile.h"

#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace
{
class FailureTest : public SaveFileTest
{
protected:
    std::string ValidSave(const std::string& name = "save.srm")
    {
        m_image = RandomImage(32768, 41);
        PutSignature(m_image, 0x7FF0);
        return WriteFile(name, m_image);
    }

    // Asserts a failed load reported exactly one message and left the
    // caller's record exactly as it was.
    void ExpectLoadRefused(const std::string& path, const std::string& message)
    {
        const SaveData before = DistinctRecord(3);
        SaveData data = before;
        EXPECT_FALSE(LoadSaveData(path, data));
        EXPECT_EQ(data, before);
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0], message);
        m_messages.clear();
    }

    void ExpectStoreRefused(const std::string& path, const std::string& message)
    {
        const Bytes before = std::filesystem::is_regular_file(path) ? ReadFile(path) : Bytes{};
        EXPECT_FALSE(StoreSaveData(path, DistinctRecord(4)));
        if (std::filesystem::is_regular_file(path)) {
            EXPECT_EQ(ReadFile(path), before);
        }
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0], message);
        m_messages.clear();
    }

    Bytes m_image;
};

TEST_F(FailureTest, MissingFileIsNeverCreated)
{
    const std::string path = PathOf("missing.srm");
    const std::string reason = std::strerror(ENOENT);
    ExpectLoadRefused(path, "Cannot load '" + path + "': " + reason);
    ExpectStoreRefused(path, "Cannot save '" + path + "': " + reason);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(FailureTest, FolderIsRefused)
{
    const std::string path = m_dir.string();
    const std::string reason = std::strerror(EISDIR);
    ExpectLoadRefused(path, "Cannot load '" + path + "': " + reason);
    ExpectStoreRefused(path, "Cannot save '" + path + "': " + reason);
}

TEST_F(FailureTest, FileHeldByAnotherOpenerIsRefused)
{
    const std::string path = ValidSave();
    const int other = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    const std::string reason = std::string("the file is in use by another program (") + std::strerror(EWOULDBLOCK) + ")";
    ExpectLoadRefused(path, "Cannot load '" + path + "': " + reason);
    ExpectStoreRefused(path, "Cannot save '" + path + "': " + reason);
    ::close(other);
    SaveData data;
    EXPECT_TRUE(LoadSaveData(path, data)) << "the lock must be released with its opener";
}

TEST_F(FailureTest, EditorHoldsTheFileWhileShowingAMessage)
{
    Bytes image = RandomImage(32768, 42); // no signature: a message comes
    const std::string path = WriteFile("nosig.srm", image);
    bool lockedDuringMessage = false;
    SetSaveDataMessageHandler([&](const std::string&) {
        const int other = ::open(path.c_str(), O_RDONLY);
        lockedDuringMessage = ::flock(other, LOCK_EX | LOCK_NB) != 0;
        ::close(other);
    });
    SaveData data;
    EXPECT_FALSE(LoadSaveData(path, data));
    EXPECT_TRUE(lockedDuringMessage);
}

TEST_F(FailureTest, ReadOnlyFileIsRefusedOnStore)
{
    const std::string path = ValidSave();
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    if (::access(path.c_str(), W_OK) == 0)
        GTEST_SKIP() << "running with privileges that write read-only files (root)";
    ExpectStoreRefused(path, "Cannot save '" + path + "': " + std::strerror(EACCES));
    SaveData data;
    EXPECT_TRUE(LoadSaveData(path, data)) << "reading a read-only save still works";
}

TEST_F(FailureTest, MissingSignatureKeepsItsMessage)
{
    Bytes image = RandomImage(32768, 43);
    const std::string path = WriteFile("nosig.srm", image);
    ExpectLoadRefused(path, "Invalid 'DM SFX SAVE DATA'");
    ExpectStoreRefused(path, "Invalid 'DM SFX SAVE DATA'");
}

// Reads: 2 during detection, then one per field. Writes: one per field.
class InjectedFailureTest : public FailureTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(InjectedFailureTest, LoadFailingPartWayChangesNothing)
{
    const std::string path = ValidSave();
    CSaveFile::FailNth(CSaveFile::Operation::Read, GetParam());
    ExpectLoadRefused(path, "Cannot load '" + path + "': " + std::strerror(EIO));
}

TEST_P(InjectedFailureTest, StoreFailingPartWayReportsOnce)
{
    const std::string path = ValidSave();
    CSaveFile::FailNth(CSaveFile::Operation::Write, GetParam());
    EXPECT_FALSE(StoreSaveData(path, DistinctRecord(4)));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], "Cannot save '" + path + "': " + std::strerror(EIO));
    // The last field (champion 4's wizard experience) comes after every
    // failing write, so it must be as it was.
    const Bytes after = ReadFile(path);
    EXPECT_EQ(after[3457 + 60], m_image[3457 + 60]);
    EXPECT_EQ(after[3457 + 61], m_image[3457 + 61]);
}

INSTANTIATE_TEST_SUITE_P(AtAccess, InjectedFailureTest, ::testing::Values(1, 2, 3, 50, 101));

TEST_F(FailureTest, FailedFlushOrCloseIsReported)
{
    const struct
    {
        CSaveFile::Operation operation;
        bool store;
    } cases[] = {{CSaveFile::Operation::Flush, true},
                 {CSaveFile::Operation::Close, true},
                 {CSaveFile::Operation::Close, false}};
    const std::string path = ValidSave();
    for (const auto& c : cases) {
        CSaveFile::FailNth(c.operation, 1);
        const std::string verb = c.store ? "save" : "load";
        if (!c.store) {
            ExpectLoadRefused(path, "Cannot load '" + path + "': " + std::strerror(EIO));
        } else {
            EXPECT_FALSE(StoreSaveData(path, DistinctRecord(4)));
            ASSERT_EQ(m_messages.size(), 1u);
            EXPECT_EQ(m_messages[0], "Cannot " + verb + " '" + path + "': " + std::strerror(EIO));
            m_messages.clear();
        }
    }
    SaveData data;
    EXPECT_TRUE(LoadSaveData(path, data)) << "a failed close still releases the file";
}
}
