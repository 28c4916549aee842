#include "editor/form/DesktopPath.h"

#include <QDir>
#include <QUrl>

QString DesktopPath(const QString& given)
{
    QString path = given.trimmed();
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2).trimmed();
    if (path.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        const QUrl url(path);
        if (url.isLocalFile())
            path = url.toLocalFile();
    }
    return QDir::toNativeSeparators(path);
}
