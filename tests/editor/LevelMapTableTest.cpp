#include "editor/LevelMapTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LevelMapTableTest, GridsMatchTheLevelSizes)
{
    const LevelSize expected[LevelMapTable::kLevelCount] = {
        {18, 19}, {32, 32}, {32, 32}, {31, 32}, {29, 30}, {31, 32}, {29, 30},
        {31, 31}, {30, 32}, {30, 32}, {30, 32}, {31, 31}, {21, 20}, {20, 11},
    };
    std::size_t total = 0;
    for (std::size_t n = 0; n < LevelMapTable::kLevelCount; ++n) {
        SCOPED_TRACE(n);
        const LevelSize size = LevelMapTable::Sizes[n];
        EXPECT_EQ(size.width, expected[n].width);
        EXPECT_EQ(size.height, expected[n].height);
        const std::string grid = LevelMapTable::Grids[n];
        EXPECT_EQ(grid.size(), std::size_t{size.width} * size.height);
        EXPECT_EQ(grid.find_first_not_of(".X"), std::string::npos);
        total += grid.size();
    }
    EXPECT_EQ(total, 11556U);
}

TEST(LevelMapTableTest, GridsAreStoredRowByRow)
{
    const std::string last = LevelMapTable::Grids[13];
    EXPECT_EQ(last.substr(0, 20), "........XXXXXXXXX...");
    EXPECT_EQ(last.substr(20, 20), "........X...X...X...");
    EXPECT_EQ(last.substr(40, 20), "........XXXXXXXXX..X");
    const std::string first = LevelMapTable::Grids[0];
    EXPECT_EQ(first.substr(0, 18), std::string(18, '.'));
    EXPECT_EQ(first.substr(first.size() - 18), std::string(18, '.'));
}

} // namespace
