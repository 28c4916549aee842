#pragma once

#include <QApplication>

// The program: one editor window, run modally; the process ends when it
// closes.
class CEditorApp : public QApplication
{
public:
    CEditorApp(int& argc, char** argv);

    // Names the program (its executable's base name, the version, the
    // product's name) and installs the user's language, in app.
    static void Describe(QCoreApplication& app);
    // True for arguments that only print a text (--help, --version): that
    // needs no window system, so none is started.
    static bool PrintsOnly(int argc, char** argv);

    // Runs the editor window to its end. Returns false: there is no
    // further event loop of the program's own.
    bool InitInstance();
};
