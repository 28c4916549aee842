#include "editor/window/EditorApp.h"

#include "editor/window/EditorDlg.h"
#include "editor/window/Translations.h"

#include <QFileInfo>

CEditorApp::CEditorApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QFileInfo(applicationFilePath()).completeBaseName());
    // The product's name, in every language: it captions the message boxes.
    setApplicationDisplayName(QStringLiteral("Dungeon Ledger"));
    // Lets the desktop match the window to its menu entry and icon.
    setDesktopFileName(QStringLiteral(APP_ID));
    // Before any window exists, so every text is made in the user's language.
    InstallTranslations(*this);
}

bool CEditorApp::InitInstance()
{
    CEditorDlg dialog;
    dialog.exec();
    return false;
}
