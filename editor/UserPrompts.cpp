#include "editor/UserPrompts.h"

#include "editor/SaveFileDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace
{
// Windows' limit on a path typed into the file dialog's name field.
constexpr int kMaxInitialPath = 259;
}

void CUserPrompts::ShowWarning(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text, QMessageBox::Ok, owner);
    box.exec();
}

std::optional<QString> CUserPrompts::ChooseSaveFile(QWidget* owner, const QString& initialPath)
{
    CSaveFileDialog dialog(owner, initialPath.left(kMaxInitialPath));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

CUserPrompts& CUserPrompts::Standard()
{
    static CUserPrompts prompts;
    return prompts;
}
