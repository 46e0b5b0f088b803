// zomar-cli linktest as a user runs it, against two virtual modules of this
// process linked by the simulated air.

#include "core/protocol/ConfigBlock.h"
#include "sim/VirtualModule.h"
#include "tests/cli/CliRun.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>

using namespace zomar;
using namespace zomar::test;

namespace {

struct Pair {
    Pair()
    {
        modules = VirtualModule::startMany(2);
        if (modules.size() != 2)
            qFatal("cannot start two virtual modules");
    }
    QString a() const { return modules[0]->devicePath(); }
    QString b() const { return modules[1]->devicePath(); }
    std::vector<std::unique_ptr<VirtualModule>> modules;
};

ConfigBlock otherChannel()
{
    ConfigBlock block = ConfigBlock::factoryDefaults();
    block.local = 0x00000002;
    block.channel = 0x0628;
    return block;
}

} // namespace

class TestLinkTestCommand : public QObject
{
    Q_OBJECT
private slots:
    void refusals_data();
    void refusals();
    void differentChannelsRefusedBeforeSending();
    void configureThenMeasureWithCsvAndJson();
    void interruptPrintsTheResultSoFar();
};

void TestLinkTestCommand::refusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no ports") << QStringList{} << "name the ports: --from PORT --to PORT";
    QTest::newRow("no packets") << QStringList{"--simulate", "2", "--count", "0"}
                                << "--count 0: a whole number from 1 to 1000000";
    QTest::newRow("packet too small") << QStringList{"--simulate", "2", "--size", "12"}
                                      << "--size 12: a whole number from 18 to 1024";
    QTest::newRow("echo with a second port")
        << QStringList{"--echo", "--from", "/dev/null", "--to", "/dev/null"} << "name only --from";
    QTest::newRow("echo probes closer than the delay")
        << QStringList{"--echo", "--from", "/dev/null", "--interval", "110"}
        << "probes 110 ms apart would reach the repeater as one burst";
    QTest::newRow("simulate with ports") << QStringList{"--simulate", "2", "--from", "1"}
                                         << "leave out --from, --to and --echo";
    QTest::newRow("one module simulated") << QStringList{"--simulate", "1"}
                                          << "a link needs two virtual modules";
    QTest::newRow("the same port twice") << QStringList{"--from", "/dev/null", "--to", "/dev/null"}
                                         << "--from and --to name the same port";
}

void TestLinkTestCommand::refusals()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const CliRun r = runCli(QStringList{"linktest"} + args);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
}

void TestLinkTestCommand::differentChannelsRefusedBeforeSending()
{
    Pair pair;
    pair.modules[1]->setConfiguration(otherChannel().toBytes());
    const CliRun r = runCli({"linktest", "--from", pair.a(), "--to", pair.b()});
    QCOMPARE(r.exitCode, 3);
    QVERIFY2(r.err.contains(QStringLiteral("Channel: 433.920 MHz on %1, 433.940 MHz on %2")
                                .arg(pair.a(), pair.b())),
             qPrintable(r.err));
    QVERIFY(r.err.contains("--configure writes the first one's to the second"));
    // Only the read went to either module: no packet was sent.
    QCOMPARE(pair.modules[0]->receivedBytes(), QByteArray("+++---"));
    QCOMPARE(pair.modules[1]->receivedBytes(), QByteArray("+++---"));
    QCOMPARE(pair.modules[1]->configuration(), otherChannel().toBytes());
}

void TestLinkTestCommand::configureThenMeasureWithCsvAndJson()
{
    Pair pair;
    pair.modules[1]->setConfiguration(otherChannel().toBytes());
    QTemporaryDir dir;
    const QString csv = dir.filePath("link.csv");
    const CliRun r = runCli({"linktest", "--from", pair.a(), "--to", pair.b(), "--configure",
                             "--count", "40", "--size", "48", "--csv", csv, "--json"});
    QCOMPARE(r.exitCode, 0);
    ConfigBlock aligned = otherChannel();
    aligned.channel = 0x0620;
    QCOMPARE(pair.modules[1]->configuration(), aligned.toBytes()); // its address kept

    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QVERIFY2(!o.isEmpty(), qPrintable(r.out));
    QCOMPARE(o["configured"].toBool(), true);
    QCOMPARE(o["sent"].toInt(), 40);
    QCOMPARE(o["received"].toInt(), 40);
    QCOMPARE(o["packet_size"].toInt(), 48);
    QCOMPARE(o["rf_bps"].toInt(), 19200);
    QCOMPARE(o["interval_ms"].toInt(), 50); // twice 25 ms of air
    QCOMPARE(o["ceiling_bytes_per_s"].toDouble(), 1920.0);
    const double p50 = o["latency_ms"].toObject()["p50"].toDouble();
    QVERIFY2(p50 >= 25 && p50 < 45, qPrintable(QString::number(p50)));

    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(f.readAll()).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 41);
    QCOMPARE(rows.first(), QString("seq,sent,received,latency_ms,state"));
    QVERIFY(rows.at(1).startsWith("0,0.000,"));
    QVERIFY(rows.last().startsWith("39,") && rows.last().endsWith(",received"));
}

void TestLinkTestCommand::interruptPrintsTheResultSoFar()
{
    Pair pair;
    QProcess p;
    p.setProcessEnvironment(cliEnvironment());
    p.start(QStringLiteral(ZOMAR_CLI),
            {"linktest", "--from", pair.a(), "--to", pair.b(), "--count", "100000"});
    QVERIFY(p.waitForStarted());
    // Once packets come through, Ctrl+C.
    QTRY_VERIFY_WITH_TIMEOUT(pair.modules[1]->written().size() >= 5 * 32, 10000);
    ::kill(pid_t(p.processId()), SIGINT);
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 0);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(out.contains("Stopped before the end"), qPrintable(out));
    const QRegularExpression sent("Sent +(\\d+) packets");
    const QRegularExpressionMatch m = sent.match(out);
    QVERIFY(m.hasMatch());
    QVERIFY(m.captured(1).toInt() >= 5 && m.captured(1).toInt() < 100000);
    QVERIFY(out.contains("Latency       min "));
}

QTEST_MAIN(TestLinkTestCommand)
#include "tst_linktestcommand.moc"
