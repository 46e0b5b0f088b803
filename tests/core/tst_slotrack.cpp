// Simulated sockets at the wire: a module plugged in is reached through its
// socket's link; each fault shows as a module session meets it; unplugging
// takes the link and the device away.

#include "core/protocol/ModuleSession.h"
#include "sim/SlotRack.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

using namespace zomar;

class TstSlotRack : public QObject
{
    Q_OBJECT
private slots:
    void faultsMeetASession_data();
    void faultsMeetASession();
    void unplugTakesLinkAndDevice();
};

void TstSlotRack::faultsMeetASession_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<bool>("linkStays");
    QTest::newRow("sound") << int(SlotRack::Fault::None) << int(SessionResult::Done) << true;
    QTest::newRow("silent") << int(SlotRack::Fault::Silent) << int(SessionResult::NoResponse)
                            << true;
    QTest::newRow("faulty") << int(SlotRack::Fault::Mismatch) << int(SessionResult::Mismatch)
                            << true;
    QTest::newRow("pulled") << int(SlotRack::Fault::Pulled) << int(SessionResult::PortError)
                            << false;
    QTest::newRow("pulled early")
        << int(SlotRack::Fault::PulledEarly) << int(SessionResult::PortError) << false;
    QTest::newRow("pulled mid-write")
        << int(SlotRack::Fault::PulledMidWrite) << int(SessionResult::PortError) << false;
}

void TstSlotRack::faultsMeetASession()
{
    QFETCH(int, fault);
    QFETCH(int, outcome);
    QFETCH(bool, linkStays);
    SlotRack rack(3);
    QVERIFY(rack.plug(1, SlotRack::Fault(fault)));
    QVERIFY(!rack.plugged(0) && rack.plugged(1));
    ModuleSession session(rack.linkPath(1), 38400);
    QSignalSpy finished(&session, &ModuleSession::finished);
    ConfigBlock block = ConfigBlock::factoryDefaults();
    block.local = 0x12345678;
    session.write(block);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 10000);
    const auto result = finished.first().first().value<SessionResult>();
    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(QFileInfo::exists(rack.linkPath(1)), linkStays);
    // Pulled before its block went out, nothing was written; as or after it
    // arrived, nobody here can know what the module kept.
    QCOMPARE(result.packetSent, SlotRack::Fault(fault) != SlotRack::Fault::PulledEarly &&
                                    SlotRack::Fault(fault) != SlotRack::Fault::Silent);
}

void TstSlotRack::unplugTakesLinkAndDevice()
{
    SlotRack rack(2);
    VirtualModule *module = rack.plug(0);
    QVERIFY(module);
    const QString device = module->devicePath();
    QCOMPARE(QFileInfo(rack.linkPath(0)).canonicalFilePath(), device);
    QVERIFY(rack.portName(0) != rack.portName(1));
    rack.unplug(0);
    QVERIFY(!rack.plugged(0));
    QVERIFY(!QFileInfo::exists(rack.linkPath(0)));
    QVERIFY(!QFileInfo(rack.linkPath(0)).isSymLink());
    QVERIFY(!QFileInfo::exists(device));
}

QTEST_GUILESS_MAIN(TstSlotRack)
#include "tst_slotrack.moc"
