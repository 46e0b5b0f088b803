// A line's figures and its traceability on both kinds of store (a file and a
// throwaway PostgreSQL server): yields of products retried by their serial,
// units per hour, slots, operators and failures; a serial bound twice refused;
// a label's outcome kept per unit.

#include "core/store/ProductionStore.h"
#include "core/store/StoreSql.h"
#include "core/store/StoreStats.h"
#include "core/store/StoreTrace.h"
#include "core/profiles/Profile.h"
#include "tests/support/PgCluster.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zomar;
using namespace zomar::test;

namespace {

// One attempt of the fixture: its product, slot, operator and outcome, and
// the minute of the shift it started at (it takes one minute).
struct Attempt {
    const char *serial;
    const char *socket;
    const char *operatorName;
    bool pass;
    const char *failure;
    int minute;
};

} // namespace

class TstStoreStats : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fixtureFigures_data();
    void fixtureFigures();
    void serialsBindOncePerProduct_data();
    void serialsBindOncePerProduct();
    void weakSlotStandsOut();

private:
    void addBackends();
    std::unique_ptr<ProductionStore> freshStore(const QString &kind);
    // Reserves and settles one unit; its id.
    QString attempt(ProductionStore &store, const RunContext &c, const Attempt &a);

    PgCluster m_pg;
    QTemporaryDir m_dir;
    int m_stores = 0;
};

void TstStoreStats::initTestCase()
{
    QVERIFY2(m_pg.start(), qPrintable(m_pg.error()));
    QVERIFY(m_pg.addOwner("line", "secret"));
    qputenv("PGPASSWORD", "secret");
}

void TstStoreStats::addBackends()
{
    QTest::newRow("file") << QStringLiteral("file");
    QTest::newRow("server") << QStringLiteral("server");
}

std::unique_ptr<ProductionStore> TstStoreStats::freshStore(const QString &kind)
{
    QString error;
    const QString name = QStringLiteral("stats%1").arg(++m_stores);
    QString location = m_dir.filePath(name + QStringLiteral(".db"));
    if (kind == QLatin1String("server")) {
        if (!m_pg.sql(QStringLiteral("CREATE DATABASE %1 OWNER line").arg(name)))
            return nullptr;
        location = m_pg.uri(QStringLiteral("line"), name);
    }
    auto store = ProductionStore::open(location,
                                       kind == QLatin1String("server") ? ProductionStore::Mode::Init
                                                                       : ProductionStore::Mode::Create,
                                       &error);
    if (!store)
        qWarning("%s", qPrintable(error));
    return store;
}

QString TstStoreStats::attempt(ProductionStore &store, const RunContext &c, const Attempt &a)
{
    UnitBatch batch;
    batch.starts << UnitStart{{QStringLiteral("/dev/ttyUSB0"), {}, QLatin1String(a.socket), {}},
                              QLatin1String(a.operatorName)};
    if (!store.record(c, batch).isEmpty() || batch.reservations.size() != 1)
        return {};
    const QString unit = batch.reservations.first().unitId;
    if (*a.serial && !StoreTrace::bindSerial(store, unit, QLatin1String(a.serial)).isEmpty())
        return {};
    UnitBatch settle;
    UnitSettlement s;
    s.unitId = unit;
    s.pass = a.pass;
    s.packetSent = true;
    s.failure = QLatin1String(a.failure);
    settle.settlements << s;
    if (!store.record(c, settle).isEmpty())
        return {};
    // The fixture's own clock: a shift from 08:00 UTC.
    const QDateTime start(QDate(2026, 12, 7), QTime(8, 0), Qt::UTC);
    StoreSql sql(store.database(), store.backend());
    if (!sql.exec(QStringLiteral("UPDATE units SET reserved_at = ?, settled_at = ? WHERE "
                                 "unit_uuid = ?"),
                  {start.addSecs(a.minute * 60).toString(Qt::ISODateWithMs),
                   start.addSecs(a.minute * 60 + 60).toString(Qt::ISODateWithMs), unit}))
        return {};
    return unit;
}

void TstStoreStats::fixtureFigures_data()
{
    QTest::addColumn<QString>("kind");
    addBackends();
}

void TstStoreStats::fixtureFigures()
{
    QFETCH(QString, kind);
    auto store = freshStore(kind);
    QVERIFY(store);
    Profile profile;
    profile.channel = 1600;
    RunContext c;
    c.runId = store->beginRun(RunIdentity::current(), "test", "east").runId;
    c.station = "east";
    QString error;
    c.poolId = store->openPool(PoolKey::of(profile, 0x100, 1), {}, {}, &error);
    QVERIFY2(c.poolId, qPrintable(error));
    // Four products: two pass first time, one passes on retry, one fails
    // twice; in four hours (08:00 to 12:00).
    const Attempt attempts[] = {
        {"SN-A", "slot-1", "ann", true, "", 0},
        {"SN-B", "slot-2", "ann", true, "", 30},
        {"SN-C", "slot-2", "bob", false, "mismatch", 60},
        {"SN-C", "slot-1", "bob", true, "", 90},
        {"SN-D", "slot-2", "bob", false, "no_answer", 120},
        {"SN-D", "slot-2", "bob", false, "no_answer", 239},
    };
    for (const Attempt &a : attempts)
        QVERIFY(!attempt(*store, c, a).isEmpty());

    const std::optional<LineStats> s = StoreStats::compute(*store, {}, &error);
    QVERIFY2(s, qPrintable(error));
    QCOMPARE(s->units.tested, 4);
    QCOMPARE(s->units.passedFirst, 2);
    QCOMPARE(s->units.passed, 3);
    QCOMPARE(*s->units.firstPassYield(), 0.5);
    QCOMPARE(*s->units.finalYield(), 0.75);
    QCOMPARE(s->attempts, 6);
    QCOMPARE(s->retried, 2);
    QCOMPARE(s->withoutSerial, 0);
    QVERIFY(s->unitsPerHour);
    QCOMPARE(*s->unitsPerHour, 1.0); // four units in four hours
    QCOMPARE(s->sockets.size(), 2);
    QCOMPARE(s->sockets[0].name, QStringLiteral("slot-1"));
    QCOMPARE(s->sockets[0].passed, 2);
    QCOMPARE(s->sockets[1].attempts, 4);
    QCOMPARE(s->sockets[1].passed, 1);
    QCOMPARE(s->operators.size(), 2);
    QCOMPARE(s->operators[1].name, QStringLiteral("bob"));
    QCOMPARE(s->operators[1].passed, 1);
    QCOMPARE(s->failures.size(), 2);
    QCOMPARE(s->failures[0].reason, QStringLiteral("no_answer"));
    QCOMPARE(s->failures[0].attempts, 2);

    // Since 09:30: C's retry and D; C passed at its first attempt in the span.
    const std::optional<LineStats> later =
        StoreStats::compute(*store, {QStringLiteral("2026-12-07T09:30:00.000Z"), {}}, &error);
    QVERIFY2(later, qPrintable(error));
    QCOMPARE(later->units.tested, 2);
    QCOMPARE(later->units.passedFirst, 1);
    const std::optional<LineStats> other = StoreStats::compute(*store, {{}, "west"}, &error);
    QVERIFY(other);
    QCOMPARE(other->attempts, 0);
    QVERIFY(!other->units.firstPassYield());

    // D, failed twice at east, passes at west: a unit of each station, and
    // one unit of the line that passed at last.
    RunContext w = c;
    w.runId = store->beginRun(RunIdentity::current(), "test", "west").runId;
    w.station = "west";
    QVERIFY(!attempt(*store, w, {"SN-D", "slot-9", "cy", true, "", 240}).isEmpty());
    QVERIFY(!attempt(*store, w, {"", "slot-9", "cy", false, "mismatch", 241}).isEmpty());
    QHash<QString, YieldFigures> byStation;
    const std::optional<LineStats> line = StoreStats::compute(*store, {}, &error, &byStation);
    QVERIFY2(line, qPrintable(error));
    QCOMPARE(line->units.tested, 5);
    QCOMPARE(line->units.passedFirst, 2);
    QCOMPARE(line->units.passed, 4);
    QCOMPARE(line->withoutSerial, 1);
    QCOMPARE(byStation.size(), 2);
    const YieldFigures east = byStation.value("east"), west = byStation.value("west");
    QCOMPARE(QList<int>({east.tested, east.passedFirst, east.passed}), QList<int>({4, 2, 3}));
    QCOMPARE(QList<int>({west.tested, west.passedFirst, west.passed}), QList<int>({2, 1, 1}));
}

void TstStoreStats::serialsBindOncePerProduct_data()
{
    QTest::addColumn<QString>("kind");
    addBackends();
}

void TstStoreStats::serialsBindOncePerProduct()
{
    QFETCH(QString, kind);
    auto store = freshStore(kind);
    QVERIFY(store);
    RunContext c;
    c.runId = store->beginRun(RunIdentity::current(), "test", "east").runId;
    c.station = "east";
    const QString passed = attempt(*store, c, {"SN-1", "s", "", true, "", 0});
    const QString failed = attempt(*store, c, {"SN-2", "s", "", false, "mismatch", 1});
    const QString fresh = attempt(*store, c, {"", "s", "", true, "", 2});
    QVERIFY(!passed.isEmpty() && !failed.isEmpty() && !fresh.isEmpty());

    const QString refused = StoreTrace::bindSerial(*store, fresh, "SN-1");
    QVERIFY2(refused.contains("already bound to unit " + passed) && refused.contains("passed"),
             qPrintable(refused));
    // A product that failed is tried again: its serial moves on.
    QCOMPARE(StoreTrace::bindSerial(*store, fresh, "SN-2"), QString());
    QCOMPARE(StoreTrace::bindSerial(*store, fresh, "SN-2"), QString()); // the same scan twice
    QVERIFY(StoreTrace::bindSerial(*store, fresh, "SN-3").contains("already carries"));
    QVERIFY(StoreTrace::bindSerial(*store, "no-such-unit", "SN-4").contains("no unit"));

    // The label's outcome, kept and read back per unit.
    QCOMPARE(StoreTrace::recordLabel(*store, fresh,
                                     {false, "connection refused", "zpl://127.0.0.1:9",
                                      "2026-12-07T08:03:00.000Z"}),
             QString());
    QString error;
    const std::optional<UnitRow> row = StoreTrace::unit(*store, fresh, &error);
    QVERIFY2(row, qPrintable(error));
    QCOMPARE(row->productSerial, QStringLiteral("SN-2"));
    QCOMPARE(row->labelState, QStringLiteral("failed"));
    QCOMPARE(row->labelReason, QStringLiteral("connection refused"));
    QCOMPARE(row->labelTarget, QStringLiteral("zpl://127.0.0.1:9"));
    QVERIFY(!StoreTrace::recordLabel(*store, "no-such-unit", {true, {}, "pdf:/x", "now"}).isEmpty());
}

void TstStoreStats::weakSlotStandsOut()
{
    // Three sockets at 19 of 20, one at 12 of 20 (a worn socket).
    LineStats s;
    for (int slot = 0; slot < 4; ++slot)
        s.sockets << GroupYield{"east", QStringLiteral("slot-%1").arg(slot), 20, slot == 3 ? 12 : 19};
    const QList<GroupYield> weak = StoreStats::weakSlots(s);
    QCOMPARE(weak.size(), 1);
    QCOMPARE(weak.first().name, QStringLiteral("slot-3"));
    // Too few attempts say nothing.
    QVERIFY(StoreStats::weakSlots(s, 21).isEmpty());
}

QTEST_GUILESS_MAIN(TstStoreStats)
#include "tst_storestats.moc"
