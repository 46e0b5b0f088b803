#pragma once
// What differs between the databases the production record can live in: what
// a location must be, how a connection is opened and set up, how a writing
// transaction starts, the column type of a counting row id, how a row is
// locked for an update and what the server's clock says. The SQL of
// allocation, recording and the reports is the same for every backend and
// lives in ProductionStore, StoreLeases and StoreReport; each backend's own
// SQL stays in its one class.

#include "core/store/RunIdentity.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <memory>

namespace zomar {

class StoreBackend
{
public:
    virtual ~StoreBackend() = default;

    // The backend for a location ("postgresql://..." or a file path), or
    // nullptr with error set.
    static std::unique_ptr<StoreBackend> forLocation(const QString &location, QString *error);

    virtual QString driverName() const = 0;
    // Whether the location holds a store already.
    virtual bool exists(const QString &location) const = 0;
    // Why the location cannot hold a store ("" when it can), checked before
    // anything is opened or created.
    virtual QString locationProblem(const QString &location, bool create) const = 0;
    // Sets the connection's location and options; the caller opens it.
    virtual void configure(QSqlDatabase &db, const QString &location, int busyTimeoutMs) const = 0;
    // Statements run on every new connection (durability), before anything is read.
    virtual QStringList sessionStatements() const = 0;
    // Statements run once the database is known to be a store (its journal),
    // so that another program's database is left as it was.
    virtual QStringList storeStatements() const { return {}; }
    // Starts a transaction that will write: it waits for other writers (up to
    // the busy timeout), and once begun no other writer slips in before its
    // commit, so a read of a pool's counter and its update are one step.
    virtual QStringList beginWrite() const = 0;
    // Starts a transaction that only writes rows of its own (a station's
    // units): other writers go on beside it.
    virtual QString beginOwnRows() const { return beginWrite().first(); }
    // Column type of a row id that counts up by itself.
    virtual QString idColumn() const = 0;
    // Appended to a SELECT whose rows the transaction is about to update.
    virtual QString lockRows() const { return {}; }
    // An expression for the database's clock, in whole seconds since 1970:
    // stations compare times by one clock, not each by its own.
    virtual QString epochNow() const = 0;
    // Whether a program run may make or migrate the schema on first use. A
    // server's is made by whoever is allowed to (records init), never
    // silently by every station.
    virtual bool schemaOnFirstUse() const { return true; }
    // Whether stations share it over a network: a run then takes addresses
    // in leases and keeps its rows in a journal of its own first.
    virtual bool isServer() const { return false; }
    // Whether a driver error means the connection is gone (a server down, a
    // network cut), so that the work can be tried again once it is back.
    virtual bool connectionLost(const QString &driverText) const
    {
        Q_UNUSED(driverText);
        return false;
    }
    // What the role may not do of what a station does, one line each; empty
    // when it may do all (or the backend has no rights).
    virtual QStringList missingRights(QSqlDatabase &db) const
    {
        Q_UNUSED(db);
        return {};
    }
    // A statement whose rows say "ok" when the database's own structure is
    // sound, or "" when the backend has none.
    virtual QString integrityCheck() const { return {}; }
    // Whether a run that left units reserved is still going. A file on this
    // PC asks the process; a server shared by several stations would keep a
    // lease per run instead.
    virtual RunIdentity::Liveness livenessOf(const RunIdentity &run) const
    {
        return RunIdentity::livenessOf(run);
    }
    // One line for an error of the driver, in words a user can act on.
    virtual QString explain(const QString &driverText) const { return driverText; }
};

} // namespace zomar
