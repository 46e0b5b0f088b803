// The link test: packet reassembly from a stream cut anywhere, the figures,
// and whole runs over the simulated air between two virtual modules.

#include "core/linktest/LinkPreflight.h"
#include "core/linktest/LinkTest.h"
#include "core/protocol/ConfigBlock.h"
#include "sim/VirtualModule.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace zomar;
using namespace zomar::linktest;

namespace {

constexpr quint16 kRun = 0x1234;

QByteArray stream(int packets, int size = 32)
{
    QByteArray out;
    for (int i = 0; i < packets; ++i)
        out += encodePacket(kRun, quint32(i), 1000 + i, size);
    return out;
}

// Frames found in `bytes` fed in pieces of `chunk` bytes: "n" for intact
// packet n, "x" for a damaged frame.
QString frames(const QByteArray &bytes, int chunk, int size = 32)
{
    PacketStream s(size, kRun);
    QStringList out;
    for (qsizetype i = 0; i < bytes.size(); i += chunk)
        for (const Frame &f : s.feed(bytes.mid(i, chunk)))
            out << (f.intact ? QString::number(f.seq) : QStringLiteral("x"));
    return out.join(' ');
}

// Two virtual modules on the factory channel; the first sends with `radio`.
struct Bench {
    explicit Bench(const sim::RadioSettings &radio = {}, quint8 rfSpeedCode = 0x11)
    {
        modules = VirtualModule::startMany(2);
        ConfigBlock block = ConfigBlock::factoryDefaults();
        block.rfSpeedCode = rfSpeedCode;
        for (auto &m : modules)
            m->setConfiguration(block.toBytes());
        if (modules.size() == 2)
            modules[0]->setRadio(radio);
    }
    VirtualModule &a() { return *modules[0]; }
    VirtualModule &b() { return *modules[1]; }
    // From the first module to the second.
    LinkPlan plan(int count, int rfBps, int intervalMs = 0, int timeoutMs = 0)
    {
        LinkPlan p;
        p.from = a().devicePath();
        p.to = b().devicePath();
        p.count = count;
        p.rfBps = rfBps;
        p.intervalMs = intervalMs;
        p.timeoutMs = timeoutMs;
        return p;
    }
    std::vector<std::unique_ptr<VirtualModule>> modules;
};

constexpr quint8 kFastestCode = 2; // 115200 bps: hundreds of packets in a few seconds

struct Outcome {
    LinkSummary summary;
    QString error;
    bool done = false;
};

// Runs the test in a real event loop (QTest::qWaitFor would sleep between
// its turns and add to every latency).
Outcome run(LinkTest &test, int timeoutMs)
{
    Outcome o;
    QSignalSpy finished(&test, &LinkTest::finished);
    test.start();
    if (finished.wait(timeoutMs)) {
        o.summary = finished.at(0).at(0).value<LinkSummary>();
        o.error = finished.at(0).at(1).toString();
        o.done = true;
    }
    return o;
}

// Bounds a count of a binomial(n, p) lies within all but about once in 10^5.
bool withinBinomial(int count, int n, double p)
{
    const double mean = n * p;
    const double sd = std::sqrt(n * p * (1 - p));
    return std::abs(count - mean) <= 4.5 * sd;
}

} // namespace

class TestLinkTest : public QObject
{
    Q_OBJECT
private slots:
    void crcCheckValue();
    void reassembly_data();
    void reassembly();
    void figures();
    void pacedByTheSlowerOfLineAndRf_data();
    void pacedByTheSlowerOfLineAndRf();
    void latencyIsAirTimePlusDelay();
    void lossWithinBinomialBounds();
    void corruptionCounted();
    void otherChannelHearsNothing();
    void preflightRefusesDifferentChannels();
    void preflightConfiguresSecondModule();
    void stopCountsOnlySettledPackets();
};

void TestLinkTest::crcCheckValue()
{
    // CRC-16/CCITT-FALSE of "123456789".
    QCOMPARE(crc16("123456789", 9), quint16(0x29B1));
    const QByteArray p = encodePacket(kRun, 7, 99, 32);
    QCOMPARE(p.size(), 32);
    QCOMPARE(p.left(2), QByteArray("\x5A\xC3"));
}

void TestLinkTest::reassembly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("chunk");
    QTest::addColumn<QString>("expected");
    const QByteArray five = stream(5);
    for (int chunk : {1, 7, 31, 32, 33, 80, 160})
        QTest::addRow("split or joined, %d bytes a piece", chunk) << five << chunk << "0 1 2 3 4";

    QByteArray body = five;
    body[32 + 20] = char(body[32 + 20] ^ 0x40); // packet 1's filler
    QTest::newRow("a changed byte") << body << 5 << "0 x 2 3 4";
    QByteArray sync = five;
    sync[64] = char(sync[64] ^ 0x01); // packet 2's sync
    QTest::newRow("a changed sync byte") << sync << 9 << "0 1 x 3 4";
    QByteArray twoSyncs = five;
    twoSyncs[32] = char(twoSyncs[32] ^ 0x01);
    twoSyncs[65] = char(twoSyncs[65] ^ 0x01);
    QTest::newRow("two packets in a row with a changed sync") << twoSyncs << 5 << "0 x x 3 4";
    QTest::newRow("a packet cut short") << five.left(32 + 10) + five.mid(64) << 3 << "0 x 2 3 4";
    QTest::newRow("noise before and between")
        << QByteArray("\x01\xA5\x5A\x02") + five.left(64) + QByteArray(7, '\x5A') + five.mid(64)
        << 4 << "x 0 1 x 2 3 4";
    QTest::newRow("another run is passed over")
        << encodePacket(kRun + 1, 0, 5, 32) + five.left(32) << 32 << "0";
}

void TestLinkTest::reassembly()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, chunk);
    QFETCH(QString, expected);
    QCOMPARE(frames(bytes, chunk), expected);
}

void TestLinkTest::figures()
{
    LinkStats s;
    s.reset(32, false, 0);
    s.intervalMs = 10;
    const qint64 ms = 1'000'000;
    for (int i = 0; i < 6; ++i)
        s.addSent(i * 10 * ms);
    s.addArrival(0, 20 * ms, true);     // 20 ms
    s.addArrival(2, 50 * ms, true);     // 30 ms
    s.addArrival(1, 51 * ms, true);     // 41 ms, after packet 2
    s.addArrival(1, 52 * ms, true);     // a second copy
    s.addDamaged(3);                    // packet 3 arrived damaged only
    s.addDamaged(std::nullopt);         // a piece whose header was hit
    s.addDamaged(0);                    // a damaged copy of a packet that came
    s.expire(3);
    s.expire(4);                        // nothing came
    s.addArrival(4, 900 * ms, false);   // after its timeout
    s.addArrival(5, 60 * ms, true);     // 10 ms
    const LinkSummary sum = s.summary();
    QCOMPARE(sum.sent, 6);
    QCOMPARE(sum.received, 4);
    QCOMPARE(sum.lost, 2);
    QCOMPARE(sum.late, 1);
    QCOMPARE(sum.corrupted, 1); // packets, as the CSV counts them
    QCOMPARE(sum.damagedPieces, 3);
    QCOMPARE(sum.duplicated, 1);
    QCOMPARE(sum.outOfOrder, 1);
    QCOMPARE(*sum.minMs, 10.0);
    QCOMPARE(*sum.p50Ms, 20.0); // nearest rank of 10, 20, 30, 41
    QCOMPARE(*sum.p95Ms, 41.0);
    QCOMPARE(*sum.maxMs, 41.0);
    QCOMPARE(sum.lossPercent(), 100.0 * 2 / 6);
    QCOMPARE(s.csv().split("\r\n").mid(0, 6),
             QStringList({"seq,sent,received,latency_ms,state", "0,0.000,20.000,20.000,received",
                          "1,10.000,51.000,41.000,received", "2,20.000,50.000,30.000,received",
                          "3,30.000,,,corrupted", "4,40.000,900.000,860.000,late"}));
    QVERIFY(sum.lines().join('\n').contains("p50 20.0  p95 41.0"));
    QVERIFY2(sum.lines().join('\n').contains("Corrupted     1 packet (counted among the lost); 3 "
                                             "damaged pieces in all"),
             qPrintable(sum.lines().join('\n')));

    std::vector<double> v{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QCOMPARE(percentile(v, 50), 5.0);
    QCOMPARE(percentile(v, 99), 10.0);
    QCOMPARE(percentile(v, 0), 1.0);
}

void TestLinkTest::pacedByTheSlowerOfLineAndRf_data()
{
    QTest::addColumn<int>("rfBps");
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("interval"); // given; 0: the default
    QTest::addColumn<int>("expected"); // ms between packets
    QTest::addColumn<int>("ceiling");  // bytes/s
    QTest::addColumn<bool>("warned");
    // 1024 bytes: 267 ms on a 38400-baud line, 89 ms in the air at 115200 bps.
    QTest::newRow("115200 RF over 38400 baud") << 115200 << 38400 << 1024 << 0 << 534 << 3840
                                               << false;
    QTest::newRow("57600 RF over 38400 baud") << 57600 << 38400 << 1024 << 0 << 534 << 3840
                                              << false;
    QTest::newRow("19200 RF over 38400 baud: the air is slower")
        << 19200 << 38400 << 32 << 0 << 34 << 1920 << false;
    QTest::newRow("an interval of 1 ms: warned") << 115200 << 38400 << 1024 << 1 << 1 << 3840
                                                 << true;
    QTest::newRow("an interval of one packet's time: not warned")
        << 115200 << 38400 << 1024 << 267 << 267 << 3840 << false;
}

void TestLinkTest::pacedByTheSlowerOfLineAndRf()
{
    QFETCH(int, rfBps);
    QFETCH(int, baud);
    QFETCH(int, size);
    QFETCH(int, interval);
    QFETCH(int, expected);
    QFETCH(int, ceiling);
    QFETCH(bool, warned);
    LinkPlan plan;
    plan.rfBps = rfBps;
    plan.fromBaud = plan.toBaud = baud;
    plan.size = size;
    plan.intervalMs = interval;
    QCOMPARE(plan.effectiveIntervalMs(), expected);
    QCOMPARE(plan.ceilingBps() / 10, ceiling);
    QCOMPARE(!plan.intervalWarning().isEmpty(), warned);
    if (warned)
        QCOMPARE(plan.intervalWarning(),
                 QStringLiteral("an interval of 1 ms is shorter than one packet's time (266.7 ms "
                                "for 1024 bytes on the 38400-baud line): packets queue, and those "
                                "that wait too long are lost"));
}

void TestLinkTest::latencyIsAirTimePlusDelay()
{
    sim::RadioSettings radio;
    radio.latencyMs = 8;
    Bench bench(radio);
    QCOMPARE(bench.modules.size(), size_t(2));
    const LinkPlan plan = bench.plan(60, 19200); // the factory RF speed
    LinkTest test(plan);
    const Outcome o = run(test, 30000);
    QVERIFY(o.done);
    QCOMPARE(o.error, QString());
    QCOMPARE(o.summary.sent, 60);
    QCOMPARE(o.summary.received, 60);
    QCOMPARE(o.summary.corrupted, 0);
    QCOMPARE(o.summary.outOfOrder, 0);
    const double expected = plan.airTimeMs(32) + radio.latencyMs; // 16.7 + 8 ms
    QVERIFY2(std::abs(*o.summary.p50Ms - expected) <= 5.0,
             qPrintable(QStringLiteral("p50 %1 ms, expected %2").arg(*o.summary.p50Ms).arg(expected)));
    QVERIFY(*o.summary.minMs >= expected - 0.5);
    // Two air times apart by default.
    QCOMPARE(o.summary.intervalMs, 34);
    QVERIFY(o.summary.goodputBytesPerS > 0.3 * o.summary.ceilingBytesPerS());
    QVERIFY(o.summary.goodputBytesPerS < o.summary.ceilingBytesPerS());
}

void TestLinkTest::lossWithinBinomialBounds()
{
    sim::RadioSettings radio;
    radio.lossRate = 0.10;
    radio.latencyMs = 2;
    Bench bench(radio);
    for (auto &m : bench.modules) {
        ConfigBlock block = ConfigBlock::factoryDefaults();
        block.rfSpeedCode = 2; // 115200 bps: 500 packets in a few seconds
        m->setConfiguration(block.toBytes());
    }
    LinkPlan plan;
    plan.from = bench.a().devicePath();
    plan.to = bench.b().devicePath();
    plan.count = 500;
    plan.rfBps = 115200;
    plan.intervalMs = 8;
    plan.timeoutMs = 500;
    LinkTest test(plan);
    QSignalSpy settled(&test, &LinkTest::packetSettled);
    const Outcome o = run(test, 60000);
    QVERIFY(o.done);
    QCOMPARE(o.summary.sent, 500);
    QCOMPARE(settled.count(), 500);
    QVERIFY2(withinBinomial(o.summary.lost, 500, 0.10),
             qPrintable(QStringLiteral("%1 of 500 lost").arg(o.summary.lost)));
    QCOMPARE(o.summary.received + o.summary.lost, 500);
    QCOMPARE(o.summary.corrupted, 0);
    QCOMPARE(o.summary.duplicated, 0);
}

void TestLinkTest::corruptionCounted()
{
    sim::RadioSettings radio;
    radio.corruptionRate = 0.25;
    radio.latencyMs = 2;
    Bench bench(radio, kFastestCode);
    LinkTest test(bench.plan(200, 115200, 8, 500));
    const Outcome o = run(test, 60000);
    QVERIFY(o.done);
    // Each changed byte spoils exactly its packet: one damaged frame each.
    QCOMPARE(o.summary.damagedPieces, o.summary.lost);
    QVERIFY2(withinBinomial(o.summary.damagedPieces, 200, 0.25),
             qPrintable(QStringLiteral("%1 of 200 damaged").arg(o.summary.damagedPieces)));
    // The summary's corrupted packets are the CSV's: those whose header survived.
    const int rows = int(test.stats().csv().count(QStringLiteral(",corrupted\r\n")));
    QVERIFY(rows > 0 && rows <= o.summary.damagedPieces);
    QCOMPARE(o.summary.corrupted, rows);
}

void TestLinkTest::otherChannelHearsNothing()
{
    Bench bench;
    VirtualModule third;
    QVERIFY(third.start());
    ConfigBlock other = ConfigBlock::factoryDefaults();
    other.channel = quint16(other.channel + 1);
    bench.b().setConfiguration(other.toBytes());
    ConfigBlock slower = ConfigBlock::factoryDefaults();
    slower.rfSpeedCode = 35; // 9600 bps
    third.setConfiguration(slower.toBytes());
    LinkTest test(bench.plan(5, 19200, 0, 300));
    const Outcome o = run(test, 10000);
    QVERIFY(o.done);
    QCOMPARE(o.summary.received, 0);
    QCOMPARE(o.summary.lost, 5);
    QCOMPARE(bench.a().receivedBytes().size(), 5 * 32); // it went on the air
    QVERIFY(bench.b().written().isEmpty());
    QVERIFY(third.written().isEmpty());
}

void TestLinkTest::preflightRefusesDifferentChannels()
{
    Bench bench;
    ConfigBlock other = ConfigBlock::factoryDefaults();
    other.channel = 0x0628;
    other.rfSpeedCode = 35;
    bench.b().setConfiguration(other.toBytes());
    LinkPreflight check({bench.a().devicePath(), 38400, bench.b().devicePath(), 38400,
                         Band::Mhz433, false});
    QSignalSpy done(&check, &LinkPreflight::finished);
    check.start();
    QVERIFY(done.wait(10000));
    const auto r = done.at(0).at(0).value<PreflightResult>();
    QCOMPARE(r.outcome, PreflightResult::Differ);
    QCOMPARE(r.differences,
             QStringList({"Channel: 433.920 MHz on " + bench.a().devicePath() +
                              ", 433.940 MHz on " + bench.b().devicePath(),
                          "RF speed: 19200 bps on " + bench.a().devicePath() + ", 9600 bps on " +
                              bench.b().devicePath()}));
    QCOMPARE(bench.b().configuration(), other.toBytes()); // nothing written
}

void TestLinkTest::preflightConfiguresSecondModule()
{
    Bench bench;
    ConfigBlock other = ConfigBlock::factoryDefaults();
    other.local = 0x01020304;
    other.channel = 0x0628;
    other.rfSpeedCode = 35;
    bench.b().setConfiguration(other.toBytes());
    LinkPreflight check({bench.a().devicePath(), 38400, bench.b().devicePath(), 38400,
                         Band::Mhz433, true});
    QSignalSpy done(&check, &LinkPreflight::finished);
    check.start();
    QVERIFY(done.wait(10000));
    const auto r = done.at(0).at(0).value<PreflightResult>();
    QCOMPARE(r.outcome, PreflightResult::Ready);
    QVERIFY(r.configured);
    ConfigBlock expected = other;
    expected.channel = 0x0620;
    expected.rfSpeedCode = 0x11;
    QCOMPARE(bench.b().configuration(), expected.toBytes()); // its address kept
    QCOMPARE(*r.to, expected);
    QCOMPARE(r.rfBps(), 19200);
}

void TestLinkTest::stopCountsOnlySettledPackets()
{
    sim::RadioSettings radio;
    radio.latencyMs = 400; // every packet is on the way for a while
    Bench bench(radio);
    LinkTest test(bench.plan(100, 19200, 20));
    Outcome o;
    connect(&test, &LinkTest::finished, this, [&o](const LinkSummary &s, const QString &) {
        o.summary = s;
        o.done = true;
    });
    test.start();
    QTRY_VERIFY_WITH_TIMEOUT(test.stats().received() >= 3, 10000);
    test.stop();
    QVERIFY(o.done);
    QVERIFY(!test.running());
    QVERIFY(o.summary.stopped);
    QVERIFY(o.summary.unfinished > 0);
    QCOMPARE(o.summary.sent + o.summary.unfinished, int(test.stats().sentCount()));
    QCOMPARE(o.summary.lost, 0); // those on the way are not counted as lost
    QVERIFY(o.summary.lines().last().startsWith("Stopped before the end:"));
}

QTEST_MAIN(TestLinkTest)
#include "tst_linktest.moc"
