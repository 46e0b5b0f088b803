#include "core/sharedstore/StoreLeases.h"

#include "core/store/StoreBackend.h"
#include "core/store/StoreSql.h"

// Releasing a station that died (or seems to), once its modules are checked.

namespace zomar {

Release StoreLeases::release(ProductionStore &store, const QString &station, int quietSeconds)
{
    Release r;
    StoreSql sql(store.database(), store.backend());
    // Its runs that never ended, and those that still lease addresses (an
    // end whose give-back never arrived).
    if (!sql.exec(QStringLiteral("SELECT r.id, r.host, r.boot_id, r.pid, r.process_start, "
                                 "r.seen_at, r.ended_at, %1 FROM runs r WHERE r.station = ? AND "
                                 "(r.ended_at IS NULL OR EXISTS (SELECT 1 FROM leased_addresses l "
                                 "WHERE l.run_id = r.id)) ORDER BY r.id")
                      .arg(store.backend().epochNow()),
                  {station})) {
        r.error = sql.error();
        return r;
    }
    QList<qint64> runs, open;
    while (sql.query().next()) {
        const QSqlQuery &q = sql.query();
        const qint64 id = q.value(0).toLongLong();
        runs << id;
        if (!q.value(6).isNull())
            continue;
        open << id;
        const RunIdentity who{q.value(1).toString(), q.value(2).toString(),
                              q.value(3).toLongLong(), q.value(4).toLongLong()};
        const RunIdentity::Liveness liveness = store.backend().livenessOf(who);
        const qint64 quiet = q.value(7).toLongLong() - q.value(5).toLongLong();
        if (liveness == RunIdentity::Liveness::Running)
            r.error = QStringLiteral("run %1 of station %2 is still going (process %3 on this "
                                     "host): end it first")
                          .arg(id)
                          .arg(station)
                          .arg(who.pid);
        else if (liveness == RunIdentity::Liveness::Unknown && !q.value(5).isNull() &&
                 quiet < quietSeconds)
            r.error = QStringLiteral("station %1 was heard from %2 s ago (run %3 on %4): it may "
                                     "still be running; stop it, check its modules, and release "
                                     "it after %5 s of quiet")
                          .arg(station)
                          .arg(quiet)
                          .arg(id)
                          .arg(who.host)
                          .arg(quietSeconds);
        if (!r.error.isEmpty())
            return r;
    }
    const QString problem = sql.write([&]() -> QString {
        r = Release();
        const QString at = ProductionStore::now();
        for (const qint64 run : open) {
            const QVariant units = sql.scalar(
                QStringLiteral("SELECT COUNT(*) FROM units WHERE run_id = ? AND state = "
                               "'reserved'"),
                {run});
            if (!units.isValid() ||
                !sql.exec(QStringLiteral("UPDATE units SET state = 'unknown', settled_at = ?, "
                                         "message = 'its station was released before the "
                                         "outcome was recorded' WHERE run_id = ? AND state = "
                                         "'reserved'"),
                          {at, run}) ||
                !sql.exec(QStringLiteral("UPDATE runs SET ended_at = ?, end_state = 'released' "
                                         "WHERE id = ?"),
                          {at, run}))
                return sql.error();
            r.units += units.toInt();
            ++r.runs;
        }
        for (const qint64 run : runs) {
            const QVariant leased = sql.scalar(
                QStringLiteral("SELECT COUNT(*) FROM leased_addresses WHERE run_id = ?"), {run});
            if (!leased.isValid() ||
                // Retired, not given back: the station may be cut off rather
                // than dead and go on with them, so no one else may get them.
                !sql.exec(QStringLiteral("INSERT INTO retired_addresses (pool_id, address, "
                                         "run_id, station, retired_at) SELECT pool_id, address, "
                                         "run_id, station, ? FROM leased_addresses WHERE run_id = "
                                         "? ON CONFLICT DO NOTHING"),
                          {at, run}) ||
                !sql.exec(QStringLiteral("DELETE FROM leased_addresses WHERE run_id = ?"), {run}))
                return sql.error();
            r.addresses += leased.toInt();
        }
        return {};
    });
    if (!problem.isEmpty())
        r = Release{0, 0, 0, problem};
    return r;
}

} // namespace zomar
