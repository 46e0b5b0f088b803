#include "core/store/StoreReport.h"

#include "core/store/AddressAllocator.h"
#include "core/store/ProductionStore.h"
#include "core/store/Remedy.h"
#include "core/store/StoreBackend.h"
#include "core/store/StoreSql.h"

// The record's integrity check: a damaged file, an address that may have
// reached two modules, addresses taken and given back or past a counter,
// units in flight of runs that ended, and the leases.

namespace zomar {

namespace {

// How many addresses a counter has handed out from first up to next (those
// holding the byte A5 are passed over); nullopt when too many to count here.
std::optional<qint64> handedOut(quint32 first, quint32 step, quint64 next)
{
    constexpr qint64 kMostCounted = 16 * 1024 * 1024;
    if (next <= first)
        return 0;
    if ((next - first) / std::max<quint32>(step, 1) > quint64(kMostCounted))
        return std::nullopt;
    qint64 count = 0;
    for (quint64 a = first; a < next; a += std::max<quint32>(step, 1))
        count += AddressAllocator::holdsUnreadableByte(quint32(a)) ? 0 : 1;
    return count;
}

// Leases: an address leased is held by no unit and given back by no one; a
// lease belongs to a run that is going, or waits to be released; and every
// address below a pool's counter is held, given back or leased.
bool checkLeases(ProductionStore &store, StoreSql &sql, StoreCheck &result)
{
    const auto both = [&](const char *join, const char *what) {
        if (!sql.exec(QStringLiteral("SELECT l.pool_id, l.address, l.station FROM "
                                     "leased_addresses l JOIN %1")
                          .arg(QLatin1String(join))))
            return false;
        while (sql.query().next())
            result.findings << QStringLiteral("local address %1 of pool %2 is leased to station "
                                              "%3 and %4")
                                   .arg(addressHex(quint32(sql.query().value(1).toLongLong())))
                                   .arg(sql.query().value(0).toLongLong())
                                   .arg(sql.query().value(2).toString(), QLatin1String(what));
        return true;
    };
    if (!both("units u ON u.pool_id = l.pool_id AND u.held_address = l.address",
              "held by a unit") ||
        !both("free_addresses f ON f.pool_id = l.pool_id AND f.address = l.address",
              "given back"))
        return false;
    if (!sql.exec(QStringLiteral("SELECT l.station, l.run_id, COUNT(*), r.ended_at, r.host, "
                                 "r.boot_id, r.pid, r.process_start FROM leased_addresses l JOIN "
                                 "runs r ON r.id = l.run_id GROUP BY l.station, l.run_id, "
                                 "r.ended_at, r.host, r.boot_id, r.pid, r.process_start ORDER BY "
                                 "l.run_id")))
        return false;
    while (sql.query().next()) {
        const QSqlQuery &q = sql.query();
        const QString station = q.value(0).toString();
        const RunIdentity run{q.value(4).toString(), q.value(5).toString(),
                              q.value(6).toLongLong(), q.value(7).toLongLong()};
        const RunIdentity::Liveness liveness = q.value(3).isNull()
                                                   ? store.backend().livenessOf(run)
                                                   : RunIdentity::Liveness::Gone;
        const QString count = QString::number(q.value(2).toInt());
        if (liveness == RunIdentity::Liveness::Gone)
            result.notes << QStringLiteral("station %1: %2 address(es) leased to run %3, which "
                                           "is not going: %4")
                                .arg(station, count)
                                .arg(q.value(1).toLongLong())
                                .arg(remedyFor(Remedy::ReleaseStation, station));
        else
            result.notes << QStringLiteral("station %1 holds %2 leased address(es) (run %3 on "
                                           "%4%5)")
                                .arg(station, count)
                                .arg(q.value(1).toLongLong())
                                .arg(run.host, liveness == RunIdentity::Liveness::Running
                                                   ? QStringLiteral(", going")
                                                   : QString());
    }
    if (!sql.exec(QStringLiteral(
            "SELECT p.id, p.first_address, p.step, p.next_address,"
            " (SELECT COUNT(*) FROM units u WHERE u.pool_id = p.id AND u.held_address >="
            " p.first_address AND u.held_address < p.next_address),"
            " (SELECT COUNT(*) FROM free_addresses f WHERE f.pool_id = p.id AND f.address >="
            " p.first_address AND f.address < p.next_address),"
            " (SELECT COUNT(*) FROM leased_addresses l WHERE l.pool_id = p.id AND l.address >="
            " p.first_address AND l.address < p.next_address),"
            " (SELECT COUNT(*) FROM units u WHERE u.pool_id = p.id AND u.origin = 'import'),"
            // A retired address that a cut-off station's unit came to hold is counted once.
            " (SELECT COUNT(*) FROM retired_addresses t WHERE t.pool_id = p.id AND NOT EXISTS"
            " (SELECT 1 FROM units u WHERE u.pool_id = t.pool_id AND u.held_address = t.address))"
            " FROM pools p ORDER BY p.id")))
        return false;
    while (sql.query().next()) {
        const QSqlQuery &q = sql.query();
        const std::optional<qint64> expected = handedOut(
            quint32(q.value(1).toLongLong()), quint32(q.value(2).toLongLong()),
            q.value(3).toULongLong());
        const qint64 retired = q.value(8).toLongLong();
        if (retired > 0)
            result.notes << QStringLiteral("pool %1: %2 address(es) retired by releases (never "
                                           "handed out again)")
                                .arg(q.value(0).toLongLong())
                                .arg(retired);
        const qint64 accounted = q.value(4).toLongLong() + q.value(5).toLongLong() +
                                 q.value(6).toLongLong() + retired;
        if (!expected || *expected <= accounted)
            continue;
        const QString gap = QStringLiteral("pool %1: %2 address(es) below its counter are "
                                           "neither held by a unit, given back, leased nor retired")
                                .arg(q.value(0).toLongLong())
                                .arg(*expected - accounted);
        // An old log's range went on after its highest address, passing over
        // those it never wrote.
        if (q.value(7).toLongLong() > 0)
            result.notes << gap + QStringLiteral(" (the imported log never wrote them)");
        else
            result.findings << gap;
    }
    return true;
}

} // namespace

std::optional<StoreCheck> StoreReport::check(ProductionStore &store, QString *error)
{
    StoreSql sql(store.database(), store.backend());
    StoreCheck result;
    const auto failed = [&]() -> std::optional<StoreCheck> {
        if (error)
            *error = sql.error();
        return std::nullopt;
    };
    const QString integrity = store.backend().integrityCheck();
    if (!integrity.isEmpty()) {
        if (!sql.exec(integrity))
            return failed();
        while (sql.query().next()) {
            const QString line = sql.query().value(0).toString();
            if (line != QLatin1String("ok"))
                result.findings << QStringLiteral("the database file is damaged: %1").arg(line);
        }
    }
    // An address that may have reached two modules of one pool (or, for rows
    // of an old log, of one profile).
    const QString group = QStringLiteral(
        "CASE WHEN origin = 'import' THEN 'imported rows of profile ' || profile_sha256 ELSE "
        "'pool ' || CAST(pool_id AS TEXT) END");
    if (!sql.exec(QStringLiteral("SELECT %1, local_address, COUNT(*) FROM units WHERE "
                                 "local_address IS NOT NULL AND (packet_sent = 1 OR state IN "
                                 "('pass', 'unknown', 'reserved')) AND (pool_id IS NOT NULL OR "
                                 "origin = 'import') GROUP BY %1, local_address HAVING COUNT(*) "
                                 "> 1")
                      .arg(group)))
        return failed();
    while (sql.query().next())
        result.findings << QStringLiteral("local address %1 went to %2 modules (%3)")
                               .arg(addressHex(quint32(sql.query().value(1).toLongLong())))
                               .arg(sql.query().value(2).toInt())
                               .arg(sql.query().value(0).toString());
    if (!sql.exec(QStringLiteral("SELECT f.pool_id, f.address FROM free_addresses f JOIN units u"
                                 " ON u.pool_id = f.pool_id AND u.held_address = f.address")))
        return failed();
    while (sql.query().next())
        result.findings << QStringLiteral("local address %1 of pool %2 is both taken and given "
                                          "back")
                               .arg(addressHex(quint32(sql.query().value(1).toLongLong())))
                               .arg(sql.query().value(0).toLongLong());
    if (!sql.exec(QStringLiteral("SELECT u.pool_id, COUNT(*) FROM units u JOIN pools p ON p.id ="
                                 " u.pool_id WHERE u.origin = 'run' AND u.held_address >="
                                 " p.next_address GROUP BY u.pool_id")))
        return failed();
    while (sql.query().next())
        result.findings << QStringLiteral("pool %1: %2 taken addresses lie at or past its counter")
                               .arg(sql.query().value(0).toLongLong())
                               .arg(sql.query().value(1).toInt());
    if (!checkLeases(store, sql, result))
        return failed();
    // Every reserved row is a module in flight of a run that is still going.
    if (!sql.exec(QStringLiteral("SELECT r.id, r.host, r.boot_id, r.pid, r.process_start,"
                                 " COUNT(*), r.station FROM units u JOIN runs r ON r.id ="
                                 " u.run_id WHERE u.state = 'reserved' GROUP BY r.id, r.host,"
                                 " r.boot_id, r.pid, r.process_start, r.station")))
        return failed();
    while (sql.query().next()) {
        const QSqlQuery &q = sql.query();
        // Judged by the host the run was on; named by its station.
        const RunIdentity run{q.value(1).toString(), q.value(2).toString(),
                              q.value(3).toLongLong(), q.value(4).toLongLong()};
        const int count = q.value(5).toInt();
        const QString station = q.value(6).toString();
        switch (store.backend().livenessOf(run)) {
        case RunIdentity::Liveness::Running:
            result.notes << QStringLiteral("%1 unit(s) in flight in run %2 (process %3 on %4)")
                                .arg(count)
                                .arg(q.value(0).toLongLong())
                                .arg(run.pid)
                                .arg(run.host);
            break;
        case RunIdentity::Liveness::Unknown:
            result.notes << QStringLiteral("%1 unit(s) reserved by run %2 of station %3 on "
                                           "%4 (another host: not judged from here)")
                                .arg(count)
                                .arg(q.value(0).toLongLong())
                                .arg(station, run.host);
            break;
        case RunIdentity::Liveness::Gone:
            result.findings << QStringLiteral("%1 unit(s) still reserved by run %2 (process %3 on "
                                              "%4), which is gone: the next program run marks "
                                              "them unknown")
                                   .arg(count)
                                   .arg(q.value(0).toLongLong())
                                   .arg(run.pid)
                                   .arg(run.host);
            break;
        }
    }
    return result;
}

} // namespace zomar
