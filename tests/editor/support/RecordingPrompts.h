#pragma once

#include "editor/UserPrompts.h"

#include <QStringList>

// Stands in for the modal windows: records every warning and answers the
// file-open window from a script, so no test ever blocks.
class CRecordingPrompts : public CUserPrompts
{
public:
    void ShowWarning(QWidget*, const QString& text) override { warnings.append(text); }

    std::optional<QString> ChooseSaveFile(QWidget*, const QString& initialPath) override
    {
        ++fileDialogsOpened;
        lastInitialPath = initialPath;
        return nextChoice;
    }

    QStringList warnings;
    int fileDialogsOpened = 0;
    QString lastInitialPath;
    std::optional<QString> nextChoice;
};
