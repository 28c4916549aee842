#pragma once

#include <QObject>

#include <functional>

class QMouseEvent;
class QTabWidget;

// The champion tabs change only by a left click, a key or from code, and
// only once the champion being left has been read back, so no edit is
// lost on the way; the wheel never changes them.
class CChampionTabs : public QObject
{
public:
    struct Handlers
    {
        std::function<bool()> leave;  // reads back the champion shown; false keeps the tab
        std::function<void()> arrive; // shows the champion of the new current tab
        std::function<int()> shown;   // the tab whose champion the form holds
        std::function<bool()> busy;   // an exchange runs: its own changes are not checked
    };

    CChampionTabs(QTabWidget* tabs, Handlers handlers, QObject* parent);

    // The next (+1) or previous (-1) champion; a refusal keeps the tab, and
    // the bad field has the focus.
    void Step(int step);
    // The tab widget's currentChanged, as the window's commands receive it.
    void OnCurrentChanged(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandlePress(const QMouseEvent* event);
    bool ApproveLeaving();

    QTabWidget* m_pTabs;
    Handlers m_handlers;
    bool m_bLeaveApproved = false; // the tab being left was already read back
};
