#pragma once

#include <QObject>
#include <QSize>

class QDialog;
class QScreen;
class QScrollArea;
class QWidget;

// Keeps the editor window on its screen. The layout never shrinks: where it
// is taller or wider than the screen's free area, the window takes the free
// area and scrolls. Either way its size is fixed, so it can be dragged
// neither smaller (cutting controls off) nor larger (empty space). A field
// that takes the focus is scrolled into view. What stands beside the page
// (the notice column) never scrolls; it keeps its width unless the screen
// is too narrow for it and the page.
class CWindowFit : public QObject
{
public:
    CWindowFit(QDialog& dialog, QScrollArea& scroller, QWidget& beside);

    // Sizes the window for the screen it is on, and centres it the first
    // time it is shown.
    void OnShow();

    // The room a window frame takes around the client area: the frame the
    // window has, or what a title bar and borders take before it has one.
    static QSize FrameExtent(const QDialog& dialog);

private:
    void FitTo(const QScreen& screen);
    void Centre(const QScreen& screen);
    void ShowFocused(QWidget* now);

    QDialog& m_dialog;
    QScrollArea& m_scroller;
    QWidget& m_beside;
    int m_nBesideWidth; // as the layout would have it
    bool m_bCentred = false;
};
