#pragma once

#include <QString>

// A control's name for messages, in the window's own words: "x",
// "Strength (maximum), Player 2". championIndex (0 to 3) is the champion
// whose values the form holds; it names the champion's fields only.
QString ControlFieldName(int nId, int championIndex);
