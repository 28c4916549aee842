#include "editor/window/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace
{
constexpr char kDescription[] =
    QT_TRANSLATE_NOOP("CommandLine", "Edits the party and the champions of a Super Famicom Dungeon Master save file (.srm).");
constexpr char kFile[] = QT_TRANSLATE_NOOP("CommandLine", "The save file to load at start.");

QString Tr(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}
}

QString StartFileArgument(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(Tr(kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), Tr(kFile), QStringLiteral("[FILE]"));
    parser.process(arguments);
    return parser.positionalArguments().value(0);
}
