#include "core/fleet/StoreStatus.h"

#include <QUrl>

namespace zomar {

namespace {

QString counted(int n, const QString &one, const QString &many)
{
    return n == 1 ? QStringLiteral("1 %1").arg(one) : QStringLiteral("%1 %2").arg(n).arg(many);
}

} // namespace

QString StoreStatus::text() const
{
    if (!problem.isEmpty())
        return QStringLiteral("Record cannot be written: %1").arg(problem);
    if (!online) {
        QStringList parts;
        if (addressesLeft)
            parts << counted(*addressesLeft, QStringLiteral("address left"),
                             QStringLiteral("addresses left"));
        if (rowsWaiting)
            parts << counted(*rowsWaiting, QStringLiteral("row waiting"),
                             QStringLiteral("rows waiting"));
        return parts.isEmpty()
                   ? QStringLiteral("offline")
                   : QStringLiteral("offline: %1").arg(parts.join(QStringLiteral(", ")));
    }
    if (location.contains(QStringLiteral("://")))
        return QStringLiteral("Record: %1 (online)")
            .arg(QUrl(location).toString(QUrl::RemovePassword));
    return QStringLiteral("Record: %1").arg(location);
}

} // namespace zomar
