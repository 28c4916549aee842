#include "editor/NumberText.h"

#include <gtest/gtest.h>

namespace
{
struct ParseCase
{
    const char* text;
    std::optional<std::uint32_t> expected;
};

TEST(NumberTextTest, NumberFieldsAcceptOnlyUnsignedDecimals)
{
    const ParseCase cases[] = {
        {"0", 0u},
        {"00", 0u},
        {"  7  ", 7u},
        {"\t+7", 7u},
        {"4294967295", 4294967295u},
        {"99999999999", 4294967295u}, // saturates
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"7a", std::nullopt},
        {"1 2", std::nullopt},
        {"-5", std::nullopt},
        {"-0", std::nullopt},
        {"+0", std::nullopt},
        {"+", std::nullopt},
        {"0x10", std::nullopt},
        {"١٢", std::nullopt}, // digits of other scripts are not decimal here
        // The whole text is judged, however long.
        {"1                              x", std::nullopt},
        {"000000000000000000000000000000070000", 70000u},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseNumberField(QString::fromUtf8(c.text)), c.expected) << '"' << c.text << '"';
}

TEST(NumberTextTest, LeadingIntegerNeverFailsAndWraps)
{
    const struct
    {
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {"abc", 0}, {"", 0}, {"12abc", 12}, {"-5", -5}, {" +8", 8}, {"4294967295", -1}, {"4294967296", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingInteger(QString::fromUtf8(c.text)), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(UnsignedText(static_cast<std::uint32_t>(-1)), QStringLiteral("4294967295"));
}
}
