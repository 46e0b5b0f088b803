#include "core/fleet/ProductionStore.h"

#include "core/fleet/AddressAllocator.h"
#include "core/fleet/StoreBackend.h"
#include "core/fleet/StoreSchema.h"
#include "core/fleet/StoreSql.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlError>
#include <QThread>
#include <QUuid>

namespace zomar {

namespace {

QVariant nullable(const std::optional<quint32> &v)
{
    return v ? QVariant(qint64(*v)) : QVariant(QMetaType(QMetaType::LongLong));
}

QString hexOf(const std::optional<ConfigBlock> &block)
{
    return block ? blockHex(block->toBytes()) : QString();
}

} // namespace

QString ProductionStore::now()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

std::unique_ptr<ProductionStore> ProductionStore::open(const QString &location, Mode mode,
                                                       QString *error, int busyTimeoutMs)
{
    StoreSql::quietenDrivers();
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return nullptr;
    };
    QString problem;
    std::unique_ptr<StoreBackend> backend = StoreBackend::forLocation(location, &problem);
    if (!backend)
        return fail(problem);
    problem = backend->locationProblem(location, mode == Mode::Create);
    if (!problem.isEmpty())
        return fail(problem);

    static QAtomicInt counter;
    std::unique_ptr<ProductionStore> store(new ProductionStore);
    store->m_location = location;
    store->m_backend = std::move(backend);
    store->m_connection = QStringLiteral("zomar-store-%1").arg(counter.fetchAndAddRelaxed(1));
    store->m_db = QSqlDatabase::addDatabase(store->m_backend->driverName(), store->m_connection);
    const auto cannotUse = [&](const QString &why) {
        return fail(QStringLiteral("cannot use the store %1: %2").arg(location, why));
    };
    if (!store->m_db.isValid())
        return cannotUse(QStringLiteral("%1 driver not loaded").arg(store->m_backend->driverName()));
    store->m_backend->configure(store->m_db, location, busyTimeoutMs);
    const QString problemOpening = store->reconnect();
    if (!problemOpening.isEmpty())
        return cannotUse(problemOpening);
    StoreSql sql(store->m_db, *store->m_backend);
    const auto run = [&sql](const QStringList &statements) {
        for (const QString &statement : statements) {
            if (!sql.exec(statement))
                return false;
            sql.query().finish();
        }
        return true;
    };
    // A new store gets its journal before its tables, so that runs that make
    // it at once agree on it; another program's database is left as it was.
    const QStringList tables = store->m_db.tables();
    if (tables.isEmpty() || tables.contains(QStringLiteral("schema_version"))) {
        // Switching the journal needs the file to itself for a moment: a run
        // making the store at the same time is waited for, not refused.
        QElapsedTimer waited;
        waited.start();
        while (!run(store->m_backend->storeStatements())) {
            if (!sql.error().contains(QLatin1String("locked")) || waited.elapsed() > busyTimeoutMs)
                return cannotUse(sql.error());
            QThread::msleep(10);
        }
    }
    problem = StoreSchema::prepare(store->m_db, *store->m_backend, location,
                                   mode == Mode::Init || store->m_backend->schemaOnFirstUse());
    if (!problem.isEmpty())
        return problem.startsWith(location) ? fail(problem) : cannotUse(problem);
    return store;
}

QString ProductionStore::reconnect()
{
    m_db.close();
    if (!m_db.open()) {
        const QSqlError e = m_db.lastError();
        return m_backend->explain(e.databaseText().isEmpty() ? e.text() : e.databaseText());
    }
    // Each statement's rows are let go at once: an open one would hold the
    // database and keep the schema's transaction from committing.
    StoreSql sql(m_db, *m_backend);
    for (const QString &statement : m_backend->sessionStatements()) {
        if (!sql.exec(statement))
            return sql.error();
        sql.query().finish();
    }
    return {};
}

ProductionStore::~ProductionStore()
{
    if (m_connection.isEmpty())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

ProductionStore::RunStart ProductionStore::beginRun(const RunIdentity &who, const QString &program,
                                                   const QString &station)
{
    RunStart start;
    start.runUuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    StoreSql sql(m_db, *m_backend);
    start.error = sql.write([&]() -> QString {
        const QString at = now();
        const QVariant id = sql.scalar(
            QStringLiteral("INSERT INTO runs (run_uuid, station, host, boot_id, pid, "
                           "process_start, program, started_at, seen_at) VALUES (?, ?, ?, ?, ?, "
                           "?, ?, ?, %1) RETURNING id")
                .arg(m_backend->epochNow()),
            {start.runUuid, station.isEmpty() ? who.host : station, who.host, who.bootId, who.pid,
             who.startTicks, program, at});
        if (!id.isValid())
            return sql.error();
        start.runId = id.toLongLong();
        // Runs that never ended, or still hold reserved units: those that
        // are gone leave their reserved units in an unknown state.
        if (!sql.exec(QStringLiteral("SELECT id, host, boot_id, pid, process_start FROM runs r "
                                     "WHERE id <> ? AND (ended_at IS NULL OR EXISTS (SELECT 1 "
                                     "FROM units u WHERE u.run_id = r.id AND u.state = "
                                     "'reserved'))"),
                      {start.runId}))
            return sql.error();
        QList<qint64> gone;
        while (sql.query().next()) {
            const RunIdentity other{sql.query().value(1).toString(),
                                    sql.query().value(2).toString(),
                                    sql.query().value(3).toLongLong(),
                                    sql.query().value(4).toLongLong()};
            if (m_backend->livenessOf(other) == RunIdentity::Liveness::Gone)
                gone << sql.query().value(0).toLongLong();
        }
        for (const qint64 run : gone) {
            const QVariant count = sql.scalar(
                QStringLiteral("SELECT COUNT(*) FROM units WHERE run_id = ? AND state = "
                               "'reserved'"),
                {run});
            start.unknown += count.toInt();
            if (!sql.exec(QStringLiteral("UPDATE units SET state = 'unknown', settled_at = ?, "
                                         "message = 'its run was interrupted before the "
                                         "outcome was recorded' WHERE run_id = ? AND state = "
                                         "'reserved'"),
                          {at, run}) ||
                !sql.exec(QStringLiteral("UPDATE runs SET ended_at = COALESCE(ended_at, ?), "
                                         "end_state = COALESCE(end_state, 'interrupted') WHERE "
                                         "id = ?"),
                          {at, run}))
                return sql.error();
        }
        return {};
    });
    return start;
}

QString ProductionStore::endRun(qint64 runId)
{
    StoreSql sql(m_db, *m_backend);
    return sql.write([&]() -> QString { return endRunIn(sql, runId, now()); });
}

QString ProductionStore::endRunIn(StoreSql &sql, qint64 runId, const QString &at)
{
    // A unit still reserved here was never concluded: its outcome is lost.
    if (!sql.exec(QStringLiteral("UPDATE units SET state = 'unknown', settled_at = ?, message = "
                                 "'its run ended before the outcome was recorded' WHERE run_id "
                                 "= ? AND state = 'reserved'"),
                  {at, runId}) ||
        !sql.exec(QStringLiteral("UPDATE runs SET ended_at = ?, end_state = 'done' WHERE id = ? "
                                 "AND ended_at IS NULL"),
                  {at, runId}))
        return sql.error();
    return {};
}

std::optional<PoolState> ProductionStore::findPool(const PoolKey &key, QString *error)
{
    StoreSql sql(m_db, *m_backend);
    PoolState state;
    state.key = key;
    state.next = key.first;
    const auto failed = [&]() -> std::optional<PoolState> {
        if (error)
            *error = sql.error();
        return std::nullopt;
    };
    if (!sql.exec(QStringLiteral("SELECT id, next_address FROM pools WHERE fields = ? AND "
                                 "first_address = ? AND step = ?"),
                  {key.fields, qint64(key.first), qint64(key.step)}))
        return failed();
    if (!sql.query().next())
        return state;
    state.id = sql.query().value(0).toLongLong();
    state.next = sql.query().value(1).toULongLong();
    if (!sql.exec(QStringLiteral("SELECT address FROM free_addresses WHERE pool_id = ? ORDER BY "
                                 "address"),
                  {state.id}))
        return failed();
    while (sql.query().next())
        state.givenBack << quint32(sql.query().value(0).toLongLong());
    const QVariant held = sql.scalar(
        QStringLiteral("SELECT COUNT(*) FROM units WHERE pool_id = ? AND held_address IS NOT NULL"),
        {state.id});
    if (!held.isValid())
        return failed();
    state.held = held.toInt();
    return state;
}

std::optional<qint64> ProductionStore::openPool(const PoolKey &key, const QString &profileFile,
                                                const QString &profileSha256, QString *error)
{
    StoreSql sql(m_db, *m_backend);
    qint64 pool = 0;
    const QString problem = sql.write([&]() -> QString {
        const QVariantList keyValues{key.fields, qint64(key.first), qint64(key.step)};
        QVariant id = sql.scalar(QStringLiteral("SELECT id FROM pools WHERE fields = ? AND "
                                                "first_address = ? AND step = ?"),
                                 keyValues);
        if (!id.isValid()) {
            id = sql.scalar(QStringLiteral("INSERT INTO pools (fields, first_address, step, "
                                           "next_address, created_at) VALUES (?, ?, ?, ?, ?) "
                                           "RETURNING id"),
                            keyValues + QVariantList{qint64(key.first), now()});
            if (!id.isValid())
                return sql.error();
        }
        pool = id.toLongLong();
        // Imported rows of the same profile whose address was written.
        if (!sql.exec(QStringLiteral("SELECT id, local_address FROM units WHERE origin = 'import' "
                                     "AND pool_id IS NULL AND packet_sent = 1 AND local_address "
                                     "IS NOT NULL AND (profile_sha256 = ? OR profile_file = ?) "
                                     "ORDER BY id"),
                      {profileSha256, profileFile}))
            return sql.error();
        QList<std::pair<qint64, qint64>> rows;
        while (sql.query().next())
            rows.append({sql.query().value(0).toLongLong(), sql.query().value(1).toLongLong()});
        std::optional<quint32> highest;
        for (const auto &[unit, address] : rows) {
            // An address an old log holds twice stays with its first row.
            if (!sql.exec(QStringLiteral("UPDATE units SET pool_id = ?, held_address = ? WHERE id "
                                         "= ? AND NOT EXISTS (SELECT 1 FROM units WHERE pool_id "
                                         "= ? AND held_address = ?)"),
                          {pool, address, unit, pool, address}) ||
                !sql.exec(QStringLiteral("DELETE FROM free_addresses WHERE pool_id = ? AND "
                                         "address = ?"),
                          {pool, address}))
                return sql.error();
            highest = std::max(highest.value_or(0), quint32(address));
        }
        if (!highest)
            return {};
        const QVariant next =
            sql.scalar(QStringLiteral("SELECT next_address FROM pools WHERE id = ?"), {pool});
        if (!next.isValid())
            return sql.error();
        if (next.toULongLong() >= kPastLastAddress)
            return {};
        AddressAllocator counter(quint32(next.toULongLong()), key.step);
        counter.resumeAfter(*highest);
        if (!sql.exec(QStringLiteral("UPDATE pools SET next_address = ? WHERE id = ?"),
                      {qint64(counter.next()), pool}))
            return sql.error();
        return {};
    });
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    return pool;
}

QString ProductionStore::record(const RunContext &context, UnitBatch &batch)
{
    StoreSql sql(m_db, *m_backend);
    return recordBatch(
        sql, batch, [&](const UnitSettlement &s) { return settleIn(sql, s); },
        [&](const UnitStart &start, Reservation &r) { return reserveIn(sql, context, start, r); });
}

QString ProductionStore::reserveIn(StoreSql &sql, const RunContext &context,
                                   const UnitStart &start, Reservation &out)
{
    out.unitId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (context.poolId) {
        const qint64 pool = *context.poolId;
        const QVariant returned = sql.scalar(
            QStringLiteral("SELECT MIN(address) FROM free_addresses WHERE pool_id = ?"), {pool});
        if (!returned.isValid())
            return sql.error();
        if (!returned.isNull()) {
            out.local = quint32(returned.toLongLong());
            if (!sql.exec(QStringLiteral("DELETE FROM free_addresses WHERE pool_id = ? AND "
                                         "address = ?"),
                          {pool, returned}))
                return sql.error();
        } else {
            if (!sql.exec(QStringLiteral("SELECT next_address, step FROM pools WHERE id = ?") +
                              m_backend->lockRows(),
                          {pool}) ||
                !sql.query().next())
                return sql.error().isEmpty() ? QStringLiteral("its pool is missing") : sql.error();
            const quint64 next = sql.query().value(0).toULongLong();
            const quint32 step = quint32(sql.query().value(1).toULongLong());
            if (next < kPastLastAddress) {
                AddressAllocator counter(quint32(next), step);
                out.local = counter.take();
                if (!sql.exec(QStringLiteral("UPDATE pools SET next_address = ? WHERE id = ?"),
                              {qint64(counter.next()), pool}))
                    return sql.error();
            }
            out.poolEmpty = !out.local;
        }
    }
    const ModuleJob &job = start.job;
    if (!sql.exec(QStringLiteral("INSERT INTO units (unit_uuid, run_id, pool_id, held_address, "
                                 "local_address, state, station, device, by_id, by_path, "
                                 "usb_serial, profile_file, profile_sha256, operator_name, "
                                 "reserved_at) VALUES (?, ?, ?, ?, ?, 'reserved', ?, ?, ?, ?, ?, "
                                 "?, ?, ?, ?)"),
                  {out.unitId, context.runId,
                   context.poolId ? QVariant(*context.poolId)
                                  : QVariant(QMetaType(QMetaType::LongLong)),
                   nullable(out.local), nullable(out.local), context.station, job.device,
                   job.byId, job.byPath, job.usbSerial, context.profileFile,
                   context.profileSha256, start.operatorName, now()}))
        return sql.error();
    return {};
}

QString ProductionStore::settleIn(StoreSql &sql, const UnitSettlement &s)
{
    if (!sql.exec(QStringLiteral("SELECT pool_id, held_address FROM units WHERE unit_uuid = ?"),
                  {s.unitId}))
        return sql.error();
    if (!sql.query().next())
        return QStringLiteral("unit %1 is not in the store").arg(s.unitId);
    const QVariant pool = sql.query().value(0);
    const QVariant held = sql.query().value(1);
    // Nothing reached the module: the address goes back to its pool.
    const bool giveBack = !s.packetSent && !held.isNull();
    const bool reached = s.pass || s.packetSent;
    if (!sql.exec(QStringLiteral("UPDATE units SET state = ?, packet_sent = ?, local_address = ?, "
                                 "held_address = ?, block_before = ?, block_written = ?, "
                                 "block_read_back = ?, failure = ?, message = ?, settled_at = ? "
                                 "WHERE unit_uuid = ?"),
                  {unitStateName(s.state()),
                   s.packetSent ? 1 : 0, nullable(reached ? s.local : std::nullopt),
                   giveBack ? QVariant(QMetaType(QMetaType::LongLong)) : held, hexOf(s.before),
                   s.packetSent ? hexOf(s.written) : QString(), hexOf(s.readBack), s.failure,
                   s.message, now(), s.unitId}))
        return sql.error();
    if (giveBack &&
        !sql.exec(QStringLiteral("INSERT INTO free_addresses (pool_id, address) VALUES (?, ?)"),
                  {pool, held}))
        return sql.error();
    return {};
}

} // namespace zomar
