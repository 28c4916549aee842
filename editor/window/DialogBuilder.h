#pragma once

#include <QFont>
#include <QRect>

#include <map>

#include "resources/DialogLayout.h"

class QDialog;
class QWidget;

// Creates the editor window's controls from the layout table, in table
// order (which is also the focus order). Dialog units come from the
// window's font; the whole layout is then enlarged by one factor, the same
// across and down, just enough that every label and button text fits its
// box, so the layout keeps its proportions at any font.
class CDialogBuilder
{
public:
    explicit CDialogBuilder(const QFont& dialogFont);

    // Creates every control on a page that scrolls inside dialog (see
    // CWindowFit) and sizes both for the whole layout. Returns the controls
    // that have an id.
    std::map<int, QWidget*> Build(QDialog& dialog) const;

    // Each edge is converted on its own, as the platform converts a dialog
    // rectangle, so boxes that touch in dialog units touch in pixels and
    // never overlap by a rounding pixel.
    QRect ToPixels(int x, int y, int cx, int cy) const;

private:
    QWidget* CreateControl(const DialogControl& control, QWidget& page) const;
    void LayOutNoticeColumn(QWidget& column, std::map<int, QWidget*>& controls) const;
    void PlaceCombo(QWidget* box, const DialogControl& control) const;
    int PixelsX(int units) const;
    int PixelsY(int units) const;

    double m_unitX; // pixels per horizontal dialog unit
    double m_unitY; // pixels per vertical dialog unit
};
