// The serial device going away under the window (an adapter pulled), at rest,
// during a read, in each wait of a write, during a flood of data and while
// timed sends run; and a port that another program holds.

#include "gui/widgets/TrafficView.h"
#include "gui/widgets/TypingBox.h"
#include "gui/modem/RefreshOperation.h"
#include "core/link/PortResolver.h"
#include "core/link/SerialLink.h"
#include "tests/support/FormHarness.h"
#include "tests/support/TestUtil.h"
#include "gui/timing/IntervalTimer.h"

#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

#include <sys/resource.h>

using namespace zomar;
using namespace zomar::test;

namespace {

// Runs the event loop, blocked in it between events, and returns the CPU
// seconds the process used meanwhile.
double cpuWhileRunningEvents(int msecs)
{
    const double before = processCpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(msecs, &loop, &QEventLoop::quit);
    loop.exec();
    return processCpuSeconds() - before;
}

bool connectAndSettle(FormHarness &h)
{
    h.connectPort();
    return h.waitIdle() && h.form().comm().portOpen() &&
           QTest::qWaitFor([&] { return h.module().messagesHandled() >= 2; }, 5000) &&
           h.ui().Command2->isEnabled();
}

// Runs `action` once, at the receive event number `after` from now.
class AtByte
{
public:
    AtByte(SerialLink &link, std::function<void()> action, int after = 1)
    {
        QObject::connect(&link, &SerialLink::commEvent, &m_context,
                         [this, after, action = std::move(action)] {
                             if (++count == after)
                                 action();
                         });
    }
    int count = 0;

private:
    QObject m_context;
};

// What every loss leaves behind: the window closed, one box about it, and
// an idle process.
void checkClosedAfterLoss(FormHarness &h)
{
    Form1Controls &ui = h.ui();
    QTRY_COMPARE_WITH_TIMEOUT(h.prompter().shown.size(), 1, 5000);
    QVERIFY(!h.form().comm().portOpen());
    QCOMPARE(ui.Command7->text(), QString("Connect"));
    QVERIFY(!ui.Command2->isEnabled());
    QVERIFY(!ui.Command3->isEnabled());
    QVERIFY(!ui.Command6->isEnabled());
    const MessageRequest box = h.prompter().shown.first();
    QCOMPARE(box.buttons, MessageRequest::Ok);
    QVERIFY2(box.text.contains(h.module().devicePath()), qPrintable(box.text));

    // Nothing keeps knocking at the dead device, nor reports it again.
    const QString status = h.status();
    const double cpu = cpuWhileRunningEvents(1000);
    const QString spinning = spinningFault(cpu, 1000);
    QVERIFY2(spinning.isEmpty(), qPrintable(spinning));
    QCOMPARE(h.prompter().shown.size(), 1);
    QCOMPARE(h.status(), status);
    QVERIFY(!h.form().comm().portOpen());
    QVERIFY(!h.form().pointer().isBusy());
}

// The status names the loss and its device, in the words of the box.
void checkStatusReportsLoss(FormHarness &h)
{
    const QString status = h.status();
    QVERIFY2(status.contains(h.module().devicePath()), qPrintable(status));
    QVERIFY2(h.prompter().shown.first().text.contains(status), qPrintable(status));
}

} // namespace

class TestDeviceFaults : public QObject
{
    Q_OBJECT
private slots:
    void lostWhileIdle();
    void lostDuringRefresh_data();
    void lostDuringRefresh();
    void lostDuringSet_data();
    void lostDuringSet();
    void lostDuringBurst();
    void lostWhileTimedSendsRun();
    void portHeldByAnotherProgram();
};

void TestDeviceFaults::lostWhileIdle()
{
    FormHarness h;
    QVERIFY(connectAndSettle(h));

    h.module().hangUp();
    checkClosedAfterLoss(h);
    if (QTest::currentTestFailed())
        return;
    checkStatusReportsLoss(h);
    QVERIFY(h.ui().Command5->isEnabled());
    QVERIFY(h.ui().Command13->isEnabled());
}

void TestDeviceFaults::lostDuringRefresh_data()
{
    QTest::addColumn<bool>("answered");
    QTest::newRow("after the answer came") << true;
    QTest::newRow("before any answer") << false;
}

void TestDeviceFaults::lostDuringRefresh()
{
    QFETCH(bool, answered);
    FormHarness h;
    QVERIFY(connectAndSettle(h));

    // The hang-up must come while the read waits (its pointer is busy then).
    std::optional<bool> busyAtHangUp;
    auto hangUp = [&] {
        busyAtHangUp = h.form().pointer().isBusy();
        h.module().hangUp();
    };
    std::unique_ptr<AtByte> trigger;
    if (answered) {
        trigger = std::make_unique<AtByte>(h.form().comm(), hangUp);
    } else {
        h.module().setAnswerOverride(QByteArray());
        QTimer::singleShot(60, hangUp);
    }
    h.ui().Command3->click();
    QVERIFY(busyAtHangUp);
    QVERIFY(*busyAtHangUp);

    // The read ran to its end but does not claim an outcome over the loss.
    QCOMPARE(h.prompter().shown.size(), 1);
    checkClosedAfterLoss(h);
    if (QTest::currentTestFailed())
        return;
    checkStatusReportsLoss(h);
}

void TestDeviceFaults::lostDuringSet_data()
{
    // The module pulls the plug right after the message that begins the wait.
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("packetSent");
    QTest::addColumn<bool>("exitSent");
    QTest::newRow("entry wait") << QByteArray("+++") << false << false;
    QTest::newRow("packet wait") << QByteArray("<block>") << true << false;
    QTest::newRow("exit wait") << QByteArray("---") << true << true;
}

void TestDeviceFaults::lostDuringSet()
{
    QFETCH(QByteArray, after);
    QFETCH(bool, packetSent);
    QFETCH(bool, exitSent);
    FormHarness h;
    QVERIFY(connectAndSettle(h));
    QVERIFY(h.waitModuleIdle());
    h.module().clearReceived();
    h.module().setHangUpAfter([after](const QByteArray &message) {
        return after == "<block>" ? message.size() == 12 : message.endsWith(after);
    });

    // Where the Set stood when the loss came: the read-back has not begun
    // (it would blank the fields), and whether "---" had gone out.
    struct {
        bool seen = false, readBackBegun = false, exitSent = false, busy = false;
    } atLoss;
    QObject context;
    connect(&h.form().comm(), &SerialLink::deviceLost, &context, [&] {
        atLoss = {true, h.ui().Text1->text() == "??", h.form().state().parsePending,
                  h.form().pointer().isBusy()};
    });
    h.ui().Command2->click();
    QVERIFY(h.waitIdle());

    QVERIFY(atLoss.seen);
    QVERIFY(atLoss.busy);
    QVERIFY(!atLoss.readBackBegun);
    QCOMPARE(atLoss.exitSent, exitSent);
    const QByteArray packet = VirtualModule::factoryConfiguration();
    QCOMPARE(h.module().receivedBytes().contains(packet), packetSent);
    // One box, the loss's; the status keeps naming the loss.
    QVERIFY2(h.prompter().shown.size() == 1, qPrintable(h.prompter().texts().join(" | ")));
    QVERIFY2(h.prompter().shown.first().text.startsWith("Connection lost: "),
             qPrintable(h.prompter().shown.first().text));
    QVERIFY2(h.status().startsWith("Connection lost: "), qPrintable(h.status()));
    checkClosedAfterLoss(h);
    if (QTest::currentTestFailed())
        return;
    checkStatusReportsLoss(h);
}

void TestDeviceFaults::lostDuringBurst()
{
    FormHarness h;
    QVERIFY(connectAndSettle(h));
    QByteArray flood;
    for (int i = 0; i < 20000; ++i)
        flood.append(static_cast<char>('a' + i % 26));

    AtByte trigger(
        h.form().comm(), [&] { h.module().hangUp(); }, 500);
    h.module().send(flood);
    checkClosedAfterLoss(h);
    if (QTest::currentTestFailed())
        return;
    checkStatusReportsLoss(h);
    QVERIFY(trigger.count >= 500);
    // What was still on its way was dropped with the device.
    QVERIFY(trigger.count < flood.size());
}

void TestDeviceFaults::lostWhileTimedSendsRun()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(connectAndSettle(h));
    h.module().clearReceived();

    // Continuous send every 10 ms, and an echo 50 ms after each received byte.
    ui.Text24->setText(QStringLiteral("10"));
    ui.Command8->click();
    QCOMPARE(ui.Command8->text(), QString("Cont Send Off"));
    ui.Text23->setText(QStringLiteral("50"));
    ui.Command10->click();
    QVERIFY(h.form().state().loopbackOn);
    QTRY_VERIFY_WITH_TIMEOUT(h.module().receivedBytes().size() >= 3, 5000);
    h.module().send("e");
    QTRY_VERIFY_WITH_TIMEOUT(h.module().receivedBytes().contains('e'), 5000);

    // The device goes while an echo is armed and the continuous send ticks.
    AtByte trigger(h.form().comm(), [&] { h.module().hangUp(); });
    int echoTicks = 0;
    QObject context;
    connect(&h.form().loopTimer(), &IntervalTimer::tick, &context, [&] { ++echoTicks; });
    h.module().send("f");
    checkClosedAfterLoss(h);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(trigger.count, 1);
    // Both kept running after the loss without trying the closed port: the
    // status still reports the loss, not a failed write.
    QVERIFY(h.form().timer2().isTicking());
    QCOMPARE(echoTicks, 1);
    checkStatusReportsLoss(h);
    const qsizetype typed = ui.Text14->text().size();
    QTRY_VERIFY(ui.Text14->text().size() != typed);
    QCOMPARE(h.prompter().shown.size(), 1);
}

void TestDeviceFaults::portHeldByAnotherProgram()
{
    FormHarness h;
    PortResolver resolver;
    resolver.setSystemPortsSource([] { return QList<SystemPort>{}; });
    resolver.setExplicit(1, h.module().devicePath());
    SerialLink other(resolver);
    other.setCommPort(1);
    other.setPortOpen(true);
    QVERIFY(other.portOpen());

    h.connectPort();
    QCOMPARE(h.prompter().shown.size(), 1);
    const MessageRequest box = h.prompter().shown.first();
    QCOMPARE(box.title, QString("Error"));
    QVERIFY2(box.text.startsWith("Error: "), qPrintable(box.text));
    QVERIFY2(box.text.contains("in use") && box.text.contains("another program"),
             qPrintable(box.text));
    QVERIFY2(box.text.contains(h.module().devicePath()), qPrintable(box.text));
    QCOMPARE(h.status(), RefreshOperation::noResponseText());
    QCOMPARE(h.ui().Command7->text(), QString("Connect"));
    QVERIFY(!h.form().comm().portOpen());
    QVERIFY(h.module().receivedBytes().isEmpty());

    // Once the other program lets go, the port opens.
    other.setPortOpen(false);
    h.prompter().clear();
    h.connectPort();
    QVERIFY(h.prompter().shown.isEmpty());
    QCOMPARE(h.status(), QString("Request Complete"));
    QCOMPARE(h.ui().Command7->text(), QString("Disconnect"));
}

QTEST_MAIN(TestDeviceFaults)
#include "tst_devicefaults.moc"
