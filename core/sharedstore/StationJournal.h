#pragma once
// A station's own record, in an SQLite file on its PC, written ahead of the
// server: the addresses of its lease (each free or used by a unit), and its
// rows in the order they happened, waiting to be forwarded. A unit's row is
// committed here (synchronous) before anything is sent to its module, so a
// station goes on while the server cannot be reached, and loses nothing when
// it is cut off: the rows left are forwarded when it starts again.
//
// One run of a station uses its journal at a time (StationRecord holds its
// lock); the journal's own connections (one per thread) share the file.

#include "core/store/ProductionStore.h"
#include "core/sharedstore/StoreLeases.h"

#include <memory>

namespace zomar {

class SqliteBackend;
class StoreSql;

// Why a module gets no address: the server cannot be reached and the lease
// is used up.
QString leaseUsedUp();

class StationJournal : public UnitSink
{
public:
    // Opens (makes) the journal; nullptr with error set when it cannot. A
    // connection that only keeps books (the link's: leases taken, rows the
    // server has) need not wait for the disk at each commit: what it writes
    // is on disk with the next unit's commit, and losing it to a power cut
    // loses nothing (a row is forwarded again, a lease stays taken).
    enum class Commits { Synchronous, Bookkeeping };
    static std::unique_ptr<StationJournal> open(const QString &path, QString *error,
                                                Commits commits = Commits::Synchronous);
    ~StationJournal() override;
    StationJournal(const StationJournal &) = delete;
    StationJournal &operator=(const StationJournal &) = delete;

    // A station's journal of a server, beside the user's store:
    // $XDG_DATA_HOME/zomar/journals/STATION-SERVERHASH.db.
    static QString pathFor(const QString &server, const QString &station);

    // The journal's format: a journal of an older one is brought up to it
    // when opened, one of a newer one refused.
    static constexpr int kVersion = 4;

    // Reserves from the run's lease and appends the rows to be forwarded.
    QString record(const RunContext &context, UnitBatch &batch) override;
    // Starts this connection has answered (committed), with or without an address.
    int startsRecorded() const { return m_startsRecorded; }

    // Addresses the server leased to the run; poolEmpty: the range has none
    // left after them.
    QString addLease(const RunContext &context, const QList<quint32> &addresses,
                     bool poolEmpty = false);
    // Free addresses in the station's lease.
    int freeAddresses();
    // Units with rows waiting to be forwarded.
    int waitingUnits();
    // Rows to forward, oldest first; "" or why they cannot be read.
    QList<JournalOp> waiting(int limit, QString *error);
    // The rows up to seq reached the server.
    QString acknowledge(qint64 seq);
    // The run whose rows are written now (a station whose run was released
    // goes on in a new one).
    QString setCurrentRun(qint64 runId);
    qint64 currentRun(qint64 otherwise);
    // Appends a row about a unit already in the journal (its label's
    // outcome), to be forwarded after the unit's own.
    QString note(const QList<JournalOp> &ops);
    // The unit other than unitId whose product serial waits here to be
    // forwarded with this serial; "" when none (or error set).
    QString serialWaiting(const QString &serial, const QString &unitId, QString *error);
    // A clean end: the free addresses go back, then the run ends.
    QString finish(const RunContext &context);
    // Once what earlier runs left is forwarded: their leases are theirs on
    // the server (given back, or kept until released), not this run's.
    QString forgetLeasesBefore(qint64 runId);
    // The run's lease was released on the server: its addresses are retired
    // there, and none of them is handed out here again.
    QString dropLease(qint64 runId);

private:
    StationJournal() = default;
    QString append(StoreSql &sql, const JournalOp &op);
    QString settleIn(StoreSql &sql, const RunContext &context, const UnitSettlement &s);
    QString reserveIn(StoreSql &sql, const RunContext &context, const UnitStart &start,
                      Reservation &r);
    QString migrate(StoreSql &sql);
    QString setMeta(const QString &key, const QVariant &value);

    QString m_connection;
    QSqlDatabase m_db;
    std::unique_ptr<SqliteBackend> m_backend;
    int m_startsRecorded = 0;
};

} // namespace zomar
