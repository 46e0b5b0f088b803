#include "core/store/StoreBackend.h"

#include "core/store/PostgresBackend.h"
#include "core/store/SqliteBackend.h"

namespace zomar {

std::unique_ptr<StoreBackend> StoreBackend::forLocation(const QString &location, QString *error)
{
    const qsizetype scheme = location.indexOf(QLatin1String("://"));
    if (PgAddress::isServerLocation(location)) {
        const QString problem = PostgresBackend::driverProblem();
        if (problem.isEmpty())
            return std::make_unique<PostgresBackend>();
        if (error)
            *error = problem;
        return nullptr;
    }
    if (scheme > 0) {
        if (error)
            *error = QStringLiteral("%1: a %2 server is not supported (a file, or "
                                    "postgresql://user@host/database)")
                         .arg(location, location.left(scheme));
        return nullptr;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        if (error)
            *error = QStringLiteral("the SQLite driver of Qt is not installed (Debian: "
                                    "libqt6sql6-sqlite)");
        return nullptr;
    }
    return std::make_unique<SqliteBackend>();
}

} // namespace zomar
