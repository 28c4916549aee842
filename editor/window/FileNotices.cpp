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
constexpr char kOneEdit[] = QT_TRANSLATE_NOOP("CFileNotices", "1 edit");
constexpr char kEdits[] = QT_TRANSLATE_NOOP("CFileNotices", "%1 edits");
constexpr char kSaved[] = QT_TRANSLATE_NOOP("CFileNotices", "Saved %1 at %2: %3 written.");
constexpr char kReloaded[] = QT_TRANSLATE_NOOP("CFileNotices", "%1 reloaded at %2.");
constexpr char kDropped[] =
    QT_TRANSLATE_NOOP("CFileNotices", "%1 loaded at %2; it replaced %3 not saved. Undo puts them back.");
constexpr char kUndone[] =
    QT_TRANSLATE_NOOP("CFileNotices", "%1 put back, as edits; nothing was written.");
constexpr char kGameSavedReloaded[] = QT_TRANSLATE_NOOP("CFileNotices", "The game saved %1 at %2; values reloaded.");
constexpr char kGameSavedKept[] = QT_TRANSLATE_NOOP(
    "CFileNotices", "The game saved %1 at %2. Fields you did not edit show its values; your edits are kept: Save "
                    "applies them to the newer save, Reload drops them.");
constexpr char kTakenBack[] = QT_TRANSLATE_NOOP(
    "CFileNotices", "%1 no longer holds values you saved (seen at %2): the emulator wrote its own copy back, or "
                    "the game moved on from them. Your values are still here, marked as edits; Save writes them "
                    "again once the game is closed in the emulator.");
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

// To the second, as the user's locale writes a time, without the zone.
QString Now()
{
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return locale.toString(QTime::currentTime(), format.trimmed());
}

QString Count(std::size_t count, const char* one, const char* many)
{
    return count == 1 ? Tr(one) : Tr(many).arg(count);
}
}

CFileNotices::CFileNotices(QLabel* notice, Buttons buttons) : m_pNotice(notice), m_buttons(buttons)
{
    m_pNotice->setTextFormat(Qt::PlainText);
    Clear();
}

void CFileNotices::ShowSaved(const QString& path, std::size_t fields)
{
    Show(Tr(kSaved).arg(FileName(path), Now(), Count(fields, kOneField, kFields)));
}

void CFileNotices::ShowLoaded(const QString& path, std::size_t droppedEdits)
{
    if (droppedEdits == 0)
        Show(QString());
    else
        Show(Tr(kDropped).arg(FileName(path), Now(), Count(droppedEdits, kOneEdit, kEdits)), Offer::Undo);
}

void CFileNotices::ShowReloaded(const QString& path, std::size_t droppedEdits)
{
    if (droppedEdits == 0)
        Show(Tr(kReloaded).arg(FileName(path), Now()));
    else
        ShowLoaded(path, droppedEdits);
}

void CFileNotices::ShowUndone(std::size_t edits)
{
    Show(Tr(kUndone).arg(Count(edits, kOneEdit, kEdits)));
}

void CFileNotices::ShowChange(CSaveSession::FileChange change, const QString& path)
{
    using Change = CSaveSession::FileChange;
    const QString name = FileName(path);
    switch (change) {
    case Change::None:
        return;
    case Change::TakenBack: // told through SetTakenBack, which stays; an older Saved would mislead
        Show(QString());
        return;
    case Change::FollowedGame:
        Show(Tr(kGameSavedReloaded).arg(name, Now()));
        return;
    case Change::NewerSave:
        Show(Tr(kGameSavedKept).arg(name, Now()), Offer::Reload);
        return;
    case Change::Rewriting:
        Show(Tr(kRewriting).arg(name));
        return;
    }
}

void CFileNotices::SetTakenBack(const QString& path, const QStringList& lines)
{
    const QString text =
        lines.isEmpty() ? QString() : Tr(kTakenBack).arg(FileName(path), Now()) + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    // Told again only when something new is taken back, not at every look.
    if (QStringList(m_strTakenBack.split(QLatin1Char('\n')).mid(1)) == lines)
        return;
    m_strTakenBack = text;
    Present();
}

void CFileNotices::Clear()
{
    m_strTakenBack.clear();
    Show(QString());
}

void CFileNotices::Show(const QString& text, Offer offer)
{
    m_strLatest = text;
    m_offer = offer;
    Present();
}

// The notice is also the label's accessible name, and it is said: nothing
// else draws a screen reader's attention to it.
void CFileNotices::Present()
{
    QStringList parts;
    for (const QString& part : {m_strTakenBack, m_strLatest})
        if (!part.isEmpty())
            parts << part;
    const QString text = parts.join(QStringLiteral("\n\n"));
    m_pNotice->setText(text);
    m_pNotice->setAccessibleName(text);
    m_buttons.reload->setVisible(m_offer == Offer::Reload);
    m_buttons.undo->setVisible(m_offer == Offer::Undo);
    m_buttons.useFileValues->setVisible(!m_strTakenBack.isEmpty());
    CAnnouncer::Of(m_pNotice).SayNotice(text, {m_buttons.reload, m_buttons.useFileValues, m_buttons.undo});
}
