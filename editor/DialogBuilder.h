#pragma once

#include <QFont>
#include <QRect>

#include <map>

#include "resources/DialogLayout.h"

class QDialog;
class QWidget;

// Creates the editor window's controls from the layout table, in table
// order (which is also the focus order), converting dialog units to pixels
// with the metrics of the window's font.
class CDialogBuilder
{
public:
    explicit CDialogBuilder(const QFont& dialogFont);

    // Creates every control as a child of dialog and sizes the dialog.
    // Returns the controls that have an id.
    std::map<int, QWidget*> Build(QDialog& dialog) const;

    QRect ToPixels(int x, int y, int cx, int cy) const;
    int BaseUnitX() const { return m_nBaseX; }
    int BaseUnitY() const { return m_nBaseY; }

private:
    QWidget* CreateControl(const DialogControl& control, QDialog& dialog) const;
    void PlaceCombo(QWidget* box, const DialogControl& control) const;

    int m_nBaseX; // average character width, pixels
    int m_nBaseY; // character height, pixels
};
