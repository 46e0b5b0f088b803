#pragma once
// The production record on a PostgreSQL server that the stations of a line
// share, through Qt's QPSQL driver (libpq). A location is a libpq connection
// URI, postgresql://user@host[:port]/dbname[?host=/socket/folder&...]; the
// password is never part of it (it would show in the process list, the shell
// history and every message naming the store): libpq takes it from ~/.pgpass
// or PGPASSWORD.

#include "core/store/StoreBackend.h"

#include <QList>
#include <QPair>

#include <optional>

namespace zomar {

// A server location, taken apart.
struct PgAddress {
    QString user;     // "" for libpq's default (PGUSER, else the login name)
    QString host;     // a name, an address, or a socket folder ("/..."); "" for the default
    int port = -1;    // -1 for the default (5432)
    QString database; // "" for libpq's default (the user's name)
    QList<QPair<QString, QString>> options; // further libpq keywords (sslmode, ...)

    // nullopt with error set (one line, never showing a password) when the
    // location is not a URI this program takes.
    static std::optional<PgAddress> parse(const QString &location, QString *error);
    static bool isServerLocation(const QString &location);
    // "user@host:port/database", for file names and messages.
    QString identity() const;
};

class PostgresBackend : public StoreBackend
{
public:
    static QString driver() { return QStringLiteral("QPSQL"); }
    // Why Qt's PostgreSQL driver cannot be used here ("" when it can): not
    // installed, or installed but not loading (its libpq missing).
    static QString driverProblem();
    static bool driverInstalled();
    static bool driverLoads();
    static QString driverMissing();   // what to do when it is not installed
    static QString driverNotLoaded(); // what to do when it does not load

    QString driverName() const override { return driver(); }
    bool exists(const QString &location) const override;
    QString locationProblem(const QString &location, bool create) const override;
    void configure(QSqlDatabase &db, const QString &location, int busyTimeoutMs) const override;
    QStringList sessionStatements() const override;
    QStringList beginWrite() const override;
    QString beginOwnRows() const override { return QStringLiteral("BEGIN"); }
    QString idColumn() const override;
    QString lockRows() const override { return QStringLiteral(" FOR UPDATE"); }
    QString epochNow() const override;
    bool schemaOnFirstUse() const override { return false; }
    bool isServer() const override { return true; }
    bool connectionLost(const QString &driverText) const override;
    QStringList missingRights(QSqlDatabase &db) const override;
    QString explain(const QString &driverText) const override;

    // Where opening a connection stopped: the server did not answer, it
    // refused the login, it has no such database, or something else.
    enum class OpenStep { Server, Login, Database, Other };
    OpenStep failedAt(const QString &driverText) const;
};

} // namespace zomar
