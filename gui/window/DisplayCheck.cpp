#include "gui/window/DisplayCheck.h"

#include <QByteArray>

namespace zomar {

bool displayAvailable()
{
    if (!qgetenv("QT_QPA_PLATFORM").isEmpty())
        return true;
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

} // namespace zomar
