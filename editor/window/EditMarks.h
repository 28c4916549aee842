#pragma once

#include <QObject>

#include "editor/form/DataExchange.h"
#include "savedata/SaveRecord.h"

class QWidget;

// Marks each field whose control shows another value than the file holds,
// so the user sees what Save will write: a tint of the highlight colour
// over the field's background (in light and dark themes alike) and
// "edited" as its accessible description. Follows typing as it happens.
class CEditMarks : public QObject
{
public:
    // baseline: the file's values, as the save session keeps them.
    CEditMarks(const DialogControls& controls, const SaveData& baseline, QObject* parent);

    // The champion whose values the tab shows; marks every field anew.
    void Refresh(int champion);
    // The champion whose values the tab is about to show: the fields are
    // marked as the new values arrive, not first against the champion left
    // (each mark a screen reader hears of).
    void FollowChampion(int champion) { m_nChampion = champion; }
    bool IsMarked(int nId) const;

    static const QString kEditedDescription;

private:
    void RefreshControl(int nId);
    std::int32_t BaselineValue(int nId) const;

    const DialogControls& m_controls;
    const SaveData& m_baseline;
    int m_nChampion = 0;
};
