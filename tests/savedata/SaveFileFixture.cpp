#include "SaveFileFixture.h"

#include "TestPlatform.h"

#include "savedata/SaveFields.h"
#include "savedata/SaveFile.h"

#include <algorithm>
#include <fstream>
#include <random>

void SaveFileTest::SetUp()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Parameterised names hold '/', which must not make nested folders.
    std::string name = std::string("dl-") + info->test_suite_name() + "-" + info->name() + "-" +
                       std::to_string(CurrentProcessId());
    std::replace(name.begin(), name.end(), '/', '_');
    m_dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
    SetSaveDataMessageHandler([this](const std::string& text) { m_messages.push_back(text); });
}

void SaveFileTest::TearDown()
{
    CSaveFile::ClearInjectedFailures();
    SetSaveDataMessageHandler([](const std::string&) {});
    std::error_code ignored;
    std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all, ignored);
    // A read-only file cannot be deleted on Windows.
    for (const auto& entry : std::filesystem::directory_iterator(m_dir, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(m_dir, ignored);
}

std::string SaveFileTest::PathOf(const std::string& name) const
{
    return (m_dir / name).string();
}

std::string SaveFileTest::WriteFile(const std::string& name, const Bytes& bytes) const
{
    const std::string path = PathOf(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

Bytes SaveFileTest::ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes SaveFileTest::RandomImage(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    Bytes image(size);
    for (auto& byte : image)
        byte = static_cast<unsigned char>(random());
    return image;
}

void SaveFileTest::PutSignature(Bytes& image, std::size_t position)
{
    const std::string signature = "DM SFX SAVE DATA";
    std::copy(signature.begin(), signature.end(), image.begin() + static_cast<std::ptrdiff_t>(position));
}

std::vector<std::int64_t> FieldBytePositions(int baseOffset)
{
    // Written out from the file format, not from the library's table.
    const int partyWords[] = {10, 12, 14, 16, 18};
    const int championWords[] = {0, 2, 4, 6, 8, 10, 14, 16, 42, 48, 54, 60};
    const int championBytes[] = {21, 22, 24, 25, 27, 28, 30, 31, 33, 34, 36, 37};
    std::vector<std::int64_t> positions;
    for (int offset : partyWords) {
        positions.push_back(baseOffset + offset);
        positions.push_back(baseOffset + offset + 1);
    }
    for (int block : {1060, 1859, 2658, 3457}) {
        for (int offset : championWords) {
            positions.push_back(baseOffset + block + offset);
            positions.push_back(baseOffset + block + offset + 1);
        }
        for (int offset : championBytes)
            positions.push_back(baseOffset + block + offset);
    }
    return positions;
}

SaveData DistinctRecord(unsigned seed)
{
    std::mt19937 random(seed);
    auto next = [&] { return static_cast<std::int32_t>(1 + random() % 60000); };
    SaveData data;
    for (const PartyField& field : kPartyFields)
        data.party.*field.member = next();
    for (ChampionRecord& champion : data.champions)
        for (const ChampionField& field : kChampionFields)
            champion.*field.member = next();
    return data;
}
