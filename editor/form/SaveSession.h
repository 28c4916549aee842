#pragma once

#include <QString>

#include <optional>

#include "savedata/SaveData.h"

class CUserPrompts;
class QWidget;

// The save file behind the form. Load remembers the file it read; Store
// writes only into that file and only while it still holds what was read
// or last written, and otherwise asks the user what to do. Knows no
// controls: the questions go through the prompts, owned by promptOwner.
class CSaveSession
{
public:
    enum class StoreOutcome
    {
        Stored,    // written
        Reloaded,  // the user chose the newer file: data now holds it, nothing written
        NotStored, // cancelled or failed (the user has been told); data as it was
    };

    CSaveSession(CUserPrompts& prompts, QWidget* promptOwner);
    ~CSaveSession();
    CSaveSession(const CSaveSession&) = delete;
    CSaveSession& operator=(const CSaveSession&) = delete;

    // Fills data from the file at path. On false data is untouched and the
    // file remembered before stays remembered.
    bool Load(const QString& path, SaveData& data);
    StoreOutcome Store(const QString& path, SaveData& data);
    bool HasLoadedFile() const { return m_loadedFile.has_value(); }

    static const QString kLoadFirstMessage;

private:
    enum class Answer { Write, Reload, Stop };
    Answer ConfirmOverwrite(const QString& path);
    Answer ConfirmOtherFile(const QString& loadedPath, const QString& path);

    CUserPrompts& m_prompts;
    QWidget* m_pPromptOwner;
    // The file the values came from, as last loaded or saved.
    std::optional<SaveFileSnapshot> m_loadedFile;
};
