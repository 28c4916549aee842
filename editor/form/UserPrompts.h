#pragma once

#include <QMessageBox>
#include <QString>

#include <optional>
#include <vector>

class QWidget;

// The modal windows the form asks the user through. The window layer shows
// real ones (CMessageBoxPrompts); tests answer them so nothing ever waits
// for a click.
class CUserPrompts
{
public:
    virtual ~CUserPrompts() = default;

    // A warning with an OK button, owned by owner, captioned with the
    // application's display name.
    virtual void ShowWarning(QWidget* owner, const QString& text) = 0;
    struct Choice
    {
        QString text;
        QMessageBox::ButtonRole role;
    };
    // A question with these buttons, owned by owner and captioned like a
    // warning. Returns the index of the chosen button; the first button
    // with the reject role is the default one and answers Escape.
    virtual std::size_t Ask(QWidget* owner, const QString& text, const std::vector<Choice>& choices) = 0;
    // The file-open window; nullopt when the user cancels.
    virtual std::optional<QString> ChooseSaveFile(QWidget* owner, const QString& initialPath) = 0;
};
