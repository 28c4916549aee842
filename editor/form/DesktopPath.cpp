#include "editor/form/DesktopPath.h"

#include <QDir>
#include <QUrl>

namespace
{
// Explorer's "Copy as path" quotes with double quotes, a Linux terminal's
// copy with single ones.
QString Unquoted(QString path)
{
    for (const QChar quote : {QLatin1Char('"'), QLatin1Char('\'')})
        if (path.size() >= 2 && path.startsWith(quote) && path.endsWith(quote))
            return path.mid(1, path.size() - 2).trimmed();
    return path;
}

// A file manager's address; "localhost" is this machine, as no host is.
QString FromFileUrl(const QString& path)
{
    QUrl url(path);
    if (url.host().compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        url.setHost(QString());
    return url.isLocalFile() ? url.toLocalFile() : path;
}
}

QString DesktopPath(const QString& given)
{
    QString path = Unquoted(given.trimmed());
    if (path.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive))
        path = FromFileUrl(path);
    else if (path == QStringLiteral("~") || path.startsWith(QStringLiteral("~/")))
        path = QDir::cleanPath(QDir::homePath() + path.mid(1)); // as a shell would take it
    return QDir::toNativeSeparators(path);
}
