#pragma once

#include <QString>

#include <optional>

class QWidget;

// The modal windows the editor opens. Tests replace it so that nothing
// ever waits for a click.
class CUserPrompts
{
public:
    virtual ~CUserPrompts() = default;

    // A warning with an OK button, owned by owner, captioned with the
    // application's name.
    virtual void ShowWarning(QWidget* owner, const QString& text);
    // The file-open window; nullopt when the user cancels.
    virtual std::optional<QString> ChooseSaveFile(QWidget* owner, const QString& initialPath);

    // The shared instance that uses the real Qt windows.
    static CUserPrompts& Standard();
};
