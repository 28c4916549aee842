#pragma once

#include <QString>

#include "editor/form/DataExchange.h"

// A control's name for messages: its field's one name (FieldTable.h), "x",
// "Strength maximum, Player 2". championIndex (0 to 3) is the champion
// whose values the form holds; it names the champion's fields only.
QString ControlFieldName(int nId, int championIndex);

// Gives every field and drop-down the same name for screen readers, for the
// champion the form shows.
void NameControls(const DialogControls& controls, int championIndex);
