#include "editor/window/EditorApp.h"

#include "editor/window/EditorDlg.h"

#include <QFileInfo>

CEditorApp::CEditorApp(int& argc, char** argv) : QApplication(argc, argv)
{
    // Message boxes are captioned with the executable's base name.
    setApplicationName(QFileInfo(applicationFilePath()).completeBaseName());
    // Lets the desktop match the window to its menu entry and icon.
    setDesktopFileName(QStringLiteral(APP_ID));
}

bool CEditorApp::InitInstance()
{
    CEditorDlg dialog;
    dialog.exec();
    return false;
}
