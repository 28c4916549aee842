#pragma once

#include <QString>

#include <array>
#include <cstddef>

// One row of the skill picker's list: the experience threshold, padded on
// the left to five characters, and the rank it reaches.
struct RankRow
{
    const char* thresholdText;
    const char* title;
};

inline constexpr std::size_t kRankCount = 16;

// Row i belongs to item i of SkillItemTexts.
extern const std::array<RankRow, kRankCount> RankTable;
// Row index's title in the user's language.
QString RankTitle(std::size_t index);
// The same thresholds without padding: the text a picked row leaves.
extern const std::array<const char*, kRankCount> SkillItemTexts;
