#include "editor/window/EditorApp.h"

#include "editor/window/CommandLine.h"
#include "editor/window/EditorDlg.h"
#include "editor/window/Translations.h"

#include <QFileInfo>

#include <string_view>

CEditorApp::CEditorApp(int& argc, char** argv) : QApplication(argc, argv)
{
    Describe(*this);
    // The product's name, in every language: it captions the message boxes.
    setApplicationDisplayName(QStringLiteral("Dungeon Ledger"));
    // Lets the desktop match the window to its menu entry and icon.
    setDesktopFileName(QStringLiteral(APP_ID));
}

void CEditorApp::Describe(QCoreApplication& app)
{
    QCoreApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    QCoreApplication::setApplicationVersion(QStringLiteral(APP_VERSION));
    // Before any window exists, so every text is made in the user's language.
    InstallTranslations(app);
}

bool CEditorApp::PrintsOnly(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help" || argument == "--help-all" || argument == "-v" ||
            argument == "--version")
            return true;
    }
    return false;
}

// A save named on the command line (a file manager's "Open with", a file
// dropped on the program) is loaded once the window shows.
bool CEditorApp::InitInstance()
{
    const QString file = StartFileArgument(arguments());
    CEditorDlg dialog;
    if (!file.isEmpty())
        QMetaObject::invokeMethod(&dialog, [&dialog, file] { dialog.OpenFile(file); }, Qt::QueuedConnection);
    dialog.exec();
    return false;
}
