#pragma once
// The production record in an SQLite file on this PC.

#include "core/store/StoreBackend.h"

namespace zomar {

// A file on this PC, through SQLite: WAL journal (readers never wait for the
// writer), synchronous=FULL (a commit is on disk when it returns), a busy
// timeout so that processes sharing the file wait for each other's commits.
class SqliteBackend : public StoreBackend
{
public:
    QString driverName() const override { return QStringLiteral("QSQLITE"); }
    bool exists(const QString &location) const override;
    QString locationProblem(const QString &location, bool create) const override;
    void configure(QSqlDatabase &db, const QString &location, int busyTimeoutMs) const override;
    QStringList sessionStatements() const override;
    QStringList storeStatements() const override;
    QStringList beginWrite() const override { return {QStringLiteral("BEGIN IMMEDIATE")}; }
    QString idColumn() const override { return QStringLiteral("INTEGER PRIMARY KEY"); }
    QString epochNow() const override
    {
        return QStringLiteral("CAST(strftime('%s', 'now') AS INTEGER)");
    }
    QString integrityCheck() const override { return QStringLiteral("PRAGMA integrity_check"); }
    QString explain(const QString &driverText) const override;
};

} // namespace zomar
