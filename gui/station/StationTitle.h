#pragma once
#include <QString>

namespace zomar {
// The station's own title, for its window and its message boxes.
inline const QString kStationTitle = QStringLiteral("Zomar Station");
} // namespace zomar
