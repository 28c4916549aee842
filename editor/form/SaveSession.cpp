#include "editor/form/SaveSession.h"

#include "editor/form/FieldTexts.h"
#include "editor/form/UserPrompts.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <iostream>

namespace
{
using FailureKind = SaveDataFailure::Kind;

// Translated where they are shown, once the user's language is installed.
constexpr char kChangedOnDiskQuestion[] = QT_TRANSLATE_NOOP(
    "CSaveSession", "'%1' changed on disk after it was loaded (a running game may have saved to it).\n\n"
                    "Apply my edits writes only the fields you changed into the file as it is now; everything else "
                    "stays as the game saved it. Reload shows the newer file and drops your edits.");
constexpr char kConflictsIntro[] =
    QT_TRANSLATE_NOOP("CSaveSession", "The game also changed fields that you edited; applying keeps yours:");
constexpr char kConflict[] = QT_TRANSLATE_NOOP("CSaveSession", "%1: game %2, yours %3");
constexpr char kMoreConflicts[] = QT_TRANSLATE_NOOP("CSaveSession", "and %1 more");
constexpr char kOtherFileQuestion[] =
    QT_TRANSLATE_NOOP("CSaveSession", "The values on screen were loaded from '%1'. Write them into '%2'?");
constexpr char kApplyButton[] = QT_TRANSLATE_NOOP("CSaveSession", "&Apply my edits");
constexpr char kReloadButton[] = QT_TRANSLATE_NOOP("CSaveSession", "&Reload");
constexpr char kCancelButton[] = QT_TRANSLATE_NOOP("CSaveSession", "&Cancel");
constexpr char kWriteButton[] = QT_TRANSLATE_NOOP("CSaveSession", "&Write");
constexpr char kChooseFirst[] =
    QT_TRANSLATE_NOOP("CSaveSession", "Choose a save file first: type its path or press Browse.");
constexpr char kLoadFirst[] = QT_TRANSLATE_NOOP("CSaveSession", "Load a save file before saving.");
constexpr char kCannotLoad[] = QT_TRANSLATE_NOOP("CSaveSession", "Cannot load '%1': %2");
constexpr char kCannotSave[] = QT_TRANSLATE_NOOP("CSaveSession", "Cannot save '%1': %2");
constexpr char kInvalidSignature[] = QT_TRANSLATE_NOOP("CSaveSession", "Invalid 'DM SFX SAVE DATA'");
constexpr char kCompressed[] = QT_TRANSLATE_NOOP(
    "CSaveSession", "'%1' is compressed by the emulator's save file compression. Turn that setting off, let the "
                    "game save again, and load the new file.");
// Our words for the failures the system did not describe.
constexpr std::pair<FailureKind, const char*> kOwnReasons[] = {
    {FailureKind::NotRegularFile, QT_TRANSLATE_NOOP("CSaveSession", "it is not a regular file")},
    {FailureKind::InUse, QT_TRANSLATE_NOOP("CSaveSession", "the file is in use by another program")},
    {FailureKind::ShortWrite, QT_TRANSLATE_NOOP("CSaveSession", "the disk took only part of what was written")},
    {FailureKind::ReadBackMismatch, QT_TRANSLATE_NOOP("CSaveSession", "the file did not read back what was written")},
    {FailureKind::ChangedWhileRead, QT_TRANSLATE_NOOP("CSaveSession", "the file changed while it was read")},
    {FailureKind::OutOfMemory, QT_TRANSLATE_NOOP("CSaveSession", "out of memory")},
};
constexpr std::size_t kMostConflictsListed = 8;
enum ChangedOnDiskAnswer : std::size_t { kApply, kReload };
enum OtherFileAnswer : std::size_t { kWrite };

QString Tr(const char* text)
{
    return QCoreApplication::translate("CSaveSession", text);
}

// The system's own reason comes as it is: the system words it in the
// user's language already.
QString Reason(const SaveDataFailure& failure)
{
    const auto* own = std::find_if(std::begin(kOwnReasons), std::end(kOwnReasons),
                                   [&](const auto& entry) { return entry.first == failure.kind; });
    return own == std::end(kOwnReasons) ? QString::fromStdString(failure.reason) : Tr(own->second);
}

QString FailureMessage(const SaveDataFailure& failure)
{
    const QString path = QString::fromStdString(failure.path);
    if (failure.kind == FailureKind::InvalidSignature)
        return Tr(kInvalidSignature);
    if (failure.kind == FailureKind::Compressed)
        return Tr(kCompressed).arg(path);
    return Tr(failure.direction == TransferDirection::Load ? kCannotLoad : kCannotSave).arg(path, Reason(failure));
}

// Paths travel as UTF-8 to the file code on every system, so a name in any
// script opens.
std::string PathText(const QString& path)
{
    return path.toStdString();
}

QDateTime ModifiedTime(const QString& path)
{
    return QFileInfo(path).lastModified();
}

// "Player 1 HP: game 90, yours 99" for each edited field that the game
// changed too, to another value than the user's.
QStringList Conflicts(const FieldSet& edited, const SaveData& baseline, const SaveData& data, const SaveData& onDisk)
{
    QStringList lines;
    for (std::size_t i = 0; i < edited.size(); ++i) {
        const std::int32_t game = FieldValue(onDisk, i);
        if (!edited[i] || game == FieldValue(baseline, i) || game == FieldValue(data, i))
            continue;
        lines << Tr(kConflict).arg(FieldName(i), FieldValueText(i, game), FieldValueText(i, FieldValue(data, i)));
    }
    if (static_cast<std::size_t>(lines.size()) > kMostConflictsListed) {
        const qsizetype more = lines.size() - static_cast<qsizetype>(kMostConflictsListed) + 1;
        lines = lines.mid(0, static_cast<qsizetype>(kMostConflictsListed) - 1);
        lines << Tr(kMoreConflicts).arg(more);
    }
    return lines;
}
}

CSaveSession::CSaveSession(CUserPrompts& prompts, QWidget* promptOwner)
    : m_prompts(prompts), m_pPromptOwner(promptOwner)
{
    SetSaveDataMessageHandler(
        [this](const SaveDataFailure& failure) { m_prompts.ShowWarning(m_pPromptOwner, FailureMessage(failure)); });
}

CSaveSession::~CSaveSession()
{
    SetSaveDataMessageHandler([](const SaveDataFailure& failure) { std::cerr << FailureText(failure) << '\n'; });
}

QString CSaveSession::LoadedPath() const
{
    return m_loadedFile ? QString::fromStdString(m_loadedFile->path) : QString();
}

bool CSaveSession::Load(const QString& path, SaveData& data)
{
    if (path.isEmpty()) {
        m_prompts.ShowWarning(m_pPromptOwner, Tr(kChooseFirst));
        return false;
    }
    SaveFileSnapshot loaded;
    if (!LoadSaveData(PathText(path), data, loaded))
        return false;
    m_lastSave.reset();
    Remember(std::move(loaded), data);
    return true;
}

bool CSaveSession::Reload(SaveData& data)
{
    return HasLoadedFile() && Load(LoadedPath(), data);
}

// The file as it is now becomes what Store expects and what edits are
// counted against.
void CSaveSession::Remember(SaveFileSnapshot snapshot, const SaveData& values)
{
    const QString path = QString::fromStdString(snapshot.path);
    m_lastSeen = snapshot.contents;
    m_lastModified = ModifiedTime(path);
    m_nRewrites = 0;
    m_loadedFile = std::move(snapshot);
    m_baseline = values;
    if (m_watch.Path() != path)
        m_watch.Watch(path);
}

// An emulator rewrites the whole save whenever the game saves. Only the
// fields the user changed are written, and into a file that changed since
// the load, or into another file, only once the user has said so.
CSaveSession::StoreOutcome CSaveSession::Store(const QString& path, SaveData& data)
{
    // Before a load the champions are only zeros: writing them would wipe
    // whatever file the path names.
    if (!m_loadedFile) {
        m_prompts.ShowWarning(m_pPromptOwner, Tr(kLoadFirst));
        return StoreOutcome::NotStored;
    }
    const FieldSet edited = DifferingFields(m_baseline, data);
    SaveFileSnapshot found;
    SaveData onDisk;
    switch (StoreSaveDataFields(PathText(path), data, edited, *m_loadedFile, StoreCheck::Unchanged, found, onDisk)) {
    case GuardedStoreResult::Stored:
        return Stored(edited, m_baseline, std::move(found), data, onDisk);
    case GuardedStoreResult::Failed:
        return StoreOutcome::NotStored;
    case GuardedStoreResult::OtherFile:
        // Every value on screen, as the question says.
        if (ConfirmOtherFile(LoadedPath(), path) != Answer::Write)
            return StoreOutcome::NotStored;
        return StoreAgain(path, data, FieldSet().set(), StoreCheck::None, onDisk);
    case GuardedStoreResult::ChangedOnDisk:
        break;
    }
    switch (ConfirmOverwrite(path, edited, data, onDisk)) {
    case Answer::Write:
        // Merged into whatever the file holds when it is open again, even
        // if the game saved once more while the question was open.
        return StoreAgain(path, data, edited, StoreCheck::SameSave, onDisk);
    case Answer::Reload:
        return Load(path, data) ? StoreOutcome::Reloaded : StoreOutcome::NotStored;
    case Answer::Stop:
        break;
    }
    return StoreOutcome::NotStored;
}

CSaveSession::StoreOutcome CSaveSession::StoreAgain(const QString& path, SaveData& data, const FieldSet& fields,
                                                    StoreCheck check, const SaveData& before)
{
    SaveFileSnapshot found;
    SaveData onDisk;
    if (StoreSaveDataFields(PathText(path), data, fields, *m_loadedFile, check, found, onDisk) !=
        GuardedStoreResult::Stored)
        return StoreOutcome::NotStored;
    return Stored(fields, before, std::move(found), data, onDisk);
}

// The file now holds the user's fields and the game's values everywhere
// else: that is what the form shows and counts edits against from now on.
CSaveSession::StoreOutcome CSaveSession::Stored(const FieldSet& fields, const SaveData& before,
                                                SaveFileSnapshot found, SaveData& data, const SaveData& onDisk)
{
    m_lastSave = LastSave{fields, before, onDisk};
    m_nWritten = fields.count();
    data = onDisk;
    Remember(std::move(found), onDisk);
    return StoreOutcome::Stored;
}

CSaveSession::FileChange CSaveSession::CheckFile(SaveData& data)
{
    if (!m_loadedFile)
        return FileChange::None;
    SaveData now;
    SaveFileSnapshot seen;
    SaveDataFailure failure;
    // Half written, or between a delete and a rename: the write that
    // completes it raises another event.
    if (!PeekSaveData(PathText(LoadedPath()), now, seen, failure))
        return FileChange::None;
    if (seen.contents == m_lastSeen)
        return RewrittenUnchanged() ? FileChange::Rewriting : FileChange::None;
    return Changed(std::move(seen), now, data);
}

// The same bytes again. Only a newer time makes it a write of its own; the
// echo of the editor's own Save, or a change elsewhere in the folder, has
// none.
bool CSaveSession::RewrittenUnchanged()
{
    const QDateTime modified = ModifiedTime(LoadedPath());
    if (modified == m_lastModified)
        return false;
    m_lastModified = modified;
    return ++m_nRewrites >= kRewritesToTell;
}

CSaveSession::FileChange CSaveSession::Changed(SaveFileSnapshot seen, const SaveData& now, SaveData& data)
{
    m_lastSeen = seen.contents;
    m_lastModified = ModifiedTime(LoadedPath());
    m_nRewrites = 0;
    const FieldSet putBack = PutBack(now);
    const FieldSet pending = DifferingFields(m_baseline, data);
    if (putBack.any()) {
        // The user's values stay, as edits against the file as it is now,
        // so that the next Save writes them again; every other field takes
        // the file's value.
        SaveData kept = now;
        for (std::size_t i = 0; i < putBack.size(); ++i)
            if (putBack[i] || pending[i])
                SetFieldValue(kept, i, FieldValue(data, i));
        m_nOverwritten = putBack.count();
        m_lastSave.reset();
        data = kept;
        Remember(std::move(seen), now);
        return FileChange::Overwritten;
    }
    if (pending.none()) {
        data = now;
        Remember(std::move(seen), now);
        return FileChange::Reloaded;
    }
    // Store still expects the file as loaded, so Save asks before it
    // merges the edits into the newer save.
    return FileChange::NewerSave;
}

// The fields of the last Save that hold their value from before it again.
FieldSet CSaveSession::PutBack(const SaveData& now) const
{
    FieldSet putBack;
    if (!m_lastSave)
        return putBack;
    for (std::size_t i = 0; i < putBack.size(); ++i) {
        const std::int32_t before = FieldValue(m_lastSave->before, i);
        putBack[i] = m_lastSave->fields[i] && before != FieldValue(m_lastSave->after, i) &&
                     FieldValue(now, i) == before;
    }
    return putBack;
}

// Apply writes the edited fields into the newer file; Reload shows the file
// as it is now and drops the edits; Cancel does nothing.
CSaveSession::Answer CSaveSession::ConfirmOverwrite(const QString& path, const FieldSet& edited, const SaveData& data,
                                                    const SaveData& onDisk)
{
    QString text = Tr(kChangedOnDiskQuestion).arg(path);
    const QStringList conflicts = Conflicts(edited, m_baseline, data, onDisk);
    if (!conflicts.isEmpty())
        text += QStringLiteral("\n\n%1\n%2").arg(Tr(kConflictsIntro), conflicts.join(QLatin1Char('\n')));
    const std::size_t answer = m_prompts.Ask(m_pPromptOwner, text,
                                             {{Tr(kApplyButton), QMessageBox::AcceptRole},
                                              {Tr(kReloadButton), QMessageBox::DestructiveRole},
                                              {Tr(kCancelButton), QMessageBox::RejectRole}});
    if (answer == kApply)
        return Answer::Write;
    return answer == kReload ? Answer::Reload : Answer::Stop;
}

CSaveSession::Answer CSaveSession::ConfirmOtherFile(const QString& loadedPath, const QString& path)
{
    const std::size_t answer = m_prompts.Ask(m_pPromptOwner, Tr(kOtherFileQuestion).arg(loadedPath, path),
                                             {{Tr(kWriteButton), QMessageBox::AcceptRole},
                                              {Tr(kCancelButton), QMessageBox::RejectRole}});
    return answer == kWrite ? Answer::Write : Answer::Stop;
}
