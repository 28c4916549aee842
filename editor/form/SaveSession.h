#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

#include "editor/form/FileWatch.h"
#include "savedata/SaveData.h"

class CUserPrompts;
class QWidget;

// The save file behind the form, beside an emulator that may write it at
// any time. Load remembers the file and its values; Store writes only the
// fields the user changed since, and only into that save, asking first when
// the game saved in between; a look at the file after it changed tells the
// window what happened. Knows no controls: the questions go through the
// prompts, owned by promptOwner.
class CSaveSession
{
public:
    enum class StoreOutcome
    {
        Stored,    // written; data holds the file's values now
        Reloaded,  // the user chose the newer file: data now holds it, nothing written
        NotStored, // cancelled or failed (the user has been told); data as it was
    };

    // What a look at the file found after it changed.
    enum class FileChange
    {
        None,        // nothing to tell: the same bytes, the echo of a Save, or unreadable for now
        Reloaded,    // the game saved and nothing was edited: data holds the newer save
        NewerSave,   // the game saved while edits are pending: data keeps them
        Overwritten, // a write-back put back values a Save had replaced: data keeps the user's
        Rewriting,   // the same bytes written again and again: a running game that will write over a Save
    };

    CSaveSession(CUserPrompts& prompts, QWidget* promptOwner);
    ~CSaveSession();
    CSaveSession(const CSaveSession&) = delete;
    CSaveSession& operator=(const CSaveSession&) = delete;

    // Fills data from the file at path. On false data is untouched and the
    // file remembered before stays remembered.
    bool Load(const QString& path, SaveData& data);
    // The remembered file again, as it is now.
    bool Reload(SaveData& data);
    StoreOutcome Store(const QString& path, SaveData& data);
    // Looks at the remembered file; data is what the form holds.
    FileChange CheckFile(SaveData& data);

    bool HasLoadedFile() const { return m_loadedFile.has_value(); }
    QString LoadedPath() const;
    // The values the file held as last loaded, saved or looked at: a field
    // whose value differs from these is an edit.
    const SaveData& Baseline() const { return m_baseline; }
    // How many fields the last Store wrote, and how many the last
    // write-back put back.
    std::size_t WrittenFieldCount() const { return m_nWritten; }
    std::size_t OverwrittenFieldCount() const { return m_nOverwritten; }
    // Emitted, after a moment's settling, whenever the remembered file may
    // have changed.
    const CFileWatch& Watch() const { return m_watch; }

    static constexpr int kRewritesToTell = 2;

private:
    enum class Answer { Write, Reload, Stop };
    Answer ConfirmOverwrite(const QString& path, const FieldSet& edited, const SaveData& data,
                            const SaveData& onDisk);
    Answer ConfirmOtherFile(const QString& loadedPath, const QString& path);
    StoreOutcome StoreAgain(const QString& path, SaveData& data, const FieldSet& fields, StoreCheck check,
                            const SaveData& before);
    StoreOutcome Stored(const FieldSet& fields, const SaveData& before, SaveFileSnapshot found, SaveData& data,
                        const SaveData& onDisk);
    void Remember(SaveFileSnapshot snapshot, const SaveData& values);
    FileChange Changed(SaveFileSnapshot seen, const SaveData& now, SaveData& data);
    FieldSet PutBack(const SaveData& now) const;
    bool RewrittenUnchanged();

    CUserPrompts& m_prompts;
    QWidget* m_pPromptOwner;
    CFileWatch m_watch;
    // What Store expects the file to hold, as last loaded, saved or taken on.
    std::optional<SaveFileSnapshot> m_loadedFile;
    SaveData m_baseline;
    // The file at the last look, and its time, to tell a new write from the
    // echo of an old one.
    FileContents m_lastSeen;
    QDateTime m_lastModified;
    int m_nRewrites = 0;
    // What the last Save changed: the fields, the file's values before it
    // and after it, to recognise a write-back of the older copy.
    struct LastSave
    {
        FieldSet fields;
        SaveData before;
        SaveData after;
    };
    std::optional<LastSave> m_lastSave;
    std::size_t m_nWritten = 0;
    std::size_t m_nOverwritten = 0;
};
