#pragma once

#include <QString>

#include "editor/form/SaveSession.h"

class QLabel;
class QPushButton;

// The notice beside the map: what happened to the save file, in words,
// without a modal box in the way. The Reload button beside it shows only
// while it is offered.
class CFileNotices
{
public:
    CFileNotices(QLabel* notice, QPushButton* reload);

    void ShowSaved(const QString& path, std::size_t fields);
    // fields: how many a write-back put back (Overwritten only).
    void ShowChange(CSaveSession::FileChange change, const QString& path, std::size_t fields);
    void ShowReloaded(const QString& path);
    void Clear();

private:
    void Show(const QString& text, bool offerReload = false);

    QLabel* m_pNotice;
    QPushButton* m_pReload;
    // A write-back stays told while the game goes on saving: the user's
    // values are still unsaved.
    bool m_bOverwrittenShown = false;
};
