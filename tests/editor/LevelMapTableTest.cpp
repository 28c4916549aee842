#include "editor/LevelMapTable.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(LevelMapTableTest, GridsHoldEveryLevelRowByRow)
{
    const std::pair<std::uint32_t, std::uint32_t> sizes[LevelMapTable::kLevelCount] = {
        {18, 19}, {32, 32}, {32, 32}, {31, 32}, {29, 30}, {31, 32}, {29, 30},
        {31, 31}, {30, 32}, {30, 32}, {30, 32}, {31, 31}, {21, 20}, {20, 11},
    };
    std::size_t total = 0;
    for (std::size_t n = 0; n < LevelMapTable::kLevelCount; ++n) {
        const auto [width, height] = LevelMapTable::Sizes[n];
        EXPECT_EQ(std::pair(width, height), sizes[n]) << n;
        const std::string grid = LevelMapTable::Grids[n];
        EXPECT_EQ(grid.size(), std::size_t{width} * height) << n;
        EXPECT_EQ(grid.find_first_not_of(".X"), std::string::npos) << n;
        total += grid.size();
    }
    EXPECT_EQ(total, 11556U);
    // Rows 0 and 1 of the last level differ, so a transposed grid shows.
    EXPECT_EQ(std::string(LevelMapTable::Grids[13]).substr(0, 40),
              "........XXXXXXXXX..." "........X...X...X...");
}
