// zomar-cli monitor against a virtual module: the lines it prints and saves,
// that it sends nothing unless asked; and the band-plan advice of write,
// profile check and program on standard error and in JSON.

#include "sim/VirtualModule.h"
#include "tests/cli/CliRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace zomar;
using namespace zomar::test;

namespace {

std::unique_ptr<VirtualModule> module()
{
    auto m = std::make_unique<VirtualModule>();
    if (!m->start())
        return nullptr;
    m->setConfiguration(QByteArray::fromHex("0102030405060708076c0523"));
    return m;
}

QStringList lines(const QString &text)
{
    return text.split('\n', Qt::SkipEmptyParts);
}

const QString kOutside =
    QStringLiteral("band plan: outside the licence-free band (EU): a licence is needed");

} // namespace

class TstMonitor : public QObject
{
    Q_OBJECT
private slots:
    void showsAndSavesTheExchange();
    void readOnlyUnlessAsked();
    void jsonLines();
    void refusedBeforeOpening_data();
    void refusedBeforeOpening();
    void bandAdviceOnStandardError_data();
    void bandAdviceOnStandardError();
    void bandAdviceInJson();
};

void TstMonitor::showsAndSavesTheExchange()
{
    auto m = module();
    QVERIFY(m);
    QTemporaryDir dir;
    const QString file = dir.filePath("capture.txt");
    const CliRun r = runCli({"monitor", "--device", m->devicePath(), "--band", "868", "--send",
                             "+++", "--duration", "1", "--hex", "--capture", file});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(m->receivedBytes(), QByteArray("+++"));
    QCOMPARE(lines(r.out),
             (QStringList{"--  send: +++", "TX    3  2B 2B 2B  |+++|",
                          "RX   12  01 02 03 04 05 06 07 08 07 6C 05 23  block: destination "
                          "01020304, local 05060708, 869.500 MHz (channel 1900), -15 dBm, 9600 "
                          "bps  |<SOH><STX><ETX><EOT><ENQ><ACK><BEL><BS><BEL>l<ENQ>#|"}));
    QVERIFY2(r.err.contains("3 line(s); 3 byte(s) sent, 12 received"), qPrintable(r.err));

    // The file has every line in full: with the times, whatever was shown.
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList saved = lines(QString::fromUtf8(f.readAll()));
    QCOMPARE(saved.size(), 4);
    QVERIFY(saved.at(0).startsWith("# zomar-cli monitor " + m->devicePath() + " at 38400 baud"));
    for (int i = 1; i < 4; ++i) {
        QVERIFY2(saved.at(i).contains(
                     QRegularExpression("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3} +\\+\\d+ ms  ")),
                 qPrintable(saved.at(i)));
        QVERIFY(saved.at(i).endsWith(lines(r.out).at(i - 1).section("  ", 1)));
    }
}

void TstMonitor::readOnlyUnlessAsked()
{
    auto m = module();
    QVERIFY(m);
    m->sendAfter(300, "hi\r\n");
    const CliRun r =
        runCli({"monitor", "--device", m->devicePath(), "--duration", "1.5", "--timestamps"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(m->receivedBytes(), QByteArray());
    QCOMPARE(lines(r.out).size(), 1);
    QVERIFY2(
        QRegularExpression("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3} +\\+0 ms  RX    4  \\|hi<CR><LF>\\|$")
            .match(lines(r.out).at(0))
            .hasMatch(),
        qPrintable(r.out));
    QVERIFY(r.err.contains("nothing is sent"));
}

void TstMonitor::jsonLines()
{
    auto m = module();
    QVERIFY(m);
    const CliRun r = runCli(
        {"monitor", "--device", m->devicePath(), "--send", "+++", "--duration", "1", "--json"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(lines(r.out).size(), 3);
    const QJsonObject sent = QJsonDocument::fromJson(lines(r.out).at(1).toUtf8()).object();
    QCOMPARE(sent.value("dir").toString(), QString("tx"));
    QCOMPARE(sent.value("hex").toString(), QString("2b2b2b"));
    const QJsonObject answer = QJsonDocument::fromJson(lines(r.out).at(2).toUtf8()).object();
    QCOMPARE(answer.value("dir").toString(), QString("rx"));
    QCOMPARE(answer.value("bytes").toInt(), 12);
    QVERIFY(answer.value("block").toString().contains("434.750 MHz (channel 1900)"));
    QVERIFY(answer.value("ms").toInteger() >= sent.value("ms").toInteger());
}

void TstMonitor::refusedBeforeOpening_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("bad escape") << QStringList{"--send", "\\q"} << 4
                                << "--send \\q: unknown escape";
    QTest::newRow("zero seconds") << QStringList{"--duration", "0"} << 1 << "--duration 0";
}

void TstMonitor::refusedBeforeOpening()
{
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    auto m = module();
    QVERIFY(m);
    const CliRun r = runCli(QStringList{"monitor", "--device", m->devicePath()} + options);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QCOMPARE(m->receivedBytes(), QByteArray());
}

void TstMonitor::bandAdviceOnStandardError_data()
{
    QTest::addColumn<QStringList>("args"); // after the command; "DEV" is the module
    QTest::addColumn<QString>("advice");   // "" for none
    QTest::newRow("write outside")
        << QStringList{"write", "--device", "DEV", "--freq", "439"} << kOutside;
    QTest::newRow("write inside")
        << QStringList{"write", "--device", "DEV", "--freq", "433.920"}
        << "band plan: 433.050–434.790 MHz (EU): 10 mW e.r.p., duty cycle ≤ 10 %; ≈ 21 kHz wide "
           "[ERC/REC 70-03 Annex 1, band g1]";
    QTest::newRow("write with a 15 dBi antenna: over the e.r.p.")
        << QStringList{"write", "--device",       "DEV", "--freq", "433.920", "--power",
                       "0",     "--antenna-gain", "15"}
        << "band plan: 433.050–434.790 MHz (EU), but 12.85 dBm e.r.p. is over its 10 mW "
           "[ERC/REC 70-03 Annex 1, band g1]";
    QTest::newRow("read: where the module's channel lies")
        << QStringList{"read", "--device", "DEV"}
        << "band plan: 434.040–434.790 MHz (EU): 10 mW e.r.p., no duty-cycle limit, channels "
           "≤ 25 kHz; ≈ 21 kHz wide [ERC/REC 70-03 Annex 1, band g3]";
    QTest::newRow("write, region none")
        << QStringList{"write", "--device", "DEV", "--freq", "439", "--region", "none"} << "";
    QTest::newRow("write without a channel keeps the module's, and says where it is")
        << QStringList{"write", "--device", "DEV", "--power", "-3", "--band", "868"}
        << "band plan: 869.400–869.650 MHz (EU): 500 mW e.r.p., duty cycle ≤ 10 % or LBT+AFA, "
           "channels of 25 kHz (or the whole band as one); ≈ 21 kHz wide [ERC/REC 70-03 Annex 1, "
           "band h1.5]";
    QTest::newRow("dry run") << QStringList{"write", "--dest",     "1",    "--local",
                                            "2",     "--channel",  "3600", "--power",
                                            "0",     "--rf-speed", "9600", "--dry-run"}
                             << kOutside;
    QTest::newRow("profile check") << QStringList{"profile", "check", "PROFILE"} << kOutside;
    QTest::newRow("program") << QStringList{"program", "--device", "DEV", "--profile", "PROFILE"}
                             << kOutside;
}

void TstMonitor::bandAdviceOnStandardError()
{
    QFETCH(QStringList, args);
    QFETCH(QString, advice);
    auto m = module();
    QVERIFY(m);
    QTemporaryDir dir;
    const QString profile = writeFile(dir, "far.json",
                                      R"({"format": "zomar-profile", "version": 1,
                                          "band": "433", "frequency_mhz": "439.000"})");
    args.replaceInStrings(QRegularExpression("^DEV$"), m->devicePath());
    args.replaceInStrings(QRegularExpression("^PROFILE$"), profile);
    const CliRun r = runCli(args);
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const QStringList advised = lines(r.err).filter("band plan:");
    QCOMPARE(advised, advice.isEmpty() ? QStringList{} : QStringList{advice});
}

void TstMonitor::bandAdviceInJson()
{
    auto m = module();
    QVERIFY(m);
    const CliRun w = runCli({"write", "--device", m->devicePath(), "--freq", "439", "--json"});
    QCOMPARE(w.exitCode, 0);
    QVERIFY(!w.err.contains("band plan:")); // the field carries it
    const QJsonObject advice =
        QJsonDocument::fromJson(w.out.toUtf8()).object().value("band_advice").toObject();
    QCOMPARE(advice.value("licence_free").toBool(true), false);
    QCOMPARE(advice.value("frequency_mhz").toString(), QString("439.000"));
    QCOMPARE(advice.value("text").toString(), kOutside.mid(QString("band plan: ").size()));

    const CliRun none = runCli(
        {"write", "--device", m->devicePath(), "--freq", "439", "--json", "--region", "none"});
    QVERIFY(QJsonDocument::fromJson(none.out.toUtf8()).object().value("band_advice").isNull());

    QTemporaryDir dir;
    const QString profile = writeFile(dir, "p.json",
                                      R"({"format": "zomar-profile", "version": 1,
                                          "band": "868", "frequency_mhz": "868.650"})");
    const CliRun p =
        runCli({"program", "--device", m->devicePath(), "--profile", profile, "--json"});
    QCOMPARE(p.exitCode, 0);
    const QJsonObject row = QJsonDocument::fromJson(lines(p.out).at(0).toUtf8()).object();
    const QJsonArray subBands = row.value("band_advice").toObject().value("sub_bands").toArray();
    QCOMPARE(subBands.size(), 1);
    QCOMPARE(subBands.at(0).toObject().value("use").toString(), QString("alarms only"));

    // A module already on 439 MHz is told so by a read.
    m->setConfiguration(QByteArray::fromHex("01020304050607080e100523"));
    const CliRun read = runCli({"read", "--device", m->devicePath(), "--json"});
    QCOMPARE(read.exitCode, 0);
    const QJsonObject held = QJsonDocument::fromJson(read.out.toUtf8()).object();
    QCOMPARE(held.value("command").toString(), QString("read"));
    QCOMPARE(held.value("band_advice").toObject().value("text").toString(),
             kOutside.mid(QString("band plan: ").size()));
}

QTEST_GUILESS_MAIN(TstMonitor)
#include "tst_monitor.moc"
