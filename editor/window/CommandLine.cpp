#include "editor/window/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace
{
constexpr char kDescription[] =
    QT_TRANSLATE_NOOP("CommandLine", "Edits the party and the champions of a Super Famicom Dungeon Master save file (.srm).");
constexpr char kFile[] = QT_TRANSLATE_NOOP("CommandLine", "The save file to load at start.");
constexpr char kOneFile[] = QT_TRANSLATE_NOOP(
    "CommandLine", "More than one save file given (%1); the editor opens one at a time. Start it once for each save.");

// A mistake in the arguments, as opposed to a failure while running: the
// status shells and scripts expect of a usage error.
constexpr int kUsageError = 2;

QString Tr(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

#ifdef Q_OS_WIN
// Windows starts a program with a window, as this one is, without a console
// of its own. Its text goes where its starter sent the output (a file, a
// pipe, a console it shares), or else into the console of the program that
// started it (cmd, PowerShell). False when there is neither: started from
// Explorer or a shortcut.
bool FindConsole(FILE* stream, DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    if (handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN)
        return true;
    // ERROR_ACCESS_DENIED: attached to a console already.
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
        return false;
    return std::freopen("CONOUT$", "w", stream) != nullptr;
}
#endif

// Prints the text (on standard error when it tells of an error) and ends the
// program, as Qt's own parser does; on Windows without a console, the text
// shows in a message box. Qt's parser decides that by the console window,
// which a console shared under Wine or a terminal without a window lacks.
[[noreturn]] void EndWith(const QString& text, bool error)
{
    const int status = error ? kUsageError : EXIT_SUCCESS;
    FILE* stream = error ? stderr : stdout;
#ifdef Q_OS_WIN
    if (!FindConsole(stream, error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE)) {
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.utf16()), L"Dungeon Ledger",
                    MB_OK | MB_SETFOREGROUND | (error ? MB_ICONERROR : MB_ICONINFORMATION));
        std::exit(status);
    }
#endif
    std::fputs(qPrintable(text), stream);
    std::fflush(stream);
    std::exit(status);
}
}

QString StartFileArgument(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(Tr(kDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), Tr(kFile), QStringLiteral("[FILE]"));
    if (!parser.parse(arguments))
        EndWith(QCoreApplication::applicationName() + QStringLiteral(": ") + parser.errorText() + u'\n', true);
    if (parser.isSet(version))
        EndWith(QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n', false);
    // --help-all as --help: the program that prints has no window, so no
    // options of Qt's that apply.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        EndWith(parser.helpText(), false);
    // Loading only the first of several would pass over the others without
    // a word: the user may believe the one they meant to edit is open.
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        QStringList quoted;
        for (const QString& file : files)
            quoted << u'\'' + file + u'\'';
        const QString list = QLocale().createSeparatedList(quoted);
        EndWith(QCoreApplication::applicationName() + QStringLiteral(": ") + Tr(kOneFile).arg(list) + u'\n', true);
    }
    return files.value(0);
}
