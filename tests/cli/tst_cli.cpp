// zomar-cli against virtual modules on pseudo-terminals: what reaches the
// wire, what the module ends up holding, and the exit codes.

#include "tests/cli/CliRun.h"
#include "tests/support/Wire.h"
#include "sim/VirtualModule.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace zomar;
using namespace zomar::test;

namespace {

const QByteArray kStart = QByteArray::fromHex("010203040506070806200311");

std::unique_ptr<VirtualModule> module(int baud = 38400)
{
    auto m = std::make_unique<VirtualModule>();
    if (!m->start())
        return nullptr;
    m->setConfiguration(kStart);
    m->setLineSpeed(baud);
    return m;
}

QByteArray hex(const char *h)
{
    return QByteArray::fromHex(h);
}

} // namespace

class TstCli : public QObject
{
    Q_OBJECT
private slots:
    void readShowsTheBlock();
    void writeChangesOnlyNamedFields_data();
    void writeChangesOnlyNamedFields();
    void writeTimingOnTheWire();
    void refusedValuesSendNothing_data();
    void refusedValuesSendNothing();
    void failuresGiveTheirExitCodes_data();
    void failuresGiveTheirExitCodes();
    void deviceVanishingInTheWrite();
    void discoverFindsTheModuleAt9600();
    void profileRoundTripAndDryRun();
    void relativeDeviceNames_data();
    void relativeDeviceNames();
};

void TstCli::readShowsTheBlock()
{
    auto m = module();
    QVERIFY(m);
    const CliRun r = runCli({"read", "--device", m->devicePath(), "--json"});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(o.value("block").toString(), QString::fromLatin1(kStart.toHex()));
    QCOMPARE(o.value("destination").toString(), QStringLiteral("01020304"));
    QCOMPARE(o.value("local").toString(), QStringLiteral("05060708"));
    QCOMPARE(o.value("channel").toInt(), 0x0620);
    QCOMPARE(o.value("frequency_mhz").toString(), QStringLiteral("433.920"));
    QCOMPARE(o.value("tx_power").toString(), QStringLiteral("-9 dBm"));
    QCOMPARE(o.value("rf_speed").toString(), QStringLiteral("19200 bps"));
    // A read is one "+++" and one "---", and leaves the block alone.
    const QList<WireMessage> wire = wireMessages(m->received());
    QCOMPARE(wire.size(), 2);
    QCOMPARE(wire.at(0).bytes, QByteArray("+++"));
    QCOMPARE(m->configuration(), kStart);
}

void TstCli::writeChangesOnlyNamedFields_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("local") << QStringList{"--local", "0A0B0C0D"} << hex("010203040A0B0C0D06200311");
    QTest::newRow("dest, short hex") << QStringList{"--dest", "ff"} << hex("000000ff0506070806200311");
    QTest::newRow("power bare") << QStringList{"--power", "-21"} << hex("010203040506070806200711");
    QTest::newRow("power=") << QStringList{"--power=-21"} << hex("010203040506070806200711");
    QTest::newRow("power dBm") << QStringList{"--power", "-12 dBm"} << hex("010203040506070806200411");
    QTest::newRow("rf 115200") << QStringList{"--rf-speed", "115200"} << hex("010203040506070806200302");
    QTest::newRow("rf bps") << QStringList{"--rf-speed", "9600 bps"} << hex("010203040506070806200323");
    QTest::newRow("freq 434") << QStringList{"--freq", "434"} << hex("010203040506070806400311");
    QTest::newRow("freq 868") << QStringList{"--band", "868", "--freq", "868"} << hex("010203040506070806400311");
    QTest::newRow("channel") << QStringList{"--channel", "1"} << hex("010203040506070800010311");
}

void TstCli::writeChangesOnlyNamedFields()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, stored);
    auto m = module();
    QVERIFY(m);
    const CliRun r = runCli(QStringList{"write", "--device", m->devicePath()} + options);
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(m->configuration().toHex(), stored.toHex());
    QVERIFY(r.out.contains("Written and verified"));
    QCOMPARE(exchangeFault(wireMessages(m->received())), QString());
}

void TstCli::writeTimingOnTheWire()
{
    auto m = module();
    QVERIFY(m);
    QCOMPARE(runCli({"write", "--device", m->devicePath(), "--local", "1"}).exitCode, 0);
    const QList<WireMessage> w = wireMessages(m->received());
    // read, then the write's "+++", packet, "---", then the read-back.
    QCOMPARE(w.size(), 7);
    QCOMPARE(w.at(3).bytes.size(), 12);
    QVERIFY(msBetweenNs(w.at(0).startNs, w.at(1).startNs) >= 190); // "---" 0.2 s after "+++"
    QVERIFY(msBetweenNs(w.at(2).startNs, w.at(3).startNs) >= 190); // packet 0.2 s after "+++"
    QVERIFY(msBetweenNs(w.at(3).endNs, w.at(4).startNs) >= 90);    // "---" 0.1 s after it
    QVERIFY(msBetweenNs(w.at(4).startNs, w.at(5).startNs) >= 90);  // read-back 0.1 s later
    QVERIFY(msBetweenNs(w.at(3).startNs, w.at(3).endNs) < 5);      // the packet in one write
}

void TstCli::refusedValuesSendNothing_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("says");
    QTest::newRow("freq below") << QStringList{"--freq", "429"}
                                << "--freq 429: below 430.000 MHz, the lowest frequency of the 433 MHz band";
    QTest::newRow("freq above 868") << QStringList{"--band", "868", "--freq", "1200"}
                                    << "above 1187.675 MHz, the highest frequency of the 868 MHz band";
    QTest::newRow("freq between") << QStringList{"--freq", "433.921"} << "nearest: 433.920 or 433.9225 MHz";
    QTest::newRow("freq junk") << QStringList{"--freq", "433.9x"} << "not a frequency in MHz";
    QTest::newRow("freq negative") << QStringList{"--freq=-5"} << "not a frequency in MHz";
    QTest::newRow("channel big") << QStringList{"--channel", "65536"} << "0 to 65535";
    QTest::newRow("dest 9 digits") << QStringList{"--dest", "123456789"} << "at most 8";
    QTest::newRow("dest not hex") << QStringList{"--dest", "12G4"} << "not hexadecimal";
    QTest::newRow("dest empty") << QStringList{"--dest", ""} << "empty";
    QTest::newRow("power off table") << QStringList{"--power", "-4"} << "-21 dBm";
    QTest::newRow("power positive") << QStringList{"--power", "3"} << "not a TX power";
    QTest::newRow("rf speed") << QStringList{"--rf-speed", "300"} << "115200 bps";
    QTest::newRow("unreadable byte") << QStringList{"--local", "000000A5"} << "A5";
}

void TstCli::refusedValuesSendNothing()
{
    QFETCH(QStringList, options);
    QFETCH(QString, says);
    auto m = module();
    QVERIFY(m);
    const CliRun r = runCli(QStringList{"write", "--device", m->devicePath()} + options);
    QCOMPARE(r.exitCode, 4);
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
    QCOMPARE(r.err.count('\n'), 1); // one line
    QTest::qWait(50);
    QCOMPARE(m->receivedBytes(), QByteArray());
}

void TstCli::failuresGiveTheirExitCodes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("moduleBaud");
    QTest::addColumn<bool>("storesOther");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("says");
    QTest::newRow("unknown option") << QStringList{"read", "--colour"} << 38400 << false << 1 << "colour";
    QTest::newRow("reset without --yes") << QStringList{"reset"} << 38400 << false << 1 << "--yes";
    QTest::newRow("wrong speed") << QStringList{"read"} << 9600 << false << 2 << "no";
    QTest::newRow("stores other") << QStringList{"write", "--local", "1"} << 38400 << true << 3 << "local";
    QTest::newRow("no device") << QStringList{"read", "--device", "/dev/zomar-none"} << 38400 << false
                               << 5 << "/dev/zomar-none";
    QTest::newRow("not a terminal") << QStringList{"read", "--device", "/dev/null"} << 38400 << false
                                    << 5 << "/dev/null";
}

void TstCli::failuresGiveTheirExitCodes()
{
    QFETCH(QStringList, args);
    QFETCH(int, moduleBaud);
    QFETCH(bool, storesOther);
    QFETCH(int, code);
    QFETCH(QString, says);
    auto m = module(moduleBaud);
    QVERIFY(m);
    if (storesOther)
        m->setStoreOverride(hex("010203040506070906200311"));
    if (!args.contains("--device"))
        args << "--device" << m->devicePath();
    const CliRun r = runCli(args);
    QCOMPARE(r.exitCode, code);
    QVERIFY2(r.err.contains(says, Qt::CaseInsensitive), qPrintable(r.err));
    if (code == 1)
        QCOMPARE(m->receivedBytes(), QByteArray());
}

void TstCli::deviceVanishingInTheWrite()
{
    auto m = module();
    QVERIFY(m);
    m->setHangUpAfter([](const QByteArray &message) { return message.size() == 12; });
    const CliRun r = runCli({"write", "--device", m->devicePath(), "--local", "1"});
    QCOMPARE(r.exitCode, 5);
    QVERIFY2(r.err.contains("unknown"), qPrintable(r.err));
    QCOMPARE(r.err.count('\n'), 1);
}

void TstCli::discoverFindsTheModuleAt9600()
{
    auto silent = module(2400);
    auto at9600 = module(9600);
    QVERIFY(silent && at9600);
    silent->setAnswerOverride(QByteArray()); // answers nothing at all
    const CliRun r = runCli({"discover", "--json", "--device", silent->devicePath(), "--device",
                             at9600->devicePath()});
    QCOMPARE(r.exitCode, 0);
    const QStringList lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 1);
    const QJsonObject hit = QJsonDocument::fromJson(lines.first().toUtf8()).object();
    QCOMPARE(hit.value("device").toString(), at9600->devicePath());
    QCOMPARE(hit.value("baud").toInt(), 9600);
    QCOMPARE(hit.value("local").toString(), QStringLiteral("05060708"));
}

void TstCli::profileRoundTripAndDryRun()
{
    QTemporaryDir dir;
    auto from = module();
    auto to = module();
    QVERIFY(from && to);
    from->setConfiguration(hex("a1b2c3d40102030405b00608"));
    to->setConfiguration(VirtualModule::factoryConfiguration());
    const QString file = dir.filePath("site.json");
    QCOMPARE(runCli({"read", "--device", from->devicePath(), "--save", file}).exitCode, 0);
    const CliRun dry = runCli({"write", "--profile", file, "--dry-run"});
    QCOMPARE(dry.exitCode, 0);
    QCOMPARE(dry.out.trimmed(), QStringLiteral("a1 b2 c3 d4 01 02 03 04 05 b0 06 08"));
    // A field option overrides the profile.
    QCOMPARE(runCli({"write", "--device", to->devicePath(), "--profile", file, "--power", "0"})
                 .exitCode,
             0);
    QCOMPARE(to->configuration().toHex(), QByteArray("a1b2c3d40102030405b00008"));
    const CliRun verify = runCli({"verify", "--device", to->devicePath(), "--profile", file});
    QCOMPARE(verify.exitCode, 3);
    QVERIFY2(verify.out.contains("tx_power: module 0 dBm, profile -18 dBm"), qPrintable(verify.out));
}

// A device named with a "/" is a path from the working folder, however it
// is given (a rig's link to a pseudo-terminal, say).
void TstCli::relativeDeviceNames_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("--device a/b") << QStringList{"--device", "rig/port"};
    QTest::newRow("--device ./a/b") << QStringList{"--device", "./rig/port"};
    QTest::newRow("--port-map N=a/b") << QStringList{"--port", "3", "--port-map", "3=rig/port"};
    QTest::newRow("--port-map N=./a/b")
        << QStringList{"--port", "3", "--port-map", "3=./rig/port"};
}

void TstCli::relativeDeviceNames()
{
    QFETCH(QStringList, options);
    auto m = module();
    QVERIFY(m);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("rig"));
    QVERIFY(QFile::link(m->devicePath(), dir.filePath("rig/port")));
    const CliRun r = runCli(QStringList{"read", "--json"} + options, 20000, dir.path());
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object().value("block").toString(),
             QString::fromLatin1(kStart.toHex()));
    // The module reads the last bytes on its own thread, after the program ended.
    QTRY_COMPARE_WITH_TIMEOUT(m->receivedBytes(), QByteArray("+++---"), 10000);
}

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
