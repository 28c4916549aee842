#include "editor/UserPrompts.h"

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
    QFileDialog dialog(owner);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters({QStringLiteral("SRM files (*.srm)"), QStringLiteral("All (*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("srm"));
    if (!initialPath.isEmpty())
        dialog.selectFile(initialPath.left(kMaxInitialPath));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

CUserPrompts& CUserPrompts::Standard()
{
    static CUserPrompts prompts;
    return prompts;
}
