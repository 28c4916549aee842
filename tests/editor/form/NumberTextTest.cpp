#include "editor/form/NumberText.h"

#include <gtest/gtest.h>

namespace
{
TEST(NumberTextTest, NumberFieldsTakeOnlyUnsignedDecimalsWhileLeadingIntegersNeverFail)
{
    const std::pair<const char*, std::optional<std::uint32_t>> cases[] = {
        {"0", 0u}, {"00", 0u}, {"  7  ", 7u}, {"\t+7", 7u}, {"4294967295", 4294967295u},
        {"99999999999", 4294967295u}, // saturates
        {"000000000000000000000000000000070000", 70000u}, // the whole text counts, however long
        {"", std::nullopt}, {"abc", std::nullopt}, {"7a", std::nullopt}, {"1 2", std::nullopt},
        {"-5", std::nullopt}, {"-0", std::nullopt}, {"+0", std::nullopt}, {"+", std::nullopt},
        {"0x10", std::nullopt}, {"١٢", std::nullopt}, // digits of other scripts are not decimal here
        {"１２", 12u}, {"　＋７０", 70u}, // as a Japanese input method types them
        {"1                              x", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseNumberField(QString::fromUtf8(text)), expected) << '"' << text << '"';

    // Experience texts and the player count are never refused: the leading
    // integer, C-library style, wrapping in 32 bits.
    const std::pair<const char*, std::int32_t> leading[] = {
        {"abc", 0}, {"", 0}, {"12abc", 12}, {"-5", -5}, {" +8", 8}, {"4294967295", -1}, {"4294967296", 0}, {"３２", 32},
    };
    for (const auto& [text, expected] : leading)
        EXPECT_EQ(LeadingInteger(QString::fromUtf8(text)), expected) << '"' << text << '"';
    EXPECT_EQ(UnsignedText(static_cast<std::uint32_t>(-1)), QStringLiteral("4294967295"));
}
}
