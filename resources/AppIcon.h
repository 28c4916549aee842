#pragma once

#include <QIcon>

// The program's icon at 32 and 16 pixels, from the compiled-in resources.
QIcon AppIcon();
