#pragma once
#include <QCoreApplication>
#include <QString>

namespace zomar {
// The station's own title, for its window and its message boxes.
inline QString stationTitle()
{
    return QCoreApplication::translate("zomar::StationWindow", "Zomar Station");
}
} // namespace zomar
