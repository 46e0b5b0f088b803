// A line of several stations through zomar-cli, against virtual modules and
// a real PostgreSQL server (a throwaway cluster): stations side by side on
// one range, the server stopped and started again in the middle of a run, a
// station killed and restarted, the setups refused before anything is sent,
// and doctor --store. Needs the Debian package postgresql: without it these
// tests fail and say so.

#include "core/protocol/ConfigBlock.h"
#include "tests/cli/StationRun.h"
#include "tests/support/PgCluster.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>

#include <atomic>
#include <csignal>

using namespace zomar;
using namespace zomar::test;

class TstStations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fourStationsShareOneRange();
    void serverStoppedMidRun();
    void killedStationRestarted();
    void refusalsSendNothing_data();
    void refusalsSendNothing();
    void doctorChecksTheStore_data();
    void doctorChecksTheStore();

private:
    QProcessEnvironment env(const QByteArray &password = "secret") const
    {
        QProcessEnvironment e = cliEnvironment();
        e.remove(QStringLiteral("PGPASSWORD"));
        if (!password.isEmpty())
            e.insert(QStringLiteral("PGPASSWORD"), QString::fromLatin1(password));
        return e;
    }
    CliRun cli(const QStringList &args) { return finishCli(*startCli(args, {}, env()), 60000); }
    QString uri(const QString &db = QStringLiteral("line")) const { return m_pg.uri("line", db); }
    QStringList program(const QString &station, const QString &from)
    {
        const QString path = m_dir.filePath("line.json");
        if (!QFileInfo::exists(path))
            writeFile(m_dir, "line.json", kLineProfile);
        return {"program", "--profile", path, "--local-from", from, "--store", uri(),
                "--station", station};
    }
    // One column of a query on the server, a line per row.
    QString query(const QString &sql)
    {
        QString out;
        if (!m_pg.sql(sql, "line", &out))
            return QStringLiteral("failed: ") + out;
        return out;
    }
    Station startStation(const QString &name, const QStringList &more = {})
    {
        Station s;
        s.hub = m_dir.filePath("hub-" + name);
        QDir().mkpath(s.hub);
        s.process = startCli(program(name, "30000") + QStringList{"--wait", "--watch", s.hub} + more,
                             {}, env());
        return s;
    }

    PgCluster m_pg;
    QTemporaryDir m_dir;
};

void TstStations::initTestCase()
{
    QVERIFY2(m_pg.start(), qPrintable(m_pg.error()));
    QVERIFY(m_pg.addOwner("line", "secret"));
    QVERIFY(m_pg.addOwner("other", "secret"));
    // Whoever may make the tables does it once; the stations never do.
    const CliRun init = cli({"records", "init", "--store", uri()});
    QVERIFY2(init.exitCode == 0, qPrintable(init.err));
    QVERIFY(init.out.contains("is ready (schema 6)"));
}

void TstStations::fourStationsShareOneRange()
{
    std::vector<Tray> trays;
    std::vector<std::unique_ptr<QProcess>> stations;
    for (int i = 0; i < 4; ++i) {
        trays.push_back(tray(16, quint32(16 * i)));
        QVERIFY(trays.back().size() == 16);
    }
    for (int i = 0; i < 4; ++i)
        stations.push_back(startCli(program(QStringLiteral("station-%1").arg(i), "10000") +
                                        deviceArgs(trays[size_t(i)]),
                                    {}, env()));
    for (auto &p : stations) {
        const CliRun r = finishCli(*p, 120000);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(r.out.count("PASS  "), 16);
    }
    QSet<quint32> locals;
    for (const Tray &t : trays)
        for (const auto &m : t)
            locals.insert(localOf(*m));
    QCOMPARE(locals.size(), 64);
    QCOMPARE(query("SELECT station || ' ' || COUNT(*) FROM units WHERE state = 'pass' AND "
                   "station LIKE 'station-%' GROUP BY station ORDER BY station"),
             QStringLiteral("station-0 16\nstation-1 16\nstation-2 16\nstation-3 16"));
    // Each module's row holds what the module holds.
    for (const auto &m : trays[2])
        QCOMPARE(query(QStringLiteral("SELECT local_address FROM units WHERE device = '%1' AND "
                                      "station = 'station-2'")
                           .arg(m->devicePath())),
                 QString::number(localOf(*m)));
    // Clean ends gave the unused addresses of the leases back.
    QCOMPARE(query("SELECT COUNT(*) FROM leased_addresses"), QStringLiteral("0"));
    const CliRun check = cli({"records", "check", "--store", uri()});
    QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
    QCOMPARE(cli({"records", "list", "--station", "station-3", "--json", "--store", uri()})
                 .out.count('\n'),
             16);
}

void TstStations::serverStoppedMidRun()
{
    // Two stations with leases of 8: two modules each while the server
    // answers, then eight each while it is down (six addresses are left,
    // two modules are not started), then two each once it is back.
    Tray a = tray(12, 100), b = tray(12, 200);
    QVERIFY(a.size() == 12 && b.size() == 12);
    Station north = startStation("north", {"--lease", "8"});
    Station south = startStation("south", {"--lease", "8"});
    QTRY_VERIFY_WITH_TIMEOUT(north.out.contains("Station ready") || (north.pull(), false), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(south.out.contains("Station ready") || (south.pull(), false), 20000);
    north.plug(a, 0, 2);
    south.plug(b, 0, 2);
    QTRY_COMPARE_WITH_TIMEOUT(north.results() + south.results(), 4, 30000);

    m_pg.stopServer();
    QTRY_VERIFY_WITH_TIMEOUT(north.says("The server cannot be reached"), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(south.says("The server cannot be reached"), 20000);
    const qsizetype northBefore = north.out.size(), southBefore = south.out.size();
    north.plug(a, 2, 10);
    south.plug(b, 2, 10);
    QTRY_COMPARE_WITH_TIMEOUT(north.results() + south.results(), 20, 60000);
    for (Station *s : {&north, &south}) {
        const QString offline = s->out.mid(s == &north ? northBefore : southBefore);
        QCOMPARE(offline.count(QRegularExpression("^PASS  ", QRegularExpression::MultilineOption)),
                 6);
        QCOMPARE(offline.count("not started: offline, and this station's lease has no address "
                               "left"),
                 2);
        // Every line while offline says so.
        QCOMPARE(offline.count("(offline: "), 8);
    }

    QVERIFY2(m_pg.start(), qPrintable(m_pg.error()));
    QTRY_VERIFY_WITH_TIMEOUT(north.says("The server answers again"), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(south.says("The server answers again"), 20000);
    north.plug(a, 10, 12);
    south.plug(b, 10, 12);
    QTRY_COMPARE_WITH_TIMEOUT(north.results() + south.results(), 24, 30000);
    // Ctrl+C: a clean end, its lease's unused addresses given back.
    for (Station *s : {&north, &south}) {
        ::kill(pid_t(s->process->processId()), SIGINT);
        QVERIFY(s->process->waitForFinished(30000));
        s->pull();
        QCOMPARE(s->process->exitCode(), 5); // two modules were not started
        QVERIFY2(s->out.contains("12 modules: 10 PASS, 2 FAIL"), qPrintable(s->out));
    }
    // The rows that waited reached the server once each; every module's
    // row holds what the module holds; no address went to two modules.
    QCOMPARE(query("SELECT station || ' ' || state || ' ' || COUNT(*) FROM units WHERE station "
                   "IN ('north', 'south') GROUP BY station, state ORDER BY station"),
             QStringLiteral("north pass 10\nsouth pass 10"));
    QSet<quint32> locals;
    for (const Tray *t : {&a, &b}) {
        for (const auto &m : *t) {
            if (m->configuration() == programmed(localOf(*m))) {
                locals.insert(localOf(*m));
                QCOMPARE(query(QStringLiteral("SELECT local_address FROM units WHERE device = "
                                              "'%1' AND station IN ('north', 'south')")
                                   .arg(m->devicePath())),
                         QString::number(localOf(*m)));
            } else {
                QCOMPARE(m->receivedBytes(), QByteArray()); // not started: nothing sent
            }
        }
    }
    QCOMPARE(locals.size(), 20);
    QCOMPARE(query("SELECT COUNT(*) FROM leased_addresses"), QStringLiteral("0"));
    const CliRun check = cli({"records", "check", "--store", uri()});
    QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
}

void TstStations::killedStationRestarted()
{
    Tray first = tray(4, 300), next = tray(4, 304);
    QVERIFY(first.size() == 4 && next.size() == 4);
    auto pid = std::make_shared<std::atomic<qint64>>(0);
    auto messages = std::make_shared<std::atomic<int>>(0);
    // Killed as the first module takes its packet: a power cut, as the
    // module sees it.
    first[0]->setHangUpAfter([pid, messages](const QByteArray &) {
        if (++*messages == 4 && *pid > 0)
            ::kill(pid_t(pid->load()), SIGKILL);
        return false;
    });
    const QStringList run = program("east", "50000");
    const std::unique_ptr<QProcess> killed = startCli(run + deviceArgs(first), {}, env());
    QVERIFY(killed->waitForStarted());
    *pid = killed->processId();
    QVERIFY(killed->waitForFinished(30000));
    QCOMPARE(killed->exitStatus(), QProcess::CrashExit);

    const CliRun again = cli(run + deviceArgs(next));
    QVERIFY2(again.exitCode == 0, qPrintable(again.err));
    QVERIFY2(again.err.contains("4 modules of an interrupted run have an unknown state"),
             qPrintable(again.err));
    QSet<quint32> locals;
    for (const Tray *t : {&first, &next})
        for (const auto &m : *t)
            locals.insert(localOf(*m));
    QCOMPARE(locals.size(), 8);
    const CliRun unknown = cli({"records", "unknown", "--station", "east", "--json", "--store",
                                uri()});
    QSet<QString> interrupted, expected;
    for (const QString &line : unknown.out.split('\n', Qt::SkipEmptyParts)) {
        const QJsonObject u = QJsonDocument::fromJson(line.toUtf8()).object();
        interrupted << u.value("device").toString() + u.value("local").toString();
    }
    for (const auto &m : first)
        expected << m->devicePath() + addressHex(0x50000 + quint32(&m - &first[0]));
    QCOMPARE(interrupted, expected);

    // The dead run's lease stays taken until the operator releases it.
    CliRun check = cli({"records", "check", "--store", uri()});
    QCOMPARE(check.exitCode, 0);
    QVERIFY2(check.out.contains("station east: 28 address(es) leased to run"),
             qPrintable(check.out));
    const CliRun release = cli({"records", "release", "--station", "east", "--store", uri()});
    QVERIFY2(release.out.contains("Station east released: 28 address(es) of its lease retired"),
             qPrintable(release.out + release.err));
    check = cli({"records", "check", "--store", uri()});
    QCOMPARE(check.exitCode, 0);
    QVERIFY(!check.out.contains("station east"));
}

void TstStations::refusalsSendNothing_data()
{
    QTest::addColumn<QString>("store");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QString>("program"); // "" for zomar-cli itself
    QTest::addColumn<QString>("says");
    const QString line = uri();
    QTest::newRow("wrong password") << line << QByteArray("wrong") << ""
                                    << "the server refused the login of \"line\": wrong password";
    QTest::newRow("no password") << line << QByteArray() << ""
                                 << "the server wants a password: put it in ~/.pgpass";
    QTest::newRow("missing database") << uri("nowhere") << QByteArray("secret") << ""
                                      << "the server has no database \"nowhere\": create it";
    QTest::newRow("no record in it yet") << uri("other") << QByteArray("secret") << ""
                                         << "make it with `zomar-cli records init --store";
    QString down = line;
    down.replace(QStringLiteral("port=%1").arg(m_pg.port()), QStringLiteral("port=1"));
    QTest::newRow("server down") << down << QByteArray("secret") << ""
                                 << "the server does not answer (";
    QString withPassword = line;
    withPassword.replace(QStringLiteral("line@"), QStringLiteral("line:secret@"));
    QTest::newRow("password in the address") << withPassword << QByteArray() << ""
                                             << "a password in the store's address is refused";
    // The program as it runs where only the SQLite driver is installed.
    const QString bare = m_dir.filePath("bare");
    QDir().mkpath(bare + "/plugins/sqldrivers");
    QFile::copy(ZOMAR_CLI, bare + "/zomar-cli");
    QFile::link(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/sqldrivers/libqsqlite.so",
                bare + "/plugins/sqldrivers/libqsqlite.so");
    writeFile(m_dir, "bare/qt.conf", "[Paths]\nPlugins = " + bare.toUtf8() + "/plugins\n");
    QTest::newRow("driver missing") << line << QByteArray("secret") << bare + "/zomar-cli"
                                    << "(Debian: sudo apt-get install libqt6sql6-psql)";
}

void TstStations::refusalsSendNothing()
{
    QFETCH(QString, store);
    QFETCH(QByteArray, password);
    QFETCH(QString, program);
    QFETCH(QString, says);
    Tray t = tray(2);
    QVERIFY(t.size() == 2);
    QStringList args = this->program("refused", "60000");
    args[args.indexOf("--store") + 1] = store;
    const auto p = startCli(args + deviceArgs(t), {}, env(password),
                            program.isEmpty() ? QStringLiteral(ZOMAR_CLI) : program);
    const CliRun r = finishCli(*p, 60000);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(says) && r.err.contains("nothing was sent"), qPrintable(r.err));
    QCOMPARE(r.err.count('\n'), 1); // one line
    QVERIFY(!r.err.contains("secret"));
    QTest::qWait(50);
    for (const auto &m : t)
        QCOMPARE(m->receivedBytes(), QByteArray());
}

void TstStations::doctorChecksTheStore_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("says"); // in this order
    // A role that may read the schema's version, and nothing else.
    QVERIFY(m_pg.sql("CREATE ROLE viewer LOGIN PASSWORD 'secret'"));
    QVERIFY(m_pg.sql("GRANT SELECT ON schema_version TO viewer", "line"));
    const QStringList start{"ok    Qt's PostgreSQL driver (QPSQL) is installed",
                            "ok    the driver loads", "ok    the server answers"};
    QTest::newRow("all in order")
        << "line" << 0
        << start + QStringList{"ok    the login works (role line, database line)",
                               "ok    the schema is at version 6, this program's",
                               "ok    the role may allocate addresses and record units",
                               "note  station doctor has no journal yet"};
    QTest::newRow("a role without rights")
        << "viewer" << 1
        << start + QStringList{"ok    the schema is at version 6",
                               "FAIL  the role may not: SELECT on runs, INSERT on runs",
                               "-> as the tables' owner: GRANT SELECT, INSERT, UPDATE, DELETE ON "
                               "ALL TABLES IN SCHEMA public TO viewer"};
    QTest::newRow("no such role") << "nobody" << 1 << start + QStringList{"FAIL  the login failed"};
}

void TstStations::doctorChecksTheStore()
{
    QFETCH(QString, role);
    QFETCH(int, code);
    QFETCH(QStringList, says);
    const CliRun r = cli({"doctor", "--store", m_pg.uri(role, "line"), "--station", "doctor"});
    QCOMPARE(r.exitCode, code);
    qsizetype at = 0;
    for (const QString &line : says) {
        const qsizetype found = r.out.indexOf(line, at);
        QVERIFY2(found >= 0, qPrintable(QStringLiteral("\"%1\" not in order in:\n%2").arg(line, r.out)));
        at = found + line.size();
    }
}

QTEST_GUILESS_MAIN(TstStations)
#include "tst_stations.moc"
