#include "core/fleet/StoreSchema.h"

#include "core/fleet/StoreBackend.h"
#include "core/fleet/StoreSql.h"

#include <QSqlError>
#include <QSqlQuery>

namespace zomar {

namespace {

// Version 1: runs (who programmed, and whether it is still going), pools (the
// address ranges, each with its counter and the addresses given back) and
// units (one row per module attempt). A unit holds its pool address in
// held_address while the address may have reached a module; the unique pair
// (pool_id, held_address) is the last guard against handing it out twice.
QStringList version1(const StoreBackend &backend)
{
    const QString id = backend.idColumn();
    return {
        QStringLiteral("CREATE TABLE runs ("
                       " id %1,"
                       " run_uuid TEXT NOT NULL UNIQUE,"
                       " station TEXT NOT NULL,"
                       " boot_id TEXT NOT NULL,"
                       " pid BIGINT NOT NULL,"
                       " process_start BIGINT NOT NULL,"
                       " program TEXT NOT NULL,"
                       " started_at TEXT NOT NULL,"
                       " ended_at TEXT,"
                       " end_state TEXT)")
            .arg(id),
        QStringLiteral("CREATE TABLE pools ("
                       " id %1,"
                       " fields TEXT NOT NULL,"
                       " first_address BIGINT NOT NULL,"
                       " step BIGINT NOT NULL,"
                       " next_address BIGINT NOT NULL,"
                       " created_at TEXT NOT NULL,"
                       " UNIQUE (fields, first_address, step))")
            .arg(id),
        QStringLiteral("CREATE TABLE free_addresses ("
                       " pool_id BIGINT NOT NULL REFERENCES pools(id),"
                       " address BIGINT NOT NULL,"
                       " PRIMARY KEY (pool_id, address))"),
        QStringLiteral("CREATE TABLE units ("
                       " id %1,"
                       " unit_uuid TEXT NOT NULL UNIQUE,"
                       " run_id BIGINT NOT NULL REFERENCES runs(id),"
                       " pool_id BIGINT REFERENCES pools(id),"
                       " held_address BIGINT,"
                       " local_address BIGINT,"
                       " state TEXT NOT NULL"
                       "  CHECK (state IN ('reserved', 'pass', 'fail', 'unknown')),"
                       " packet_sent INTEGER NOT NULL DEFAULT 0,"
                       " station TEXT NOT NULL,"
                       " device TEXT NOT NULL DEFAULT '',"
                       " by_id TEXT NOT NULL DEFAULT '',"
                       " by_path TEXT NOT NULL DEFAULT '',"
                       " usb_serial TEXT NOT NULL DEFAULT '',"
                       " profile_file TEXT NOT NULL DEFAULT '',"
                       " profile_sha256 TEXT NOT NULL DEFAULT '',"
                       " block_before TEXT NOT NULL DEFAULT '',"
                       " block_written TEXT NOT NULL DEFAULT '',"
                       " block_read_back TEXT NOT NULL DEFAULT '',"
                       " failure TEXT NOT NULL DEFAULT '',"
                       " message TEXT NOT NULL DEFAULT '',"
                       " reserved_at TEXT NOT NULL,"
                       " settled_at TEXT,"
                       " origin TEXT NOT NULL DEFAULT 'run',"
                       " UNIQUE (pool_id, held_address))")
            .arg(id),
        QStringLiteral("CREATE INDEX units_by_state ON units (state)"),
        QStringLiteral("CREATE INDEX units_by_time ON units (reserved_at)"),
        QStringLiteral("CREATE INDEX units_by_run ON units (run_id)"),
        QStringLiteral("CREATE INDEX runs_open ON runs (ended_at)"),
    };
}

// Version 2: stations that share a server. A run names its station apart from
// its host (the host judges whether the run is still going; the station is
// what the line calls it) and says when the server last heard from it. A
// station takes addresses from a pool in leases: each leased address is a row
// of leased_addresses until a unit holds it or it goes back; the primary key
// (pool_id, address) and units' unique pair keep it with one holder.
QStringList version2(const StoreBackend &)
{
    return {
        QStringLiteral("ALTER TABLE runs ADD COLUMN host TEXT NOT NULL DEFAULT ''"),
        QStringLiteral("UPDATE runs SET host = station"),
        QStringLiteral("ALTER TABLE runs ADD COLUMN seen_at BIGINT"),
        QStringLiteral("CREATE TABLE leased_addresses ("
                       " pool_id BIGINT NOT NULL REFERENCES pools(id),"
                       " address BIGINT NOT NULL,"
                       " run_id BIGINT NOT NULL REFERENCES runs(id),"
                       " station TEXT NOT NULL,"
                       " leased_at TEXT NOT NULL,"
                       " PRIMARY KEY (pool_id, address))"),
        QStringLiteral("CREATE INDEX leased_by_run ON leased_addresses (run_id)"),
        QStringLiteral("CREATE INDEX units_by_station ON units (station)"),
    };
}

// Version 3: who plugged each module in (a station's operator).
QStringList version3(const StoreBackend &)
{
    return {QStringLiteral("ALTER TABLE units ADD COLUMN operator_name TEXT NOT NULL DEFAULT ''")};
}

// Version 4: addresses of a released lease are retired rather than given
// back: the station may only have been cut off and go on with them.
QStringList version4(const StoreBackend &)
{
    return {QStringLiteral("CREATE TABLE retired_addresses ("
                           " pool_id BIGINT NOT NULL REFERENCES pools(id),"
                           " address BIGINT NOT NULL,"
                           " run_id BIGINT NOT NULL REFERENCES runs(id),"
                           " station TEXT NOT NULL,"
                           " retired_at TEXT NOT NULL,"
                           " PRIMARY KEY (pool_id, address))")};
}

// Version 5: traceability. The product serial a technician scanned for a
// unit (a product retried is known by it), and the state of the unit's last
// label: "" (none asked for), "printed" or "failed", with the reason, the
// target and when.
QStringList version5(const StoreBackend &)
{
    QStringList statements;
    for (const char *column :
         {"product_serial", "label_state", "label_reason", "label_target", "label_at"})
        statements << QStringLiteral("ALTER TABLE units ADD COLUMN %1 TEXT NOT NULL DEFAULT ''")
                          .arg(QLatin1String(column));
    statements << QStringLiteral("CREATE INDEX units_by_serial ON units (product_serial)");
    return statements;
}

// Version 6: what the line's supervisor and the factory's systems read.
// A station says with each heartbeat how many rows wait in its journal. A
// feed to the factory keeps its place here: each unit it delivered, or that
// the endpoint refused (with the answer), so a restarted feed sends nothing
// twice and skips nothing; its low mark says below which unit id all are done.
QStringList version6(const StoreBackend &)
{
    return {QStringLiteral("ALTER TABLE runs ADD COLUMN journal_waiting BIGINT"),
            QStringLiteral("CREATE TABLE feed_marks ("
                           " feed TEXT NOT NULL PRIMARY KEY,"
                           " low_unit BIGINT NOT NULL DEFAULT 0,"
                           " updated_at TEXT NOT NULL)"),
            QStringLiteral("CREATE TABLE feed_deliveries ("
                           " feed TEXT NOT NULL,"
                           " unit_uuid TEXT NOT NULL,"
                           " outcome TEXT NOT NULL CHECK (outcome IN ('delivered', 'refused')),"
                           " status INTEGER NOT NULL,"
                           " answer TEXT NOT NULL DEFAULT '',"
                           " at TEXT NOT NULL,"
                           " PRIMARY KEY (feed, unit_uuid))"),
            QStringLiteral("CREATE INDEX units_by_settled ON units (settled_at)")};
}

struct Migration {
    int version;
    QStringList (*statements)(const StoreBackend &);
};

const Migration kMigrations[] = {
    {1, version1},
    {2, version2},
    {3, version3},
    {4, version4},
    {5, version5},
    {6, version6},
};

} // namespace

int StoreSchema::latestVersion()
{
    return std::end(kMigrations)[-1].version;
}

QString StoreSchema::prepare(QSqlDatabase &db, const StoreBackend &backend, const QString &location,
                             bool mayChange)
{
    const auto readVersion = [&db](bool *present) -> int {
        *present = db.tables().contains(QStringLiteral("schema_version"));
        if (!*present)
            return 0;
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !q.next())
            return -1;
        return q.value(0).toInt();
    };
    bool present = false;
    int version = readVersion(&present);
    if (version < 0)
        return QStringLiteral("%1: its schema version cannot be read").arg(location);
    if (!present && !db.tables().isEmpty())
        return QStringLiteral("%1 is a database of another program, not a production store")
            .arg(location);
    if (version > latestVersion())
        return QStringLiteral("%1 was written by a newer version of this program (store schema "
                              "%2; this one knows up to %3): use that version")
            .arg(location)
            .arg(version)
            .arg(latestVersion());
    if (present && version == latestVersion())
        return {};
    if (!mayChange)
        return present ? QStringLiteral("%1 holds the production record of an older version "
                                        "(schema %2; this program needs %3): migrate it with "
                                        "`zomar-cli records init --store %1`")
                             .arg(location)
                             .arg(version)
                             .arg(latestVersion())
                       : QStringLiteral("%1 holds no production record yet: make it with "
                                        "`zomar-cli records init --store %1` (as a role that "
                                        "may create tables)")
                             .arg(location);

    // Another process may be doing the same: look again once the write lock is held.
    StoreSql sql(db, backend);
    return sql.write([&]() -> QString {
        version = readVersion(&present);
        if (version < 0)
            return QStringLiteral("its schema version cannot be read");
        if (version == latestVersion())
            return {};
        if (!present && !sql.exec(QStringLiteral("CREATE TABLE schema_version (version INTEGER "
                                                 "NOT NULL)")))
            return sql.error();
        for (const Migration &m : kMigrations) {
            if (m.version <= version)
                continue;
            for (const QString &statement : m.statements(backend))
                if (!sql.exec(statement))
                    return sql.error();
            if (!sql.exec(QStringLiteral("DELETE FROM schema_version")) ||
                !sql.exec(QStringLiteral("INSERT INTO schema_version (version) VALUES (?)"),
                          {m.version}))
                return sql.error();
        }
        return {};
    });
}

} // namespace zomar
