#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Tells when one file may have changed: watches the file and its folder (a
// save by rename replaces the file, and the old file's watch ends with it),
// and folds a burst of events into one signal a moment after the first, so
// a file read then is whole more often than not. Nothing runs while nothing
// happens: no polling.
class CFileWatch : public QObject
{
    Q_OBJECT

public:
    explicit CFileWatch(QObject* parent = nullptr);

    void Watch(const QString& path);
    void Stop();
    QString Path() const { return m_path; }

    static constexpr int kSettleMs = 150;

signals:
    void changed();

private:
    void OnEvent();

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_path;
};
