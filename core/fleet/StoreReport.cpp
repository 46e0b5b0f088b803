#include "core/fleet/StoreReport.h"

#include "core/fleet/ProductionStore.h"
#include "core/fleet/ProgramLog.h"
#include "core/fleet/StoreBackend.h"
#include "core/fleet/StoreSql.h"

namespace zomar {

namespace {

const char kUnitColumns[] =
    "unit_uuid, state, reserved_at, settled_at, pool_id, local_address, packet_sent, run_id, "
    "station, device, by_id, by_path, usb_serial, profile_file, profile_sha256, block_before, "
    "block_written, block_read_back, failure, message, origin, operator_name";

UnitRow unitOf(const QSqlQuery &q)
{
    UnitRow u;
    u.unitId = q.value(0).toString();
    u.state = unitStateFromName(q.value(1).toString()).value_or(UnitState::Unknown);
    u.reservedAt = q.value(2).toString();
    u.settledAt = q.value(3).toString();
    if (!q.value(4).isNull())
        u.poolId = q.value(4).toLongLong();
    if (!q.value(5).isNull())
        u.local = quint32(q.value(5).toLongLong());
    u.packetSent = q.value(6).toInt() != 0;
    u.runId = q.value(7).toLongLong();
    QString *const texts[] = {&u.station,      &u.device,        &u.byId,        &u.byPath,
                              &u.usbSerial,    &u.profileFile,   &u.profileSha256,
                              &u.blockBefore,  &u.blockWritten,  &u.blockReadBack,
                              &u.failure,      &u.message,       &u.origin,
                              &u.operatorName};
    int column = 8;
    for (QString *text : texts)
        *text = q.value(column++).toString();
    return u;
}

} // namespace

QList<UnitRow> StoreReport::units(ProductionStore &store, const UnitFilter &filter,
                                  QString *error)
{
    StoreSql sql(store.database(), store.backend());
    QString where = QStringLiteral(" WHERE 1 = 1");
    QVariantList values;
    if (!filter.since.isEmpty()) {
        where += QStringLiteral(" AND reserved_at >= ?");
        values << filter.since;
    }
    if (filter.state) {
        where += QStringLiteral(" AND state = ?");
        values << unitStateName(*filter.state);
    }
    QString statement = QStringLiteral("SELECT %1 FROM units%2 ORDER BY id %3")
                            .arg(QLatin1String(kUnitColumns), where,
                                 filter.newestFirst ? QStringLiteral("DESC")
                                                    : QStringLiteral("ASC"));
    if (filter.limit > 0)
        statement += QStringLiteral(" LIMIT %1").arg(filter.limit);
    QList<UnitRow> rows;
    if (!sql.exec(statement, values)) {
        if (error)
            *error = sql.error();
        return rows;
    }
    while (sql.query().next())
        rows << unitOf(sql.query());
    return rows;
}

QList<PoolSummary> StoreReport::pools(ProductionStore &store, QString *error)
{
    StoreSql sql(store.database(), store.backend());
    QList<PoolSummary> out;
    if (!sql.exec(QStringLiteral(
            "SELECT p.id, p.fields, p.first_address, p.step, p.next_address, p.created_at,"
            " (SELECT COUNT(*) FROM free_addresses f WHERE f.pool_id = p.id),"
            " (SELECT COUNT(*) FROM units u WHERE u.pool_id = p.id AND u.state = 'pass'),"
            " (SELECT COUNT(*) FROM units u WHERE u.pool_id = p.id AND u.state = 'fail'),"
            " (SELECT COUNT(*) FROM units u WHERE u.pool_id = p.id AND u.state = 'unknown'),"
            " (SELECT COUNT(*) FROM units u WHERE u.pool_id = p.id AND u.state = 'reserved')"
            " FROM pools p ORDER BY p.id"))) {
        if (error)
            *error = sql.error();
        return out;
    }
    while (sql.query().next()) {
        const QSqlQuery &q = sql.query();
        PoolSummary p;
        p.id = q.value(0).toLongLong();
        p.fields = q.value(1).toString();
        p.first = quint32(q.value(2).toLongLong());
        p.step = quint32(q.value(3).toLongLong());
        p.next = q.value(4).toULongLong();
        p.created = q.value(5).toString();
        p.givenBack = q.value(6).toInt();
        p.pass = q.value(7).toInt();
        p.fail = q.value(8).toInt();
        p.unknown = q.value(9).toInt();
        p.reserved = q.value(10).toInt();
        out << p;
    }
    return out;
}

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
    // Every reserved row is a module in flight of a run that is still going.
    if (!sql.exec(QStringLiteral("SELECT r.id, r.station, r.boot_id, r.pid, r.process_start,"
                                 " COUNT(*) FROM units u JOIN runs r ON r.id = u.run_id WHERE"
                                 " u.state = 'reserved' GROUP BY r.id, r.station, r.boot_id,"
                                 " r.pid, r.process_start")))
        return failed();
    while (sql.query().next()) {
        const QSqlQuery &q = sql.query();
        const RunIdentity run{q.value(1).toString(), q.value(2).toString(),
                              q.value(3).toLongLong(), q.value(4).toLongLong()};
        const int count = q.value(5).toInt();
        switch (store.backend().livenessOf(run)) {
        case RunIdentity::Liveness::Running:
            result.notes << QStringLiteral("%1 unit(s) in flight in run %2 (process %3 on %4)")
                                .arg(count)
                                .arg(q.value(0).toLongLong())
                                .arg(run.pid)
                                .arg(run.host);
            break;
        case RunIdentity::Liveness::Unknown:
            result.notes << QStringLiteral("%1 unit(s) reserved by run %2 of station %3 (not "
                                           "judged from this host)")
                                .arg(count)
                                .arg(q.value(0).toLongLong())
                                .arg(run.host);
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

QStringList StoreReport::csvHeader()
{
    return {QStringLiteral("unit_id"),       QStringLiteral("state"),
            QStringLiteral("reserved_at"),   QStringLiteral("settled_at"),
            QStringLiteral("station"),       QStringLiteral("device"),
            QStringLiteral("by_id"),         QStringLiteral("by_path"),
            QStringLiteral("usb_serial"),    QStringLiteral("profile"),
            QStringLiteral("profile_sha256"), QStringLiteral("pool"),
            QStringLiteral("local"),         QStringLiteral("block_before"),
            QStringLiteral("block_written"), QStringLiteral("block_read_back"),
            QStringLiteral("failure"),       QStringLiteral("message"),
            QStringLiteral("origin"),        QStringLiteral("run"),
            QStringLiteral("operator")};
}

QByteArray StoreReport::csv(const QList<UnitRow> &units)
{
    QByteArray text = ProgramLog::csvLine(csvHeader());
    for (const UnitRow &u : units)
        text += ProgramLog::csvLine(
            {u.unitId, unitStateName(u.state), u.reservedAt, u.settledAt, u.station, u.device,
             u.byId, u.byPath, u.usbSerial, u.profileFile, u.profileSha256,
             u.poolId ? QString::number(*u.poolId) : QString(),
             u.local ? addressHex(*u.local) : QString(), u.blockBefore, u.blockWritten,
             u.blockReadBack, u.failure, u.message, u.origin, QString::number(u.runId),
             u.operatorName});
    return text;
}

} // namespace zomar
