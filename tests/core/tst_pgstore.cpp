// The production store on a real PostgreSQL server (a throwaway cluster):
// server addresses, the schema made only when asked, leases that hand out
// each address once, rows forwarded twice that change nothing the second
// time, and a station that died released. Needs the Debian package
// postgresql: without it these tests fail and say so.

#include "apps/zomar-cli/RemedyWords.h"
#include "core/store/PostgresBackend.h"
#include "core/store/ProductionStore.h"
#include "core/sharedstore/StoreLeases.h"
#include "core/store/StoreReport.h"
#include "core/profiles/Profile.h"
#include "tests/support/PgCluster.h"

#include <QSet>
#include <QtTest>

using namespace zomar;
using namespace zomar::test;

namespace {

Profile channelOnly(int channel)
{
    Profile p;
    p.channel = channel;
    return p;
}

} // namespace

class TstPgStore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void addressesAreTakenApart_data();
    void addressesAreTakenApart();
    void schemaIsMadeOnlyWhenAsked();
    void leasesHandOutEachAddressOnce();
    void forwardedRowsCountOnce();
    void deadStationIsReleased();

private:
    std::unique_ptr<ProductionStore> open(const QString &db = QStringLiteral("line"))
    {
        QString error;
        auto store = ProductionStore::open(m_pg.uri(QStringLiteral("line"), db),
                                           ProductionStore::Mode::Existing, &error);
        if (!store)
            qWarning("%s", qPrintable(error));
        return store;
    }
    RunContext run(ProductionStore &store, const QString &station, const PoolKey &key)
    {
        RunContext c;
        c.runId = store.beginRun(RunIdentity::current(), "test", station).runId;
        c.station = station;
        QString error;
        c.poolId = store.openPool(key, {}, {}, &error);
        return c;
    }
    PgCluster m_pg;
};

void TstPgStore::initTestCase()
{
    // The remedies the core names, in the command line's words.
    useCommandLineRemedies();
    QVERIFY2(m_pg.start(), qPrintable(m_pg.error()));
    QVERIFY(m_pg.addOwner("line", "secret"));
    QVERIFY(m_pg.addOwner("other", "secret"));
    qputenv("PGPASSWORD", "secret");
    QString error;
    QVERIFY2(ProductionStore::open(m_pg.uri("line", "line"), ProductionStore::Mode::Init, &error),
             qPrintable(error));
}

void TstPgStore::addressesAreTakenApart_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("identity"); // "" when refused
    QTest::addColumn<QString>("says");
    QTest::newRow("user, host, port, database")
        << "postgresql://line@db.factory:5433/records" << "line@db.factory:5433/records" << "";
    QTest::newRow("socket folder in the query")
        << "postgres://line@/records?host=%2Fvar%2Frun%2Fpostgresql&sslmode=disable"
        << "line@/var/run/postgresql:5432/records" << "";
    QTest::newRow("IPv6") << "postgresql://line@[::1]:6000/r" << "line@::1:6000/r" << "";
    QTest::newRow("password in the user part")
        << "postgresql://line:hunter2@db/records" << ""
        << "postgresql://line:***@db/records: a password in the store's address is refused";
    QTest::newRow("password as a parameter")
        << "postgresql://line@db/records?password=hunter2" << "" << "put it in ~/.pgpass";
    QTest::newRow("unknown parameter") << "postgresql://line@db/r?colour=red" << ""
                                       << "unknown parameter \"colour\"";
    QTest::newRow("port out of range") << "postgresql://line@db:70000/r" << ""
                                       << "the port 70000 is not a number from 1 to 65535";
    QTest::newRow("several servers") << "postgresql://line@a,b/r" << "" << "name one server";
}

void TstPgStore::addressesAreTakenApart()
{
    QFETCH(QString, location);
    QFETCH(QString, identity);
    QFETCH(QString, says);
    QString error;
    const std::optional<PgAddress> a = PgAddress::parse(location, &error);
    QCOMPARE(a ? a->identity() : QString(), identity);
    QVERIFY2(error.contains(says), qPrintable(error));
    QVERIFY(!error.contains("hunter2"));
}

void TstPgStore::schemaIsMadeOnlyWhenAsked()
{
    // A station never makes the tables; whoever may says so.
    QString error;
    const QString empty = m_pg.uri("other", "other");
    QVERIFY(!ProductionStore::open(empty, ProductionStore::Mode::Create, &error));
    QVERIFY2(error.contains("holds no production record yet: make it with `zomar-cli records "
                            "init --store " +
                            empty + "`"),
             qPrintable(error));
    QVERIFY(m_pg.sql("SELECT 1", "other", &error));
    QCOMPARE(error, QStringLiteral("1")); // nothing was made in it
    QVERIFY(m_pg.sql("SELECT COUNT(*) FROM pg_tables WHERE schemaname = 'public'", "other",
                     &error));
    QCOMPARE(error, QStringLiteral("0"));
    QVERIFY(ProductionStore::open(empty, ProductionStore::Mode::Init, &error));
    QVERIFY2(ProductionStore::open(empty, ProductionStore::Mode::Create, &error),
             qPrintable(error));
}

void TstPgStore::leasesHandOutEachAddressOnce()
{
    auto a = open();
    auto b = open();
    QVERIFY(a && b);
    // From 000000A3: the addresses holding the byte A5 are passed over.
    const PoolKey key = PoolKey::of(channelOnly(1601), 0xA3, 1);
    const RunContext ca = run(*a, "north", key);
    const RunContext cb = run(*b, "south", key);
    QVERIFY(ca.poolId && ca.poolId == cb.poolId);
    const Lease first = StoreLeases::take(*a, ca, 3);
    const Lease second = StoreLeases::take(*b, cb, 2);
    QCOMPARE(first.error + second.error, QString());
    QCOMPARE(first.addresses, (QList<quint32>{0xA3, 0xA4, 0xA6}));
    QCOMPARE(second.addresses, (QList<quint32>{0xA7, 0xA8}));
    // The north station ends cleanly with two of its three unwritten: they
    // go back, and are leased first.
    QCOMPARE(StoreLeases::apply(*a, {JournalOp::giveBack(ca, {0xA3, 0xA6})}), QString());
    QCOMPARE(StoreLeases::take(*b, cb, 3).addresses, (QList<quint32>{0xA3, 0xA6, 0xA9}));
    // The primary key stops a second holder, whatever the code does.
    QString out;
    QVERIFY(!m_pg.sql(QStringLiteral("INSERT INTO leased_addresses VALUES (%1, 167, %2, 'x', "
                                     "'now')")
                          .arg(*ca.poolId)
                          .arg(ca.runId),
                      "line", &out));
    QVERIFY2(out.contains("duplicate key"), qPrintable(out));

    // Many leases at once from many connections (each on its own thread):
    // each address once.
    const PoolKey busy = PoolKey::of(channelOnly(1602), 0x1000, 1);
    QList<QList<quint32>> taken(4);
    QList<QThread *> threads;
    for (int i = 0; i < 4; ++i) {
        threads << QThread::create([&, i] {
            auto store = open();
            if (!store)
                return;
            const RunContext c = run(*store, QStringLiteral("s%1").arg(i), busy);
            for (int n = 0; n < 10; ++n)
                taken[i] += StoreLeases::take(*store, c, 5).addresses;
        });
        threads.back()->start();
    }
    QSet<quint32> all;
    for (int i = 0; i < 4; ++i) {
        QVERIFY(threads[i]->wait(60000));
        delete threads[i];
        QCOMPARE(taken[i].size(), 50);
        all.unite(QSet<quint32>(taken[i].begin(), taken[i].end()));
    }
    QCOMPARE(all.size(), 200);

    // A range at its end: what is left, and the pool says it is empty.
    const RunContext top = run(*a, "north", PoolKey::of(channelOnly(1603), 0xFFFFFFFD, 1));
    const Lease last = StoreLeases::take(*a, top, 5);
    QCOMPARE(last.addresses, (QList<quint32>{0xFFFFFFFD, 0xFFFFFFFE, 0xFFFFFFFF}));
    QVERIFY(last.poolEmpty);
}

void TstPgStore::forwardedRowsCountOnce()
{
    auto store = open();
    QVERIFY(store);
    const RunContext c = run(*store, "east", PoolKey::of(channelOnly(1604), 0x500, 1));
    QCOMPARE(StoreLeases::take(*store, c, 4).addresses.size(), 4);
    // What a station's journal holds after four modules: one passed, one
    // never answered (its address back in the lease, then used again), one
    // lost after its packet; then a clean end gives the fourth back.
    const auto reserve = [&](const QString &unit, quint32 address) {
        Reservation r;
        r.unitId = unit;
        r.local = address;
        return JournalOp::reserve(c, UnitStart{{"/dev/ttyUSB1", {}, {}, {}}}, r);
    };
    const auto settle = [&](const QString &unit, bool pass, bool sent, quint32 address,
                            std::optional<quint32> back) {
        UnitSettlement s;
        s.unitId = unit;
        s.pass = pass;
        s.packetSent = sent;
        s.local = address;
        return JournalOp::settle(c, s, back);
    };
    const QList<JournalOp> ops{reserve("u1", 0x500),
                               settle("u1", true, true, 0x500, std::nullopt),
                               reserve("u2", 0x501),
                               settle("u2", false, false, 0x501, 0x501),
                               reserve("u3", 0x501),
                               settle("u3", false, true, 0x501, std::nullopt),
                               JournalOp::giveBack(c, {0x502, 0x503}),
                               JournalOp::endRun(c.runId)};
    // The answer to a commit may be lost with the network: the same rows
    // come again, in part or whole.
    QCOMPARE(StoreLeases::apply(*store, ops.mid(0, 5)), QString());
    QCOMPARE(StoreLeases::apply(*store, ops), QString());
    QCOMPARE(StoreLeases::apply(*store, ops), QString());
    QString error;
    UnitFilter east;
    east.station = "east";
    const QList<UnitRow> units = StoreReport::units(*store, east, &error);
    QCOMPARE(units.size(), 3);
    QCOMPARE(units.at(0).state, UnitState::Pass);
    QCOMPARE(units.at(1).local, std::nullopt); // never reached its module
    QCOMPARE(units.at(2).local, std::optional<quint32>(0x501));
    const std::optional<StoreCheck> check = StoreReport::check(*store, &error);
    QVERIFY2(check, qPrintable(error));
    QVERIFY2(check->findings.isEmpty(), qPrintable(check->findings.join('\n')));
    const std::optional<PoolState> pool = store->findPool(
        PoolKey::of(channelOnly(1604), 0x500, 1), &error);
    QCOMPARE(pool->givenBack, (QList<quint32>{0x502, 0x503}));
    QCOMPARE(pool->held, 2);
}

void TstPgStore::deadStationIsReleased()
{
    auto store = open();
    QVERIFY(store);
    const PoolKey key = PoolKey::of(channelOnly(1605), 0x700, 1);
    // A station on another host, last heard from now: it may be running.
    RunIdentity elsewhere = RunIdentity::current();
    elsewhere.host = "west-pc";
    RunContext c;
    c.runId = store->beginRun(elsewhere, "test", "west").runId;
    c.station = "west";
    QString error;
    c.poolId = store->openPool(key, {}, {}, &error);
    QCOMPARE(StoreLeases::take(*store, c, 4).addresses.size(), 4);
    Reservation r;
    r.unitId = "w1";
    r.local = 0x700;
    QCOMPARE(StoreLeases::apply(*store, {JournalOp::reserve(c, {}, r)}), QString());
    const Release early = StoreLeases::release(*store, "west");
    // Heard just now: seconds are whole, so a second may turn in between.
    QVERIFY2(early.error.contains(QRegularExpression("was heard from [01] s ago")),
             qPrintable(early.error));
    // Judged by the host it runs on, named by its station.
    QVERIFY2(StoreReport::check(*store, &error)->notes.contains(
                 QStringLiteral("1 unit(s) reserved by run %1 of station west on west-pc "
                                "(another host: not judged from here)")
                     .arg(c.runId)),
             qPrintable(StoreReport::check(*store, &error)->notes.join('\n')));

    // Quiet for longer than asked: released. It may only be cut off and go
    // on with its lease, so the lease's addresses are retired, not given back.
    const Release done = StoreLeases::release(*store, "west", 0);
    QCOMPARE(done.error, QString());
    QCOMPARE(done.addresses, 3);
    QCOMPARE(done.units, 1);
    QCOMPARE(done.runs, 1);
    UnitFilter west;
    west.station = "west";
    QCOMPARE(StoreReport::units(*store, west, &error).first().state, UnitState::Unknown);
    QCOMPARE(store->findPool(key, &error)->givenBack, QList<quint32>());
    QCOMPARE(StoreLeases::release(*store, "west", 0).runs, 0); // once

    // Another station's lease starts after them.
    RunContext east = run(*store, "east", key);
    QCOMPARE(StoreLeases::take(*store, east, 2).addresses, (QList<quint32>{0x704, 0x705}));
    // The released one comes back: its rows of the time offline still come
    // in, each address with one unit; its run takes nothing more.
    r.unitId = "w2";
    r.local = 0x701;
    UnitSettlement s;
    s.unitId = "w2";
    s.pass = s.packetSent = true;
    s.local = 0x701;
    QCOMPARE(StoreLeases::apply(*store, {JournalOp::reserve(c, {}, r),
                                         JournalOp::settle(c, s, std::nullopt)}),
             QString());
    const UnitRow late = StoreReport::units(*store, west, &error).last();
    QCOMPARE(late.state, UnitState::Pass);
    QCOMPARE(late.local, std::optional<quint32>(0x701));
    QVERIFY2(late.message.contains("its address had been retired"), qPrintable(late.message));
    QVERIFY(StoreLeases::take(*store, c, 2).runEnded);
    bool ended = false;
    QCOMPARE(StoreLeases::heartbeat(*store, c.runId, &ended), QString());
    QVERIFY(ended);
    const std::optional<StoreCheck> check = StoreReport::check(*store, &error);
    QVERIFY2(check->findings.isEmpty(), qPrintable(check->findings.join('\n')));
    QVERIFY(check->notes.contains(QStringLiteral("pool %1: 2 address(es) retired by releases "
                                                 "(never handed out again)")
                                      .arg(*c.poolId)));
}

QTEST_GUILESS_MAIN(TstPgStore)
#include "tst_pgstore.moc"
