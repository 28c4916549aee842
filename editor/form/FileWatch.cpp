#include "editor/form/FileWatch.h"

#include <QFileInfo>

CFileWatch::CFileWatch(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &CFileWatch::changed);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CFileWatch::OnEvent);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &CFileWatch::OnEvent);
}

void CFileWatch::Watch(const QString& path)
{
    Stop();
    m_path = path;
    const QFileInfo file(path);
    m_watcher.addPath(file.absolutePath());
    m_watcher.addPath(file.absoluteFilePath());
}

void CFileWatch::Stop()
{
    m_settle.stop();
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_path.clear();
}

void CFileWatch::OnEvent()
{
    // A file renamed over ours, or written anew, is another file to the
    // system: watch whatever the path names now.
    const QString file = QFileInfo(m_path).absoluteFilePath();
    if (!m_path.isEmpty() && !m_watcher.files().contains(file) && QFileInfo::exists(file))
        m_watcher.addPath(file);
    // Not restarted by later events, so a writer that never pauses is still
    // looked at within the interval.
    if (!m_settle.isActive())
        m_settle.start();
}
