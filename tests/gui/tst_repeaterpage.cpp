// The repeater page on the wire: the module sends characters at chosen times
// and records when the echoes come back.

#include "gui/widgets/TrafficView.h"
#include "tests/support/FormHarness.h"
#include "gui/timing/IntervalTimer.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

using namespace zomar;
using namespace zomar::test;

namespace {

constexpr int kModemTab = 0;
constexpr int kRepeaterTab = 3;

// Shows the window with the test tabs revealed and `tab` selected, connects
// to the module and waits until the read that follows is over; then forgets
// its traffic: the wire record and the boxes start empty.
void showConnected(FormHarness &h, int tab)
{
    h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    QTest::keyRelease(h.ui().Command7, Qt::Key_F1); // reveals the test tabs
    QCOMPARE(h.ui().TabStrip1->count(), 4);
    h.ui().TabStrip1->setCurrentIndex(tab);
    h.connectPort();
    QVERIFY(h.waitIdle());
    // On a heavily loaded machine the virtual module's thread can sleep
    // through a whole read and take "+++---" as one message; read again then.
    for (int attempt = 1; attempt < 3 && h.status() != "Request Complete"; ++attempt) {
        waitModuleOutOfCommandMode(h);
        h.ui().Command3->click();
        QVERIFY(h.waitIdle());
    }
    QCOMPARE(h.status(), QString("Request Complete"));
    waitModuleOutOfCommandMode(h);
    h.module().clearReceived();
    for (TrafficView *box : {h.ui().Text13, h.ui().Text21, h.ui().Text22})
        box->setText(QString());
}

#define SHOW_CONNECTED(h, tab)                                                                     \
    do {                                                                                           \
        showConnected(h, tab);                                                                     \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

void switchLoopback(FormHarness &h, bool on)
{
    if (h.form().state().loopbackOn != on)
        QTest::mouseClick(h.ui().Command10, Qt::LeftButton);
}

// Waits until the receive path has handled `text` (its last character ends
// the repeater's RX box).
bool waitReceived(FormHarness &h, const QString &text)
{
    return QTest::qWaitFor([&] { return h.ui().Text22->text().endsWith(text); }, 5000);
}

} // namespace

class TestRepeaterPage : public QObject
{
    Q_OBJECT
private slots:
    void toggle();
    void echoAfterQuietDelay_data();
    void echoAfterQuietDelay();
    void switchingOffKeepsPendingEcho();
    void arrivalWithLoopbackOffCancelsEcho();
    void zeroDelayNeverEchoes();
    void echoedBoxEmptiedPastTwoHundred_data();
    void echoedBoxEmptiedPastTwoHundred();
    void receivedBoxEmptiedPastTwoHundred_data();
    void receivedBoxEmptiedPastTwoHundred();
    void clearLeavesLoopbackAndPendingEcho();
    void echoDueAfterDisconnectIsDropped();
    void configurationBlockIsEchoedDuringRefresh();
    void boxesShowTrafficOnceTheirPageIsShown();
};

void TestRepeaterPage::toggle()
{
    // Works without a port: the button is always enabled.
    FormHarness h(FormHarness::Options::noModule());
    QPushButton *button = h.ui().Command10;
    QVERIFY(button->isEnabled());
    QCOMPARE(button->text(), QString("Loopback On"));
    QVERIFY(!h.form().state().loopbackOn);
    for (int round = 0; round < 2; ++round) {
        button->click();
        QCOMPARE(button->text(), QString("Loopback Off"));
        QVERIFY(h.form().state().loopbackOn);
        // Nothing else happens: no timer is started.
        QVERIFY(!h.form().loopTimer().isTicking());
        button->click();
        QCOMPARE(button->text(), QString("Loopback On"));
        QVERIFY(!h.form().state().loopbackOn);
    }
}

void TestRepeaterPage::echoAfterQuietDelay_data()
{
    QTest::addColumn<int>("gapMs");
    QTest::addColumn<QString>("echoes");
    QTest::newRow("10 ms apart: the last one") << 10 << "C";
    QTest::newRow("300 ms apart: each one") << 300 << "ABC";
}

void TestRepeaterPage::echoAfterQuietDelay()
{
    QFETCH(int, gapMs);
    QFETCH(QString, echoes);
    FormHarness h;
    SHOW_CONNECTED(h, kRepeaterTab);
    QCOMPARE(h.ui().Text23->text(), QString("100"));
    switchLoopback(h, true);

    // When each character leaves the module at the earliest (never earlier).
    const QByteArray sent("ABC");
    QList<qint64> sentAt;
    for (int i = 0; i < sent.size(); ++i) {
        sentAt.append(VirtualModule::now() + qint64(i * gapMs) * 1000000);
        h.module().sendAfter(i * gapMs, sent.mid(i, 1));
    }
    QVERIFY(
        QTest::qWaitFor([&] { return h.module().receivedBytes().size() >= echoes.size(); }, 5000));
    QTest::qWait(500); // room for an echo too many
    QCOMPARE(h.module().receivedBytes(), echoes.toLatin1());

    // Each echo about one delay after its character arrived.
    const QList<VirtualModule::WireByte> wire = h.module().received();
    for (const VirtualModule::WireByte &echo : wire) {
        const qsizetype index = sent.indexOf(char(echo.value));
        const double after = msBetween(sentAt[index], echo.nsecs);
        QVERIFY2(after >= 70.0 && after < 400.0,
                 qPrintable(QStringLiteral("%1 echoed %2 ms after it was sent")
                                .arg(QChar(echo.value))
                                .arg(after)));
    }
    QCOMPARE(h.ui().Text21->text(), echoes);
    QCOMPARE(h.ui().Text22->text(), QString("ABC"));
    QCOMPARE(h.ui().Text13->text(), QString("ABC"));
}

void TestRepeaterPage::switchingOffKeepsPendingEcho()
{
    FormHarness h;
    SHOW_CONNECTED(h, kRepeaterTab);
    h.ui().Text23->setText("300");
    switchLoopback(h, true);
    h.module().send("X");
    QVERIFY(waitReceived(h, "X"));
    QVERIFY(h.form().loopTimer().isTicking());
    switchLoopback(h, false);
    QCOMPARE(h.ui().Command10->text(), QString("Loopback On"));

    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("X"));
    QCOMPARE(h.ui().Text21->text(), QString("X"));
    // One echo, and the timer stopped itself.
    QVERIFY(!h.form().loopTimer().isEnabled());
    QTest::qWait(500);
    QCOMPARE(h.module().receivedBytes(), QByteArray("X"));
}

void TestRepeaterPage::arrivalWithLoopbackOffCancelsEcho()
{
    FormHarness h;
    SHOW_CONNECTED(h, kRepeaterTab);
    h.ui().Text23->setText("300");
    switchLoopback(h, true);
    h.module().send("P");
    QVERIFY(waitReceived(h, "P"));
    switchLoopback(h, false);
    h.module().send("Q");
    QVERIFY(waitReceived(h, "PQ"));
    // The timer was stopped and left off, with the delay as its interval.
    QVERIFY(!h.form().loopTimer().isEnabled());
    QCOMPARE(h.form().loopTimer().interval(), 300);

    QTest::qWait(700); // past when P's echo was due
    QVERIFY(h.module().receivedBytes().isEmpty());
    QVERIFY(h.ui().Text21->text().isEmpty());
    QCOMPARE(h.ui().Text22->text(), QString("PQ"));
}

void TestRepeaterPage::zeroDelayNeverEchoes()
{
    FormHarness h;
    SHOW_CONNECTED(h, kRepeaterTab);
    h.ui().Text23->setText("0");
    switchLoopback(h, true);
    h.module().send("z");
    QVERIFY(waitReceived(h, "z"));
    QVERIFY(!h.form().loopTimer().isTicking());
    QTest::qWait(400);
    QVERIFY(h.module().receivedBytes().isEmpty());
    QVERIFY(h.ui().Text21->text().isEmpty());
}

void TestRepeaterPage::echoedBoxEmptiedPastTwoHundred_data()
{
    QTest::addColumn<int>("initial");
    QTest::addColumn<int>("after");
    QTest::newRow("to 200") << 199 << 200;
    QTest::newRow("to 201") << 200 << 0;
}

void TestRepeaterPage::echoedBoxEmptiedPastTwoHundred()
{
    QFETCH(int, initial);
    QFETCH(int, after);
    FormHarness h;
    SHOW_CONNECTED(h, kRepeaterTab);
    h.ui().Text21->setText(QString(initial, QChar('e')));
    switchLoopback(h, true);
    h.module().send("k");
    // The echo goes out whether or not it is shown.
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("k"));
    QCOMPARE(h.ui().Text21->text().size(), after);
    if (after > 0)
        QVERIFY(h.ui().Text21->text().endsWith('k'));
}

void TestRepeaterPage::receivedBoxEmptiedPastTwoHundred_data()
{
    QTest::addColumn<int>("initial");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("after"); // "<kept>" for the initial text plus the bytes
    QTest::newRow("to 200") << 199 << QByteArray("a") << "<kept>";
    QTest::newRow("to 201") << 200 << QByteArray("a") << "";
    QTest::newRow("the byte after the emptying") << 200 << QByteArray("ab") << "b";
}

void TestRepeaterPage::receivedBoxEmptiedPastTwoHundred()
{
    QFETCH(int, initial);
    QFETCH(QByteArray, sent);
    QFETCH(QString, after);
    FormHarness h;
    SHOW_CONNECTED(h, kRepeaterTab);
    const QString start(initial, QChar('r'));
    h.ui().Text22->setText(start);
    h.module().send(sent);
    // The terminal's box is appended first, in the same handler.
    QTRY_COMPARE(h.ui().Text13->text(), QString::fromLatin1(sent));
    if (after == "<kept>")
        QCOMPARE(h.ui().Text22->text(), start + QString::fromLatin1(sent));
    else
        QCOMPARE(h.ui().Text22->text(), after);
}

void TestRepeaterPage::clearLeavesLoopbackAndPendingEcho()
{
    FormHarness h;
    SHOW_CONNECTED(h, kRepeaterTab);
    Form1Controls &ui = h.ui();
    QVERIFY(ui.Command13->isEnabled());
    ui.Text23->setText("300");
    switchLoopback(h, true);
    h.module().send("ab");
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("b"));
    QCOMPARE(ui.Text21->text(), QString("b"));
    QCOMPARE(ui.Text22->text(), QString("ab"));

    h.module().send("c");
    QVERIFY(waitReceived(h, "c"));
    QTest::mouseClick(ui.Command13, Qt::LeftButton);
    QVERIFY(ui.Text21->text().isEmpty());
    QVERIFY(ui.Text22->text().isEmpty());
    QCOMPARE(ui.Command10->text(), QString("Loopback Off"));
    QVERIFY(h.form().state().loopbackOn);
    // The terminal's box is not this button's.
    QCOMPARE(ui.Text13->text(), QString("abc"));

    // The echo that was pending still goes out and is shown.
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("bc"));
    QCOMPARE(ui.Text21->text(), QString("c"));
}

void TestRepeaterPage::echoDueAfterDisconnectIsDropped()
{
    FormHarness h;
    SHOW_CONNECTED(h, kRepeaterTab);
    h.ui().Text23->setText("300");
    switchLoopback(h, true);
    h.module().send("Z");
    QVERIFY(waitReceived(h, "Z"));
    h.connectPort(); // "Disconnect" while the echo is pending
    QCOMPARE(h.ui().Command7->text(), QString("Connect"));
    QVERIFY(h.form().loopTimer().isTicking());

    // The delay runs out on the closed port: dropped, quietly.
    QTRY_VERIFY(!h.form().loopTimer().isEnabled());
    QTest::qWait(200);
    QVERIFY(h.module().receivedBytes().isEmpty());
    QVERIFY(h.ui().Text21->text().isEmpty());
    QCOMPARE(h.status(), QString("Disconnected"));
    QVERIFY(h.prompter().shown.isEmpty());
    QVERIFY(h.form().state().loopbackOn);

    // Connected again, loopback still works.
    h.module().clearReceived();
    h.connectPort();
    QVERIFY(h.waitIdle());
    QTRY_VERIFY(h.module().receivedBytes().endsWith("---"));
    h.module().clearReceived();
    h.module().send("Y");
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("Y"));
}

void TestRepeaterPage::configurationBlockIsEchoedDuringRefresh()
{
    FormHarness h;
    SHOW_CONNECTED(h, kModemTab);
    QVERIFY(h.ui().RepeaterPic->isHidden());
    const QByteArray block = VirtualModule::factoryConfiguration();
    switchLoopback(h, true);

    // Read until the module answers (on a heavily loaded machine its thread
    // can sleep through a whole read, and then nothing is echoed either).
    for (int attempt = 0; attempt < 3 && h.ui().Text22->text().isEmpty(); ++attempt) {
        if (attempt > 0)
            waitModuleOutOfCommandMode(h);
        h.module().clearReceived();
        h.ui().Command3->click();
        QVERIFY(h.waitIdle());
    }
    QCOMPARE(h.ui().Text22->text(), QString::fromLatin1(block));
    // The last byte of the block is echoed once, a delay after the block.
    const QByteArray echo = block.right(1);
    QTRY_COMPARE(h.module().receivedBytes().size(), 7);
    QTest::qWait(300); // room for an echo too many
    const QByteArray wire = h.module().receivedBytes();
    QCOMPARE(wire.size(), 7);
    QVERIFY(wire.startsWith("+++"));
    QCOMPARE(QByteArray(wire).replace(echo, ""), QByteArray("+++---"));
    QCOMPARE(h.ui().Text21->text(), QString::fromLatin1(echo));
    QCOMPARE(h.ui().Text22->text(), QString::fromLatin1(block));

    // At least a delay after the request, at the earliest when the block came.
    const QList<VirtualModule::WireByte> bytes = h.module().received();
    const qint64 requestAt = bytes.at(2).nsecs;
    const qint64 echoAt = bytes.at(wire.indexOf(echo)).nsecs;
    QVERIFY2(msBetween(requestAt, echoAt) >= 99.0,
             qPrintable(QString::number(msBetween(requestAt, echoAt))));
}

void TestRepeaterPage::boxesShowTrafficOnceTheirPageIsShown()
{
    FormHarness h;
    SHOW_CONNECTED(h, kModemTab);
    switchLoopback(h, true);
    h.module().send("hid");
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("d"));
    QCOMPARE(h.ui().Text22->text(), QString("hid"));

    // Received and echoed while another page was shown, on screen when shown.
    h.ui().TabStrip1->setCurrentIndex(kRepeaterTab);
    QVERIFY(h.ui().Text22->isVisible());
    QTRY_COMPARE(h.ui().Text22->toPlainText(), QString("hid"));
    QTRY_COMPARE(h.ui().Text21->toPlainText(), QString("d"));
    // And kept up to date while shown, the emptying included.
    h.module().send("den");
    QTRY_COMPARE(h.ui().Text22->toPlainText(), QString("hidden"));
    QTRY_COMPARE(h.ui().Text21->toPlainText(), QString("dn"));
    h.ui().Command13->click();
    QTRY_VERIFY(h.ui().Text22->toPlainText().isEmpty());
    QTRY_VERIFY(h.ui().Text21->toPlainText().isEmpty());
}

QTEST_MAIN(TestRepeaterPage)
#include "tst_repeaterpage.moc"
