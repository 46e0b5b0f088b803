// The production record through zomar-cli as a line uses it, against virtual
// modules and real store files: runs side by side on one store, runs killed
// in each phase and restarted, a restart after clean failures, the records
// commands, and setups refused before anything is sent.

#include "core/protocol/ConfigBlock.h"
#include "tests/cli/CliRun.h"
#include "tests/cli/LineTray.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <atomic>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using namespace zomar;
using namespace zomar::test;

namespace {

// One JSON object per line of a --json run.
QList<QJsonObject> jsonLines(const QString &out)
{
    QList<QJsonObject> objects;
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        objects << QJsonDocument::fromJson(line.toUtf8()).object();
    return objects;
}

// Runs SQL on a database file from the test, as another program would.
bool sql(const QString &path, const QStringList &statements)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("t"));
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString &s : statements)
            ok = ok && QSqlQuery(db).exec(s);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("t"));
    return ok;
}

// The units a store holds (0 when there is no store, or no such table).
int unitCount(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return 0;
    int count = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("c"));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlQuery q(db);
        if (db.open() && q.exec(QStringLiteral("SELECT COUNT(*) FROM units")) && q.next())
            count = q.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("c"));
    return count;
}

} // namespace

class TstProduction : public QObject
{
    Q_OBJECT
private slots:
    void runsSideBySideGetDistinctAddresses_data();
    void runsSideBySideGetDistinctAddresses();
    void killedRunLeavesItsModulesUnknown_data();
    void killedRunLeavesItsModulesUnknown();
    void restartReusesOnlyUnwrittenAddresses();
    void recordsListAndExport();
    void oneLocalForSeveralModulesWhenMeant();
    void refusalsSendNothingAndLeaveNoRecord_data();
    void refusalsSendNothingAndLeaveNoRecord();

private:
    QString profile()
    {
        const QString path = m_dir.filePath("line.json");
        return QFileInfo::exists(path) ? path : writeFile(m_dir, "line.json", kLineProfile);
    }
    QTemporaryDir m_dir;
};

void TstProduction::runsSideBySideGetDistinctAddresses_data()
{
    QTest::addColumn<int>("runs");
    QTest::newRow("2 runs x 8 modules") << 2;
    QTest::newRow("4 runs x 8 modules") << 4;
}

void TstProduction::runsSideBySideGetDistinctAddresses()
{
    QFETCH(int, runs);
    const QString store = m_dir.filePath(QStringLiteral("side-by-side-%1.db").arg(runs));
    std::vector<std::vector<std::unique_ptr<VirtualModule>>> trays;
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int i = 0; i < runs; ++i) {
        trays.push_back(tray(8, quint32(8 * i)));
        QVERIFY(trays.back().size() == 8);
    }
    // Two operators, two terminals, one store: started together.
    for (int i = 0; i < runs; ++i)
        processes.push_back(startCli(QStringList{"program", "--profile", profile(), "--local-from",
                                                 "00010000", "--store", store} +
                                     deviceArgs(trays[size_t(i)])));
    for (auto &p : processes) {
        const CliRun r = finishCli(*p, 60000);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(r.out.count("PASS  "), 8);
    }
    QSet<quint32> locals;
    for (const auto &t : trays)
        for (const auto &m : t) {
            const quint32 local = localOf(*m);
            QVERIFY2(local >= 0x10000 && local < 0x10000 + quint32(8 * runs),
                     qPrintable(QString::number(local, 16)));
            locals.insert(local);
        }
    QCOMPARE(locals.size(), 8 * runs);
    const CliRun check = runCli({"records", "check", "--store", store});
    QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
}

void TstProduction::killedRunLeavesItsModulesUnknown_data()
{
    // The module's messages: the read ("+++", "---"), the write ("+++", the
    // block, "---"), the read-back ("+++", ...). The run is killed as the
    // first module takes message n.
    QTest::addColumn<int>("killAt");
    QTest::addColumn<bool>("written");
    QTest::newRow("before the write") << 3 << false;
    QTest::newRow("after the packet") << 4 << true;
    QTest::newRow("during the read-back") << 6 << true;
}

void TstProduction::killedRunLeavesItsModulesUnknown()
{
    QFETCH(int, killAt);
    QFETCH(bool, written);
    const QString store = m_dir.filePath(QStringLiteral("killed-%1.db").arg(killAt));
    auto first = tray(4);
    auto next = tray(4, 4);
    QVERIFY(first.size() == 4 && next.size() == 4);
    auto pid = std::make_shared<std::atomic<qint64>>(0);
    auto messages = std::make_shared<std::atomic<int>>(0);
    first[0]->setHangUpAfter([pid, messages, killAt](const QByteArray &) {
        if (++*messages == killAt && *pid > 0)
            ::kill(pid_t(pid->load()), SIGKILL); // a power cut, as the module sees it
        return false;
    });
    const QStringList run{"program", "--profile", profile(), "--local-from", "500", "--store",
                          store};
    const std::unique_ptr<QProcess> killed = startCli(run + deviceArgs(first));
    QVERIFY(killed->waitForStarted());
    *pid = killed->processId();
    QVERIFY(killed->waitForFinished(20000));
    QCOMPARE(killed->exitStatus(), QProcess::CrashExit);
    QCOMPARE(first[0]->configuration() == programmed(0x500), written);

    // Before a run starts again, the check sees reservations nobody holds.
    const CliRun before = runCli({"records", "check", "--store", store});
    QCOMPARE(before.exitCode, 3);
    QVERIFY2(before.out.contains("which is gone"), qPrintable(before.out));

    const CliRun again = runCli(run + deviceArgs(next));
    QVERIFY2(again.exitCode == 0, qPrintable(again.err));
    QVERIFY2(again.err.contains("4 modules of an interrupted run have an unknown state: check "
                                "them with `zomar-cli verify`"),
             qPrintable(again.err));
    const QList<QJsonObject> unknown =
        jsonLines(runCli({"records", "unknown", "--json", "--store", store}).out);
    QCOMPARE(unknown.size(), 4);
    QSet<QString> interrupted;
    for (const QJsonObject &u : unknown)
        interrupted << u.value("device").toString() + u.value("local").toString();
    QSet<QString> expected;
    for (quint32 i = 0; i < 4; ++i)
        expected << first[i]->devicePath() + addressHex(0x500 + i);
    QCOMPARE(interrupted, expected);
    // No address in two modules: the unknown ones are never handed out again.
    QSet<quint32> locals;
    for (const auto *t : {&first, &next})
        for (const auto &m : *t)
            locals.insert(localOf(*m));
    QCOMPARE(locals.size(), 8);
    for (quint32 i = 0; i < 4; ++i)
        QCOMPARE(next[i]->configuration().toHex(), programmed(0x504 + i).toHex());
    QCOMPARE(runCli({"records", "check", "--store", store}).exitCode, 0);
}

void TstProduction::restartReusesOnlyUnwrittenAddresses()
{
    const QString store = m_dir.filePath("clean-failure.db");
    auto first = tray(3);
    QVERIFY(first.size() == 3);
    first[0]->setAnswerOverride(QByteArray()); // silent: nothing is written
    first[1]->setHangUpAfter([](const QByteArray &message) { return message.size() == 12; });
    const QStringList run{"program", "--profile", profile(), "--local-from", "700", "--store",
                          store};
    QCOMPARE(runCli(run + deviceArgs(first)).exitCode, 5);
    QCOMPARE(localOf(*first[2]), 0x702u);

    auto next = tray(2, 3);
    QVERIFY(next.size() == 2);
    const CliRun r = runCli(run + deviceArgs(next));
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QVERIFY2(r.err.contains("Next local address 00000700"), qPrintable(r.err));
    // 700 never reached a module: it comes back first; 701 was sent, so it stays taken.
    QCOMPARE(localOf(*next[0]), 0x700u);
    QCOMPARE(localOf(*next[1]), 0x703u);
}

void TstProduction::recordsListAndExport()
{
    const QString store = m_dir.filePath("records.db");
    auto t = tray(3);
    QVERIFY(t.size() == 3);
    t[1]->setAnswerOverride(QByteArray());
    QCOMPARE(runCli(QStringList{"program", "--profile", profile(), "--local-from", "900",
                                "--store", store} +
                    deviceArgs(t))
                 .exitCode,
             2);
    const QList<QJsonObject> failed =
        jsonLines(runCli({"records", "list", "--state", "fail", "--json", "--store", store}).out);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().value("device").toString(), t[1]->devicePath());
    QCOMPARE(failed.first().value("local").toString(), QString()); // it went back
    QCOMPARE(jsonLines(runCli({"records", "list", "--since", "1h", "--json", "--store", store}).out)
                 .size(),
             3);
    QCOMPARE(runCli({"records", "list", "--since", "2999-01-01", "--store", store}).out.trimmed(),
             QStringLiteral("No units."));
    const CliRun pools = runCli({"records", "pools", "--store", store});
    QVERIFY2(pools.out.contains("from 00000900 in steps of 1, counter at 00000903; 2 pass, 1 "
                                "fail, 0 unknown, 0 reserved, 1 given back"),
             qPrintable(pools.out));
    // In the profile's words, not the block's codes.
    QVERIFY2(pools.out.contains("fields: channel 1600 (434.000 MHz on the 433 MHz band, 868.000 "
                                "MHz on the 868 MHz band), TX power -9 dBm, RF speed 9600 bps"),
             qPrintable(pools.out));

    const QString csv = m_dir.filePath("export.csv");
    const CliRun exported =
        runCli({"records", "export", "--csv", csv, "--store", store, "--json"});
    QCOMPARE(exported.exitCode, 0);
    QCOMPARE(jsonLines(exported.out).size(), 1); // says what it did
    QCOMPARE(jsonLines(exported.out).first().value("units").toInt(), 3);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.startsWith("unit_id,state,reserved_at,"));
    QCOMPARE(text.count("\r\n"), 4);
    QVERIFY(text.contains(",pass,") && text.contains(",fail,"));
    for (const QStringList &bad : {QStringList{"list", "--state", "lost"},
                                   QStringList{"list", "--since", "yesterday"},
                                   QStringList{"nothing"}})
        QCOMPARE(runCli(QStringList{"records"} + bad + QStringList{"--store", store}).exitCode, 1);
}

void TstProduction::oneLocalForSeveralModulesWhenMeant()
{
    auto t = tray(2);
    QVERIFY(t.size() == 2);
    const CliRun r = runCli(QStringList{"program", "--profile", profile(), "--local", "1234",
                                        "--same-local", "--store", m_dir.filePath("same.db")} +
                            deviceArgs(t));
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    for (const auto &m : t)
        QCOMPARE(localOf(*m), 0x1234u);
}

void TstProduction::refusalsSendNothingAndLeaveNoRecord_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("profileText");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("says");
    const QByteArray withLocal = QByteArray(kLineProfile).replace("\"band\"", "\"local\": "
                                                                              "\"00000042\", "
                                                                              "\"band\"");
    const QString folder = m_dir.filePath("a-folder");
    QDir().mkpath(folder);
    const QString fifo = m_dir.filePath("a-fifo");
    ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
    const QString text = writeFile(m_dir, "not-a-db", "time,station\r\n");
    const QString newer = m_dir.filePath("newer.db");
    sql(newer, {"CREATE TABLE schema_version (version INTEGER NOT NULL)",
                "INSERT INTO schema_version VALUES (99)"});
    const QString foreign = m_dir.filePath("foreign.db");
    sql(foreign, {"CREATE TABLE accounts (id INTEGER)"});
    const QString readOnly = m_dir.filePath("read-only-store");
    QDir().mkpath(readOnly);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    const auto row = [&](const char *name, const QStringList &options, int code, const char *says,
                         const QByteArray &profileText = kLineProfile, bool fullDisk = false) {
        QTest::newRow(name) << options << profileText << fullDisk << code << QString(says);
    };
    row("store is a folder", {"--store", folder}, 1, "is a folder");
    row("store is a pipe", {"--store", fifo}, 1, "not a regular file");
    row("store is a device", {"--store", "/dev/full"}, 1, "not a regular file");
    row("store is not a database", {"--store", text}, 1, "it is not a database");
    row("store of a newer version", {"--store", newer}, 1, "newer version of this program");
    row("store of another program", {"--store", foreign}, 1, "another program");
    row("store on an unknown server", {"--store", "mysql://line/records"}, 1, "not supported");
    if (::geteuid() != 0) // root writes anywhere
        row("store in a read-only folder", {"--store", readOnly + "/line.db"}, 1, "read-only");
    row("disk full", {}, 1, "cannot use the store", kLineProfile, true);
    row("log is /dev/zero", {"--log", "/dev/zero"}, 1, "not a regular file");
    row("log is /dev/null", {"--log", "/dev/null"}, 1, "not a regular file");
    row("log is /dev/full", {"--log", "/dev/full"}, 1, "not a regular file");
    row("log is a pipe", {"--log", fifo}, 1, "not a regular file");
    row("profile's local on 2 modules", {}, 1, "2 modules would all get the local address 00000042",
        withLocal);
    row("--local on 2 modules", {"--local", "7"}, 1, "would all get the local address 00000007");
    row("--local and --local-from", {"--local", "7", "--local-from", "8"}, 1, "not both");
    row("past FFFFFFFF", {"--local-from", "FFFFFFFF"}, 4,
        "2 modules from local address FFFFFFFF would pass FFFFFFFF");
}

void TstProduction::refusalsSendNothingAndLeaveNoRecord()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, profileText);
    QFETCH(bool, fullDisk);
    QFETCH(int, code);
    QFETCH(QString, says);
    auto t = tray(2);
    QVERIFY(t.size() == 2);
    static int n = 0;
    const QString tag = QString::number(++n);
    // A store and a log of their own unless the row names one.
    const QString store = m_dir.filePath("refused-" + tag + ".db");
    const QString log = m_dir.filePath("refused-" + tag + ".csv");
    QStringList args{"program", "--profile", writeFile(m_dir, "refused-" + tag + ".json",
                                                       profileText)};
    args += options;
    if (!options.contains("--store"))
        args << "--store" << store;
    if (!options.contains("--log"))
        args << "--log" << log;
    args += deviceArgs(t);
    CliRun r;
    if (fullDisk) {
        // No byte can be written to a file: a full disk as the program sees it.
        auto p = std::make_unique<QProcess>();
        p->start("sh", QStringList{"-c", "trap '' XFSZ; ulimit -f 0; exec \"$0\" \"$@\"",
                                   ZOMAR_CLI} +
                           args);
        r = finishCli(*p);
    } else {
        r = runCli(args);
    }
    QCOMPARE(r.exitCode, code);
    QVERIFY2(r.err.contains(says) && r.err.contains("nothing was sent"), qPrintable(r.err));
    QCOMPARE(r.err.count('\n'), 1); // one line
    QTest::qWait(50);
    for (const auto &m : t)
        QCOMPARE(m->receivedBytes(), QByteArray());
    QVERIFY(!QFileInfo::exists(log));
    QCOMPARE(unitCount(store), 0);
}

QTEST_GUILESS_MAIN(TstProduction)
#include "tst_production.moc"
