// The production store on real files: allocation through two connections,
// addresses given back only when unwritten, pools named by what reaches the
// modules, units of runs that are gone, an old CSV log imported, and a store
// that stops taking commits in the middle of a run.

#include "core/line/LegacyLogImport.h"
#include "core/run/ProductionRun.h"
#include "core/store/ProductionStore.h"
#include "core/line/ProgramLog.h"
#include "core/sharedstore/StationJournal.h"
#include "core/store/StoreReport.h"
#include "sim/VirtualModule.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace zomar;

namespace {

std::unique_ptr<ProductionStore> openStore(const QString &path, int busyMs = 2000)
{
    QString error;
    auto store = ProductionStore::open(path, ProductionStore::Mode::Create, &error, busyMs);
    if (!store)
        qWarning("%s", qPrintable(error));
    return store;
}

// Reserves one unit: the address it got, or "failed" when it was not committed.
std::optional<quint32> reserveOne(ProductionStore &store, const RunContext &context,
                                  QString *unitId = nullptr)
{
    UnitBatch batch;
    batch.starts << UnitStart{{QStringLiteral("/dev/ttyUSB9"), {}, {}, {}}};
    const QString error = store.record(context, batch);
    if (!error.isEmpty() || batch.reservations.size() != 1) {
        qWarning("reservation failed: %s", qPrintable(error));
        return 0xFA11EDu;
    }
    if (unitId)
        *unitId = batch.reservations.first().unitId;
    return batch.reservations.first().local;
}

QString settleOne(ProductionStore &store, const RunContext &context, const QString &unitId,
                  bool pass, bool packetSent)
{
    UnitBatch batch;
    UnitSettlement s;
    s.unitId = unitId;
    s.pass = pass;
    s.packetSent = packetSent;
    batch.settlements << s;
    return store.record(context, batch);
}

Profile fields(std::optional<QString> comment, int channel)
{
    Profile p;
    p.comment = comment;
    p.name = comment;
    p.channel = channel;
    p.txPower = 3;
    return p;
}

} // namespace

class TstStore : public QObject
{
    Q_OBJECT
private slots:
    void twoConnectionsHandOutEachAddressOnce();
    void poolsAreNamedByWhatReachesTheModules();
    void unitsOfRunsThatAreGoneBecomeUnknown();
    void oldLogIsImportedAndItsAddressesTaken();
    void failedCommitStopsNewModules();
    void operatorIsKeptAndAnOlderStoreMigrated();
    void journalOfAnotherVersion_data();
    void journalOfAnotherVersion();

private:
    QTemporaryDir m_dir;
};

void TstStore::twoConnectionsHandOutEachAddressOnce()
{
    const QString path = m_dir.filePath("two.db");
    auto a = openStore(path);
    auto b = openStore(path);
    QVERIFY(a && b);
    // From 000000A3: the addresses holding the byte A5 are passed over.
    const PoolKey key = PoolKey::of(fields({}, 1600), 0xA3, 1);
    QString error;
    RunContext ca{a->beginRun(RunIdentity::current(), "test").runId, {}, "vm", {}, {}};
    RunContext cb{b->beginRun(RunIdentity::current(), "test").runId, {}, "vm", {}, {}};
    ca.poolId = a->openPool(key, {}, {}, &error);
    cb.poolId = b->openPool(key, {}, {}, &error);
    QVERIFY2(ca.poolId && ca.poolId == cb.poolId, qPrintable(error));
    QString silent, lost;
    QCOMPARE(reserveOne(*a, ca, &silent), std::optional<quint32>(0xA3));
    QCOMPARE(reserveOne(*b, cb, &lost), std::optional<quint32>(0xA4));
    QCOMPARE(reserveOne(*a, ca), std::optional<quint32>(0xA6));
    // Nothing reached the first module: its address comes back, to either
    // connection; the second's packet went out, so its address stays taken.
    QCOMPARE(settleOne(*a, ca, silent, false, false), QString());
    QCOMPARE(settleOne(*b, cb, lost, false, true), QString());
    QCOMPARE(b->findPool(key, &error)->nextAddress(), std::optional<quint32>(0xA3));
    QCOMPARE(reserveOne(*b, cb), std::optional<quint32>(0xA3));
    QCOMPARE(reserveOne(*a, ca), std::optional<quint32>(0xA7));
    QCOMPARE(settleOne(*a, ca, "no-such-unit", true, true),
             QStringLiteral("unit no-such-unit is not in the store"));

    // The unique pair (pool, address) stops a second holder whatever the code does.
    QSqlQuery q(a->database());
    QVERIFY(!q.exec(QStringLiteral("UPDATE units SET held_address = 167 WHERE held_address = "
                                   "166")));
    const std::optional<StoreCheck> check = StoreReport::check(*a, &error);
    QVERIFY(check);
    QCOMPARE(check->findings, QStringList());
    QCOMPARE(check->notes.size(), 2); // the two runs of this process hold units in flight
}

void TstStore::poolsAreNamedByWhatReachesTheModules()
{
    const PoolKey key = PoolKey::of(fields(QStringLiteral("north"), 1600), 0x10000, 1);
    QCOMPARE(key.fields, QStringLiteral("channel=1600 tx_power=3"));
    // A profile's name and comment do not reach a module, nor its local address.
    Profile withLocal = fields(QStringLiteral("north, edited"), 1600);
    withLocal.local = 0x42;
    QVERIFY(PoolKey::of(withLocal, 0x10000, 1) == key);
    QVERIFY(!(PoolKey::of(fields({}, 1601), 0x10000, 1) == key));
    QVERIFY(!(PoolKey::of(fields({}, 1600), 0x10000, 2) == key));
    QVERIFY(!(PoolKey::of(fields({}, 1600), 0x20000, 1) == key));

    PoolState top{0, PoolKey::of({}, 0xFFFFFFF0, 8), 0xFFFFFFF0, {}, 0};
    QVERIFY(top.canHandOut(2));
    QVERIFY(!top.canHandOut(3));
    top.givenBack = {0x30, 0x20};
    QVERIFY(top.canHandOut(4));
    QCOMPARE(top.nextAddress(), std::optional<quint32>(0x20));
}

void TstStore::unitsOfRunsThatAreGoneBecomeUnknown()
{
    auto store = openStore(m_dir.filePath("gone.db"));
    QVERIFY(store);
    const RunIdentity self = RunIdentity::current();
    RunIdentity reusedPid = self; // the same number, another process
    reusedPid.startTicks += 1;
    RunIdentity beforeReboot = self;
    beforeReboot.bootId = QStringLiteral("another-boot");
    RunIdentity otherHost = self;
    otherHost.host = QStringLiteral("station-2");
    const QList<std::pair<RunIdentity, int>> runs{
        {self, 1}, {reusedPid, 2}, {beforeReboot, 3}, {otherHost, 1}};
    QList<RunContext> contexts;
    for (const auto &[who, units] : runs) {
        const ProductionStore::RunStart start = store->beginRun(who, "test");
        QCOMPARE(start.error, QString());
        contexts << RunContext{start.runId, {}, who.host, {}, {}};
    }
    for (qsizetype r = 0; r < runs.size(); ++r)
        for (int i = 0; i < runs.at(r).second; ++i) // no pool: units without an address
            QCOMPARE(reserveOne(*store, contexts.at(r)), std::nullopt);
    QString error;
    const std::optional<StoreCheck> before = StoreReport::check(*store, &error);
    QVERIFY(before);
    QCOMPARE(before->findings.size(), 2); // the two runs that are gone
    QCOMPARE(before->notes.size(), 2);    // this process, and a run of another host

    const ProductionStore::RunStart next = store->beginRun(self, "test");
    QCOMPARE(next.unknown, 5);
    UnitFilter unknown;
    unknown.state = UnitState::Unknown;
    QCOMPARE(StoreReport::units(*store, unknown, &error).size(), 5);
    UnitFilter reserved;
    reserved.state = UnitState::Reserved;
    QCOMPARE(StoreReport::units(*store, reserved, &error).size(), 2);
    QCOMPARE(StoreReport::check(*store, &error)->findings, QStringList());
    QCOMPARE(store->beginRun(self, "test").unknown, 0); // once
}

void TstStore::oldLogIsImportedAndItsAddressesTaken()
{
    // An earlier version's log: two modules got 00000200 (the fault the
    // store ends), one was only tried, one row was cut short by a full disk.
    const QString log = m_dir.filePath("old.csv");
    QFile file(log);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QStringList head = ProgramLog::header().mid(0, 14);
    file.write(ProgramLog::csvLine(head));
    const auto row = [&](const char *local, const char *written, const char *result) {
        QStringList r(head.size());
        r[0] = QStringLiteral("2026-12-01T10:00:00Z");
        r[6] = QStringLiteral("/line/site.json");
        r[7] = QStringLiteral("abc");
        r[8] = QString::fromLatin1(local);
        r[10] = QString::fromLatin1(written);
        r[12] = QString::fromLatin1(result);
        file.write(ProgramLog::csvLine(r));
    };
    row("00000200", "ffffffff0000020006400323", "PASS");
    row("00000200", "ffffffff0000020006400323", "PASS");
    row("00000201", "ffffffff0000020106400323", "PASS");
    row("", "", "FAIL");
    file.write("2026-12-01T10:00:09Z,vm,/dev/ttyUSB3");
    file.close();

    auto store = openStore(m_dir.filePath("import.db"));
    QVERIFY(store);
    QString error;
    QVERIFY(LegacyLogImport::isLegacy(log, &error));
    const LegacyLogImport::Result imported = LegacyLogImport::run(*store, log);
    QCOMPARE(imported.error, QString());
    QCOMPARE(imported.rows, 4);
    QVERIFY(!LegacyLogImport::isLegacy(log, &error));
    QFile rewritten(log);
    QVERIFY(rewritten.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = ProgramLog::parseCsv(rewritten.readAll());
    QCOMPARE(rows.size(), 6);
    QCOMPARE(rows.first(), ProgramLog::header());
    QCOMPARE(rows.at(4).at(14), QStringLiteral("fail"));
    QCOMPARE(rows.at(5).at(2), QStringLiteral("/dev/ttyUSB3")); // kept, not taken as a record

    // The profile's pool takes the written addresses and goes on after them.
    const PoolKey key = PoolKey::of(fields({}, 1600), 0x100, 1);
    QVERIFY(store->openPool(key, "/line/site.json", "other-digest", &error));
    QCOMPARE(store->findPool(key, &error)->nextAddress(), std::optional<quint32>(0x202));
    const std::optional<StoreCheck> check = StoreReport::check(*store, &error);
    QVERIFY(check);
    QCOMPARE(check->findings,
             QStringList{"local address 00000200 went to 2 modules (imported rows of profile "
                         "abc)"});
}

void TstStore::failedCommitStopsNewModules()
{
    auto modules = VirtualModule::startMany(2);
    QVERIFY(modules.size() == 2);
    const QString path = m_dir.filePath("locked.db");
    const QString profile = m_dir.filePath("p.json");
    QFile p(profile);
    QVERIFY(p.open(QIODevice::WriteOnly));
    p.write(R"({"format": "zomar-profile", "version": 1, "channel": 1600})");
    p.close();
    LineSetup setup;
    setup.profilePath = profile;
    setup.localFrom = 0x300;
    setup.store = path;
    setup.modules = 1;
    setup.busyTimeoutMs = 300;
    ProductionRun run;
    QVERIFY(!run.open(setup));
    QSignalSpy finished(&run, &ProductionRun::moduleFinished);
    QSignalSpy failed(&run, &ProductionRun::recordFailed);
    run.start({modules[0]->devicePath()});
    // Once the module is inside its write (its row is on disk), another
    // program takes the store and holds it past the busy timeout.
    QTRY_VERIFY_WITH_TIMEOUT(modules[0]->messagesHandled() >= 3, 5000);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
        other.setDatabaseName(path);
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 5000);
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("ROLLBACK")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    const auto outcome = finished.first().first().value<ModuleOutcome>();
    // Written and verified, but not committed: never a PASS.
    QVERIFY(!outcome.pass);
    QCOMPARE(outcome.failure, ModuleOutcome::NotRecorded);
    QCOMPARE(modules[0]->configuration().mid(4, 4).toHex(), QByteArray("00000300"));
    QCOMPARE(failed.size(), 1);
    QVERIFY(!run.program({modules[1]->devicePath(), {}, {}, {}}));
    QTest::qWait(300);
    QCOMPARE(modules[1]->receivedBytes(), QByteArray());
    UnitFilter reserved;
    reserved.state = UnitState::Reserved;
    QString error;
    QCOMPARE(StoreReport::units(*run.store(), reserved, &error).size(), 1);
}

void TstStore::operatorIsKeptAndAnOlderStoreMigrated()
{
    // A store as the version before left it: no operator column, schema 2.
    const QString path = m_dir.filePath("older.db");
    {
        auto store = openStore(path);
        QVERIFY(store);
        QSqlQuery q(store->database());
        QVERIFY(q.exec("ALTER TABLE units DROP COLUMN operator_name"));
        // Nor what came after it: product serials and labels, what the
        // supervisor's page and the feed read and keep.
        QVERIFY(q.exec("DROP INDEX units_by_serial"));
        for (const char *column :
             {"product_serial", "label_state", "label_reason", "label_target", "label_at"})
            QVERIFY(q.exec(QStringLiteral("ALTER TABLE units DROP COLUMN %1").arg(column)));
        QVERIFY(q.exec("DROP INDEX units_by_settled"));
        QVERIFY(q.exec("ALTER TABLE runs DROP COLUMN journal_waiting"));
        QVERIFY(q.exec("DROP TABLE feed_marks"));
        QVERIFY(q.exec("DROP TABLE feed_deliveries"));
        QVERIFY(q.exec("DROP TABLE retired_addresses"));
        QVERIFY(q.exec("UPDATE schema_version SET version = 2"));
    }
    auto store = openStore(path);
    QVERIFY(store);
    const ProductionStore::RunStart run = store->beginRun(RunIdentity::current(), "test");
    QCOMPARE(run.error, QString());
    UnitBatch batch;
    batch.starts << UnitStart{{QStringLiteral("/dev/ttyUSB1"), {}, {}, {}}, QStringLiteral("Ana")}
                 << UnitStart{{QStringLiteral("/dev/ttyUSB2"), {}, {}, {}}};
    QCOMPARE(store->record(RunContext{run.runId, {}, "station", {}, {}}, batch), QString());
    QString error;
    const QList<UnitRow> units = StoreReport::units(*store, {}, &error);
    QCOMPARE(error, QString());
    QCOMPARE(units.size(), 2);
    QCOMPARE(units.at(0).operatorName, QStringLiteral("Ana"));
    QCOMPARE(units.at(1).operatorName, QString());
    // The operator after the run; the serial and the label's columns follow.
    QVERIFY(StoreReport::csv(units).split('\n').at(1).trimmed().endsWith(",Ana,,,,,"));
}

void TstStore::journalOfAnotherVersion_data()
{
    QTest::addColumn<int>("version"); // PRAGMA user_version as another program left it
    QTest::addColumn<QString>("refused"); // "" when it is taken (and brought up to date)
    QTest::newRow("before versions") << 0 << QString();
    QTest::newRow("version 1") << 1 << QString();
    QTest::newRow("newer") << 9 << QStringLiteral("written by a newer version of this program "
                                                  "(journal version 9; this one knows up to 4)");
}

void TstStore::journalOfAnotherVersion()
{
    QFETCH(int, version);
    QFETCH(QString, refused);
    // A journal with a row still to forward, as that version left it.
    const QString path = m_dir.filePath(QStringLiteral("journal-%1.db").arg(version));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "old");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const char *statement :
             {"CREATE TABLE lease (pool_id INTEGER NOT NULL, address INTEGER NOT NULL, run_id "
              "INTEGER NOT NULL, unit_uuid TEXT, PRIMARY KEY (pool_id, address))",
              "CREATE TABLE outbox (seq INTEGER PRIMARY KEY, kind TEXT NOT NULL, unit_uuid TEXT "
              "NOT NULL, body TEXT NOT NULL)",
              "INSERT INTO outbox (kind, unit_uuid, body) VALUES ('end_run', '', "
              "'{\"run_id\": 7}')"})
            QVERIFY2(q.exec(QString::fromLatin1(statement)), qPrintable(q.lastError().text()));
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));
    QString error;
    const std::unique_ptr<StationJournal> journal = StationJournal::open(path, &error);
    if (!refused.isEmpty()) {
        QVERIFY(!journal);
        QVERIFY2(error.contains(refused), qPrintable(error));
        return;
    }
    QVERIFY2(journal, qPrintable(error));
    QCOMPARE(journal->waiting(10, &error).size(), 1);
    QCOMPARE(journal->currentRun(7), 7);
    QCOMPARE(journal->setCurrentRun(8), QString());
    QCOMPARE(journal->currentRun(7), 8);
}

QTEST_GUILESS_MAIN(TstStore)
#include "tst_store.moc"
