#include "editor/form/SaveSession.h"

#include "editor/form/UserPrompts.h"

#include <iostream>

namespace
{
const QString kChangedOnDiskQuestion =
    QStringLiteral("'%1' changed on disk after it was loaded (a running game may have saved to it). "
                   "Saving now would mix your edits with the newer data.");
const QString kOtherFileQuestion = QStringLiteral("The values on screen were loaded from '%1'. Write them into '%2'?");
enum ChangedOnDiskAnswer : std::size_t { kOverwrite, kReload };
enum OtherFileAnswer : std::size_t { kWrite };

// Paths travel as UTF-8 to the file code on every system, so a name in any
// script opens.
std::string PathText(const QString& path)
{
    return path.toStdString();
}
}

const QString CSaveSession::kLoadFirstMessage = QStringLiteral("Load a save file before saving.");

CSaveSession::CSaveSession(CUserPrompts& prompts, QWidget* promptOwner)
    : m_prompts(prompts), m_pPromptOwner(promptOwner)
{
    SetSaveDataMessageHandler(
        [this](const std::string& text) { m_prompts.ShowWarning(m_pPromptOwner, QString::fromStdString(text)); });
}

CSaveSession::~CSaveSession()
{
    SetSaveDataMessageHandler([](const std::string& text) { std::cerr << text << '\n'; });
}

bool CSaveSession::Load(const QString& path, SaveData& data)
{
    SaveFileSnapshot loaded;
    if (!LoadSaveData(PathText(path), data, loaded))
        return false;
    m_loadedFile = std::move(loaded);
    return true;
}

// An emulator rewrites the whole save whenever the game saves. Writing our
// fields into a file that changed since the load, or into another file,
// would mix two saves: ask first, and let the store go ahead only against
// the very contents the user was asked about.
CSaveSession::StoreOutcome CSaveSession::Store(const QString& path, SaveData& data)
{
    // Before a load the champions are only zeros: writing them would wipe
    // whatever file the path names.
    if (!m_loadedFile) {
        m_prompts.ShowWarning(m_pPromptOwner, kLoadFirstMessage);
        return StoreOutcome::NotStored;
    }
    SaveFileSnapshot expected = *m_loadedFile;
    for (;;) {
        SaveFileSnapshot found;
        Answer answer = Answer::Write;
        switch (StoreSaveDataIfUnchanged(PathText(path), data, expected, found)) {
        case GuardedStoreResult::Stored:
            m_loadedFile = std::move(found);
            return StoreOutcome::Stored;
        case GuardedStoreResult::Failed:
            return StoreOutcome::NotStored;
        case GuardedStoreResult::OtherFile:
            answer = ConfirmOtherFile(QString::fromStdString(expected.path), path);
            break;
        case GuardedStoreResult::ChangedOnDisk:
            answer = ConfirmOverwrite(path);
            break;
        }
        if (answer == Answer::Reload)
            return Load(path, data) ? StoreOutcome::Reloaded : StoreOutcome::NotStored;
        if (answer == Answer::Stop)
            return StoreOutcome::NotStored;
        expected = std::move(found);
    }
}

// Overwrite goes on with the store; Reload shows the file as it is now and
// drops the edits on screen; Cancel does nothing.
CSaveSession::Answer CSaveSession::ConfirmOverwrite(const QString& path)
{
    const std::size_t answer = m_prompts.Ask(m_pPromptOwner, kChangedOnDiskQuestion.arg(path),
                                             {{QStringLiteral("Overwrite"), QMessageBox::AcceptRole},
                                              {QStringLiteral("Reload"), QMessageBox::DestructiveRole},
                                              {QStringLiteral("Cancel"), QMessageBox::RejectRole}});
    if (answer == kOverwrite)
        return Answer::Write;
    return answer == kReload ? Answer::Reload : Answer::Stop;
}

CSaveSession::Answer CSaveSession::ConfirmOtherFile(const QString& loadedPath, const QString& path)
{
    const std::size_t answer = m_prompts.Ask(m_pPromptOwner, kOtherFileQuestion.arg(loadedPath, path),
                                             {{QStringLiteral("Write"), QMessageBox::AcceptRole},
                                              {QStringLiteral("Cancel"), QMessageBox::RejectRole}});
    return answer == kWrite ? Answer::Write : Answer::Stop;
}
