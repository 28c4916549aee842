#pragma once

#include <QString>

// A save file's path in the forms the desktop hands it out: a file:// URL
// (a drop, a file manager's "Copy"), blanks around a pasted path, or the
// double quotes of Windows Explorer's "Copy as path". Gives the plain path
// with the system's own separators; an empty text stays empty.
QString DesktopPath(const QString& given);
