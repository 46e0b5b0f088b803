// The module session at the wire, against the virtual module: the bytes and
// timing of a read, a write and a factory reset, verification, faults, and
// requests that wait for one another.

#include "core/protocol/CommandTiming.h"
#include "core/protocol/ModuleSession.h"
#include "tests/support/TestUtil.h"
#include "tests/support/Wire.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace zomar;
using namespace zomar::test;

namespace {

const QByteArray kModuleBlock = bytes({1, 2, 3, 4, 5, 6, 7, 8, 0x06, 0x20, 3, 0x11});

struct Rig {
    VirtualModule module;
    std::unique_ptr<ModuleSession> session;
    QList<SessionResult> results;

    bool start(const QByteArray &config = kModuleBlock)
    {
        if (!module.start())
            return false;
        module.setConfiguration(config);
        session = std::make_unique<ModuleSession>(module.devicePath(), 38400);
        QObject::connect(session.get(), &ModuleSession::finished,
                         [this](const SessionResult &r) { results << r; });
        return true;
    }
    bool waitResults(int n, int timeoutMs = 5000)
    {
        QElapsedTimer t;
        t.start();
        while (results.size() < n && t.elapsed() < timeoutMs)
            runEventLoopFor(10);
        // Let the module take the last "---".
        runEventLoopFor(30);
        return results.size() >= n;
    }
    QList<WireMessage> wire() const { return wireMessages(module.received()); }
};

ConfigBlock someBlock()
{
    ConfigBlock b;
    b.destination = 0x0A0B0C0D;
    b.local = 0x11223344;
    b.channel = 2000;
    b.txPowerCode = 7;
    b.rfSpeedCode = 0x23;
    return b;
}

} // namespace

class TestModuleSession : public QObject
{
    Q_OBJECT

private slots:
    void readAtTheWire();
    void writeAtTheWire_data();
    void writeAtTheWire();
    void readBackThatDiffers();
    void silentModule_data();
    void silentModule();
    void answersWithA5_data();
    void answersWithA5();
    void deviceLostDuringWrite_data();
    void deviceLostDuringWrite();
    void openFailures_data();
    void openFailures();
    void requestsWaitForOneAnother_data();
    void requestsWaitForOneAnother();
    void blockValueRoundTrip();
};

void TestModuleSession::readAtTheWire()
{
    Rig rig;
    QVERIFY(rig.start());
    TappedLine line;
    line.attach(rig.session->link());
    QElapsedTimer clock;
    clock.start();
    rig.session->read();
    QVERIFY(rig.waitResults(1));
    const SessionResult &r = rig.results.first();
    QCOMPARE(r.outcome, SessionResult::Done);
    QVERIFY(r.block);
    QCOMPARE(r.block->toBytes(), kModuleBlock);
    QCOMPARE(r.skippedA5, 0);

    const QList<WireMessage> m = rig.wire();
    QCOMPARE(m.size(), 2);
    QCOMPARE(m[0].bytes, QByteArray("+++"));
    QCOMPARE(m[1].bytes, QByteArray("---"));
    // Timed where the program writes: the module's thread may be late.
    const QList<TappedLine::Chunk> sent = line.sent();
    QCOMPARE(sent.size(), 2);
    const double gap = msBetweenNs(sent[0].nsecs, sent[1].nsecs);
    QVERIFY2(gap >= 199 && gap < 400, qPrintable(QString::number(gap)));
    QVERIFY(clock.elapsed() >= 255);
}

void TestModuleSession::writeAtTheWire_data()
{
    QTest::addColumn<bool>("factory");
    QTest::newRow("write") << false;
    QTest::newRow("factory reset") << true;
}

void TestModuleSession::writeAtTheWire()
{
    QFETCH(bool, factory);
    Rig rig;
    QVERIFY(rig.start());
    TappedLine line;
    line.attach(rig.session->link());
    const ConfigBlock block = factory ? ConfigBlock::factoryDefaults() : someBlock();
    if (factory)
        rig.session->factoryReset();
    else
        rig.session->write(block);
    QVERIFY(rig.waitResults(1));
    const SessionResult &r = rig.results.first();
    QCOMPARE(r.outcome, SessionResult::Done);
    QVERIFY(r.packetSent);
    QCOMPARE(r.before->toBytes(), kModuleBlock);
    QCOMPARE(r.block->toBytes(), block.toBytes());
    QCOMPARE(rig.module.configuration(), block.toBytes());

    // "+++", 0.2 s, the block in one write, 0.1 s, "---", 0.1 s, then a read.
    const QList<WireMessage> m = rig.wire();
    QCOMPARE(m.size(), 5);
    QCOMPARE(m[0].bytes, QByteArray("+++"));
    QCOMPARE(m[1].bytes, block.toBytes());
    QCOMPARE(m[2].bytes, QByteArray("---"));
    QCOMPARE(m[3].bytes, QByteArray("+++"));
    QCOMPARE(m[4].bytes, QByteArray("---"));
    // Timed where the program writes: the module's thread may be late.
    const QList<TappedLine::Chunk> sent = line.sent();
    QCOMPARE(sent.size(), 5);
    const double waits[] = {200, 100, 100, 200};
    for (int i = 0; i < 4; ++i) {
        const double gap = msBetweenNs(sent[i].nsecs, sent[i + 1].nsecs);
        QVERIFY2(gap >= waits[i] - 1 && gap < waits[i] + 150,
                 qPrintable(QStringLiteral("step %1: %2 ms").arg(i).arg(gap)));
    }
}

void TestModuleSession::readBackThatDiffers()
{
    Rig rig;
    QVERIFY(rig.start());
    ConfigBlock stored = someBlock();
    stored.channel = 1999;
    stored.rfSpeedCode = 0x11;
    rig.module.setStoreOverride(stored.toBytes());
    rig.session->write(someBlock());
    QVERIFY(rig.waitResults(1));
    const SessionResult &r = rig.results.first();
    QCOMPARE(r.outcome, SessionResult::Mismatch);
    QCOMPARE(r.differing, (QList<BlockField>{BlockField::Channel, BlockField::RfSpeed}));
    QVERIFY2(r.message.contains("Channel, RF speed"), qPrintable(r.message));
}

void TestModuleSession::silentModule_data()
{
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
}

void TestModuleSession::silentModule()
{
    QFETCH(bool, write);
    Rig rig;
    QVERIFY(rig.start());
    rig.module.setLineSpeed(9600); // hears only noise at 38400
    if (write)
        rig.session->write(someBlock());
    else
        rig.session->read();
    QVERIFY(rig.waitResults(1));
    const SessionResult &r = rig.results.first();
    QCOMPARE(r.outcome, SessionResult::NoResponse);
    QVERIFY(!r.packetSent);
    // Nothing but the two sequences went out: no block to a module that did
    // not answer.
    QCOMPARE(rig.module.receivedBytes(), QByteArray("+++---"));
    QCOMPARE(rig.module.configuration(), kModuleBlock);
}

void TestModuleSession::answersWithA5_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QByteArray>("block");
    QTest::newRow("leading A5") << QByteArray("\xA5") + kModuleBlock << int(SessionResult::Done)
                                << kModuleBlock;
    QByteArray inner = kModuleBlock;
    inner[5] = char(0xA5);
    QTest::newRow("A5 inside") << inner << int(SessionResult::NoResponse) << QByteArray();
    QByteArray last = kModuleBlock;
    last[11] = char(0xA5);
    QTest::newRow("A5 last") << last << int(SessionResult::Done) << last;
}

void TestModuleSession::answersWithA5()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, outcome);
    QFETCH(QByteArray, block);
    Rig rig;
    QVERIFY(rig.start());
    rig.module.setAnswerOverride(answer);
    rig.session->read();
    QVERIFY(rig.waitResults(1));
    const SessionResult &r = rig.results.first();
    QCOMPARE(int(r.outcome), outcome);
    QCOMPARE(r.skippedA5, 1);
    QVERIFY2(r.message.contains("0xA5"), qPrintable(r.message));
    if (!block.isEmpty())
        QCOMPARE(r.block->toBytes(), block);
}

void TestModuleSession::deviceLostDuringWrite_data()
{
    QTest::addColumn<bool>("afterPacket");
    QTest::newRow("pulled after +++") << false;
    QTest::newRow("pulled after the block") << true;
}

void TestModuleSession::deviceLostDuringWrite()
{
    QFETCH(bool, afterPacket);
    Rig rig;
    QVERIFY(rig.start());
    rig.module.setHangUpAfter([afterPacket](const QByteArray &m) {
        return afterPacket ? m.size() == 12 : m == "+++";
    });
    rig.session->write(someBlock());
    QVERIFY(rig.waitResults(1));
    const SessionResult &r = rig.results.first();
    QCOMPARE(r.outcome, SessionResult::PortError);
    QCOMPARE(r.stateUnknown, afterPacket);
    QVERIFY2(r.message.contains("disconnected"), qPrintable(r.message));
    QVERIFY2(r.message.contains(afterPacket ? "unknown" : "nothing was written"),
             qPrintable(r.message));
    // Whatever reached the module was whole: never part of a block.
    for (const WireMessage &m : rig.wire())
        QVERIFY(m.bytes == "+++" || m.bytes == "---" || m.bytes.size() == 12);
}

void TestModuleSession::openFailures_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("says");
    QTest::newRow("no such device") << "/dev/ttyNOSUCH7" << "No such device";
    QTest::newRow("not a terminal") << "/dev/null" << "not a serial port";
}

void TestModuleSession::openFailures()
{
    QFETCH(QString, device);
    QFETCH(QString, says);
    ModuleSession session(device, 38400);
    QSignalSpy spy(&session, &ModuleSession::finished);
    session.read();
    QTRY_COMPARE(spy.size(), 1);
    const auto r = spy.first().first().value<SessionResult>();
    QCOMPARE(r.outcome, SessionResult::PortError);
    QVERIFY2(r.message.contains(says), qPrintable(r.message));
}

void TestModuleSession::requestsWaitForOneAnother_data()
{
    QTest::addColumn<int>("commandGapMs");
    QTest::newRow("lenient module") << 0;
    // One command per quiet line: "---+++" back to back would be neither.
    QTest::newRow("module that splits by a quiet line") << kQuietLineMs;
}

void TestModuleSession::requestsWaitForOneAnother()
{
    QFETCH(int, commandGapMs);
    Rig rig;
    QVERIFY(rig.start());
    rig.module.setCommandGap(commandGapMs);
    TappedLine line;
    line.attach(rig.session->link());
    // Asked at once: each runs whole, in the order asked.
    rig.session->read();
    rig.session->write(someBlock());
    rig.session->read();
    QVERIFY(rig.waitResults(3));
    QCOMPARE(rig.results[0].op, SessionOp::Read);
    QCOMPARE(rig.results[1].op, SessionOp::Write);
    QCOMPARE(rig.results[2].op, SessionOp::Read);
    QCOMPARE(rig.results[0].block->toBytes(), kModuleBlock);
    QCOMPARE(rig.results[2].block->toBytes(), someBlock().toBytes());
    const QList<WireMessage> wire = rig.wire();
    const QString fault = exchangeFault(wire);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    // Every "+++" but the first follows a quiet line of the guard time.
    QCOMPARE(line.sentCount("+++"), 4);
    const QString early = line.entryGuardFault(kQueueGuardMs);
    QVERIFY2(early.isEmpty(), qPrintable(early));
}

void TestModuleSession::blockValueRoundTrip()
{
    const QByteArray raw = bytes({0xDE, 0xAD, 0xBE, 0xEF, 0, 1, 2, 3, 0xFF, 0xFE, 9, 0x10});
    const auto block = ConfigBlock::fromBytes(raw);
    QVERIFY(block);
    QCOMPARE(block->destination, 0xDEADBEEFu);
    QCOMPARE(block->local, 0x00010203u);
    QCOMPARE(int(block->channel), 0xFFFE);
    QCOMPARE(block->toBytes(), raw);
    QVERIFY(!ConfigBlock::fromBytes(raw.left(11)));
    QCOMPARE(ConfigBlock::factoryDefaults().toBytes(),
             bytes({0, 0, 0, 0, 0, 0, 0, 0, 0x06, 0x20, 0x00, 0x11}));
}

QTEST_GUILESS_MAIN(TestModuleSession)
#include "tst_modulesession.moc"
