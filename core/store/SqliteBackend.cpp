#include "core/store/SqliteBackend.h"

#include "core/files/RecordFile.h"

#include <QFileInfo>

namespace zomar {

bool SqliteBackend::exists(const QString &location) const
{
    return QFileInfo::exists(location);
}

QString SqliteBackend::locationProblem(const QString &location, bool create) const
{
    if (!create && !QFileInfo::exists(location))
        return QStringLiteral("there is no store at %1 (nothing has been programmed with it)")
            .arg(location);
    // The journal (-wal) and its index (-shm) are made beside the file.
    return RecordFile::problem(location, QStringLiteral("store"), true);
}

void SqliteBackend::configure(QSqlDatabase &db, const QString &location, int busyTimeoutMs) const
{
    db.setDatabaseName(location);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
}

QStringList SqliteBackend::sessionStatements() const
{
    return {QStringLiteral("PRAGMA synchronous=FULL"), QStringLiteral("PRAGMA foreign_keys=ON")};
}

QStringList SqliteBackend::storeStatements() const
{
    // Kept in the file: readers never wait for the writer, and a commit is
    // one append (and one wait for the disk) to the journal.
    return {QStringLiteral("PRAGMA journal_mode=WAL")};
}

QString SqliteBackend::explain(const QString &driverText) const
{
    if (driverText.contains(QLatin1String("not a database")))
        return QStringLiteral("it is not a database (not an SQLite file)");
    if (driverText.contains(QLatin1String("disk is full")) ||
        driverText.contains(QLatin1String("disk I/O error")))
        return QStringLiteral("it cannot be written (disk full or failing): %1").arg(driverText);
    if (driverText.contains(QLatin1String("locked")) || driverText.contains(QLatin1String("busy")))
        return QStringLiteral("another program holds it locked for too long: %1").arg(driverText);
    if (driverText.contains(QLatin1String("readonly")))
        return QStringLiteral("it is read-only: %1").arg(driverText);
    return driverText;
}

} // namespace zomar
