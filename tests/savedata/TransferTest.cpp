#include "SaveFileTest.h"
#include "savedata/GuardedStore.h"

namespace
{
constexpr int kNone = -1;       // no signature: refused
constexpr int kCompressed = -2; // RetroArch's compression header: refused
constexpr char kInvalid[] = "Invalid 'DM SFX SAVE DATA'";

struct Shape
{
    const char* name;
    std::size_t size;
    Texts texts; // over random bytes
    int base;
};

const Shape kShapes[] = {
    {"First32768", 32768, {{0x7FF0, kSignature}}, 0},
    {"Second8192", 8192, {{0x70, kSignature}}, 128},
    {"BothFirstWins", 32768, {{0x7FF0, kSignature}, {0x70, kSignature}}, 0},
    {"SecondOnly40000", 40000, {{0x70, kSignature}}, 128},
    {"First65536", 65536, {{0x7FF0, kSignature}}, 0},
    // 32752..32767 bytes: the read at 0x7FF0 comes back short.
    {"CutFirst32767", 32767, {{0x7FF0, "DM SFX SAVE DAT"}}, kNone},
    {"CutFirstWithSecond32760", 32760, {{0x7FF0, "DM SFX S"}, {0x70, kSignature}}, 128},
    {"Second128", 128, {{0x70, kSignature}}, 128},
    {"OneByteOff", 32768, {{0x7FF0, "dM SFX SAVE DATA"}, {0x70, "DM SFX SAVE DAT@"}}, kNone},
    {"LowerCase", 32768, {{0x7FF0, "dm sfx save data"}, {0x70, "dm sfx save data"}}, kNone},
    {"NoSignature", 32768, {}, kNone},
    {"Empty", 0, {}, kNone},
    {"Short127", 127, {{0x70, "DM SFX SAVE DAT"}}, kNone},
    // Fields past the end load as 0 and a store grows the file to hold them.
    {"Short1000", 1000, {{0x70, kSignature}}, 128},
    // The file ends after the low byte of champion 0's hpMax, which it keeps.
    {"WordCut1191", 1191, {{0x70, kSignature}, {1190, "\xAB"}}, 128},
    {"Compressed", 32768, {{0, SaveFormat::kRzipHeader}, {0x7FF0, kSignature}}, kCompressed},
    {"AlmostCompressed", 32768, {{0, "#RZIPv\x01$"}, {0x7FF0, kSignature}}, 0},
};

// Load and store against the independent description of the format: every
// field of the record and every byte of the file.
TEST_F(SaveFileTest, EveryShapeOfFileLoadsAndStoresAtItsPlacement)
{
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        const Bytes image = Image(shape.size, shape.texts, static_cast<unsigned>(shape.size));
        const std::string path = Write("ダンジョン.srm", image);
        if (shape.base < 0) {
            for (const TransferDirection direction : kBothDirections)
                Refused(direction, path, shape.base == kNone ? kInvalid : CompressedFileMessage(path));
            continue;
        }
        SaveData data = SaveFormat::Distinct(1);
        ASSERT_TRUE(LoadSaveData(path, data));
        EXPECT_EQ(data, SaveFormat::Decode(image, shape.base));
        SaveData direct = SaveFormat::Distinct(2); // not a fresh record: every field must be set, if only to 0
        ASSERT_TRUE(TransferSaveData(path, direct, TransferDirection::Load));
        EXPECT_EQ(direct, data);

        // The record as loaded changes no byte, but a short file grows.
        ASSERT_TRUE(StoreSaveData(path, data));
        EXPECT_EQ(SaveFormat::ReadFile(path), SaveFormat::Encode(image, shape.base, data));
        const SaveData written = SaveFormat::Distinct(3);
        ASSERT_TRUE(StoreSaveData(path, written));
        const Bytes after = SaveFormat::ReadFile(path);
        EXPECT_EQ(after, SaveFormat::Encode(image, shape.base, written));
        EXPECT_EQ(after.size(), std::max<std::size_t>(image.size(), static_cast<std::size_t>(shape.base) + 3519));
        EXPECT_TRUE(m_messages.empty());
    }
}

// A layout is never remembered, and only the low bits of a value that is
// too wide are stored, here at positions spelled out rather than looked up.
TEST_F(SaveFileTest, StoreWritesLowBitsAtThePlacementOfTheFileNamedNow)
{
    const Bytes first = Image(32768, {{0x7FF0, kSignature}}), second = Image(32768, {{0x70, kSignature}}, 2);
    const std::string firstPath = Write("a.srm", first), secondPath = Write("b.srm", second);
    SaveData data;
    ASSERT_TRUE(LoadSaveData(firstPath, data));
    data.champions[0].strengthCurrent = 300;
    data.champions[0].hpMax = 70000;
    data.party.x = -1;
    ASSERT_TRUE(StoreSaveData(secondPath, data));
    EXPECT_EQ(SaveFormat::ReadFile(firstPath), first);
    const Bytes after = SaveFormat::ReadFile(secondPath);
    EXPECT_EQ(after, SaveFormat::Encode(second, 128, data));
    EXPECT_EQ((Bytes{after[1209], after[1190], after[1191], after[140], after[141]}), (Bytes{44, 0x70, 0x11, 0xFF, 0xFF}));
}

// Beside an emulator: a store goes only into the file loaded, only while it
// holds what was loaded or last stored, checked to its last byte even when
// the file is too large to keep whole.
TEST_F(SaveFileTest, GuardedStoreWritesOnlyIntoTheUnchangedLoadedFile)
{
    const auto StoreUnchanged = [](const std::string& path, const SaveData& data, const SaveFileSnapshot& expected,
                                   SaveFileSnapshot& found) {
        GuardedStoreResult result = StoreSaveDataFields(
            path, data, {.fields = FieldSet().set(), .check = StoreCheck::Unchanged, .expected = expected});
        found = std::move(result.found);
        return result.outcome;
    };
    using R = GuardedStoreResult::Outcome;
    Bytes image = Image(kMaxKeptFileBytes + 70000, {{0x7FF0, kSignature}});
    const std::string path = Write("large.srm", image), link = PathOf("link.srm");
    const SaveData first = SaveFormat::Distinct(1), second = SaveFormat::Distinct(2);
    SaveFileSnapshot stored, restored, found, linked;
    const SnapshotLoad loaded = LoadWithSnapshot(path);
    ASSERT_TRUE(loaded.loaded);
    ASSERT_EQ(StoreUnchanged(path, first, loaded.snapshot, stored), R::Stored);
    image = SaveFormat::Encode(image, 0, first);
    EXPECT_EQ(StoreUnchanged(Write("copy.srm", image), second, stored, found), R::OtherFile);
    // The same file spelt otherwise, or behind a link, is no other file.
    ASSERT_EQ(StoreUnchanged(PathOf("./large.srm"), first, stored, restored), R::Stored);
    std::error_code noLinks; // as under Wine
    std::filesystem::create_symlink(SaveFormat::Native(path), SaveFormat::Native(link), noLinks);
    if (!noLinks) {
        ASSERT_EQ(StoreUnchanged(link, first, restored, linked), R::Stored);
    }
    EXPECT_EQ(SaveFormat::ReadFile(path), image);

    // The emulator saves by renaming a new file over the old one: the same
    // save, for every spelling of its path, here changed in its last byte.
    image.back() ^= 1;
    std::filesystem::rename(SaveFormat::Native(Write("new.srm", image)), SaveFormat::Native(path));
    std::filesystem::create_directory(SaveFormat::Native(PathOf("sub")));
    for (const std::string& spelt : {path, PathOf("sub/../large.srm"), PathOf("") + "/large.srm"})
        EXPECT_EQ(StoreUnchanged(spelt, second, restored, found), R::ChangedOnDisk);
    EXPECT_EQ(SaveFormat::ReadFile(path), image);
    // Once the user agrees, what the refusal found lets the store go ahead.
    EXPECT_EQ(StoreUnchanged(path, second, found, stored), R::Stored);
    EXPECT_EQ(SaveFormat::ReadFile(path), SaveFormat::Encode(image, 0, second));
    // Links are not resolved: a file renamed over the link itself is still
    // the save loaded through it.
    if (!noLinks) {
        std::filesystem::rename(SaveFormat::Native(Write("new.srm", image)), SaveFormat::Native(link));
        EXPECT_EQ(StoreUnchanged(link, second, linked, found), R::ChangedOnDisk);
    }
    EXPECT_TRUE(m_messages.empty());
}
}
