// Renders the editor window offscreen with a save loaded and writes it as a
// PNG, for the README, and the warning a bad field brings up, in the
// system's language. --point-size stands in for a desktop whose general
// font has that size.
// Usage: editor-screenshot [--point-size N] SAVE.srm OUT.png [WARNING.png]
#include "editor/window/EditorDlg.h"
#include "editor/window/MessageBoxPrompts.h"
#include "editor/window/Translations.h"
#include "resources/ControlIds.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace
{
// Keeps the last message; any message during the window's shot is a
// failure worth seeing on the console.
class CConsolePrompts : public CMessageBoxPrompts
{
public:
    void ShowWarning(QWidget*, const QString& text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        m_strLast = text;
    }
    QString m_strLast;
};

// Takes a leading "--point-size N" off the arguments and sets the
// application font to that size, as a desktop font of that size would.
QStringList ApplyPointSizeOption(QStringList args)
{
    if (args.size() < 2 || args[0] != QStringLiteral("--point-size"))
        return args;
    QFont font = QApplication::font();
    font.setPointSize(args[1].toInt());
    QApplication::setFont(font);
    return args.mid(2);
}
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Dungeon Ledger"));
    InstallTranslations(app);
    const QStringList args = ApplyPointSizeOption(QApplication::arguments().mid(1));
    if (args.size() != 2 && args.size() != 3) {
        std::fprintf(stderr, "usage: %s [--point-size N] SAVE.srm OUT.png [WARNING.png]\n", argv[0]);
        return 2;
    }
    CConsolePrompts prompts;
    CEditorDlg dialog(prompts);
    dialog.show();
    static_cast<QLineEdit*>(dialog.GetDlgItem(IDC_PATH))->setText(args[0]);
    static_cast<QPushButton*>(dialog.GetDlgItem(IDC_LOAD))->click();
    QApplication::processEvents();
    if (!prompts.m_strLast.isEmpty() || !dialog.grab().save(args[1]))
        return 1;
    if (args.size() == 3) {
        static_cast<QLineEdit*>(dialog.GetDlgItem(IDC_STRENGTH_MAX))->setText(QStringLiteral("abc"));
        static_cast<QPushButton*>(dialog.GetDlgItem(IDC_SAVE))->click();
        QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), prompts.m_strLast,
                        QMessageBox::Ok, &dialog);
        box.show();
        QApplication::processEvents();
        if (!box.grab().save(args[2]))
            return 1;
    }
    return 0;
}
