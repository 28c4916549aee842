#pragma once

#include <QString>
#include <QStringList>

// The program's arguments, the first being its own name: --help and
// --version print their text and end the program, as Qt does (on Windows
// into the console the program was started from, and in a message box only
// when there is none); a mistake in them (an unknown option, a second file)
// is told the same way and ends the program with status 2; otherwise the
// save file to load at start, or an empty text.
QString StartFileArgument(const QStringList& arguments);
