#pragma once

#include "editor/UserPrompts.h"

#include <QStringList>

#include <gtest/gtest.h>

// Stands in for the modal windows: records every warning and answers the
// file-open window from a script, so no test ever blocks.
class CRecordingPrompts : public CUserPrompts
{
public:
    void ShowWarning(QWidget*, const QString& text) override { warnings.append(text); }

    // Answers with the button named first in answers, or with the reject
    // button (Escape) when no answer is left.
    std::size_t Ask(QWidget*, const QString& text, const std::vector<Choice>& choices) override
    {
        questions.append(text);
        const QString wanted = answers.isEmpty() ? QString() : answers.takeFirst();
        for (std::size_t i = 0; i < choices.size(); ++i)
            if (wanted.isEmpty() ? choices[i].role == QMessageBox::RejectRole : choices[i].text == wanted)
                return i;
        ADD_FAILURE() << "no button " << wanted.toStdString();
        return choices.size();
    }

    std::optional<QString> ChooseSaveFile(QWidget*, const QString& initialPath) override
    {
        ++fileDialogsOpened;
        lastInitialPath = initialPath;
        return nextChoice;
    }

    QStringList warnings;
    QStringList questions;
    QStringList answers; // button texts, one per question
    int fileDialogsOpened = 0;
    QString lastInitialPath;
    std::optional<QString> nextChoice;
};
