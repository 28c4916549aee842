#pragma once

#include <QString>

#include "editor/form/DataExchange.h"

// A control's name for messages, in the window's own words: "x",
// "Strength (maximum), Player 2". championIndex (0 to 3) is the champion
// whose values the form holds; it names the champion's fields only.
QString ControlFieldName(int nId, int championIndex);

// Gives every field and drop-down its name for screen readers, in the same
// words without brackets ("Strength maximum, Player 2"), for the champion
// the form shows.
void NameControls(const DialogControls& controls, int championIndex);
