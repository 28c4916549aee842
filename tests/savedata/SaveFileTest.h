#pragma once

#include <gtest/gtest.h>

#include "savedata/SaveFile.h"
#include "tests/support/SaveFormat.h"

using SaveFormat::Bytes;
using SaveFormat::kSignature;
using Texts = std::vector<std::pair<std::size_t, std::string>>;
inline constexpr TransferDirection kBothDirections[] = {TransferDirection::Load, TransferDirection::Store};

// A fresh folder per test, named in Japanese so that every path handed over
// is UTF-8 beyond any ANSI code page, and the messages reported. Names are
// UTF-8 too.
class SaveFileTest : public ::testing::Test
{
protected:
    SaveFileTest()
    {
        std::filesystem::remove_all(m_root);
        std::filesystem::create_directories(m_root / u8"セーブ");
        SetSaveDataMessageHandler([this](const SaveDataFailure& failure) { m_messages.push_back(FailureText(failure)); });
    }

    ~SaveFileTest() override
    {
        CSaveFile::ClearInjectedFailures();
        SetSaveDataMessageHandler([](const SaveDataFailure&) {});
        std::error_code ignored; // a read-only file cannot be deleted on Windows
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_root, ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_root, ignored);
    }

    std::string PathOf(const std::string& name) const
    {
        return SaveFormat::Utf8(m_root / u8"セーブ" / SaveFormat::Native(name));
    }

    std::string Write(const std::string& name, const Bytes& bytes) const
    {
        SaveFormat::WriteFile(PathOf(name), bytes);
        return PathOf(name);
    }

    // Random bytes with these texts at these positions.
    static Bytes Image(std::size_t size, const Texts& texts, unsigned seed = 1)
    {
        std::mt19937 random(seed);
        Bytes image(size);
        std::generate(image.begin(), image.end(), [&] { return static_cast<unsigned char>(random()); });
        for (const auto& [at, text] : texts)
            std::copy(text.begin(), text.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
        return image;
    }

    static std::string Cannot(TransferDirection direction, const std::string& path, const std::string& reason)
    {
        return (direction == TransferDirection::Load ? "Cannot load '" : "Cannot save '") + path + "': " + reason;
    }

    // A load, or a store of m_record, that fails with exactly this message
    // and leaves the caller's record as it was and the file as given (by
    // default, as it was).
    void Refused(TransferDirection direction, const std::string& path, const std::string& message,
                 std::optional<Bytes> after = std::nullopt)
    {
        const bool isFile = std::filesystem::is_regular_file(SaveFormat::Native(path)); // never open a FIFO
        if (!after && isFile)
            after = SaveFormat::ReadFile(path);
        SaveData data = m_record;
        EXPECT_FALSE(direction == TransferDirection::Load ? LoadSaveData(path, data) : StoreSaveData(path, data));
        EXPECT_EQ(data, m_record);
        EXPECT_EQ(m_messages, std::vector<std::string>{message});
        if (isFile) {
            EXPECT_EQ(SaveFormat::ReadFile(path), *after);
        }
        m_messages.clear();
    }

    const std::filesystem::path m_root = SaveFormat::Native(SaveFormat::ScratchPath("dl-savedata-tests"));
    const SaveData m_record = SaveFormat::Distinct(7);
    std::vector<std::string> m_messages;
};
