#include "core/sharedstore/StoreDiagnosis.h"

#include "core/store/Remedy.h"
#include "core/store/PostgresBackend.h"
#include "core/store/ProductionStore.h"
#include "core/sharedstore/StationJournal.h"
#include "core/sharedstore/StationRecord.h"
#include "core/store/StoreSchema.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace zomar {

namespace {

using Steps = QList<DiagnosisStep>;

void ok(Steps &steps, const QString &text)
{
    steps.append({DiagnosisStep::Ok, text, {}});
}

void fail(Steps &steps, const QString &text, const QString &todo)
{
    steps.append({DiagnosisStep::Fail, text, todo});
}

void note(Steps &steps, const QString &text)
{
    steps.append({DiagnosisStep::Note, text, {}});
}

// The schema's version and the role's rights, on an open connection.
void checkStore(Steps &steps, QSqlDatabase &db, const PostgresBackend &backend,
                const QString &location)
{
    const QString init = remedyFor(Remedy::MakeRecord, location);
    const StoreSchema::Version found = StoreSchema::readVersion(db);
    if (!found.present) {
        fail(steps, QStringLiteral("the database holds no production record yet"), init);
        return;
    }
    if (found.number < 0) {
        fail(steps, QStringLiteral("its schema version cannot be read: %1")
                        .arg(backend.explain(found.error)),
             init);
        return;
    }
    const int version = found.number;
    if (version > StoreSchema::latestVersion()) {
        fail(steps, QStringLiteral("the schema is at version %1, newer than this program's (%2)")
                        .arg(version)
                        .arg(StoreSchema::latestVersion()),
             QStringLiteral("use the program of the version that wrote it"));
        return;
    }
    if (version < StoreSchema::latestVersion()) {
        fail(steps, QStringLiteral("the schema is at version %1; this program needs %2")
                        .arg(version)
                        .arg(StoreSchema::latestVersion()),
             init);
        return;
    }
    ok(steps, QStringLiteral("the schema is at version %1, this program's").arg(version));
    const QStringList missing = backend.missingRights(db);
    if (!missing.isEmpty()) {
        fail(steps, QStringLiteral("the role may not: %1").arg(missing.join(QStringLiteral(", "))),
             QStringLiteral("as the tables' owner: GRANT SELECT, INSERT, UPDATE, DELETE ON ALL "
                            "TABLES IN SCHEMA public TO %1")
                 .arg(db.userName().isEmpty() ? QStringLiteral("ROLE") : db.userName()));
        return;
    }
    ok(steps, QStringLiteral("the role may allocate addresses and record units"));
}

void checkServer(Steps &steps, const QString &location)
{
    if (!PostgresBackend::driverInstalled()) {
        fail(steps, QStringLiteral("Qt's PostgreSQL driver (QPSQL) is not installed"),
             PostgresBackend::driverMissing());
        return;
    }
    ok(steps, QStringLiteral("Qt's PostgreSQL driver (QPSQL) is installed"));
    if (!PostgresBackend::driverLoads()) {
        fail(steps, QStringLiteral("QPSQL driver not loaded"), PostgresBackend::driverNotLoaded());
        return;
    }
    ok(steps, QStringLiteral("the driver loads"));
    QString error;
    const std::optional<PgAddress> address = PgAddress::parse(location, &error);
    if (!address) {
        fail(steps, error, QStringLiteral("write it as postgresql://user@host[:port]/database"));
        return;
    }
    const PostgresBackend backend;
    const QString connection = QStringLiteral("zomar-diagnosis");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(backend.driverName(), connection);
        backend.configure(db, location, ProductionStore::kDefaultBusyTimeoutMs);
        if (!db.open()) {
            const QString text = db.lastError().databaseText().isEmpty()
                                     ? db.lastError().text()
                                     : db.lastError().databaseText();
            const PostgresBackend::OpenStep step = backend.failedAt(text);
            if (step != PostgresBackend::OpenStep::Server)
                ok(steps, QStringLiteral("the server answers"));
            if (step == PostgresBackend::OpenStep::Database)
                ok(steps, QStringLiteral("the login of %1 works").arg(db.userName()));
            fail(steps,
                 step == PostgresBackend::OpenStep::Server  ? QStringLiteral("the server does not "
                                                                             "answer")
                 : step == PostgresBackend::OpenStep::Login ? QStringLiteral("the login failed")
                 : step == PostgresBackend::OpenStep::Database
                     ? QStringLiteral("there is no database \"%1\"").arg(address->database)
                     : QStringLiteral("the connection failed"),
                 backend.explain(text));
        } else {
            QSqlQuery version(db);
            const QString server = version.exec(QStringLiteral("SHOW server_version")) &&
                                           version.next()
                                       ? QStringLiteral(" (PostgreSQL %1)")
                                             .arg(version.value(0).toString())
                                       : QString();
            ok(steps, QStringLiteral("the server answers%1").arg(server));
            ok(steps, QStringLiteral("the login works (role %1, database %2)")
                          .arg(db.userName().isEmpty() ? QStringLiteral("by default")
                                                       : db.userName(),
                               db.databaseName().isEmpty() ? QStringLiteral("by default")
                                                           : db.databaseName()));
            checkStore(steps, db, backend, location);
        }
    }
    QSqlDatabase::removeDatabase(connection);
}

void checkJournal(Steps &steps, const QString &location, const QString &station)
{
    const QString path = StationJournal::pathFor(location, station);
    if (!QFileInfo::exists(path)) {
        note(steps, QStringLiteral("station %1 has no journal yet (%2): nothing waits")
                        .arg(station, path));
        return;
    }
    QString error;
    const std::unique_ptr<StationJournal> journal = StationJournal::open(path, &error);
    if (!journal) {
        fail(steps, error, QStringLiteral("check the file's folder and rights"));
        return;
    }
    const int waiting = journal->waitingUnits();
    const int leased = journal->freeAddresses();
    const bool running = StationRecord::journalInUse(path);
    note(steps, QStringLiteral("station %1's journal %2: %3 unit row(s) waiting, %4 address(es) "
                               "of a lease unused; %5")
                    .arg(station, path)
                    .arg(waiting)
                    .arg(leased)
                    .arg(running ? QStringLiteral("the station is running now")
                         : waiting > 0
                             ? QStringLiteral("they are forwarded when the station starts again")
                             : QStringLiteral("the station is not running")));
}

} // namespace

QList<DiagnosisStep> StoreDiagnosis::run(const QString &location, const QString &station)
{
    Steps steps;
    if (PgAddress::isServerLocation(location)) {
        checkServer(steps, location);
        checkJournal(steps, location, station);
        return steps;
    }
    QString error;
    const std::unique_ptr<ProductionStore> store =
        ProductionStore::open(location, ProductionStore::Mode::Existing, &error);
    if (store)
        ok(steps, QStringLiteral("the store opens (schema %1)").arg(StoreSchema::latestVersion()));
    else
        fail(steps, error, QStringLiteral("name a store that runs have written, or let the next "
                                          "run make it"));
    return steps;
}

} // namespace zomar
