#include "editor/window/EditorApp.h"

int main(int argc, char** argv)
{
    CEditorApp app(argc, argv);
    app.InitInstance();
    return 0;
}
