#include "editor/window/CommandLine.h"
#include "editor/window/EditorApp.h"

int main(int argc, char** argv)
{
    if (CEditorApp::PrintsOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        CEditorApp::Describe(app);
        StartFileArgument(app.arguments()); // prints, and ends the program
        return 0;
    }
    CEditorApp app(argc, argv);
    app.InitInstance();
    return 0;
}
