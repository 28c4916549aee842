#include "editor/form/SaveSession.h"

#include "editor/form/FieldTexts.h"
#include "editor/form/UserPrompts.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace
{
using FailureKind = SaveDataFailure::Kind;
using Outcome = GuardedStoreResult::Outcome;

// Translated where they are shown, once the user's language is installed.
constexpr char kChangedOnDiskQuestion[] = QT_TRANSLATE_NOOP(
    "CSaveSession", "'%1' changed on disk after it was loaded (a running game may have saved to it).\n\n"
                    "Apply my edits writes only the fields you changed into the file as it is now; everything else "
                    "stays as the game saved it. Reload shows the newer file and drops your edits.");
constexpr char kConflictsIntro[] =
    QT_TRANSLATE_NOOP("CSaveSession", "The game also changed fields that you edited; applying keeps yours:");
constexpr char kConflict[] = QT_TRANSLATE_NOOP("CSaveSession", "%1: game %2, yours %3");
constexpr char kTakenBackIntro[] = QT_TRANSLATE_NOOP(
    "CSaveSession", "The file no longer holds values you saved; applying writes them again:");
constexpr char kTakenBackLine[] =
    QT_TRANSLATE_NOOP("CSaveSession", "%1: you saved %2, the file holds %3 now");
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
    {FailureKind::ReplacedWhileStored,
     QT_TRANSLATE_NOOP("CSaveSession", "another program replaced the file while it was saved, so the new file "
                                       "does not hold the values; save again")},
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

QStringList Shortened(QStringList lines)
{
    if (static_cast<std::size_t>(lines.size()) > kMostConflictsListed) {
        const qsizetype more = lines.size() - static_cast<qsizetype>(kMostConflictsListed) + 1;
        lines = lines.mid(0, static_cast<qsizetype>(kMostConflictsListed) - 1);
        lines << Tr(kMoreConflicts).arg(more);
    }
    return lines;
}

// "HP current, Player 1: game 90, yours 99" for each edited field that the game
// changed too, to another value than the user's.
QStringList Conflicts(const FieldSet& edited, const SaveData& loaded, const SaveData& data, const SaveData& onDisk)
{
    QStringList lines;
    for (std::size_t i = 0; i < edited.size(); ++i) {
        const std::int32_t game = FieldValue(onDisk, i);
        if (!edited[i] || game == FieldValue(loaded, i) || game == FieldValue(data, i))
            continue;
        lines << Tr(kConflict).arg(FieldName(i), FieldValueText(i, game), FieldValueText(i, FieldValue(data, i)));
    }
    return Shortened(lines);
}

QDateTime ModifiedTimeOf(const SaveFileSnapshot& snapshot)
{
    return ModifiedTime(QString::fromStdString(snapshot.path));
}
}

CSaveSession::CSaveSession(CUserPrompts& prompts, QWidget* promptOwner)
    : m_prompts(prompts), m_pPromptOwner(promptOwner)
{
}

void CSaveSession::ShowFailure(const SaveDataFailure& failure)
{
    m_prompts.ShowWarning(m_pPromptOwner, FailureMessage(failure));
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
    SnapshotLoad file = LoadWithSnapshot(PathText(path));
    if (!file.loaded) {
        ShowFailure(file.failure);
        return false;
    }
    // What was written stays on record for the same save, however spelt.
    if (!IsSameSave(file.snapshot))
        m_ledger.Clear();
    ExpectFile(std::move(file.snapshot), file.values);
    m_toldTakenBack.reset();
    data = file.values;
    RestoreTakenBack(file.values, FieldSet(), data);
    return true;
}

bool CSaveSession::Reload(SaveData& data)
{
    return HasLoadedFile() && Load(LoadedPath(), data);
}

// The file as it is now becomes what Store expects and what edits are
// counted against.
void CSaveSession::ExpectFile(SaveFileSnapshot snapshot, const SaveData& values)
{
    const QString path = QString::fromStdString(snapshot.path);
    Look(snapshot);
    m_loadedFile = std::move(snapshot);
    m_loadedValues = values;
    m_baseline = values;
    if (m_watch.Path() != path)
        m_watch.Watch(path);
}

// The bytes last seen, so the next look tells a new write from this one.
void CSaveSession::Look(SaveFileSnapshot seen)
{
    m_lastSeen = std::move(seen.contents);
    m_lastModified = ModifiedTimeOf(seen);
    m_rewrites.clear();
}

// The saved values that file no longer holds, and that the user has not
// been told of yet, go back into data unless the user has typed another
// value there since (pending). Returns the fields told of now.
FieldSet CSaveSession::RestoreTakenBack(const SaveData& file, const FieldSet& pending, SaveData& data)
{
    const FieldSet takenBack = m_ledger.TakenBack(file);
    const FieldSet restored = takenBack & ~m_toldTakenBack & ~pending;
    data = m_ledger.WithWritten(data, restored);
    // A value that the file holds again needs no telling any more.
    m_toldTakenBack = (m_toldTakenBack | restored) & takenBack;
    return restored;
}

QStringList CSaveSession::TakenBackLines() const
{
    return TakenBackLines(m_toldTakenBack, m_baseline);
}

FieldSet CSaveSession::UseFileValues(SaveData& data)
{
    const FieldSet fields = m_toldTakenBack;
    for (std::size_t i = 0; i < kSaveFieldCount; ++i)
        if (fields[i])
            SetFieldValue(data, i, FieldValue(m_baseline, i));
    m_ledger.Forget(fields);
    m_toldTakenBack.reset();
    return fields;
}

// An emulator rewrites the whole save whenever the game saves. Only the
// fields the user changed are written, and into a file that changed since
// the load, or into another file, only once the user has said so. A saved
// value that the file no longer holds is written again as long as the user
// still has it on screen: the watch may not have looked yet.
CSaveSession::StoreOutcome CSaveSession::Store(const QString& path, SaveData& data)
{
    // Before a load the champions are only zeros: writing them would wipe
    // whatever file the path names.
    if (!m_loadedFile) {
        m_prompts.ShowWarning(m_pPromptOwner, Tr(kLoadFirst));
        return StoreOutcome::NotStored;
    }
    GuardedStoreOptions options{
        .fields = DifferingFields(m_baseline, data), .check = StoreCheck::Unchanged, .expected = *m_loadedFile};
    GuardedStoreResult result = StoreSaveDataFields(PathText(path), data, options);
    if (result.outcome == Outcome::OtherFile) {
        // Every value on screen, as the question says.
        if (ConfirmOtherFile(LoadedPath(), path) != Answer::Write)
            return StoreOutcome::NotStored;
        options.fields.set();
        options.check = StoreCheck::None;
        result = StoreSaveDataFields(PathText(path), data, options);
    }
    // Asked again if the file was replaced under the Apply itself.
    const FieldSet edited = options.fields;
    while (result.outcome == Outcome::ChangedOnDisk) {
        const FieldSet takenBack =
            m_ledger.TakenBack(result.onDisk) & ~DifferingFields(m_ledger.WithWritten(data, m_ledger.Fields()), data);
        switch (ConfirmOverwrite(path, edited, takenBack, data, result.onDisk)) {
        case Answer::Write:
            // Merged into whatever the file holds when it is open again, even
            // if the game saved once more while the question was open.
            options.fields = edited | takenBack;
            options.check = StoreCheck::SameSave;
            result = StoreSaveDataFields(PathText(path), data, options);
            break;
        case Answer::Reload:
            return Load(path, data) ? StoreOutcome::NewerFileTaken : StoreOutcome::NotStored;
        case Answer::Stop:
            return StoreOutcome::NotStored;
        }
    }
    if (result.outcome == Outcome::Failed)
        ShowFailure(result.failure);
    if (result.outcome != Outcome::Stored)
        return StoreOutcome::NotStored;
    return TakeWritten(options.fields, std::move(result.found), data, result.onDisk);
}

// The file now holds the user's fields and the game's values everywhere
// else: that is what the form shows and counts edits against from now on.
CSaveSession::StoreOutcome CSaveSession::TakeWritten(const FieldSet& fields, SaveFileSnapshot found, SaveData& data,
                                                     const SaveData& onDisk)
{
    if (!IsSameSave(found))
        m_ledger.Clear(); // another save now: what went into the old one is no concern of this one
    m_ledger.Record(fields, onDisk);
    m_toldTakenBack &= ~fields;
    m_nWritten = fields.count();
    data = onDisk;
    ExpectFile(std::move(found), onDisk);
    return StoreOutcome::Stored;
}

CSaveSession::FileChange CSaveSession::CheckFile(SaveData& data)
{
    if (!m_loadedFile)
        return FileChange::None;
    // Half written, or between a delete and a rename: the write that
    // completes it raises another event.
    SnapshotLoad seen = PeekSaveData(PathText(LoadedPath()));
    if (!seen.loaded)
        return FileChange::None;
    if (seen.snapshot.contents == m_lastSeen)
        return RewrittenInRhythm() ? FileChange::Rewriting : FileChange::None;
    return TakeNewerFile(std::move(seen.snapshot), seen.values, data);
}

// The same bytes again. Only a newer time makes it a write of its own; the
// echo of the editor's own Save, or a change elsewhere in the folder, has
// none. Told once the last few such writes come in a steady rhythm: equal
// gaps, give or take half of one, within the window.
bool CSaveSession::RewrittenInRhythm()
{
    const QDateTime modified = ModifiedTime(LoadedPath());
    if (modified == m_lastModified)
        return false;
    m_lastModified = modified;
    const auto now = std::chrono::steady_clock::now();
    m_rewrites.push_back(now);
    while (now - m_rewrites.front() > kRewriteWindow || m_rewrites.size() > static_cast<std::size_t>(kRewritesToTell))
        m_rewrites.pop_front();
    if (m_rewrites.size() < static_cast<std::size_t>(kRewritesToTell))
        return false;
    std::chrono::steady_clock::duration shortest = kRewriteWindow, longest{};
    for (std::size_t i = 1; i < m_rewrites.size(); ++i) {
        shortest = std::min(shortest, m_rewrites[i] - m_rewrites[i - 1]);
        longest = std::max(longest, m_rewrites[i] - m_rewrites[i - 1]);
    }
    return longest <= shortest * 3 / 2;
}

// Fields the user has not edited take the file's values at once. The
// newer file becomes what Store expects only when nothing else is pending;
// otherwise Save still asks before it merges the edits into it.
CSaveSession::FileChange CSaveSession::TakeNewerFile(SaveFileSnapshot seen, const SaveData& now, SaveData& data)
{
    const FieldSet pending = DifferingFields(m_baseline, data);
    SaveData shown = now;
    for (std::size_t i = 0; i < kSaveFieldCount; ++i)
        if (pending[i])
            SetFieldValue(shown, i, FieldValue(data, i));
    const FieldSet restored = RestoreTakenBack(now, pending, shown);
    data = shown;
    const FieldSet takenBack = m_ledger.TakenBack(now);
    if ((pending & ~takenBack).none()) {
        ExpectFile(std::move(seen), now);
    } else {
        Look(std::move(seen));
        m_baseline = now;
    }
    if (restored.any())
        return FileChange::TakenBack;
    return DifferingFields(m_baseline, data).none() ? FileChange::FollowedGame : FileChange::NewerSave;
}

bool CSaveSession::IsSameSave(const SaveFileSnapshot& snapshot) const
{
    return m_loadedFile && snapshot.IsSameFileAs(*m_loadedFile);
}

QStringList CSaveSession::TakenBackLines(const FieldSet& fields, const SaveData& file) const
{
    QStringList lines;
    for (std::size_t i = 0; i < kSaveFieldCount; ++i)
        if (const std::optional<CWriteLedger::Entry> entry = m_ledger.Find(i); fields[i] && entry)
            lines << Tr(kTakenBackLine).arg(FieldName(i), FieldValueText(i, entry->value),
                                            FieldValueText(i, FieldValue(file, i)));
    return Shortened(lines);
}

// Apply writes the edited fields, and the saved values the file no longer
// holds, into the newer file; Reload shows the file as it is now and drops
// the edits; Cancel does nothing.
CSaveSession::Answer CSaveSession::ConfirmOverwrite(const QString& path, const FieldSet& edited,
                                                    const FieldSet& takenBack, const SaveData& data,
                                                    const SaveData& onDisk)
{
    QString text = Tr(kChangedOnDiskQuestion).arg(path);
    const QStringList restored = TakenBackLines(takenBack & ~edited, onDisk);
    if (!restored.isEmpty())
        text += QStringLiteral("\n\n%1\n%2").arg(Tr(kTakenBackIntro), restored.join(QLatin1Char('\n')));
    const QStringList conflicts = Conflicts(edited & ~takenBack, m_loadedValues, data, onDisk);
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
