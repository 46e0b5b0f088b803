#include "core/link/LineSettings.h"

namespace zomar {

const QList<int> &lineSpeeds()
{
    static const QList<int> speeds = {2400, 4800, 9600, 14400, 19200, 28800, 38400};
    return speeds;
}

const QStringList &lineSpeedItems()
{
    static const QStringList items = [] {
        QStringList list;
        for (int speed : lineSpeeds())
            list << QString::number(speed);
        return list;
    }();
    return items;
}

bool isLineSpeed(int baud)
{
    return lineSpeeds().contains(baud);
}

const QStringList &portItems()
{
    static const QStringList items = [] {
        QStringList list;
        for (int i = 1; i <= 15; ++i)
            list << QString::number(i);
        return list;
    }();
    return items;
}

} // namespace zomar
