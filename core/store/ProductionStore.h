#pragma once
// The record of a production line, in a database that any number of
// processes share: the address pools (each with its counter and the addresses
// given back), one row per module attempt ("unit") and the runs that did them.
// It is the only allocation record: an address is handed out in the same
// transaction that moves its pool's counter and commits the unit's row in
// state "reserved", before anything is written to the module; the outcome
// updates that row. A row left "reserved" by a run that is gone becomes
// "unknown" at the next run's start, and its address is never handed out
// again. An address goes back to its pool only when the module never got a
// packet with it.
//
// One object is one connection, used on the thread that opened it. What
// differs between databases is in StoreBackend; a location with a scheme
// ("postgresql://...") picks another backend.

#include "core/store/Unit.h"
#include "core/store/RunIdentity.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace zomar {

struct Profile;
class StoreBackend;
class StoreSql;

inline constexpr quint64 kPastLastAddress = 0x100000000ULL;

// A pool is named by what reaches the modules: the block fields the profile
// sets (the local address left out) and the range's first address and step.
// A profile's name, comment or file do not matter, so an edited comment
// never starts a range again.
struct PoolKey {
    QString fields; // e.g. "destination=FFFFFFFF channel=1600 tx_power=3 rf_speed=3"
    quint32 first = 0;
    quint32 step = 1;

    static PoolKey of(const Profile &profile, quint32 first, quint32 step);
    // The fields in the profile's words: "destination FFFFFFFF, channel 1600
    // (434.000 MHz on the 433 MHz band, ...), TX power 0 dBm, RF speed 19200 bps".
    static QString describe(const QString &fields);
    bool operator==(const PoolKey &o) const
    {
        return fields == o.fields && first == o.first && step == o.step;
    }
};

struct PoolState {
    qint64 id = 0; // 0: not in the store yet
    PoolKey key;
    quint64 next = 0;         // the counter; kPastLastAddress once past FFFFFFFF
    QList<quint32> givenBack; // handed out first, lowest first
    int held = 0;             // addresses taken by units

    // The address the next module gets, or nullopt when none is left.
    std::optional<quint32> nextAddress() const;
    bool canHandOut(int count) const;
};

// What the units of one run share, written into each of their rows.
struct RunContext {
    qint64 runId = 0;
    std::optional<qint64> poolId;
    QString station;
    QString profileFile;
    QString profileSha256;
};

// Reservations and outcomes committed together (settlements first, so an
// address given back may go straight to a module waiting for one).
struct UnitBatch {
    QList<UnitSettlement> settlements;
    QList<UnitStart> starts;
    QList<Reservation> reservations; // filled: one per start, in order
};

// Where a run's units are committed: the store itself, or a station's journal.
class UnitSink
{
public:
    virtual ~UnitSink() = default;
    // One transaction: "" once committed, else why not (nothing of it is kept).
    virtual QString record(const RunContext &context, UnitBatch &batch) = 0;

protected:
    // A batch in one writing transaction: each settlement, then a
    // reservation per start; the reservations are the batch's once committed.
    static QString recordBatch(StoreSql &sql, UnitBatch &batch,
                               const std::function<QString(const UnitSettlement &)> &settle,
                               const std::function<QString(const UnitStart &, Reservation &)> &reserve);
};

class ProductionStore : public UnitSink
{
public:
    static constexpr int kDefaultBusyTimeoutMs = 10000;
    // Create: a new store file is made when there is none. Init: a server's
    // schema is made or migrated too (a file's always is).
    enum class Mode { Create, Existing, Init };

    // Opens (Create: makes a new store when there is none) and brings the
    // schema up to date where the backend lets a run do that. nullptr with
    // error set (one line naming the location and why) when it cannot be used.
    static std::unique_ptr<ProductionStore> open(const QString &location, Mode mode,
                                                 QString *error,
                                                 int busyTimeoutMs = kDefaultBusyTimeoutMs);
    ~ProductionStore() override;
    ProductionStore(const ProductionStore &) = delete;
    ProductionStore &operator=(const ProductionStore &) = delete;

    QString location() const { return m_location; }
    QSqlDatabase &database() { return m_db; }
    const StoreBackend &backend() const { return *m_backend; }

    struct RunStart {
        qint64 runId = 0;
        QString runUuid;
        int unknown = 0; // units of interrupted runs found and marked "unknown"
        QString error;
    };
    // Registers a run of a station ("" for the host's name), and settles the
    // units of runs that are gone as unknown.
    RunStart beginRun(const RunIdentity &who, const QString &program,
                      const QString &station = QString());
    QString endRun(qint64 runId);
    // Within a transaction: the run ends at `at`; its units still reserved
    // have lost their outcome.
    static QString endRunIn(StoreSql &sql, qint64 runId, const QString &at);

    // Opens the connection again after it was lost (a server restarted);
    // "" once it works.
    QString reconnect();

    // The pool's state; id 0 when it is not in the store yet. nullopt on error.
    std::optional<PoolState> findPool(const PoolKey &key, QString *error);
    // The pool's id, made when new. Units imported from an old CSV log with
    // the same profile (its digest or its file) join the pool: their
    // addresses are taken and the counter moves past the highest.
    std::optional<qint64> openPool(const PoolKey &key, const QString &profileFile,
                                   const QString &profileSha256, QString *error);

    QString record(const RunContext &context, UnitBatch &batch) override;

    static QString now(); // UTC, ISO 8601 with milliseconds
    // $XDG_DATA_HOME/zomar/production.db (~/.local/share/...): every run of
    // this user on this PC shares it.
    static QString defaultLocation();

private:
    ProductionStore() = default;
    QString settleIn(StoreSql &sql, const UnitSettlement &s);
    QString reserveIn(StoreSql &sql, const RunContext &context, const UnitStart &start,
                      Reservation &out);

    QString m_location;
    QString m_connection;
    std::unique_ptr<StoreBackend> m_backend;
    QSqlDatabase m_db;
};

} // namespace zomar
