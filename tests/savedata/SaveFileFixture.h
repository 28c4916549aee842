#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "savedata/SaveData.h"

using Bytes = std::vector<unsigned char>;

// A temporary folder per test, real files in it, and the messages the
// transfer reported.
class SaveFileTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    std::string PathOf(const std::string& name) const;
    std::string WriteFile(const std::string& name, const Bytes& bytes) const;
    static Bytes ReadFile(const std::string& path);

    // size random bytes with the signature at the given placements.
    static Bytes RandomImage(std::size_t size, unsigned seed);
    static void PutSignature(Bytes& image, std::size_t position);

    std::filesystem::path m_dir;
    std::vector<std::string> m_messages;
};

// Absolute positions of every byte a store may write for a base offset.
std::vector<std::int64_t> FieldBytePositions(int baseOffset);

// A record with a distinct, non-zero value in every field.
SaveData DistinctRecord(unsigned seed);
