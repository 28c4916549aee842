#include "editor/window/MessageBoxPrompts.h"

#include "editor/widgets/SaveFileDialog.h"

#include <QGuiApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace
{
// Windows' limit on a path typed into the file dialog's name field.
constexpr int kMaxInitialPath = 259;
}

void CMessageBoxPrompts::ShowWarning(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, owner);
    box.exec();
}

std::size_t CMessageBoxPrompts::Ask(QWidget* owner, const QString& text, const std::vector<Choice>& choices)
{
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text, QMessageBox::NoButton, owner);
    std::vector<QPushButton*> buttons;
    QPushButton* cancel = nullptr;
    for (const Choice& choice : choices) {
        buttons.push_back(box.addButton(choice.text, choice.role));
        if (!cancel && choice.role == QMessageBox::RejectRole)
            cancel = buttons.back();
    }
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    if (chosen == buttons.end()) // closed without a button: as Escape
        return static_cast<std::size_t>(std::find(buttons.begin(), buttons.end(), cancel) - buttons.begin());
    return static_cast<std::size_t>(chosen - buttons.begin());
}

std::optional<QString> CMessageBoxPrompts::ChooseSaveFile(QWidget* owner, const QString& initialPath)
{
    CSaveFileDialog dialog(owner, initialPath.left(kMaxInitialPath), m_strLastFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenFile().isEmpty())
        return std::nullopt;
    m_strLastFolder = dialog.directory().absolutePath();
    return dialog.ChosenFile();
}

CMessageBoxPrompts& CMessageBoxPrompts::Standard()
{
    static CMessageBoxPrompts prompts;
    return prompts;
}
