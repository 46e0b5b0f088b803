#pragma once
#include <QIcon>

namespace zomar {
// The window's icon: a small radio mast with waves, at 32x32 and 16x16.
QIcon appIcon();
// The line station's: a hub's four sockets as tiles, three passed, one failed.
QIcon stationIcon();
} // namespace zomar
