#pragma once

#include "editor/form/UserPrompts.h"

#include <QStringList>

#include <gtest/gtest.h>

// Stands in for the modal windows, so no test ever blocks: records every
// warning and question, answers questions with the button named next in
// answers, written without its access key's '&' (the reject button, as
// Escape, when none is left), and the file-open window with nextChoice.
class CRecordingPrompts : public CUserPrompts
{
public:
    void ShowWarning(QWidget*, const QString& text) override { warnings.append(text); }

    std::size_t Ask(QWidget*, const QString& text, const std::vector<Choice>& choices) override
    {
        questions.append(text);
        const QString wanted = answers.isEmpty() ? QString() : answers.takeFirst();
        const auto chosen = std::find_if(choices.begin(), choices.end(), [&](const Choice& choice) {
            return wanted.isEmpty() ? choice.role == QMessageBox::RejectRole
                                    : QString(choice.text).remove(QLatin1Char('&')) == wanted;
        });
        EXPECT_NE(chosen, choices.end()) << "no button " << wanted.toStdString();
        return static_cast<std::size_t>(chosen - choices.begin());
    }

    std::optional<QString> ChooseSaveFile(QWidget*, const QString&) override { return nextChoice; }

    QStringList warnings, questions, answers;
    std::optional<QString> nextChoice;
};
