#include "SaveFileFixture.h"

#include "TestPlatform.h"

#include "savedata/SaveFields.h"

#include <fstream>
#include <set>

namespace
{
int WordAt(const Bytes& image, std::size_t position)
{
    return image[position] + 256 * image[position + 1];
}

class TransferTest : public SaveFileTest, public ::testing::WithParamInterface<int>
{
protected:
    // A 32 KiB image whose placement matches the parameter (base 0 or 128).
    Bytes ImageForBase(unsigned seed) const
    {
        Bytes image = RandomImage(32768, seed);
        PutSignature(image, GetParam() == 0 ? 0x7FF0 : 0x70);
        return image;
    }
};

TEST_P(TransferTest, LoadReadsEveryFieldLowByteFirst)
{
    const int base = GetParam();
    const Bytes image = ImageForBase(11);
    SaveData data;
    ASSERT_TRUE(LoadSaveData(WriteFile("a.srm", image), data));
    EXPECT_TRUE(m_messages.empty());

    EXPECT_EQ(data.party.playerCount, WordAt(image, base + 10));
    EXPECT_EQ(data.party.level, WordAt(image, base + 18));
    // Champion 1's block starts at an odd offset: words there are unaligned.
    EXPECT_EQ(data.champions[1].hpCurrent, WordAt(image, base + 1859));
    EXPECT_EQ(data.champions[1].wizardExperience, WordAt(image, base + 1859 + 60));
    EXPECT_EQ(data.champions[3].strengthCurrent, image[base + 3457 + 21]);
    EXPECT_EQ(data.champions[3].wizardExperience, WordAt(image, base + 3457 + 60));
    EXPECT_EQ(data.champions[0].antiFireMax, image[base + 1060 + 37]);
    EXPECT_EQ(data.champions[2].food, WordAt(image, base + 2658 + 14));
}

TEST_P(TransferTest, UnchangedStoreLeavesFileIdentical)
{
    const Bytes image = ImageForBase(12);
    const std::string path = WriteFile("a.srm", image);
    SaveData data;
    ASSERT_TRUE(LoadSaveData(path, data));
    ASSERT_TRUE(StoreSaveData(path, data));
    EXPECT_EQ(ReadFile(path), image);
}

TEST_P(TransferTest, StoreChangesExactlyTheFieldBytes)
{
    const int base = GetParam();
    const Bytes before = ImageForBase(13);
    const std::string path = WriteFile("a.srm", before);
    const SaveData written = DistinctRecord(5);
    ASSERT_TRUE(StoreSaveData(path, written));
    EXPECT_TRUE(m_messages.empty());

    const Bytes after = ReadFile(path);
    ASSERT_EQ(after.size(), before.size());
    const std::vector<std::int64_t> fields = FieldBytePositions(base);
    const std::set<std::int64_t> fieldSet(fields.begin(), fields.end());
    ASSERT_EQ(fieldSet.size(), 154u);
    for (std::size_t i = 0; i < after.size(); ++i)
        if (!fieldSet.count(static_cast<std::int64_t>(i))) {
            ASSERT_EQ(after[i], before[i]) << "byte outside the fields changed at " << i;
        }

    SaveData reloaded;
    ASSERT_TRUE(LoadSaveData(path, reloaded));
    SaveData expected = written;
    for (ChampionRecord& champion : expected.champions) // byte fields keep their low 8 bits
        for (const ChampionField& field : kChampionFields)
            if (field.width == FieldWidth::Byte)
                champion.*field.member &= 0xFF;
    EXPECT_EQ(reloaded, expected);
}

INSTANTIATE_TEST_SUITE_P(BothPlacements, TransferTest, ::testing::Values(0, 128),
                         [](const auto& info) { return "Base" + std::to_string(info.param); });

TEST_F(SaveFileTest, WideValuesKeepTheirLowBits)
{
    Bytes image = RandomImage(32768, 21);
    PutSignature(image, 0x7FF0);
    const std::string path = WriteFile("a.srm", image);
    SaveData data;
    data.champions[0].strengthCurrent = 300;
    data.champions[0].hpMax = 70000;
    data.party.x = -1;
    ASSERT_TRUE(StoreSaveData(path, data));
    const Bytes after = ReadFile(path);
    EXPECT_EQ(after[1081], 44);
    EXPECT_EQ(after[1062], 0x70);
    EXPECT_EQ(after[1063], 0x11);
    EXPECT_EQ(after[12], 0xFF);
    EXPECT_EQ(after[13], 0xFF);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(SaveFileTest, ShortFileLoadsZerosAndGrowsOnStore)
{
    Bytes image = RandomImage(1000, 22);
    PutSignature(image, 0x70);
    const std::string path = WriteFile("short.srm", image);

    SaveData data = DistinctRecord(1);
    ASSERT_TRUE(LoadSaveData(path, data));
    EXPECT_EQ(data.party.x, WordAt(image, 140));
    EXPECT_EQ(data.party.level, WordAt(image, 146));
    for (const ChampionRecord& champion : data.champions)
        EXPECT_EQ(champion, ChampionRecord{});

    const SaveData written = DistinctRecord(2);
    ASSERT_TRUE(StoreSaveData(path, written));
    const Bytes after = ReadFile(path);
    ASSERT_EQ(after.size(), 3647u);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 138, after.begin()));
    const std::vector<std::int64_t> fields = FieldBytePositions(128);
    const std::set<std::int64_t> fieldSet(fields.begin(), fields.end());
    for (std::size_t i = 148; i < after.size(); ++i) {
        if (fieldSet.count(static_cast<std::int64_t>(i)))
            continue;
        const unsigned char expected = i < image.size() ? image[i] : 0;
        ASSERT_EQ(after[i], expected) << "at " << i;
    }
}

TEST_F(SaveFileTest, WordCutByEndOfFileKeepsItsFirstByte)
{
    // The file ends after the low byte of champion 0's hpMax (base 128).
    Bytes image = RandomImage(128 + 1062 + 1, 23);
    PutSignature(image, 0x70);
    image.back() = 0xAB;
    SaveData data;
    ASSERT_TRUE(LoadSaveData(WriteFile("cut.srm", image), data));
    EXPECT_EQ(data.champions[0].hpMax, 0xAB);
    EXPECT_EQ(data.champions[0].staminaCurrent, 0);
}

TEST_F(SaveFileTest, StoreUsesThePlacementOfTheFileNamedNow)
{
    Bytes a = RandomImage(32768, 31);
    PutSignature(a, 0x7FF0);
    Bytes b = RandomImage(32768, 32);
    PutSignature(b, 0x70);
    const std::string pathA = WriteFile("a.srm", a);
    const std::string pathB = WriteFile("b.srm", b);

    SaveData data;
    ASSERT_TRUE(LoadSaveData(pathA, data));
    data.party.x = 0x1234;
    ASSERT_TRUE(StoreSaveData(pathB, data));
    EXPECT_EQ(ReadFile(pathA), a);
    const Bytes afterB = ReadFile(pathB);
    EXPECT_EQ(WordAt(afterB, 128 + 12), 0x1234);
}
}

TEST_F(SaveFileTest, FileTooLargeToKeepIsStillCheckedToItsLastByte)
{
    Bytes image = RandomImage(kMaxKeptFileBytes + 70000, 51);
    PutSignature(image, 0x7FF0);
    const std::string path = WriteFile("large.srm", image);
    SaveData data;
    SaveFileSnapshot loaded;
    ASSERT_TRUE(LoadSaveData(path, data, loaded));

    image.back() ^= 1; // "the emulator" saved meanwhile
    WriteFile("large.srm", image);
    SaveFileSnapshot found;
    EXPECT_EQ(StoreSaveDataIfUnchanged(path, data, loaded, found), GuardedStoreResult::ChangedOnDisk);
    EXPECT_EQ(ReadFile(path), image);
    SaveFileSnapshot written;
    EXPECT_EQ(StoreSaveDataIfUnchanged(path, data, found, written), GuardedStoreResult::Stored);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(SaveFileTest, PathsAreUtf8WhateverTheSystemsCodePage)
{
    const std::filesystem::path folder = m_dir / std::filesystem::path(u8"セーブ");
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / std::filesystem::path(u8"ダンジョン.srm");
    Bytes image = RandomImage(32768, 61);
    PutSignature(image, 0x7FF0);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), 32768);
    const std::u8string utf8 = file.u8string();
    const std::string path(utf8.begin(), utf8.end());

    SaveData data;
    ASSERT_TRUE(LoadSaveData(path, data));
    data.party.x = 0x0102;
    ASSERT_TRUE(StoreSaveData(path, data));
    std::ifstream in(file, std::ios::binary);
    const Bytes after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(WordAt(after, 12), 0x0102);

    EXPECT_FALSE(LoadSaveData(path + ".old", data));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], "Cannot load '" + path + ".old': " + ExpectedReason(SystemError::NotFound));
}
