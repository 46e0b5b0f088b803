#include "core/fleet/StoreStatus.h"

#include <QUrl>

namespace zomar {

QString StoreStatus::text() const
{
    if (!problem.isEmpty())
        return QStringLiteral("Record cannot be written: %1").arg(problem);
    if (!online())
        return station.summary();
    if (location.contains(QStringLiteral("://")))
        return QStringLiteral("Record: %1 (online)")
            .arg(QUrl(location).toString(QUrl::RemovePassword));
    return QStringLiteral("Record: %1").arg(location);
}

} // namespace zomar
