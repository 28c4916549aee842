#include "editor/window/FileNotices.h"

#include "editor/widgets/Announcer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTime>

namespace
{
// Translated where they are shown, once the user's language is installed.
constexpr char kOneField[] = QT_TRANSLATE_NOOP("CFileNotices", "1 field");
constexpr char kFields[] = QT_TRANSLATE_NOOP("CFileNotices", "%1 fields");
constexpr char kSaved[] = QT_TRANSLATE_NOOP("CFileNotices", "Saved %1 at %2: %3 written.");
constexpr char kReloaded[] = QT_TRANSLATE_NOOP("CFileNotices", "%1 reloaded at %2.");
constexpr char kGameSavedReloaded[] = QT_TRANSLATE_NOOP("CFileNotices", "The game saved %1 at %2; values reloaded.");
constexpr char kGameSavedKept[] =
    QT_TRANSLATE_NOOP("CFileNotices", "The game saved %1 at %2. Your edits are kept: Save applies them to the "
                                      "newer save, Reload drops them.");
constexpr char kOverwritten[] = QT_TRANSLATE_NOOP(
    "CFileNotices", "%1 was overwritten at %2: the emulator wrote its own copy back over your Save, undoing %3. "
                    "Your values are still here. Close the game in the emulator, or the emulator, then press Save "
                    "again.");
constexpr char kRewriting[] =
    QT_TRANSLATE_NOOP("CFileNotices", "An emulator is rewriting %1 again and again: it has the game running and "
                                      "will write over a Save. Close the game first, then Save.");

// The class has no tr() of its own.
QString Tr(const char* text)
{
    return QCoreApplication::translate("CFileNotices", text);
}

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
    return count == 1 ? Tr(kOneField) : Tr(kFields).arg(count);
}
}

CFileNotices::CFileNotices(QLabel* notice, QPushButton* reload) : m_pNotice(notice), m_pReload(reload)
{
    m_pNotice->setTextFormat(Qt::PlainText);
    Clear();
}

void CFileNotices::ShowSaved(const QString& path, std::size_t fields)
{
    Show(Tr(kSaved).arg(FileName(path), Now(), Fields(fields)));
}

void CFileNotices::ShowReloaded(const QString& path)
{
    Show(Tr(kReloaded).arg(FileName(path), Now()));
}

void CFileNotices::ShowChange(CSaveSession::FileChange change, const QString& path, std::size_t fields)
{
    using Change = CSaveSession::FileChange;
    const QString name = FileName(path);
    switch (change) {
    case Change::None:
        return;
    case Change::Reloaded:
        Show(Tr(kGameSavedReloaded).arg(name, Now()));
        return;
    case Change::NewerSave:
        if (m_bOverwrittenShown)
            return;
        Show(Tr(kGameSavedKept).arg(name, Now()), true);
        return;
    case Change::Overwritten:
        Show(Tr(kOverwritten).arg(name, Now(), Fields(fields)));
        m_bOverwrittenShown = true;
        return;
    case Change::Rewriting:
        Show(Tr(kRewriting).arg(name));
        return;
    }
}

void CFileNotices::Clear()
{
    Show(QString());
}

// The notice is also the label's accessible name, and it is said: nothing
// else draws a screen reader's attention to it.
void CFileNotices::Show(const QString& text, bool offerReload)
{
    m_bOverwrittenShown = false;
    m_pNotice->setText(text);
    m_pNotice->setAccessibleName(text);
    m_pReload->setVisible(offerReload);
    CAnnouncer::Of(m_pNotice).SayNotice(text, {m_pReload});
}
