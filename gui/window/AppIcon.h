#pragma once
#include <QIcon>

namespace zomar {
// The window's icon: a small radio mast with waves, at 32x32 and 16x16.
QIcon appIcon();
} // namespace zomar
