#include "SaveFileTest.h"
#include "TestPlatform.h"
#include "savedata/GuardedStore.h"

namespace
{
using SaveFormat::Chosen;
using R = GuardedStoreResult::Outcome;
constexpr char kInvalid[] = "Invalid 'DM SFX SAVE DATA'";

// Fields scattered over the party and all four champions.
const Chosen kScattered = Chosen(0x9E3779B97F4A7C15ull) | Chosen(0xC2B2AE3D27D4EB4Full) << 37;

class FieldStoreTest : public SaveFileTest
{
protected:
    R Store(const std::string& path, const Chosen& fields, StoreCheck check)
    {
        m_stored =
            StoreSaveDataFields(path, m_record, {.fields = fields, .check = check, .expected = m_loaded.snapshot});
        return m_stored.outcome;
    }

    // found and onDisk tell what the file at path holds now.
    void DescribeFile(const std::string& path, int base)
    {
        EXPECT_EQ(m_stored.found.contents.bytes, SaveFormat::ReadFile(path));
        EXPECT_EQ(m_stored.onDisk, SaveFormat::Decode(SaveFormat::ReadFile(path), base));
    }

    const Bytes m_image = Image(32768, {{0x7FF0, kSignature}});
    const Chosen m_some = kScattered;
    SnapshotLoad m_loaded;
    GuardedStoreResult m_stored;
};

TEST_F(FieldStoreTest, OnlyTheChosenFieldsAreWrittenAndReadBack)
{
    const Chosen kChosen[] = {Chosen(), Chosen().set(0), Chosen().set(13), Chosen().set(100), Chosen().set(),
                              kScattered, ~kScattered};
    const Bytes shortFile = Image(1000, {{0x70, kSignature}}, 3); // grows only for a field past its end
    for (const Chosen& chosen : kChosen) {
        SCOPED_TRACE(chosen.to_string());
        for (const auto& [image, base] : {std::pair{m_image, 0}, std::pair{shortFile, 128}}) {
            const std::string path = Write("a.srm", image);
            ASSERT_EQ(Store(path, chosen, StoreCheck::None), R::Stored);
            EXPECT_EQ(SaveFormat::ReadFile(path), SaveFormat::Encode(image, base, m_record, chosen));
            DescribeFile(path, base);
        }
    }
    EXPECT_TRUE(m_messages.empty());

    // Read-backs: 1 the compression check, 2 the detection, then the fields.
    const std::string path = Write("a.srm", m_image);
    CSaveFile::CorruptNthRead(3, 1);
    EXPECT_EQ(Store(path, Chosen().set(100), StoreCheck::None), R::Failed);
    const std::string reason = "the file did not read back what was written";
    EXPECT_EQ(FailureText(m_stored.failure), Cannot(TransferDirection::Store, path, reason));
    EXPECT_TRUE(m_messages.empty()) << "handed back, not told";
}

// What each check makes of the file it meets, which holds its save at the
// other placement when it changed.
enum class Meets { Loaded, Rewritten, RenamedOver, OtherPath, Unsigned };
struct CheckCase
{
    Meets meets;
    StoreCheck check;
    R result;
};
constexpr auto kUnchanged = StoreCheck::Unchanged, kSameSave = StoreCheck::SameSave, kNone = StoreCheck::None;
const CheckCase kCheckCases[] = {
    {Meets::Loaded, kUnchanged, R::Stored},             {Meets::Loaded, kSameSave, R::Stored},
    {Meets::Rewritten, kUnchanged, R::ChangedOnDisk},   {Meets::Rewritten, kSameSave, R::Stored},
    {Meets::RenamedOver, kUnchanged, R::ChangedOnDisk}, {Meets::RenamedOver, kSameSave, R::Stored},
    {Meets::RenamedOver, kNone, R::Stored},             {Meets::OtherPath, kUnchanged, R::OtherFile},
    {Meets::OtherPath, kSameSave, R::OtherFile},        {Meets::OtherPath, kNone, R::Stored},
    {Meets::Unsigned, kUnchanged, R::Failed},           {Meets::Unsigned, kSameSave, R::Failed},
};

TEST_F(FieldStoreTest, EachCheckRefusesOrMergesIntoTheFileItMeets)
{
    for (const CheckCase& test : kCheckCases) {
        SCOPED_TRACE(std::to_string(&test - kCheckCases));
        const std::string loaded = Write("a.srm", m_image);
        ASSERT_TRUE((m_loaded = LoadWithSnapshot(loaded)).loaded);
        const Bytes now = test.meets == Meets::Loaded     ? m_image
                          : test.meets == Meets::Unsigned ? Image(32768, {}, 4)
                                                          : Image(8192, {{0x70, kSignature}}, 4);
        const std::string path = test.meets == Meets::OtherPath ? Write("other.srm", now) : loaded;
        if (test.meets == Meets::Rewritten || test.meets == Meets::Unsigned)
            Write("a.srm", now);
        if (test.meets == Meets::RenamedOver)
            std::filesystem::rename(SaveFormat::Native(Write("new.srm", now)), SaveFormat::Native(path));
        const int base = test.meets == Meets::Loaded ? 0 : 128;

        EXPECT_EQ(Store(path, m_some, test.check), test.result);
        EXPECT_EQ(SaveFormat::ReadFile(path),
                  test.result == R::Stored ? SaveFormat::Encode(now, base, m_record, m_some) : now);
        EXPECT_TRUE(path == loaded || SaveFormat::ReadFile(loaded) == m_image) << "only the file named is written";
        if (test.result == R::Failed)
            EXPECT_EQ(FailureText(m_stored.failure), kInvalid);
        else
            DescribeFile(path, base);
    }
    EXPECT_TRUE(m_messages.empty());
}

// An emulator that renames its new save over the file while a store writes
// it (POSIX lets it; Windows refuses the rename while the file is held):
// the bytes went into the replaced file, which no path names. The store
// says so, as a change on disk, and describes the new file; never Stored.
TEST_F(FieldStoreTest, AStoreWhoseFileWasRenamedOverIsNoStore)
{
    const Bytes newer = Image(8192, {{0x70, kSignature}}, 5);
    for (const StoreCheck check : {kUnchanged, kSameSave, kNone}) {
        SCOPED_TRACE(static_cast<int>(check));
        const std::string path = Write("a.srm", m_image);
        ASSERT_TRUE((m_loaded = LoadWithSnapshot(path)).loaded);
        bool renamed = false; // Windows refuses the rename while the store holds the file
        CSaveFile::AfterNthFlush(1, [&] {
            std::error_code refused;
            std::filesystem::rename(SaveFormat::Native(Write("new.srm", newer)), SaveFormat::Native(path), refused);
            renamed = !refused;
        });
        const R result = Store(path, m_some, check);
        if (!renamed) {
            EXPECT_EQ(result, R::Stored);
            continue;
        }
        EXPECT_EQ(result, R::ChangedOnDisk);
        EXPECT_EQ(SaveFormat::ReadFile(path), newer) << "nothing of the store reached the new file";
        DescribeFile(path, 128);
    }
    EXPECT_TRUE(m_messages.empty());
}

// A folder reached through a link and by its own name is one save, even
// after the emulator renamed a new file over it (new identity).
TEST_F(FieldStoreTest, TheSameSaveByAnotherSpellingIsNoOtherFile)
{
    const std::string loaded = Write("a.srm", m_image);
    const std::filesystem::path link = m_root / "linked";
    std::error_code refused;
    std::filesystem::create_directory_symlink(m_root / u8"セーブ", link, refused);
    if (refused)
        GTEST_SKIP() << "no links here: " << refused.message();
    ASSERT_TRUE((m_loaded = LoadWithSnapshot(SaveFormat::Utf8(link / "a.srm"))).loaded);
    const Bytes newer = Image(8192, {{0x70, kSignature}}, 6);
    std::filesystem::rename(SaveFormat::Native(Write("new.srm", newer)), SaveFormat::Native(loaded));
    EXPECT_EQ(Store(loaded, m_some, kUnchanged), R::ChangedOnDisk);
    EXPECT_EQ(Store(loaded, m_some, kSameSave), R::Stored);
    EXPECT_EQ(SaveFormat::ReadFile(loaded), SaveFormat::Encode(newer, 128, m_record, m_some));
}

TEST_F(FieldStoreTest, PeekHandsBackItsFailureAndKeepsNoOneOut)
{
    const std::string good = Write("good.srm", m_image), missing = PathOf("missing.srm");
    const std::string packed = Write("packed.srm", Image(32768, {{0, SaveFormat::kRzipHeader}, {0x7FF0, kSignature}}));
    const std::string unsigned_ = Write("unsigned.srm", Image(32768, {}));
    constexpr auto kLoad = TransferDirection::Load;
    const std::pair<std::string, std::string> kFailures[] = {
        {missing, Cannot(kLoad, missing, ExpectedReason(SystemError::NotFound))},
        {packed, CompressedFileMessage(packed)},
        {unsigned_, kInvalid},
        {good, Cannot(kLoad, good, "the file changed while it was read")}, // read 1 is the first look at it
    };
    for (const auto& [path, message] : kFailures) {
        if (path == good)
            CSaveFile::CorruptNthRead(1, 0);
        const SnapshotLoad seen = PeekSaveData(path);
        EXPECT_FALSE(seen.loaded);
        EXPECT_EQ(FailureText(seen.failure), message);
    }
    const SnapshotLoad seen = PeekSaveData(good);
    ASSERT_TRUE(seen.loaded) << FailureText(seen.failure);
    EXPECT_EQ(seen.values, SaveFormat::Decode(m_image, 0));
    EXPECT_EQ(seen.snapshot.contents.bytes, m_image);
    CSaveFile peeker; // nor keeps anyone out
    peeker.Open(good, CSaveFile::Access::SharedRead);
    EXPECT_TRUE(AnotherCanOpen(good));
    EXPECT_TRUE(m_messages.empty());
}
}
