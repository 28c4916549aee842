#include "editor/window/ChampionTabs.h"

#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>

CChampionTabs::CChampionTabs(QTabWidget* tabs, Handlers handlers, QObject* parent)
    : QObject(parent), m_pTabs(tabs), m_handlers(std::move(handlers))
{
    m_pTabs->tabBar()->installEventFilter(this);
}

bool CChampionTabs::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel)
        return true;
    if (event->type() == QEvent::MouseButtonPress)
        return HandlePress(static_cast<QMouseEvent*>(event));
    if (event->type() == QEvent::MouseButtonRelease)
        m_bLeaveApproved = false; // an approval holds for its own press only
    return QObject::eventFilter(watched, event);
}

bool CChampionTabs::HandlePress(const QMouseEvent* event)
{
    // Only a left press changes the tab; any other button leaves the tab,
    // and the fields, alone.
    if (event->button() != Qt::LeftButton)
        return false;
    const int target = m_pTabs->tabBar()->tabAt(event->position().toPoint());
    if (target < 0 || target == m_pTabs->currentIndex() || m_handlers.busy())
        return false;
    return !ApproveLeaving(); // swallowing the press keeps the tab
}

void CChampionTabs::Step(int step)
{
    if (m_handlers.busy() || !ApproveLeaving())
        return;
    const int count = m_pTabs->count();
    m_pTabs->setCurrentIndex((m_pTabs->currentIndex() + step + count) % count);
}

bool CChampionTabs::ApproveLeaving()
{
    m_bLeaveApproved = m_handlers.leave();
    return m_bLeaveApproved;
}

void CChampionTabs::OnCurrentChanged(int index)
{
    if (index == m_handlers.shown())
        return;
    // A change that came neither through a click nor a key still reads
    // back the champion being left first.
    if (!m_bLeaveApproved && !ApproveLeaving()) {
        const QSignalBlocker blocker(m_pTabs);
        m_pTabs->setCurrentIndex(m_handlers.shown());
        return;
    }
    m_bLeaveApproved = false;
    m_handlers.arrive();
}
