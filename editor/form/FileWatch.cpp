#include "editor/form/FileWatch.h"

#include <QFileInfo>

CFileWatch::CFileWatch(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    m_poll.setInterval(kPollMs);
    connect(&m_settle, &QTimer::timeout, this, &CFileWatch::changed);
    connect(&m_poll, &QTimer::timeout, this, &CFileWatch::OnPoll);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CFileWatch::OnEvent);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &CFileWatch::OnEvent);
}

void CFileWatch::Watch(const QString& path)
{
    Stop();
    m_path = path;
    WatchWhatThePathNames();
    m_lastSignature = Look();
    m_poll.start();
}

void CFileWatch::Stop()
{
    m_settle.stop();
    m_poll.stop();
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_path.clear();
}

// A file renamed over ours, or written anew, is another file to the
// system, and a link's target may have been deleted and made again: watch
// whatever the path names now. Paths already watched are left alone.
void CFileWatch::WatchWhatThePathNames()
{
    if (m_path.isEmpty())
        return;
    const QFileInfo file(m_path);
    QStringList paths = {file.absolutePath(), file.absoluteFilePath()};
    if (const QString target = file.canonicalFilePath(); !target.isEmpty() && target != file.absoluteFilePath())
        paths << QFileInfo(target).absolutePath() << target;
    for (const QString& path : paths)
        if (!m_watcher.files().contains(path) && !m_watcher.directories().contains(path) && QFileInfo::exists(path))
            m_watcher.addPath(path);
}

void CFileWatch::OnEvent()
{
    WatchWhatThePathNames();
    m_lastSignature = Look();
    // Not restarted by later events, so a writer that never pauses is still
    // looked at within the interval.
    if (!m_settle.isActive())
        m_settle.start();
}

void CFileWatch::OnPoll()
{
    if (Look() != m_lastSignature)
        OnEvent();
}

CFileWatch::Signature CFileWatch::Look() const
{
    const QFileInfo file(m_path);
    if (!file.exists())
        return {};
    return {true, file.size(), file.lastModified(), CSaveFile::PathIdentity(m_path.toStdString())};
}
