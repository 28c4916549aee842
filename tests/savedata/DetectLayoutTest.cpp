#include "SaveFileFixture.h"

#include "savedata/SaveFile.h"
#include "savedata/SaveLayout.h"

#include <optional>

namespace
{
struct LayoutCase
{
    const char* name;
    std::size_t size;
    std::optional<std::size_t> signatureAt1;
    std::optional<std::size_t> signatureAt2;
    std::optional<int> expectedBase;
    void (*tamper)(Bytes&) = nullptr;
};

void LowerCaseBoth(Bytes& image)
{
    for (std::size_t start : {std::size_t{0x70}, std::size_t{0x7FF0}})
        for (std::size_t i = start; i < start + 16; ++i)
            image[i] = static_cast<unsigned char>(std::tolower(image[i]));
}

void OneByteOffBoth(Bytes& image)
{
    image[0x70 + 15] ^= 1;
    image[0x7FF0] ^= 0x20;
}

const LayoutCase kLayoutCases[] = {
    {"ExactImageFirstPlacement", 32768, 0x7FF0, std::nullopt, 0},
    {"ShortFileSecondPlacement", 8192, std::nullopt, 0x70, 128},
    {"BothPlacementsFirstWins", 32768, 0x7FF0, 0x70, 0},
    {"LargeFileOnlySecond", 40000, std::nullopt, 0x70, 128},
    {"LargerFileFirstPlacement", 65536, 0x7FF0, std::nullopt, 0},
    // 32752..32767 bytes: the read at 0x7FF0 comes back short.
    {"TruncatedFirstOnly", 32767, std::nullopt, std::nullopt, std::nullopt},
    {"TruncatedFirstWithSecond", 32760, std::nullopt, 0x70, 128},
    {"Exactly128BytesSecond", 128, std::nullopt, 0x70, 128},
    {"OneByteOffAtBoth", 32768, 0x7FF0, 0x70, std::nullopt, OneByteOffBoth},
    {"LowerCaseAtBoth", 32768, 0x7FF0, 0x70, std::nullopt, LowerCaseBoth},
    {"NoSignature", 32768, std::nullopt, std::nullopt, std::nullopt},
    {"EmptyFile", 0, std::nullopt, std::nullopt, std::nullopt},
    {"ShorterThan128", 127, std::nullopt, std::nullopt, std::nullopt},
};

class DetectLayoutTest : public SaveFileTest, public ::testing::WithParamInterface<LayoutCase>
{
};

TEST_P(DetectLayoutTest, FindsThePlacement)
{
    const LayoutCase& c = GetParam();
    Bytes image = RandomImage(c.size, 7);
    if (c.signatureAt1)
        PutSignature(image, *c.signatureAt1);
    if (c.signatureAt2)
        PutSignature(image, *c.signatureAt2);
    if (c.name == std::string("TruncatedFirstOnly")) // the signature's first 15 bytes at the very end
        std::copy_n("DM SFX SAVE DAT", 15, image.begin() + 32752);
    if (c.size == 127) // all but the last byte of the second placement
        std::copy_n("DM SFX SAVE DAT", 15, image.begin() + 112);
    if (c.tamper)
        c.tamper(image);

    CSaveFile file;
    file.Open(WriteFile("save.srm", image), CSaveFile::Access::ReadOnly);
    const std::optional<SaveLayout> layout = DetectLayout(file);

    ASSERT_EQ(layout.has_value(), c.expectedBase.has_value());
    if (layout) {
        EXPECT_EQ(layout->baseOffset, *c.expectedBase);
    }
}

INSTANTIATE_TEST_SUITE_P(Placements, DetectLayoutTest, ::testing::ValuesIn(kLayoutCases),
                         [](const auto& info) { return std::string(info.param.name); });
}
