#pragma once

#include "editor/form/UserPrompts.h"

// The prompts as real Qt windows: message boxes and the file-open dialog.
class CMessageBoxPrompts : public CUserPrompts
{
public:
    void ShowWarning(QWidget* owner, const QString& text) override;
    std::size_t Ask(QWidget* owner, const QString& text, const std::vector<Choice>& choices) override;
    std::optional<QString> ChooseSaveFile(QWidget* owner, const QString& initialPath) override;

    // The shared instance the program uses.
    static CMessageBoxPrompts& Standard();

private:
    QString m_strLastFolder; // where the last file was chosen, for this run only
};
