// A line of stations on a real PostgreSQL server (a throwaway cluster) when
// the network fails silently: the server reached through a proxy of the
// test's own that stops forwarding without closing anything, as a pulled
// cable or a dead switch does. A station notices within seconds, goes on
// with its lease, never touches a module it has no address for, and a
// release from elsewhere while it is cut off never gives one address to two
// modules. Also what a station's rows carry (the operator) and what the
// tools never print (a password). Needs the Debian package postgresql.

#include "tests/cli/StationRun.h"
#include "tests/support/CutProxy.h"
#include "tests/support/PgCluster.h"

#include <QElapsedTimer>
#include <QSet>

#include <csignal>

using namespace zomar;
using namespace zomar::test;

class TstStationFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { m_proxy->restore(); } // a test that failed while cut
    void silentCutIsNoticed();
    void moduleWithoutAddressIsNeverTouched();
    void releaseWhileCutOffSharesNoAddress();
    void operatorReachesTheServer();
    void serialRefusedWhenForwardedIsSaid();
    void passwordIsNeverShown_data();
    void passwordIsNeverShown();
    void namesStayOneLine();

private:
    QProcessEnvironment env() const
    {
        QProcessEnvironment e = cliEnvironment();
        e.insert(QStringLiteral("PGPASSWORD"), QStringLiteral("secret"));
        return e;
    }
    CliRun cli(const QStringList &args) { return finishCli(*startCli(args, {}, env()), 60000); }
    // Straight to the server, or through the proxy (a short connect time-out:
    // a cut network takes connections and never answers).
    QString direct() const { return m_pg.uri("line", "line"); }
    QString viaProxy() const
    {
        return QStringLiteral("postgresql://line@127.0.0.1:%1/line?connect_timeout=2")
            .arg(m_proxy->port());
    }
    QStringList program(const QString &store, const QString &station, const QString &from)
    {
        return {"program", "--profile", m_profile, "--local-from", from, "--store", store,
                "--station", station};
    }
    Station startStation(const QString &store, const QString &name, const QString &from,
                         const QStringList &more = {})
    {
        Station s;
        s.hub = m_dir.filePath("hub-" + name);
        QDir().mkpath(s.hub);
        s.process = startCli(program(store, name, from) + QStringList{"--wait", "--watch", s.hub} +
                                 more,
                             {}, env());
        return s;
    }
    static void stop(Station &s)
    {
        ::kill(pid_t(s.process->processId()), SIGINT);
        QVERIFY(s.process->waitForFinished(30000));
        s.pull();
    }
    QString query(const QString &sql)
    {
        QString out;
        return m_pg.sql(sql, "line", &out) ? out : QStringLiteral("failed: ") + out;
    }

    PgCluster m_pg;
    std::unique_ptr<CutProxy> m_proxy;
    QTemporaryDir m_dir;
    QString m_profile;
};

void TstStationFaults::initTestCase()
{
    QVERIFY2(m_pg.start(), qPrintable(m_pg.error()));
    QVERIFY(m_pg.addOwner("line", "secret"));
    QCOMPARE(cli({"records", "init", "--store", direct()}).exitCode, 0);
    m_proxy = std::make_unique<CutProxy>(m_pg.socketDir() + "/.s.PGSQL.5432");
    QVERIFY(m_proxy->port() > 0);
    m_profile = writeFile(m_dir, "line.json", kLineProfile);
}

void TstStationFaults::silentCutIsNoticed()
{
    Tray t = tray(6, 0x100);
    QVERIFY(t.size() == 6);
    Station s = startStation(viaProxy(), "quiet", "20000", {"--lease", "4"});
    QTRY_VERIFY_WITH_TIMEOUT(s.out.contains("Station ready") || (s.pull(), false), 20000);
    s.plug(t, 0, 2);
    QTRY_COMPARE_WITH_TIMEOUT(s.results(), 2, 20000);

    m_proxy->cut();
    QElapsedTimer cut;
    cut.start();
    QTRY_VERIFY2_WITH_TIMEOUT(s.says("The server cannot be reached"), qPrintable(s.out + s.err), 20000);
    QVERIFY2(cut.elapsed() < 10000, qPrintable(QString::number(cut.elapsed())));
    // The lease's two addresses go on; the next two modules are not touched.
    s.plug(t, 2, 6);
    QTRY_COMPARE_WITH_TIMEOUT(s.results(), 6, 20000);
    QCOMPARE(s.out.count("not started: offline, and this station's lease has no address left"),
             2);
    // Which two is the order the station saw them in.
    QCOMPARE(std::count_if(t.begin() + 2, t.end(),
                           [](const auto &m) { return m->receivedBytes().isEmpty(); }),
             2);

    m_proxy->restore();
    QTRY_VERIFY_WITH_TIMEOUT(s.says("The server answers again"), 20000);
    QTRY_VERIFY2_WITH_TIMEOUT(query("SELECT COUNT(*) FROM units WHERE station = 'quiet' AND "
                                    "state = 'pass'") == QStringLiteral("4") ||
                                  (s.pull(), false),
                              qPrintable(query("SELECT address, state, note FROM units WHERE "
                                               "station = 'quiet' ORDER BY id") +
                                         "\n" + s.out + s.err),
                              20000);
    stop(s);
    // The drivers' own warnings about the lost connection stay off the output.
    QVERIFY2(!s.err.contains("QSqlQuery") && !s.err.contains("Unable to free"), qPrintable(s.err));
}

void TstStationFaults::moduleWithoutAddressIsNeverTouched()
{
    Tray t = tray(4, 0x200);
    QVERIFY(t.size() == 4);
    Station s = startStation(viaProxy(), "hold", "24000", {"--lease", "2"});
    QTRY_VERIFY_WITH_TIMEOUT(s.out.contains("Station ready") || (s.pull(), false), 20000);
    // Cut before the station knows: two modules have their addresses (their
    // rows wake the link, which then waits on the dead line), the third
    // waits for a lease the server will not answer.
    m_proxy->cut();
    s.plug(t, 0, 2);
    QTRY_VERIFY_WITH_TIMEOUT(!t[0]->receivedBytes().isEmpty() && !t[1]->receivedBytes().isEmpty(),
                             5000);
    s.plug(t, 2, 3);
    QTest::qWait(300);
    // Meanwhile the third is pulled out and another takes its name.
    QFile::remove(s.hub + "/m2");
    QFile::link(t[3]->devicePath(), s.hub + "/m2");
    QTRY_COMPARE_WITH_TIMEOUT(s.results(), 4, 20000);
    QCOMPARE(s.out.count(QRegularExpression("^PASS  ", QRegularExpression::MultilineOption)), 2);
    QVERIFY2(s.out.contains("the module went away before anything was written"), qPrintable(s.out));
    QCOMPARE(t[2]->receivedBytes(), QByteArray());
    QCOMPARE(t[3]->receivedBytes(), QByteArray());
    m_proxy->restore();
    QTRY_VERIFY_WITH_TIMEOUT(s.says("The server answers again"), 20000);
    stop(s);
}

void TstStationFaults::releaseWhileCutOffSharesNoAddress()
{
    Tray a = tray(7, 0x300), b = tray(6, 0x380);
    QVERIFY(a.size() == 7 && b.size() == 6);
    Station cutOff = startStation(viaProxy(), "alpha", "30000", {"--lease", "8"});
    QTRY_VERIFY_WITH_TIMEOUT(cutOff.out.contains("Station ready") || (cutOff.pull(), false),
                             20000);
    cutOff.plug(a, 0, 2);
    QTRY_COMPARE_WITH_TIMEOUT(cutOff.results(), 2, 20000);
    m_proxy->cut();
    QTRY_VERIFY_WITH_TIMEOUT(cutOff.says("The server cannot be reached"), 20000);

    // From another PC, after a minute of quiet: the station is released.
    QVERIFY(m_pg.sql("UPDATE runs SET host = 'alpha-pc', seen_at = seen_at - 120 WHERE station = "
                     "'alpha' AND ended_at IS NULL",
                     "line"));
    const CliRun release = cli({"records", "release", "--station", "alpha", "--store", direct()});
    QVERIFY2(release.out.contains("6 address(es) of its lease retired"),
             qPrintable(release.out + release.err));
    // Another station takes the range's next addresses; the cut-off one goes
    // on with its lease.
    const CliRun other = cli(program(direct(), "beta", "30000") + deviceArgs(b));
    QCOMPARE(other.exitCode, 0);
    cutOff.plug(a, 2, 5);
    QTRY_COMPARE_WITH_TIMEOUT(cutOff.results(), 5, 20000);

    // Back online: it says so, drops the lease, and takes a new one.
    m_proxy->restore();
    QTRY_VERIFY_WITH_TIMEOUT(cutOff.says("was released from elsewhere"), 20000);
    const qsizetype before = cutOff.out.size();
    cutOff.plug(a, 5, 7);
    QTRY_COMPARE_WITH_TIMEOUT(cutOff.results(), 7, 20000);
    QCOMPARE(cutOff.out.mid(before).count("released from elsewhere"), 2);
    stop(cutOff);

    QSet<quint32> locals;
    for (const Tray *t : {&a, &b})
        for (const auto &m : *t) {
            QCOMPARE(m->configuration(), programmed(localOf(*m)));
            locals.insert(localOf(*m));
        }
    QCOMPARE(locals.size(), 13);
    // What the record holds agrees, and records check still finds any
    // address of two units.
    const CliRun check = cli({"records", "check", "--store", direct()});
    QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
    QCOMPARE(query("SELECT COUNT(DISTINCT local_address) FROM units WHERE station IN ('alpha', "
                   "'beta') AND state = 'pass'"),
             QStringLiteral("13"));
    QVERIFY(m_pg.sql("UPDATE units SET local_address = (SELECT MIN(local_address) FROM units "
                     "WHERE station = 'beta') WHERE unit_uuid = (SELECT MAX(unit_uuid) FROM units "
                     "WHERE station = 'alpha')",
                     "line"));
    QCOMPARE(cli({"records", "check", "--store", direct()}).exitCode, 3);
}

void TstStationFaults::operatorReachesTheServer()
{
    Tray t = tray(1, 0x400);
    QVERIFY(t.size() == 1);
    const CliRun r = cli(program(direct(), "named", "40000") + deviceArgs(t) +
                         QStringList{"--operator", "Ann Example"});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(query("SELECT operator_name FROM units WHERE station = 'named'"),
             QStringLiteral("Ann Example"));
    const CliRun list = cli({"records", "list", "--station", "named", "--store", direct()});
    QVERIFY2(list.out.contains("OPERATOR") && list.out.contains("Ann Example"),
             qPrintable(list.out));
}

void TstStationFaults::serialRefusedWhenForwardedIsSaid()
{
    Tray t = tray(1, 0x300);
    Station s = startStation(viaProxy(), "scans", "30000", {"--serial-pattern", "SN-[0-9]{4}"});
    QTRY_VERIFY_WITH_TIMEOUT(s.out.contains("Station ready") || (s.pull(), false), 20000);
    s.plug(t, 0, 1);
    QTRY_VERIFY2_WITH_TIMEOUT(s.says("Scan the product serial of unit "), qPrintable(s.err), 20000);
    m_proxy->cut();
    QTRY_VERIFY2_WITH_TIMEOUT(s.says("The server cannot be reached"), qPrintable(s.err), 20000);
    s.process->write("SN-0042\n");
    QTRY_VERIFY_WITH_TIMEOUT((s.pull(), s.out.contains("S/N SN-0042")), 20000);

    // Another station binds the same serial on the server meanwhile.
    const std::unique_ptr<QProcess> other = startCli(
        program(direct(), "other", "30000") << "--simulate" << "1" << "--serial-pattern" << "SN-.*",
        {}, env());
    QVERIFY(QTest::qWaitFor([&] { return other->readAllStandardError().contains("Scan the"); },
                            20000));
    other->write("SN-0042\n");
    QCOMPARE(finishCli(*other, 30000).exitCode, 0);

    m_proxy->restore();
    QTRY_VERIFY2_WITH_TIMEOUT(s.says("The server refused product serial SN-0042 for unit "),
                              qPrintable(s.err), 30000);
    QVERIFY2(s.err.contains(QRegularExpression(
                 "for unit [-0-9a-f]+ \\(local address [0-9A-F]{8}\\) when this station's journal "
                 "reached it: product serial SN-0042 is already bound to unit [-0-9a-f]+ \\(local "
                 "address [0-9A-F]{8}\\), which passed\\. The unit has no serial in the record")),
             qPrintable(s.err));
    QCOMPARE(s.err.count("The server refused product serial"), 1);
    stop(s);
}

void TstStationFaults::passwordIsNeverShown_data()
{
    QTest::addColumn<QStringList>("args");
    QString inUser = direct();
    inUser.replace("line@", "line:hunter2@");
    const QString inQuery = direct() + "&password=hunter2";
    QTest::newRow("doctor, user:password@") << QStringList{"doctor", "--store", inUser};
    QTest::newRow("doctor, ?password=") << QStringList{"doctor", "--store", inQuery};
    QTest::newRow("records, user:password@") << QStringList{"records", "list", "--store", inUser};
}

void TstStationFaults::passwordIsNeverShown()
{
    QFETCH(QStringList, args);
    const CliRun r = cli(args);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("a password in the store's address is refused"), qPrintable(r.err));
    QVERIFY2(!(r.out + r.err).contains("hunter2"), qPrintable(r.out + r.err));
}

void TstStationFaults::namesStayOneLine()
{
    Tray t = tray(2, 0x500);
    QVERIFY(t.size() == 2);
    const CliRun refused = cli(program(direct(), "two\nlines", "50000") + deviceArgs(t));
    QCOMPARE(refused.exitCode, 4);
    QVERIFY2(refused.err.contains("the station's name may not hold a line break"),
             qPrintable(refused.err));
    QCOMPARE(t[0]->receivedBytes(), QByteArray());
    // A row that has one anyway (written by another tool) is one line of the table.
    QCOMPARE(cli(program(direct(), "oneline", "50000") + deviceArgs(t)).exitCode, 0);
    QVERIFY(m_pg.sql("UPDATE units SET station = E'one\\nline' WHERE station = 'oneline'",
                     "line"));
    const CliRun list = cli({"records", "list", "--store", direct(), "--station", "one\nline"});
    QCOMPARE(list.out.count('\n'), 3); // the header and two units
}

QTEST_GUILESS_MAIN(TstStationFaults)
#include "tst_stationfaults.moc"
