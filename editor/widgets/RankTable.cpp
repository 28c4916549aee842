#include "editor/widgets/RankTable.h"

#include <QCoreApplication>

const std::array<RankRow, kRankCount> RankTable = {{
    {"    0", QT_TRANSLATE_NOOP("RankTable", "-")},
    {"    2", QT_TRANSLATE_NOOP("RankTable", "Neophyte")},
    {"    4", QT_TRANSLATE_NOOP("RankTable", "Novice")},
    {"    8", QT_TRANSLATE_NOOP("RankTable", "Apprentice")},
    {"   16", QT_TRANSLATE_NOOP("RankTable", "Journeyman")},
    {"   32", QT_TRANSLATE_NOOP("RankTable", "Craftsman")},
    {"   64", QT_TRANSLATE_NOOP("RankTable", "Artisan")},
    {"  128", QT_TRANSLATE_NOOP("RankTable", "Adept")},
    {"  256", QT_TRANSLATE_NOOP("RankTable", "Expert")},
    {"  512", QT_TRANSLATE_NOOP("RankTable", "LO Master")},
    {" 1024", QT_TRANSLATE_NOOP("RankTable", "UM Master")},
    {" 2048", QT_TRANSLATE_NOOP("RankTable", "ON Master")},
    {" 4096", QT_TRANSLATE_NOOP("RankTable", "EE Master")},
    {" 8192", QT_TRANSLATE_NOOP("RankTable", "PAL Master")},
    {"16384", QT_TRANSLATE_NOOP("RankTable", "MON Master")},
    {"32768", QT_TRANSLATE_NOOP("RankTable", "Archmaster")},
}};

const std::array<const char*, kRankCount> SkillItemTexts = {
    "0", "2", "4", "8", "16", "32", "64", "128",
    "256", "512", "1024", "2048", "4096", "8192", "16384", "32768",
};

QString RankTitle(std::size_t index)
{
    return QCoreApplication::translate("RankTable", RankTable.at(index).title);
}
