#include "editor/widgets/Announcer.h"

#include <QAccessibleObject>
#include <QCoreApplication>
#include <QWidget>

namespace
{
// The announcer as a screen reader sees it: a notification named by the
// last text, in a status bar of its own, for Orca speaks a status bar's
// notification without the word "notification". Neither has a place on
// screen, and no window lists them among its controls.
class CAnnouncementAccessible : public QAccessibleObject
{
public:
    explicit CAnnouncementAccessible(CAnnouncer* announcer);
    ~CAnnouncementAccessible() override { QAccessible::deleteAccessibleInterface(m_bar); }

    QAccessibleInterface* parent() const override { return QAccessible::accessibleInterface(m_bar); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<CAnnouncer*>(object())->Text() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    QAccessible::Id m_bar;
};

class CStatusBarAccessible : public QAccessibleInterface
{
public:
    explicit CStatusBarAccessible(CAnnouncementAccessible* notice) : m_pNotice(notice) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    // The application, not the window: Orca would say the window's title
    // before every text.
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
    QAccessibleInterface* child(int index) const override { return index == 0 ? m_pNotice : nullptr; }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface* child) const override { return child == m_pNotice ? 0 : -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text) const override { return QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override { return {}; }

private:
    CAnnouncementAccessible* m_pNotice;
};

CAnnouncementAccessible::CAnnouncementAccessible(CAnnouncer* announcer)
    : QAccessibleObject(announcer), m_bar(QAccessible::registerAccessibleInterface(new CStatusBarAccessible(this)))
{
}

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    auto* announcer = qobject_cast<CAnnouncer*>(object);
    return announcer ? new CAnnouncementAccessible(announcer) : nullptr;
}
}

CAnnouncer::CAnnouncer(QWidget* window) : QObject(window)
{
    static const bool s_bAccessible = (QAccessible::installFactory(&Factory), true);
    Q_UNUSED(s_bAccessible);
    m_timer.setSingleShot(true);
    m_timer.setInterval(kSettle);
    connect(&m_timer, &QTimer::timeout, this, &CAnnouncer::Show);
}

CAnnouncer& CAnnouncer::Of(QWidget* widget)
{
    QWidget* window = widget->window();
    auto* announcer = window->findChild<CAnnouncer*>(QString(), Qt::FindDirectChildrenOnly);
    return announcer ? *announcer : *new CAnnouncer(window);
}

void CAnnouncer::Say(const QString& text)
{
    m_strText = text;
    emit said(text);
    m_timer.start();
}

void CAnnouncer::Show()
{
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void CAnnouncer::SayNotice(const QString& text, std::initializer_list<QWidget*> actions)
{
    for (QWidget* action : actions)
        action->setAccessibleDescription(text);
    if (!text.isEmpty())
        Say(text);
}
