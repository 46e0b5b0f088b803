// The receive path: every byte the module sends, stored, shown on both test
// pages, armed for the echo, and timed by the quiet-line timer.

#include "gui/widgets/TrafficView.h"
#include "core/link/SerialLink.h"
#include "tests/support/FormHarness.h"
#include "gui/timing/IntervalTimer.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

using namespace zomar;
using namespace zomar::test;

namespace {

// The window right after one receive event was handled.
struct RxEvent {
    qint64 ns = 0;
    int rxIndex = 0;
    bool noReply = false;
    RxSlots buffer{};
    qsizetype text13 = 0;
    qsizetype text22 = 0;
    bool timer1Enabled = false;
    int timer1Interval = 0;
    bool loopEnabled = false;
    int loopInterval = 0;
    std::optional<quint8> loopbackChar;
};

// Records the window after every receive event (connected after the
// window's own handler, so it sees what that handler left) and every tick
// of the quiet-line timer.
class ReceiveRecorder
{
public:
    explicit ReceiveRecorder(Form1 &form) : m_form(form)
    {
        QObject::connect(&form.comm(), &SerialLink::commEvent, &m_context, [this] {
            const FormState &s = m_form.state();
            RxEvent e;
            e.ns = VirtualModule::now();
            e.rxIndex = s.rx.index;
            e.noReply = s.noReply;
            e.buffer = s.rx.buffer;
            e.text13 = m_form.controls().Text13->text().size();
            e.text22 = m_form.controls().Text22->text().size();
            e.timer1Enabled = m_form.timer1().isEnabled();
            e.timer1Interval = m_form.timer1().interval();
            e.loopEnabled = m_form.loopTimer().isEnabled();
            e.loopInterval = m_form.loopTimer().interval();
            e.loopbackChar = s.loopbackChar;
            events.append(e);
        });
        QObject::connect(&form.timer1(), &IntervalTimer::tick, &m_context,
                         [this] { ticks.append(VirtualModule::now()); });
    }

    QList<RxEvent> events;
    QList<qint64> ticks;

private:
    Form1 &m_form;
    QObject m_context;
};

QString shownText(const QByteArray &bytes)
{
    QString text;
    for (char b : bytes)
        text += QChar(char16_t{static_cast<quint8>(b)});
    return text;
}

// Connects, lets the read finish, and empties the receive boxes and the
// module's record of what it was sent.
bool connectAndSettle(FormHarness &h)
{
    h.connectPort();
    if (!h.waitIdle() || !h.form().comm().portOpen())
        return false;
    // "+++" and "---" both taken in.
    if (!QTest::qWaitFor([&] { return h.module().messagesHandled() >= 2; }, 5000))
        return false;
    h.ui().Text13->setText(QString());
    h.ui().Text22->setText(QString());
    h.module().clearReceived();
    return !h.form().state().parsePending;
}

// n bytes that cycle through the letters.
QByteArray letters(int n)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out.append(static_cast<char>('A' + i % 26));
    return out;
}

// Waits for `count` receive events and the tick that ends their burst.
bool waitForBurst(FormHarness &h, const ReceiveRecorder &rec, int count)
{
    return QTest::qWaitFor(
        [&] { return rec.events.size() >= count && !h.form().timer1().isEnabled(); }, 5000);
}

} // namespace

class TestReceivePath : public QObject
{
    Q_OBJECT
private slots:
    void bytesStoredAndShown_data();
    void bytesStoredAndShown();
    void ignoredByte_data();
    void ignoredByte();
    void fiftyTwoBytesWrap();
    void boxesEmptiedAtTheirLimits();
    void emptyReadEvent();
    void loopDelayWithLoopbackOff_data();
    void loopDelayWithLoopbackOff();
    void zeroDelayNeverEchoes();
    void quietLineWaitsForTheLastByte();
};

void TestReceivePath::bytesStoredAndShown_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("five together") << QByteArray("ABCDE");
    QTest::newRow("a NUL byte") << QByteArray::fromHex("00");
    QTest::newRow("NUL inside") << QByteArray::fromHex("610062");
    QTest::newRow("high bytes") << QByteArray::fromHex("c8ff80a47f");
    QTest::newRow("twelve, as a block") << QByteArray::fromHex("0a0b0c0d01020304076c0523");
}

void TestReceivePath::bytesStoredAndShown()
{
    QFETCH(QByteArray, bytes);
    FormHarness h;
    QVERIFY(connectAndSettle(h));
    h.form().state().noReply = true;
    ReceiveRecorder rec(h.form());

    h.module().send(bytes);
    QVERIFY(waitForBurst(h, rec, int(bytes.size())));

    // One event per byte, in arrival order.
    QCOMPARE(rec.events.size(), bytes.size());
    const QString shown = shownText(bytes);
    QCOMPARE(h.ui().Text13->text(), shown);
    QCOMPARE(h.ui().Text22->text(), shown);
    for (int i = 0; i < bytes.size(); ++i) {
        const RxEvent &e = rec.events.at(i);
        QCOMPARE(e.rxIndex, i + 1);
        QCOMPARE(e.buffer[size_t(i)], int(quint8(bytes.at(i))));
        QCOMPARE(e.text13, qsizetype(i + 1));
        QVERIFY(!e.noReply);
        QCOMPARE(e.loopbackChar, std::optional<quint8>(quint8(bytes.at(i))));
        QVERIFY(e.timer1Enabled);
        QCOMPARE(e.timer1Interval, 60);
    }
    // The tick ended the burst: the index starts over, the slots stay.
    QCOMPARE(h.form().state().rx.index, 0);
    for (int i = 0; i < bytes.size(); ++i)
        QCOMPARE(h.form().state().rx.buffer[size_t(i)], int(quint8(bytes.at(i))));
}

void TestReceivePath::ignoredByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QList<int>>("expectedSlots"); // slots 0.. after the burst
    QTest::addColumn<QList<int>>("indexes");       // RxIndex after each event
    QTest::newRow("alone") << QByteArray::fromHex("a5") << "" << QList<int>{0xA5} << QList<int>{0};
    QTest::newRow("inside a burst") << QByteArray::fromHex("4142a54344") << "ABCD"
                                    << QList<int>{'A', 'B', 'C', 'D'} << QList<int>{1, 2, 2, 3, 4};
    QTest::newRow("at the end") << QByteArray::fromHex("4142a5") << "AB"
                                << QList<int>{'A', 'B', 0xA5} << QList<int>{1, 2, 2};
    QTest::newRow("only A5") << QByteArray::fromHex("a5a5a5") << "" << QList<int>{0xA5}
                             << QList<int>{0, 0, 0};
}

void TestReceivePath::ignoredByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(QList<int>, expectedSlots);
    QFETCH(QList<int>, indexes);
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(connectAndSettle(h));
    // Echo after 20 ms, so an echoed A5 would reach the module.
    ui.Text23->setText(QStringLiteral("20"));
    ui.Command10->click();
    QVERIFY(h.form().state().loopbackOn);
    h.form().state().noReply = true;
    h.form().state().loopbackChar = quint8('q');
    ReceiveRecorder rec(h.form());

    h.module().send(bytes);
    QVERIFY(waitForBurst(h, rec, int(bytes.size())));

    QCOMPARE(rec.events.size(), bytes.size());
    QList<int> gotIndexes;
    for (const RxEvent &e : rec.events) {
        gotIndexes << e.rxIndex;
        // Dropped or not, every event restarts the quiet-line timer.
        QVERIFY(e.timer1Enabled);
    }
    QCOMPARE(gotIndexes, indexes);
    QCOMPARE(ui.Text13->text(), shown);
    QCOMPARE(ui.Text22->text(), shown);
    for (int i = 0; i < expectedSlots.size(); ++i)
        QCOMPARE(h.form().state().rx.buffer[size_t(i)], expectedSlots.at(i));
    QCOMPARE(h.form().state().noReply, shown.isEmpty());
    const quint8 lastShown = shown.isEmpty() ? quint8('q') : quint8(shown.back().unicode());
    QCOMPARE(h.form().state().loopbackChar, std::optional<quint8>(lastShown));

    // Only a shown character is echoed. A marker sent well after the burst
    // is echoed last, so whatever the burst armed has gone out by then.
    h.module().sendAfter(300, "Z");
    QTRY_VERIFY_WITH_TIMEOUT(h.module().receivedBytes().endsWith('Z'), 5000);
    const QByteArray echoed = shown.isEmpty() ? QByteArray("Z") : shown.right(1).toLatin1() + 'Z';
    QCOMPARE(h.module().receivedBytes(), echoed);
}

void TestReceivePath::fiftyTwoBytesWrap()
{
    FormHarness h;
    QVERIFY(connectAndSettle(h));
    ReceiveRecorder rec(h.form());
    QByteArray bytes;
    for (int i = 1; i <= 52; ++i)
        bytes.append(static_cast<char>(i));

    h.module().send(bytes);
    QVERIFY(waitForBurst(h, rec, 52));
    QCOMPARE(rec.events.size(), 52);
    for (int i = 0; i < 50; ++i)
        QCOMPARE(rec.events.at(i).rxIndex, i + 1);
    // The 51st filled slot 50 and wrapped the index; the 52nd overwrote slot 0.
    QCOMPARE(rec.events.at(50).rxIndex, 0);
    QCOMPARE(rec.events.at(50).buffer[50], 51);
    QCOMPARE(rec.events.at(50).buffer[0], 1);
    QCOMPARE(rec.events.at(51).rxIndex, 1);
    const RxSlots &after = h.form().state().rx.buffer;
    QCOMPARE(after[0], 52);
    for (int i = 1; i <= 50; ++i)
        QCOMPARE(after[size_t(i)], i + 1);
    QCOMPARE(h.ui().Text13->text(), shownText(bytes));
}

void TestReceivePath::boxesEmptiedAtTheirLimits()
{
    FormHarness h;
    QVERIFY(connectAndSettle(h));
    ReceiveRecorder rec(h.form());
    const QByteArray bytes = letters(260);

    h.module().send(bytes);
    QVERIFY(waitForBurst(h, rec, 260));
    QCOMPARE(rec.events.size(), 260);
    for (int k = 1; k <= 260; ++k) {
        // The byte that makes a box one past its limit empties it whole.
        const qsizetype terminal = k <= 250 ? k : k - 251;
        const qsizetype repeater = k <= 200 ? k : k - 201;
        QCOMPARE(rec.events.at(k - 1).text13, terminal);
        QCOMPARE(rec.events.at(k - 1).text22, repeater);
    }
    QCOMPARE(h.ui().Text13->text(), shownText(bytes.right(9)));
    QCOMPARE(h.ui().Text22->text(), shownText(bytes.right(59)));
}

void TestReceivePath::emptyReadEvent()
{
    FormHarness h;
    QVERIFY(connectAndSettle(h));
    FormState &s = h.form().state();
    h.ui().Text13->setText(QStringLiteral("abc"));
    h.ui().Text22->setText(QStringLiteral("de"));
    s.rx.index = 3;
    s.rx.buffer[3] = 'A';
    s.rx.buffer[2] = 'B';
    s.noReply = true;
    s.loopbackChar = quint8('q');
    h.form().loopTimer().setEnabled(false);
    h.form().loopTimer().setInterval(55);
    QVERIFY(!h.form().timer1().isEnabled());
    QCOMPARE(h.form().comm().bytesWaiting(), 0);

    // A line event with nothing to read.
    emit h.form().comm().commEvent();

    QCOMPARE(s.rx.buffer[3], kEmptySlot);
    QCOMPARE(s.rx.buffer[2], int('B'));
    QCOMPARE(s.rx.index, 3);
    QVERIFY(s.noReply);
    QCOMPARE(s.loopbackChar, std::optional<quint8>(quint8('q')));
    QCOMPARE(h.ui().Text13->text(), QString("abc"));
    QCOMPARE(h.ui().Text22->text(), QString("de"));
    QVERIFY(!h.form().loopTimer().isEnabled());
    QCOMPARE(h.form().loopTimer().interval(), 55);
    QVERIFY(h.form().timer1().isTicking());
    QCOMPARE(h.form().timer1().interval(), 60);
    // Its tick ends the (empty) burst.
    QTRY_VERIFY(!h.form().timer1().isEnabled());
    QCOMPARE(s.rx.index, 0);
}

void TestReceivePath::loopDelayWithLoopbackOff_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("interval");
    QTest::newRow("whole number") << "100"
                                  << "40" << 40;
    QTest::newRow("zero") << "100"
                          << "0" << 0;
    QTest::newRow("blanks around") << "100"
                                   << " 35 " << 35;
    QTest::newRow("letters keep the previous") << "70"
                                               << "abc" << 70;
    QTest::newRow("empty keeps the previous") << "70"
                                              << "" << 70;
    QTest::newRow("negative keeps the previous") << "70"
                                                 << "-5" << 70;
}

void TestReceivePath::loopDelayWithLoopbackOff()
{
    QFETCH(QString, before);
    QFETCH(QString, text);
    QFETCH(int, interval);
    FormHarness h;
    QVERIFY(connectAndSettle(h));
    QVERIFY(!h.form().state().loopbackOn);
    ReceiveRecorder rec(h.form());

    h.ui().Text23->setText(before);
    h.module().send("a");
    QVERIFY(waitForBurst(h, rec, 1));
    QCOMPARE(h.form().loopTimer().interval(), before.toInt());

    h.ui().Text23->setText(text);
    h.module().send("b");
    QVERIFY(waitForBurst(h, rec, 2));
    QCOMPARE(rec.events.size(), 2);
    for (const RxEvent &e : rec.events)
        QVERIFY(!e.loopEnabled);
    QCOMPARE(rec.events.at(1).loopInterval, interval);
    QVERIFY(!h.form().loopTimer().isEnabled());
    QCOMPARE(h.form().loopTimer().interval(), interval);
    QVERIFY(h.module().receivedBytes().isEmpty());
}

void TestReceivePath::zeroDelayNeverEchoes()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(connectAndSettle(h));
    ui.Command10->click();
    QVERIFY(h.form().state().loopbackOn);
    ui.Text23->setText(QStringLiteral("0"));
    ReceiveRecorder rec(h.form());

    h.module().send("X");
    QVERIFY(waitForBurst(h, rec, 1));
    QCOMPARE(h.form().loopTimer().interval(), 0);
    QVERIFY(!h.form().loopTimer().isTicking());

    // With a real delay the next byte is echoed; the X never was.
    ui.Text23->setText(QStringLiteral("30"));
    h.module().sendAfter(200, "Y");
    QTRY_VERIFY_WITH_TIMEOUT(h.module().receivedBytes().endsWith('Y'), 5000);
    QCOMPARE(h.module().receivedBytes(), QByteArray("Y"));
}

void TestReceivePath::quietLineWaitsForTheLastByte()
{
    FormHarness h;
    QVERIFY(connectAndSettle(h));
    ReceiveRecorder rec(h.form());

    // Six bytes 20 ms apart: the burst lasts longer than the quiet time.
    for (int i = 0; i < 6; ++i)
        h.module().sendAfter(20 * i, QByteArray(1, char('a' + i)));
    QVERIFY(waitForBurst(h, rec, 6));
    QCOMPARE(rec.events.size(), 6);
    QVERIFY(!rec.ticks.isEmpty());

    double widestGapMs = 0;
    for (int i = 1; i < rec.events.size(); ++i)
        widestGapMs = qMax(widestGapMs, msBetween(rec.events.at(i - 1).ns, rec.events.at(i).ns));
    const double spanMs = msBetween(rec.events.first().ns, rec.events.last().ns);
    QVERIFY2(spanMs > 70, qPrintable(QString("burst lasted only %1 ms").arg(spanMs)));

    // No tick comes less than the quiet time after a byte.
    for (qint64 tick : rec.ticks) {
        qint64 lastBefore = 0;
        for (const RxEvent &e : rec.events) {
            if (e.ns <= tick)
                lastBefore = e.ns;
        }
        QVERIFY(lastBefore != 0);
        const double quietMs = msBetween(lastBefore, tick);
        QVERIFY2(quietMs >= 55, qPrintable(QString("tick %1 ms after a byte").arg(quietMs)));
    }
    const double afterLastMs = msBetween(rec.events.last().ns, rec.ticks.last());
    QVERIFY2(afterLastMs >= 55 && afterLastMs <= 400,
             qPrintable(QString("tick %1 ms after the last byte").arg(afterLastMs)));
    // Bytes closer than the quiet time make one burst and one tick.
    if (widestGapMs < 50)
        QCOMPARE(rec.ticks.size(), 1);
}

QTEST_MAIN(TestReceivePath)
#include "tst_receivepath.moc"
