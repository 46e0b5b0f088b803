// zomar-cli feed against an endpoint of the test's own on loopback: down at
// first, then answering 500, then 200; every settled unit arrives once, in
// the order the units settled, after a restart of the feed too; a unit the
// endpoint refuses (4xx) is recorded with the answer and skipped. On a
// throwaway PostgreSQL server and on a SQLite file.

#include "tests/cli/MesEndpoint.h"
#include "tests/cli/StationRun.h"
#include "tests/support/PgCluster.h"

#include <QJsonArray>

using namespace zomar;
using namespace zomar::test;

class TstFeed : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyUnitOnceInOrder_data();
    void everyUnitOnceInOrder();
    void refusals_data();
    void refusals();

private:
    QProcessEnvironment env() const
    {
        QProcessEnvironment e = cliEnvironment();
        e.insert(QStringLiteral("PGPASSWORD"), QStringLiteral("secret"));
        return e;
    }
    CliRun cli(const QStringList &args) { return finishCli(*startCli(args, {}, env()), 60000); }
    // A run that posts to the test's endpoint: the event loop goes on meanwhile.
    CliRun feedRun(const QStringList &args)
    {
        std::unique_ptr<QProcess> p = startCli(args, {}, env());
        QDeadlineTimer deadline(60000);
        while (p->state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(50);
        if (p->state() != QProcess::NotRunning)
            return finishCli(*p, 1000); // killed, and said so
        return {p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1,
                QString::fromUtf8(p->readAllStandardOutput()),
                QString::fromUtf8(p->readAllStandardError())};
    }
    void programOn(const QString &store, const QString &station, int modules, const QString &from)
    {
        programUnits(m_dir, env(), store, station, modules, from);
    }
    // The store's settled units' ids, in the order they settled.
    QList<QByteArray> settled(const QString &store)
    {
        QList<std::pair<QString, QByteArray>> units;
        for (const QString &line : cli({"records", "list", "--json", "--store", store})
                                       .out.split('\n', Qt::SkipEmptyParts)) {
            const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
            if (o.value("state") != QLatin1String("reserved"))
                units.append({o.value("settled_at").toString(),
                              o.value("unit_id").toString().toUtf8()});
        }
        std::stable_sort(units.begin(), units.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        QList<QByteArray> ids;
        for (const auto &u : units)
            ids << u.second;
        return ids;
    }
    QString store(bool server) const
    {
        return server ? m_pg.uri("line", "line") : m_dir.filePath("feed.db");
    }

    PgCluster m_pg;
    QTemporaryDir m_dir;
};

void TstFeed::initTestCase()
{
    QVERIFY2(m_pg.start(), qPrintable(m_pg.error()));
    QVERIFY(m_pg.addOwner("line", "secret"));
    QVERIFY(cli({"records", "init", "--store", store(true)}).exitCode == 0);
    for (const bool server : {true, false}) {
        programOn(store(server), "north", 6, "10000");
        programOn(store(server), "south", 6, "20000");
    }
}

void TstFeed::everyUnitOnceInOrder_data()
{
    QTest::addColumn<bool>("server");
    QTest::newRow("PostgreSQL") << true;
    QTest::newRow("SQLite") << false;
}

void TstFeed::everyUnitOnceInOrder()
{
    QFETCH(bool, server);
    MesEndpoint mes;
    QVERIFY(mes.listen());
    const quint16 port = mes.port();
    mes.close(); // down at first
    const QStringList feed{"feed", "--store", store(server), "--to",
                           QStringLiteral("http://127.0.0.1:%1/units").arg(port), "--json"};
    std::unique_ptr<QProcess> first = startCli(feed, {}, env());
    QTest::qWait(1500);
    QVERIFY(first->state() == QProcess::Running);
    mes.status = 500;
    QVERIFY(mes.listen(port));
    QTRY_VERIFY_WITH_TIMEOUT(mes.posts.size() >= 2, 15000);
    QVERIFY(mes.taken().isEmpty());
    mes.status = 200;
    const QList<QByteArray> before = settled(store(server));
    QCOMPARE(before.size(), 12);
    QTRY_COMPARE_WITH_TIMEOUT(mes.taken().size(), 12, 30000);
    QCOMPARE(mes.taken(), before);
    // The document: the unit's id as its key, the unit's facts in it.
    const QJsonObject doc = mes.posts.last().body;
    QCOMPARE(doc.value("unit_id").toString().toUtf8(), mes.posts.last().key);
    QCOMPARE(doc.value("result").toString(), QStringLiteral("pass"));
    QVERIFY(doc.value("address").toString().size() == 8);
    QCOMPARE(doc.value("station").toString(), QStringLiteral("south"));
    first->terminate();
    QVERIFY(first->waitForFinished(10000));
    QCOMPARE(first->exitCode(), 0);

    // More units while the feed is stopped; started again, it sends those only.
    programOn(store(server), "north", 3, "30000");
    std::unique_ptr<QProcess> second = startCli(feed, {}, env());
    QTRY_COMPARE_WITH_TIMEOUT(mes.taken().size(), 15, 30000);
    QTest::qWait(1500); // nothing more comes
    QCOMPARE(mes.taken().size(), 15);
    QCOMPARE(mes.taken(), settled(store(server)));
    second->terminate();
    QVERIFY(second->waitForFinished(10000));
}

void TstFeed::refusals_data()
{
    QTest::addColumn<int>("status");
    QTest::newRow("422 Unprocessable") << 422;
    QTest::newRow("400 Bad Request") << 400;
}

void TstFeed::refusals()
{
    QFETCH(int, status);
    MesEndpoint mes;
    QVERIFY(mes.listen());
    const QList<QByteArray> units = settled(store(true));
    QVERIFY(units.size() >= 3);
    mes.statusOf.insert(units.at(1), status);
    const QString name = QStringLiteral("refusals-%1").arg(status);
    const QStringList feed{"feed",   "--store", store(true), "--to",
                           QStringLiteral("http://127.0.0.1:%1/units").arg(mes.port()),
                           "--name", name,      "--once"};
    const CliRun run = feedRun(feed);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains(QStringLiteral("unit %1 refused").arg(QString::fromUtf8(units.at(1)))),
             qPrintable(run.err));
    QVERIFY(run.err.contains("HTTP " + QString::number(status)));
    QList<QByteArray> expected = units;
    expected.removeAt(1);
    QCOMPARE(mes.taken(), expected);
    // The refusal is kept with its answer; a second run sends nothing again.
    QString answer;
    QVERIFY(m_pg.sql(QStringLiteral("SELECT status || ' ' || answer FROM feed_deliveries WHERE "
                                    "feed = '%1' AND outcome = 'refused'")
                         .arg(name),
                     "line", &answer));
    QCOMPARE(answer.trimmed(), QStringLiteral("%1 {\"error\":\"not taken\"}").arg(status));
    const qsizetype posts = mes.posts.size();
    QCOMPARE(feedRun(feed).exitCode, 0);
    QCOMPARE(mes.posts.size(), posts);
}

QTEST_GUILESS_MAIN(TstFeed)
#include "tst_feed.moc"
