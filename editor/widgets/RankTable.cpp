#include "editor/widgets/RankTable.h"

const std::array<RankRow, kRankCount> RankTable = {{
    {"    0", "-"},
    {"    2", "Neophyte"},
    {"    4", "Novice"},
    {"    8", "Apprentice"},
    {"   16", "Journeyman"},
    {"   32", "Craftsman"},
    {"   64", "Artisan"},
    {"  128", "Adept"},
    {"  256", "Expert"},
    {"  512", "LO Master"},
    {" 1024", "UM Master"},
    {" 2048", "ON Master"},
    {" 4096", "EE Master"},
    {" 8192", "PAL Master"},
    {"16384", "MON Master"},
    {"32768", "Archmaster"},
}};

const std::array<const char*, kRankCount> SkillItemTexts = {
    "0", "2", "4", "8", "16", "32", "64", "128",
    "256", "512", "1024", "2048", "4096", "8192", "16384", "32768",
};
