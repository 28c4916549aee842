#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

#include "savedata/SaveFile.h"

// Tells when one file may have changed: watches the file and its folder (a
// save by rename replaces the file, and the old file's watch ends with it),
// and where the path is a link, the target and the target's folder too. A
// burst of events folds into one signal a moment after the first, so a file
// read then is whole more often than not. The system's watch can miss a
// write (a lost watch, a network share that another machine writes), so a
// cheap look at the file's size, time and identity every two seconds
// catches what it missed.
class CFileWatch : public QObject
{
    Q_OBJECT

public:
    explicit CFileWatch(QObject* parent = nullptr);

    void Watch(const QString& path);
    void Stop();
    QString Path() const { return m_path; }

    static constexpr int kSettleMs = 150;
    static constexpr int kPollMs = 2000;

signals:
    void changed();

private:
    // What a look at the file without opening it sees.
    struct Signature
    {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        std::optional<FileIdentity> identity;

        bool operator==(const Signature&) const = default;
    };

    void OnEvent();
    void OnPoll();
    void WatchWhatThePathNames();
    Signature Look() const;

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QTimer m_poll;
    QString m_path;
    Signature m_lastSignature;
};
