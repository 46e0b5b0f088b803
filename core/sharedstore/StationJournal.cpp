#include "core/sharedstore/StationJournal.h"

#include "core/store/PostgresBackend.h"
#include "core/store/SqliteBackend.h"
#include "core/files/RecordFile.h"
#include "core/store/StoreSql.h"

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

// Version 1: the lease (an address is free while no unit holds it) and the
// outbox (rows in the order they happened, until the server has them).
const char *const kVersion1[] = {
    "CREATE TABLE IF NOT EXISTS lease (pool_id INTEGER NOT NULL, address INTEGER NOT NULL, "
    "run_id INTEGER NOT NULL, unit_uuid TEXT, PRIMARY KEY (pool_id, address))",
    "CREATE TABLE IF NOT EXISTS outbox (seq INTEGER PRIMARY KEY, kind TEXT NOT NULL, unit_uuid "
    "TEXT NOT NULL, body TEXT NOT NULL)",
};
// Version 2: what the station's connections share beside the lease: the run
// rows are written for now, and whether the range has run out.
const char *const kVersion2[] = {
    "CREATE TABLE IF NOT EXISTS meta (key TEXT PRIMARY KEY, value)",
};
// Versions 3 and 4 have no table of their own: their outboxes may hold rows
// of kind "label" (3) and "serial" (4), which an older program could not
// forward.

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
    if (commits == Commits::Bookkeeping)
        statements << QStringLiteral("PRAGMA synchronous=NORMAL");
    for (const QString &statement : statements) {
        if (!sql.exec(statement))
            return fail(sql.error());
        sql.query().finish();
    }
    if (const QString why = journal->migrate(sql); !why.isEmpty())
        return fail(why);
    return journal;
}

StationJournal::~StationJournal()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

QString StationJournal::migrate(StoreSql &sql)
{
    const QVariant found = sql.scalar(QStringLiteral("PRAGMA user_version"));
    if (!found.isValid())
        return sql.error();
    // A journal made before it had a version holds version 1's tables.
    const int version = found.toInt();
    if (version == kVersion)
        return {};
    if (version > kVersion)
        return QStringLiteral("it was written by a newer version of this program (journal "
                              "version %1; this one knows up to %2): forward its rows with that "
                              "version first")
            .arg(version)
            .arg(kVersion);
    return sql.write([&]() -> QString {
        // Version 1's tables are made with IF NOT EXISTS: a journal of
        // before the versions has them already.
        for (const char *statement : kVersion1)
            if (!sql.exec(QString::fromLatin1(statement)))
                return sql.error();
        for (const char *statement : kVersion2)
            if (!sql.exec(QString::fromLatin1(statement)))
                return sql.error();
        return sql.exec(QStringLiteral("PRAGMA user_version = %1").arg(kVersion)) ? QString()
                                                                               : sql.error();
    });
}

QString StationJournal::setMeta(const QString &key, const QVariant &value)
{
    StoreSql sql(m_db, *m_backend);
    return sql.write([&]() -> QString {
        return sql.exec(QStringLiteral("INSERT INTO meta (key, value) VALUES (?, ?) ON CONFLICT "
                                       "(key) DO UPDATE SET value = excluded.value"),
                        {key, value})
                   ? QString()
                   : sql.error();
    });
}

QString StationJournal::setCurrentRun(qint64 runId)
{
    return setMeta(QStringLiteral("run_id"), runId);
}

qint64 StationJournal::currentRun(qint64 otherwise)
{
    StoreSql sql(m_db, *m_backend);
    const QVariant run =
        sql.scalar(QStringLiteral("SELECT value FROM meta WHERE key = 'run_id'"));
    return run.isValid() && !run.isNull() ? run.toLongLong() : otherwise;
}

QString StationJournal::append(StoreSql &sql, const JournalOp &op)
{
    if (!sql.exec(QStringLiteral("INSERT INTO outbox (kind, unit_uuid, body) VALUES (?, ?, ?)"),
                  {JournalOp::kindName(op.kind), op.unitId,
                   QString::fromUtf8(QJsonDocument(op.body).toJson(QJsonDocument::Compact))}))
        return sql.error();
    return {};
}

QString StationJournal::note(const QList<JournalOp> &ops)
{
    StoreSql sql(m_db, *m_backend);
    return sql.write([&]() -> QString {
        for (const JournalOp &op : ops)
            if (const QString why = append(sql, op); !why.isEmpty())
                return why;
        return QString();
    });
}

QString StationJournal::serialWaiting(const QString &serial, const QString &unitId,
                                     QString *error)
{
    StoreSql sql(m_db, *m_backend);
    if (!sql.exec(QStringLiteral("SELECT unit_uuid, body FROM outbox WHERE kind = 'serial' AND "
                                 "unit_uuid <> ? ORDER BY seq"),
                  {unitId})) {
        if (error)
            *error = sql.error();
        return {};
    }
    while (sql.query().next())
        if (QJsonDocument::fromJson(sql.query().value(1).toString().toUtf8())
                .object()
                .value(QLatin1String("serial"))
                .toString() == serial)
            return sql.query().value(0).toString();
    return {};
}

QString StationJournal::record(const RunContext &given, UnitBatch &batch)
{
    // Addresses come only from what the lease holds here: a reservation never
    // waits for the server (the station's record asks the link for more
    // before it asks for addresses it does not have).
    RunContext context = given;
    context.runId = currentRun(given.runId);
    StoreSql sql(m_db, *m_backend);
    const QString error = recordBatch(
        sql, batch, [&](const UnitSettlement &s) { return settleIn(sql, context, s); },
        [&](const UnitStart &start, Reservation &r) {
            return reserveIn(sql, context, start, r);
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

QString StationJournal::reserveIn(StoreSql &sql, const RunContext &given,
                                  const UnitStart &start, Reservation &r)
{
    r.unitId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    RunContext context = given;
    if (context.poolId) {
        // The lowest free address of the lease, and the run it was leased to.
        if (!sql.exec(QStringLiteral("SELECT address, run_id FROM lease WHERE pool_id = ? AND "
                                     "unit_uuid IS NULL ORDER BY address LIMIT 1"),
                      {*context.poolId}))
            return sql.error();
        if (sql.query().next()) {
            const qint64 free = sql.query().value(0).toLongLong();
            context.runId = sql.query().value(1).toLongLong();
            r.local = quint32(free);
            if (!sql.exec(QStringLiteral("UPDATE lease SET unit_uuid = ? WHERE pool_id = ? AND "
                                         "address = ?"),
                          {r.unitId, *context.poolId, free}))
                return sql.error();
        } else if (sql.scalar(QStringLiteral("SELECT value FROM meta WHERE key = "
                                              "'pool_empty'")) == QVariant(1)) {
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

QString StationJournal::addLease(const RunContext &context, const QList<quint32> &addresses,
                                 bool poolEmpty)
{
    StoreSql sql(m_db, *m_backend);
    return sql.write([&]() -> QString {
        for (const quint32 a : addresses)
            if (!sql.exec(QStringLiteral("INSERT INTO lease (pool_id, address, run_id) VALUES "
                                         "(?, ?, ?)"),
                          {*context.poolId, qint64(a), context.runId}))
                return sql.error();
        if (!sql.exec(QStringLiteral("INSERT INTO meta (key, value) VALUES ('pool_empty', ?) ON "
                                     "CONFLICT (key) DO UPDATE SET value = excluded.value"),
                      {poolEmpty ? 1 : 0}))
            return sql.error();
        return {};
    });
}

int StationJournal::freeAddresses()
{
    StoreSql sql(m_db, *m_backend);
    return sql.scalar(QStringLiteral("SELECT COUNT(*) FROM lease WHERE unit_uuid IS NULL")).toInt();
}

int StationJournal::waitingUnits()
{
    StoreSql sql(m_db, *m_backend);
    return sql
        .scalar(QStringLiteral("SELECT COUNT(DISTINCT unit_uuid) FROM outbox WHERE unit_uuid <> "
                               "''"))
        .toInt();
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
        return sql.exec(QStringLiteral("DELETE FROM lease WHERE run_id <> ?"), {runId}) &&
                       sql.exec(QStringLiteral("DELETE FROM meta WHERE key = 'pool_empty'"))
                   ? QString()
                   : sql.error();
    });
}

QString StationJournal::dropLease(qint64 runId)
{
    // Units in flight keep the address they hold (retired on the server, so
    // theirs alone); a free one, or one given back later, is used no more.
    StoreSql sql(m_db, *m_backend);
    return sql.write([&]() -> QString {
        return sql.exec(QStringLiteral("DELETE FROM lease WHERE run_id = ?"), {runId})
                   ? QString()
                   : sql.error();
    });
}

} // namespace zomar
