#include "core/sharedstore/StoreStatus.h"

#include <QUrl>

namespace zomar {

QString StoreStatus::text() const
{
    if (!problem.isEmpty())
        return QStringLiteral("Record cannot be written: %1").arg(problem);
    if (!online())
        return station.summary();
    if (location.contains(QStringLiteral("://")))
        // A lease released under the station stays in sight for the run.
        return QStringLiteral("Record: %1 (%2)")
            .arg(QUrl(location).toString(QUrl::RemovePassword),
                 station.releasedRun != 0 ? station.summary() : QStringLiteral("online"));
    return QStringLiteral("Record: %1").arg(location);
}

} // namespace zomar
