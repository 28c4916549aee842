#include "editor/window/FileNotices.h"

#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTime>

namespace
{
QString FileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

QString Now()
{
    return QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
}

QString Fields(std::size_t count)
{
    return count == 1 ? QStringLiteral("1 field") : QStringLiteral("%1 fields").arg(count);
}
}

CFileNotices::CFileNotices(QLabel* notice, QPushButton* reload) : m_pNotice(notice), m_pReload(reload)
{
    m_pNotice->setTextFormat(Qt::PlainText);
    Clear();
}

void CFileNotices::ShowSaved(const QString& path, std::size_t fields)
{
    Show(QStringLiteral("Saved %1 at %2: %3 written.").arg(FileName(path), Now(), Fields(fields)));
}

void CFileNotices::ShowReloaded(const QString& path)
{
    Show(QStringLiteral("%1 reloaded at %2.").arg(FileName(path), Now()));
}

void CFileNotices::ShowChange(CSaveSession::FileChange change, const QString& path, std::size_t fields)
{
    using Change = CSaveSession::FileChange;
    const QString name = FileName(path);
    switch (change) {
    case Change::None:
        return;
    case Change::Reloaded:
        Show(QStringLiteral("The game saved %1 at %2; values reloaded.").arg(name, Now()));
        return;
    case Change::NewerSave:
        if (m_bOverwrittenShown)
            return;
        Show(QStringLiteral("The game saved %1 at %2. Your edits are kept: Save applies them to the newer "
                            "save, Reload drops them.")
                 .arg(name, Now()),
             true);
        return;
    case Change::Overwritten:
        Show(QStringLiteral("%1 was overwritten at %2: the emulator wrote its own copy back over your Save, "
                            "undoing %3. Your values are still here. Close the game in the emulator, or the "
                            "emulator, then press Save again.")
                 .arg(name, Now(), Fields(fields)));
        m_bOverwrittenShown = true;
        return;
    case Change::Rewriting:
        Show(QStringLiteral("An emulator is rewriting %1 again and again: it has the game running and will "
                            "write over a Save. Close the game first, then Save.")
                 .arg(name));
        return;
    }
}

void CFileNotices::Clear()
{
    Show(QString());
}

void CFileNotices::Show(const QString& text, bool offerReload)
{
    m_bOverwrittenShown = false;
    m_pNotice->setText(text);
    m_pReload->setVisible(offerReload);
}
