#pragma once

#include <QApplication>

// The program: one editor window, run modally; the process ends when it
// closes.
class CEditorApp : public QApplication
{
public:
    CEditorApp(int& argc, char** argv);

    // Runs the editor window to its end. Returns false: there is no
    // further event loop of the program's own.
    bool InitInstance();
};
