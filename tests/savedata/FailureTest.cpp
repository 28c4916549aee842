#include "SaveFileFixture.h"
#include "TestPlatform.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "savedata/SaveFile.h"

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

    // The message of a failed load or store with the system's reason.
    static std::string Refusal(const char* verb, const std::string& path, SystemError error)
    {
        return std::string("Cannot ") + verb + " '" + path + "': " + ExpectedReason(error);
    }

    Bytes m_image;
};

TEST_F(FailureTest, MissingFileIsNeverCreated)
{
    const std::string path = PathOf("missing.srm");
    ExpectLoadRefused(path, Refusal("load", path, SystemError::NotFound));
    ExpectStoreRefused(path, Refusal("save", path, SystemError::NotFound));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(FailureTest, FolderIsRefused)
{
    const std::string path = m_dir.string();
    ExpectLoadRefused(path, Refusal("load", path, SystemError::IsFolder));
    ExpectStoreRefused(path, Refusal("save", path, SystemError::IsFolder));
}

#ifndef _WIN32
TEST_F(FailureTest, FifoIsRefusedWithoutWaitingForAWriter)
{
    const std::string path = PathOf("pipe.srm");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    ExpectLoadRefused(path, "Cannot load '" + path + "': it is not a regular file");
    ExpectStoreRefused(path, "Cannot save '" + path + "': it is not a regular file");
}
#endif

TEST_F(FailureTest, FileHeldByAnotherOpenerIsRefused)
{
    const std::string path = ValidSave();
    {
        const OtherOpener other(path);
        ASSERT_TRUE(other.Holds());
        ExpectLoadRefused(path, Refusal("load", path, SystemError::InUse));
        ExpectStoreRefused(path, Refusal("save", path, SystemError::InUse));
    }
    // Windows keeps even readers out while it is held: compare only now.
    EXPECT_EQ(ReadFile(path), m_image);
    SaveData data;
    EXPECT_TRUE(LoadSaveData(path, data)) << "the lock must be released with its opener";
}

TEST_F(FailureTest, EditorHoldsTheFileWhileShowingAMessage)
{
    Bytes image = RandomImage(32768, 42); // no signature: a message comes
    const std::string path = WriteFile("nosig.srm", image);
    ASSERT_TRUE(AnotherCanOpen(path)) << "nobody holds it yet";
    for (const TransferDirection direction : {TransferDirection::Load, TransferDirection::Store}) {
        bool heldDuringMessage = false;
        SetSaveDataMessageHandler([&](const std::string&) { heldDuringMessage = !AnotherCanOpen(path); });
        SaveData data;
        EXPECT_FALSE(TransferSaveData(path, data, direction));
        EXPECT_TRUE(heldDuringMessage) << (direction == TransferDirection::Load ? "load" : "store");
    }
    EXPECT_TRUE(AnotherCanOpen(path)) << "released after the call";
}

TEST_F(FailureTest, ReadOnlyFileIsRefusedOnStore)
{
    const std::string path = ValidSave();
    if (!MakeReadOnly(path))
        GTEST_SKIP() << "running with privileges that write read-only files (root)";
    ExpectStoreRefused(path, Refusal("save", path, SystemError::ReadOnly));
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

// ValidSave's signature is at the first placement, so the compression check
// and detection take one read each. Then one read per field (a load's reads, or a store's read-back
// after its writes), 102 in all. Writes: one per field.
class InjectedFailureTest : public FailureTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(InjectedFailureTest, LoadFailingPartWayChangesNothing)
{
    const std::string path = ValidSave();
    CSaveFile::FailNth(CSaveFile::Operation::Read, GetParam());
    ExpectLoadRefused(path, Refusal("load", path, SystemError::Io));
}

TEST_P(InjectedFailureTest, StoreFailingPartWayReportsOnce)
{
    const std::string path = ValidSave();
    CSaveFile::FailNth(CSaveFile::Operation::Write, GetParam());
    EXPECT_FALSE(StoreSaveData(path, DistinctRecord(4)));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], Refusal("save", path, SystemError::Io));
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
        if (!c.store) {
            ExpectLoadRefused(path, Refusal("load", path, SystemError::Io));
        } else {
            EXPECT_FALSE(StoreSaveData(path, DistinctRecord(4)));
            ASSERT_EQ(m_messages.size(), 1u);
            EXPECT_EQ(m_messages[0], Refusal("save", path, SystemError::Io));
            m_messages.clear();
        }
    }
    SaveData data;
    EXPECT_TRUE(LoadSaveData(path, data)) << "a failed close still releases the file";
}

// After writing and flushing, a store reads every field back: reads 3 to 103
// after the compression check and detection (read 3 is the party's first
// word, 16 champion 1's first byte field, 103 champion 4's wizard experience).
enum class ReadBackFault { Corrupted, Failed };

struct ReadBackCase
{
    const char* name;
    ReadBackFault fault;
    int nth;
    std::size_t byte; // which byte of a corrupted read
};

const ReadBackCase kReadBackCases[] = {
    {"FirstWordLowByteDiffers", ReadBackFault::Corrupted, 3, 0},
    {"FirstWordHighByteDiffers", ReadBackFault::Corrupted, 3, 1},
    {"ByteFieldDiffers", ReadBackFault::Corrupted, 16, 0},
    {"LastWordHighByteDiffers", ReadBackFault::Corrupted, 103, 1},
    {"FirstReadBackFails", ReadBackFault::Failed, 3, 0},
    {"LastReadBackFails", ReadBackFault::Failed, 103, 0},
};

void PrintTo(const ReadBackCase& c, std::ostream* out)
{
    *out << c.name;
}

class ReadBackTest : public FailureTest, public ::testing::WithParamInterface<ReadBackCase>
{
};

TEST_P(ReadBackTest, StoreThatDoesNotReadBackFailsOnce)
{
    const ReadBackCase& c = GetParam();
    const std::string path = ValidSave();
    const SaveData written = DistinctRecord(6);
    if (c.fault == ReadBackFault::Corrupted)
        CSaveFile::CorruptNthRead(c.nth, c.byte);
    else
        CSaveFile::FailNth(CSaveFile::Operation::Read, c.nth);

    EXPECT_FALSE(StoreSaveData(path, written));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], c.fault == ReadBackFault::Corrupted
                                 ? "Cannot save '" + path + "': the file did not read back what was written"
                                 : Refusal("save", path, SystemError::Io));
    m_messages.clear();

    // Checking comes after all the writes, so every field is in the file.
    CSaveFile::ClearInjectedFailures();
    SaveData reloaded;
    ASSERT_TRUE(LoadSaveData(path, reloaded));
    EXPECT_EQ(reloaded.party, written.party);
    EXPECT_EQ(reloaded.champions[3].wizardExperience, written.champions[3].wizardExperience & 0xFFFF);
}

INSTANTIATE_TEST_SUITE_P(Faults, ReadBackTest, ::testing::ValuesIn(kReadBackCases),
                         [](const auto& info) { return std::string(info.param.name); });
}
