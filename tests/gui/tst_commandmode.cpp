// The command-mode sequences on the wire, and the yielding wait that the
// configuration exchanges rely on.

#include "gui/window/FormContext.h"
#include "gui/widgets/TrafficView.h"
#include "gui/modem/CommandModeSteps.h"
#include "gui/connection/PortConnection.h"
#include "core/link/SerialLink.h"
#include "tests/support/FormHarness.h"
#include "tests/support/TestUtil.h"
#include "gui/timing/IntervalTimer.h"
#include "gui/timing/YieldingWait.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

using namespace zomar;
using namespace zomar::test;

namespace {

bool waitForMessages(FormHarness &h, int count)
{
    return QTest::qWaitFor([&] { return h.module().messagesHandled() >= count; }, 5000);
}

} // namespace

class TestCommandMode : public QObject
{
    Q_OBJECT
private slots:
    void connectSendsBothSequences();
    void sequenceOnItsOwn_data();
    void sequenceOnItsOwn();
    void waitEndsOnlyAfterItsTime_data();
    void waitEndsOnlyAfterItsTime();
    void waitRunsTimersAndReceiveEvents();
    void waitDoesNotSpin();
};

void TestCommandMode::connectSendsBothSequences()
{
    FormHarness h;
    QVERIFY(h.waitIdle());
    QVERIFY(h.module().receivedBytes().isEmpty());
    // The status while the read waits: the entry emptied it.
    std::optional<QString> statusWhileWaiting;
    QObject context;
    connect(&h.form().comm(), &SerialLink::commEvent, &context, [&] {
        if (!statusWhileWaiting)
            statusWhileWaiting = h.status();
    });

    h.connectPort();
    QVERIFY(h.waitIdle());
    QVERIFY(waitForMessages(h, 2));

    const QList<VirtualModule::WireByte> wire = h.module().received();
    QCOMPARE(h.module().receivedBytes(), QByteArray("+++---"));
    QCOMPARE(wire.size(), 6);
    // Each sequence goes out in one write: its bytes arrive together.
    QVERIFY2(msBetween(wire.at(0).nsecs, wire.at(2).nsecs) < 20, "+++ spread out");
    QVERIFY2(msBetween(wire.at(3).nsecs, wire.at(5).nsecs) < 20, "--- spread out");
    // The exit follows the entry after the 0.2 s wait.
    const double gapMs = msBetween(wire.at(2).nsecs, wire.at(3).nsecs);
    QVERIFY2(gapMs >= 150 && gapMs <= 600, qPrintable(QString("gap %1 ms").arg(gapMs)));

    QVERIFY(statusWhileWaiting);
    QCOMPARE(*statusWhileWaiting, QString());
    QCOMPARE(h.status(), QString("Request Complete"));
}

void TestCommandMode::sequenceOnItsOwn_data()
{
    QTest::addColumn<bool>("enter");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("statusAfter");
    QTest::newRow("enter, open") << true << true << QByteArray("+++") << "";
    QTest::newRow("exit, open") << false << true << QByteArray("---") << "before";
    QTest::newRow("enter, closed") << true << false << QByteArray() << "before";
    QTest::newRow("exit, closed") << false << false << QByteArray() << "before";
}

void TestCommandMode::sequenceOnItsOwn()
{
    QFETCH(bool, enter);
    QFETCH(bool, open);
    QFETCH(QByteArray, sent);
    QFETCH(QString, statusAfter);
    FormHarness h;
    QVERIFY(h.waitIdle());
    if (open) {
        h.connectPort();
        QVERIFY(h.waitIdle());
        QVERIFY(waitForMessages(h, 2));
        QVERIFY(!h.module().inCommandMode());
    }
    h.module().clearReceived();
    const int before = h.module().messagesHandled();
    h.form().context().setStatus(QStringLiteral("before"));

    if (enter)
        EnterATMode(h.form().context());
    else
        CloseATMode(h.form().context());
    QCOMPARE(h.status(), statusAfter);

    if (!open) {
        QVERIFY(!h.form().comm().portOpen());
        // Open without a read and send a marker: it is the first thing on the line.
        h.form().portConnection().OpenComms();
        QVERIFY(h.form().comm().portOpen());
        h.form().comm().output("!");
        sent = "!";
    }
    QVERIFY(waitForMessages(h, before + 1));
    QCOMPARE(h.module().receivedBytes(), sent);
    if (open && enter)
        QVERIFY(h.module().inCommandMode());
}

void TestCommandMode::waitEndsOnlyAfterItsTime_data()
{
    QTest::addColumn<double>("seconds");
    QTest::newRow("0.001") << 0.001;
    QTest::newRow("0.1") << 0.1;
    QTest::newRow("0.2") << 0.2;
}

void TestCommandMode::waitEndsOnlyAfterItsTime()
{
    QFETCH(double, seconds);
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer clock;
        clock.start();
        yieldingWait(seconds);
        const qint64 ns = clock.nsecsElapsed();
        QVERIFY2(ns > qint64(seconds * 1e9), qPrintable(QString("ended after %1 ns").arg(ns)));
        QVERIFY2(ns < qint64(seconds * 1e9) + 500'000'000,
                 qPrintable(QString("ended after %1 ns").arg(ns)));
    }
}

void TestCommandMode::waitRunsTimersAndReceiveEvents()
{
    FormHarness h;
    h.connectPort();
    QVERIFY(h.waitIdle());
    QVERIFY(waitForMessages(h, 2));
    h.ui().Text13->setText(QString());
    QVERIFY(!h.form().timer1().isEnabled());

    qint64 timerFiredNs = 0;
    QTimer::singleShot(50, [&] { timerFiredNs = VirtualModule::now(); });
    h.module().sendAfter(30, "XYZ");
    const qint64 startNs = VirtualModule::now();
    yieldingWait(0.6);
    const qint64 endNs = VirtualModule::now();

    // All of it ran inside the wait, nothing after it.
    QVERIFY(timerFiredNs > startNs && timerFiredNs < endNs);
    QCOMPARE(h.ui().Text13->text(), QString("XYZ"));
    QCOMPARE(h.form().state().loopbackChar, std::optional<quint8>(quint8('Z')));
    // The quiet-line tick came too and ended the burst.
    QVERIFY(!h.form().timer1().isEnabled());
    QCOMPARE(h.form().state().rx.index, 0);
}

void TestCommandMode::waitDoesNotSpin()
{
    FormHarness h(FormHarness::Options::noModule());
    QVERIFY(h.waitIdle());
    const double cpuBefore = processCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    yieldingWait(1.0);
    const double cpuUsed = processCpuSeconds() - cpuBefore;
    QVERIFY(clock.elapsed() >= 1000);
    const QString spinning = spinningFault(cpuUsed, int(clock.elapsed()));
    QVERIFY2(spinning.isEmpty(), qPrintable(spinning));
}

QTEST_MAIN(TestCommandMode)
#include "tst_commandmode.moc"
