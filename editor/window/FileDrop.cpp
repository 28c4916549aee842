#include "editor/window/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace
{
// The first local file the drag carries, or an empty text.
QString DroppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return QString();
}
}

CFileDrop::CFileDrop(std::function<void(const QString&)> onFile, QObject* parent)
    : QObject(parent), m_onFile(std::move(onFile))
{
}

void CFileDrop::WatchAll(QWidget* window)
{
    Watch(window);
    for (QWidget* widget : window->findChildren<QWidget*>())
        Watch(widget);
}

void CFileDrop::Watch(QWidget* widget)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

bool CFileDrop::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event); // a drag enter or move is one too
    const QString file = DroppedFile(drop->mimeData());
    if (file.isEmpty())
        return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        m_onFile(file);
    return true;
}
