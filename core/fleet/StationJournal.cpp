#include "core/fleet/StationJournal.h"

#include "core/fleet/PostgresBackend.h"
#include "core/fleet/RecordFile.h"
#include "core/fleet/StoreSql.h"

#include <QAtomicInt>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSqlError>
#include <QStandardPaths>
#include <QUuid>

namespace zomar {

namespace {

// The lease: an address is free while no unit holds it. The outbox: rows in
// the order they happened, until the server has them.
const char *const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS lease (pool_id INTEGER NOT NULL, address INTEGER NOT NULL, "
    "run_id INTEGER NOT NULL, unit_uuid TEXT, PRIMARY KEY (pool_id, address))",
    "CREATE TABLE IF NOT EXISTS outbox (seq INTEGER PRIMARY KEY, kind TEXT NOT NULL, unit_uuid "
    "TEXT NOT NULL, body TEXT NOT NULL)",
};

} // namespace

QString leaseUsedUp()
{
    return QStringLiteral("offline, and this station's lease has no address left (the line goes "
                          "on once the server answers)");
}

QString StationJournal::pathFor(const QString &server, const QString &station)
{
    const std::optional<PgAddress> address = PgAddress::parse(server, nullptr);
    const QByteArray id = (address ? address->identity() : server).toUtf8();
    QString name = station;
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zomar/journals/%1-%2.db")
               .arg(name, QString::fromLatin1(
                              QCryptographicHash::hash(id, QCryptographicHash::Sha256)
                                  .toHex()
                                  .left(12)));
}

std::unique_ptr<StationJournal> StationJournal::open(const QString &path, QString *error,
                                                     Commits commits)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("cannot use this station's journal %1: %2").arg(path, why);
        return nullptr;
    };
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString problem = RecordFile::problem(path, QStringLiteral("journal"), true);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return nullptr;
    }
    static QAtomicInt counter;
    std::unique_ptr<StationJournal> journal(new StationJournal);
    journal->m_backend = std::make_unique<SqliteBackend>();
    journal->m_connection =
        QStringLiteral("zomar-journal-%1").arg(counter.fetchAndAddRelaxed(1));
    journal->m_db =
        QSqlDatabase::addDatabase(journal->m_backend->driverName(), journal->m_connection);
    journal->m_backend->configure(journal->m_db, path, ProductionStore::kDefaultBusyTimeoutMs);
    if (!journal->m_db.open())
        return fail(journal->m_backend->explain(journal->m_db.lastError().text()));
    StoreSql sql(journal->m_db, *journal->m_backend);
    QStringList statements = journal->m_backend->sessionStatements() +
                             journal->m_backend->storeStatements();
    for (const char *table : kSchema)
        statements << QString::fromLatin1(table);
    if (commits == Commits::Bookkeeping)
        statements << QStringLiteral("PRAGMA synchronous=NORMAL");
    for (const QString &statement : statements) {
        if (!sql.exec(statement))
            return fail(sql.error());
        sql.query().finish();
    }
    return journal;
}

StationJournal::~StationJournal()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

QString StationJournal::append(StoreSql &sql, const JournalOp &op)
{
    if (!sql.exec(QStringLiteral("INSERT INTO outbox (kind, unit_uuid, body) VALUES (?, ?, ?)"),
                  {JournalOp::kindName(op.kind), op.unitId,
                   QString::fromUtf8(QJsonDocument(op.body).toJson(QJsonDocument::Compact))}))
        return sql.error();
    return {};
}

QString StationJournal::record(const RunContext &context, UnitBatch &batch)
{
    // Asked before the transaction: the lease is added to this file by
    // another connection.
    LeaseAnswer lease;
    if (context.poolId && !batch.starts.isEmpty() && m_leaseSource &&
        freeAddresses(context.runId) < batch.starts.size())
        lease = m_leaseSource(int(batch.starts.size()) - freeAddresses(context.runId));
    StoreSql sql(m_db, *m_backend);
    const QString error = recordBatch(
        sql, batch, [&](const UnitSettlement &s) { return settleIn(sql, context, s); },
        [&](const UnitStart &start, Reservation &r) {
            return reserveIn(sql, context, start, lease, r);
        });
    if (error.isEmpty())
        m_startsRecorded += int(batch.starts.size());
    return error;
}

QString StationJournal::settleIn(StoreSql &sql, const RunContext &context,
                                 const UnitSettlement &s)
{
    if (!sql.exec(QStringLiteral("SELECT pool_id, address FROM lease WHERE unit_uuid = ?"),
                  {s.unitId}))
        return sql.error();
    std::optional<quint32> givenBack;
    if (sql.query().next() && !s.packetSent) {
        const QVariant pool = sql.query().value(0);
        givenBack = quint32(sql.query().value(1).toLongLong());
        if (!sql.exec(QStringLiteral("UPDATE lease SET unit_uuid = NULL WHERE pool_id = ? AND "
                                     "address = ?"),
                      {pool, qint64(*givenBack)}))
            return sql.error();
    }
    return append(sql, JournalOp::settle(context, s, givenBack));
}

QString StationJournal::reserveIn(StoreSql &sql, const RunContext &context,
                                  const UnitStart &start, const LeaseAnswer &lease,
                                  Reservation &r)
{
    r.unitId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (context.poolId) {
        const QVariant free = sql.scalar(QStringLiteral("SELECT MIN(address) FROM lease WHERE "
                                                        "pool_id = ? AND run_id = ? AND "
                                                        "unit_uuid IS NULL"),
                                         {*context.poolId, context.runId});
        if (!free.isValid())
            return sql.error();
        if (!free.isNull()) {
            r.local = quint32(free.toLongLong());
            if (!sql.exec(QStringLiteral("UPDATE lease SET unit_uuid = ? WHERE pool_id = ? AND "
                                         "address = ?"),
                          {r.unitId, *context.poolId, free}))
                return sql.error();
        } else if (lease.poolEmpty) {
            r.poolEmpty = true;
        } else {
            // Never a guess: without an address of its lease the module
            // gets nothing, and leaves no row.
            r.unavailable = leaseUsedUp();
            r.unitId.clear();
            return {};
        }
    }
    return append(sql, JournalOp::reserve(context, start, r));
}

QString StationJournal::addLease(const RunContext &context, const QList<quint32> &addresses)
{
    StoreSql sql(m_db, *m_backend);
    return sql.write([&]() -> QString {
        for (const quint32 a : addresses)
            if (!sql.exec(QStringLiteral("INSERT INTO lease (pool_id, address, run_id) VALUES "
                                         "(?, ?, ?)"),
                          {*context.poolId, qint64(a), context.runId}))
                return sql.error();
        return {};
    });
}

int StationJournal::freeAddresses(qint64 runId)
{
    StoreSql sql(m_db, *m_backend);
    return sql
        .scalar(QStringLiteral("SELECT COUNT(*) FROM lease WHERE run_id = ? AND unit_uuid IS NULL"),
                {runId})
        .toInt();
}

int StationJournal::waitingUnits()
{
    StoreSql sql(m_db, *m_backend);
    return sql
        .scalar(QStringLiteral("SELECT COUNT(DISTINCT unit_uuid) FROM outbox WHERE unit_uuid <> "
                               "''"))
        .toInt();
}

int StationJournal::leasedFree()
{
    StoreSql sql(m_db, *m_backend);
    return sql.scalar(QStringLiteral("SELECT COUNT(*) FROM lease WHERE unit_uuid IS NULL")).toInt();
}

QList<JournalOp> StationJournal::waiting(int limit, QString *error)
{
    StoreSql sql(m_db, *m_backend);
    QList<JournalOp> ops;
    if (!sql.exec(QStringLiteral("SELECT seq, kind, unit_uuid, body FROM outbox ORDER BY seq "
                                 "LIMIT %1")
                      .arg(limit))) {
        if (error)
            *error = sql.error();
        return ops;
    }
    while (sql.query().next()) {
        const std::optional<JournalOp::Kind> kind =
            JournalOp::kindFromName(sql.query().value(1).toString());
        if (!kind) {
            if (error)
                *error = QStringLiteral("row %1 of the journal is of an unknown kind \"%2\"")
                             .arg(sql.query().value(0).toLongLong())
                             .arg(sql.query().value(1).toString());
            return {};
        }
        ops.append({sql.query().value(0).toLongLong(), *kind, sql.query().value(2).toString(),
                    QJsonDocument::fromJson(sql.query().value(3).toString().toUtf8()).object()});
    }
    return ops;
}

QString StationJournal::acknowledge(qint64 seq)
{
    StoreSql sql(m_db, *m_backend);
    return sql.write([&]() -> QString {
        return sql.exec(QStringLiteral("DELETE FROM outbox WHERE seq <= ?"), {seq}) ? QString()
                                                                                   : sql.error();
    });
}

QString StationJournal::finish(const RunContext &context)
{
    StoreSql sql(m_db, *m_backend);
    return sql.write([&]() -> QString {
        if (context.poolId) {
            if (!sql.exec(QStringLiteral("SELECT address FROM lease WHERE run_id = ? AND "
                                         "unit_uuid IS NULL ORDER BY address"),
                          {context.runId}))
                return sql.error();
            QList<quint32> free;
            while (sql.query().next())
                free << quint32(sql.query().value(0).toLongLong());
            if (!free.isEmpty()) {
                const QString why = append(sql, JournalOp::giveBack(context, free));
                if (!why.isEmpty())
                    return why;
            }
        }
        if (!sql.exec(QStringLiteral("DELETE FROM lease WHERE run_id = ?"), {context.runId}))
            return sql.error();
        return append(sql, JournalOp::endRun(context.runId));
    });
}

QString StationJournal::forgetLeasesBefore(qint64 runId)
{
    StoreSql sql(m_db, *m_backend);
    return sql.write([&]() -> QString {
        return sql.exec(QStringLiteral("DELETE FROM lease WHERE run_id <> ?"), {runId})
                   ? QString()
                   : sql.error();
    });
}

} // namespace zomar
