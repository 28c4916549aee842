#include "resources/AppIcon.h"

// The icons are compiled into this static library, and nothing refers to
// their object file, so the linker would drop it unless it is registered
// here. (At global scope: the macro declares a global.)
QIcon AppIcon()
{
    Q_INIT_RESOURCE(resources);
    QIcon icon(QStringLiteral(":/icons/AppIcon32.png"));
    icon.addFile(QStringLiteral(":/icons/AppIcon16.png"), QSize(16, 16));
    return icon;
}
