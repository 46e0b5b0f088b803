#pragma once
// The line speeds a module's serial line runs at, and the port numbers the
// window lists. The speed travels as an int; the texts are for lists.

#include <QList>
#include <QStringList>

namespace zomar {

inline constexpr int kDefaultLineSpeed = 38400;

// 2400 .. 38400, in list order.
const QList<int> &lineSpeeds();
const QStringList &lineSpeedItems(); // the same as texts: "2400".."38400"
bool isLineSpeed(int baud);
const QStringList &portItems(); // "1".."15"

} // namespace zomar
