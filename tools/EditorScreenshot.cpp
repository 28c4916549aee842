// Renders the editor window offscreen with a save loaded and writes it as a
// PNG, for the README, and the warning a bad field brings up.
// Usage: editor-screenshot SAVE.srm OUT.png [WARNING.png]
#include "editor/EditorDlg.h"
#include "editor/UserPrompts.h"
#include "resources/ControlIds.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace
{
// Any message during the shot is a failure worth seeing on the console.
class CConsolePrompts : public CUserPrompts
{
public:
    void ShowWarning(QWidget*, const QString& text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        m_bFailed = true;
    }
    bool m_bFailed = false;
};
}

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s SAVE.srm OUT.png [WARNING.png]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    CConsolePrompts prompts;
    CEditorDlg dialog(prompts);
    dialog.show();
    static_cast<QLineEdit*>(dialog.GetDlgItem(IDC_PATH))->setText(QString::fromLocal8Bit(argv[1]));
    static_cast<QPushButton*>(dialog.GetDlgItem(IDC_LOAD))->click();
    QApplication::processEvents();
    if (prompts.m_bFailed || !dialog.grab().save(QString::fromLocal8Bit(argv[2])))
        return 1;
    if (argc == 4) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("dungeon-ledger"),
                        QStringLiteral("正の整数を入力してください。"), QMessageBox::Ok, &dialog);
        box.show();
        QApplication::processEvents();
        if (!box.grab().save(QString::fromLocal8Bit(argv[3])))
            return 1;
    }
    return 0;
}
