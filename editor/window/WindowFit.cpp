#include "editor/window/WindowFit.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace
{
// Title bars are drawn by the window manager and are unknown until the
// window has been shown; these cover the common desktops at 100 % scale.
constexpr int kTitleBarAllowance = 40;
constexpr int kBorderAllowance = 8;
constexpr int kFocusMargin = 4; // room beside a control scrolled into view, for its focus frame
}

CWindowFit::CWindowFit(QDialog& dialog, QScrollArea& scroller, QWidget& beside)
    : QObject(&dialog), m_dialog(dialog), m_scroller(scroller), m_beside(beside), m_nBesideWidth(beside.width())
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { ShowFocused(now); });
}

QSize CWindowFit::FrameExtent(const QDialog& dialog)
{
    const QSize actual = dialog.frameGeometry().size() - dialog.geometry().size();
    const int title = std::max(kTitleBarAllowance, dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return actual.expandedTo(QSize(kBorderAllowance, title + kBorderAllowance));
}

void CWindowFit::OnShow()
{
    const QScreen* screen = m_dialog.screen();
    if (!screen)
        return;
    if (!m_bCentred && m_dialog.windowHandle())
        connect(m_dialog.windowHandle(), &QWindow::screenChanged, this, [this](QScreen* now) {
            if (now)
                FitTo(*now);
        });
    FitTo(*screen);
    if (!std::exchange(m_bCentred, true))
        Centre(*screen);
}

void CWindowFit::FitTo(const QScreen& screen)
{
    // On a narrow screen the notice column gives up width first, down to a
    // third of the screen, so the page keeps room enough to scroll in.
    const QSize free = screen.availableGeometry().size() - FrameExtent(m_dialog);
    m_beside.setFixedWidth(std::min(m_nBesideWidth, free.width() / 3));
    const QSize room = free - QSize(m_beside.width(), 0);
    const QSize content = m_scroller.widget()->size();
    const int bar = m_scroller.verticalScrollBar()->sizeHint().width();
    bool down = content.height() > room.height();
    const bool across = content.width() + (down ? bar : 0) > room.width();
    down = down || (across && content.height() + bar > room.height());
    m_scroller.setVerticalScrollBarPolicy(down ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_scroller.setHorizontalScrollBarPolicy(across ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const QSize needed(content.width() + (down ? bar : 0), content.height() + (across ? bar : 0));
    m_dialog.setFixedSize(needed.boundedTo(room) + QSize(m_beside.width(), 0));
}

void CWindowFit::Centre(const QScreen& screen)
{
    QRect frame(m_dialog.pos(), m_dialog.size() + FrameExtent(m_dialog));
    frame.moveCenter(screen.availableGeometry().center());
    // A window as large as the free area starts at its top-left corner.
    const QPoint corner = screen.availableGeometry().topLeft();
    frame.moveTopLeft(QPoint(std::max(frame.left(), corner.x()), std::max(frame.top(), corner.y())));
    m_dialog.move(frame.topLeft());
}

// The whole control, not only the text cursor of the field inside it.
void CWindowFit::ShowFocused(QWidget* now)
{
    const QWidget* page = m_scroller.widget();
    if (!now || !page->isAncestorOf(now))
        return;
    while (now->parentWidget() != page)
        now = now->parentWidget();
    const QPoint centre = now->geometry().center();
    m_scroller.ensureVisible(centre.x(), centre.y(), now->width() / 2 + kFocusMargin,
                             now->height() / 2 + kFocusMargin);
}
