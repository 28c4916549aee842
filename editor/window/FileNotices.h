#pragma once

#include <QString>
#include <QStringList>

#include "editor/form/SaveSession.h"

class QLabel;
class QPushButton;

// The notice below the page: what happened to the save file, in words,
// without a modal box in the way, with the buttons that act on it shown
// only while they are offered. Saved values that the file no longer holds
// stay told, above whatever happens next, until the user settles them.
class CFileNotices
{
public:
    struct Buttons
    {
        QPushButton* reload;        // drops the edits for the newer save
        QPushButton* useFileValues; // takes the file's values for the saved ones it no longer holds
        QPushButton* undo;          // puts back the edits a Load dropped
    };

    CFileNotices(QLabel* notice, Buttons buttons);

    void ShowSaved(const QString& path, std::size_t fields);
    // droppedEdits: the edited fields the load replaced, offered for Undo.
    void ShowLoaded(const QString& path, std::size_t droppedEdits);
    void ShowReloaded(const QString& path, std::size_t droppedEdits);
    void ShowChange(CSaveSession::FileChange change, const QString& path);
    void ShowUndone(std::size_t edits);
    // The saved values the file no longer holds, a line each; none to stop telling.
    void SetTakenBack(const QString& path, const QStringList& lines);
    void Clear();

private:
    enum class Offer { Nothing, Reload, Undo };
    void Show(const QString& text, Offer offer = Offer::Nothing);
    void Present();

    QLabel* m_pNotice;
    Buttons m_buttons;
    QString m_strLatest;
    QString m_strTakenBack;
    Offer m_offer = Offer::Nothing;
};
