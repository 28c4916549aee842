#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <chrono>
#include <deque>
#include <optional>
#include <vector>

#include "editor/form/FileWatch.h"
#include "savedata/GuardedStore.h"
#include "savedata/WriteLedger.h"

class CUserPrompts;
class QWidget;

// The save file behind the form, beside an emulator that may write it at
// any time. Load remembers the file and its values; Store writes only the
// fields the user changed since, and only into that save, asking first when
// the game saved in between; a look at the file after it changed tells the
// window what happened. Every value written is kept on record, and a look
// or a Store that finds one of them gone from the file brings it back as an
// edit and says so, whatever the file holds now. Knows no controls: the
// questions go through the prompts, owned by promptOwner.
class CSaveSession
{
public:
    enum class StoreOutcome
    {
        Stored,         // written; data holds the file's values now
        NewerFileTaken, // the user chose the newer file: data now holds it, nothing written
        NotStored,      // cancelled or failed (the user has been told); data as it was
    };

    // What a look at the file found after it changed.
    enum class FileChange
    {
        None,         // nothing to tell: the same bytes, the echo of a Save, or unreadable for now
        FollowedGame, // the game saved and nothing was edited: data holds the newer save
        NewerSave,    // the game saved while edits are pending: data holds the newer save but for the edits
        TakenBack,    // the file no longer holds values the user saved: data holds the user's again, as edits
        Rewriting,    // the same bytes written in a steady rhythm: a running game that will write over a Save
    };

    CSaveSession(CUserPrompts& prompts, QWidget* promptOwner);
    CSaveSession(const CSaveSession&) = delete;
    CSaveSession& operator=(const CSaveSession&) = delete;

    // Fills data from the file at path. On false data is untouched and the
    // file remembered before stays remembered. The same save again keeps
    // what was written into it: a saved value that the file no longer
    // holds comes back into data as an edit (TakenBack() lists it).
    bool Load(const QString& path, SaveData& data);
    // The remembered file again, as it is now.
    bool Reload(SaveData& data);
    // Writes the edits, and the saved values the file no longer holds.
    StoreOutcome Store(const QString& path, SaveData& data);
    // Looks at the remembered file; data is what the form holds.
    FileChange CheckFile(SaveData& data);
    // The user takes the file's values for every field TakenBack() lists;
    // they leave the record of what was written. Returns those fields.
    FieldSet UseFileValues(SaveData& data);

    bool HasLoadedFile() const { return m_loadedFile.has_value(); }
    QString LoadedPath() const;
    // The values the file held as last loaded, saved or looked at: a field
    // whose value differs from these is an edit.
    const SaveData& Baseline() const { return m_baseline; }
    // The saved values the file no longer holds, as told to the user, a
    // line each: "Food Status, Player 1: you saved 3000, the file holds 1817 now".
    FieldSet TakenBackFields() const { return m_toldTakenBack; }
    QStringList TakenBackLines() const;
    // How many fields the last Store wrote.
    std::size_t WrittenFieldCount() const { return m_nWritten; }
    // Emitted, after a moment's settling, whenever the remembered file may
    // have changed.
    const CFileWatch& Watch() const { return m_watch; }

    // A game running in an emulator rewrites the save in a steady rhythm;
    // an emulator's start and its unload are two writes, and no rhythm.
    static constexpr int kRewritesToTell = 3;
    static constexpr std::chrono::seconds kRewriteWindow{120};

private:
    enum class Answer { Write, Reload, Stop };
    Answer ConfirmOverwrite(const QString& path, const FieldSet& edited, const FieldSet& takenBack,
                            const SaveData& data, const SaveData& onDisk);
    Answer ConfirmOtherFile(const QString& loadedPath, const QString& path);
    void ShowFailure(const SaveDataFailure& failure);
    StoreOutcome TakeWritten(const FieldSet& fields, SaveFileSnapshot found, SaveData& data, const SaveData& onDisk);
    void ExpectFile(SaveFileSnapshot snapshot, const SaveData& values);
    void Look(SaveFileSnapshot seen);
    FileChange TakeNewerFile(SaveFileSnapshot seen, const SaveData& now, SaveData& data);
    FieldSet RestoreTakenBack(const SaveData& file, const FieldSet& pending, SaveData& data);
    bool RewrittenInRhythm();
    QStringList TakenBackLines(const FieldSet& fields, const SaveData& file) const;
    bool IsSameSave(const SaveFileSnapshot& snapshot) const;

    CUserPrompts& m_prompts;
    QWidget* m_pPromptOwner;
    CFileWatch m_watch;
    // What Store expects the file to hold without asking, as last loaded,
    // saved or taken on, and its values.
    std::optional<SaveFileSnapshot> m_loadedFile;
    SaveData m_loadedValues;
    // What edits are counted against: the file as last seen.
    SaveData m_baseline;
    // The file at the last look, and its time, to tell a new write from the
    // echo of an old one.
    FileContents m_lastSeen;
    QDateTime m_lastModified;
    std::deque<std::chrono::steady_clock::time_point> m_rewrites;
    // Every value written into this save, and which of them the user has
    // been told the file no longer holds.
    CWriteLedger m_ledger;
    FieldSet m_toldTakenBack;
    std::size_t m_nWritten = 0;
};
