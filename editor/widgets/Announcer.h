#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <initializer_list>

class QWidget;

// Has a screen reader say what changed away from the focus: a notice, the
// party's move, the champion now shown, a list's new value. Orca (43, as
// Debian 12 has it) knows no announcement event, and Qt 6.4 sends none;
// Orca speaks an object of the notification role whenever it is shown. So
// each window has one such object, without a place on screen, shown anew
// for every text. It is shown a moment after the text is given: a change
// that rewrites every field (another champion, a file reloaded) sends Orca
// some ninety events at once, and while more than fifty wait, Orca drops
// what it is shown. Of several texts given within that moment, the last is
// said. (On a machine too busy for Orca to catch up within it, the text is
// lost; the field that has the focus still says whose it is.)
class CAnnouncer : public QObject
{
    Q_OBJECT

public:
    // The announcer of widget's window, made on first use.
    static CAnnouncer& Of(QWidget* widget);

    void Say(const QString& text);
    // A notice, said, and the buttons that act on it described by it, so
    // that each is heard with the notice it belongs to.
    void SayNotice(const QString& text, std::initializer_list<QWidget*> actions);
    QString Text() const { return m_strText; }

signals:
    void said(const QString& text); // at once, before the screen reader hears it

private:
    explicit CAnnouncer(QWidget* window);
    void Show();

    static constexpr int kSettle = 800; // milliseconds

    QString m_strText;
    QTimer m_timer;
};
