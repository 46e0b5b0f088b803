// Period and delay texts of the test pages ("Send Speed", "Loopback Delay")
// read as timer intervals: what is one, and at the wire, that a text that is
// not one leaves the previous interval in force.

#include "gui/timing/IntervalTimer.h"
#include "gui/pages/IntervalText.h"
#include "gui/widgets/TypingBox.h"
#include "tests/support/FormHarness.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <limits>

using namespace zomar;
using namespace zomar::test;

class TestIntervalText : public QObject
{
    Q_OBJECT
private slots:
    void intervalFromText_data();
    void intervalFromText();
    void sendSpeedOutOfRangeKeepsPace_data();
    void sendSpeedOutOfRangeKeepsPace();
    void negativeZeroDelayKeepsEcho();
};

void TestIntervalText::intervalFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("interval"); // -1: not an interval, the previous one stays
    constexpr int kMax = std::numeric_limits<int>::max();

    QTest::newRow("1e308 is far beyond a timer") << "1e308" << 0 << -1;
    QTest::newRow("99999999999") << "99999999999" << 0 << -1;
    QTest::newRow("2147483648") << "2147483648" << 0 << -1;
    QTest::newRow("-5") << "-5" << 0 << -1;
    QTest::newRow("-0") << "-0" << 0 << -1;
    QTest::newRow("nan") << "nan" << 0 << -1;
    QTest::newRow("inf") << "inf" << 0 << -1;
    QTest::newRow("empty") << "" << 0 << -1;
    QTest::newRow("blanks") << "   " << 0 << -1;
    QTest::newRow("letters") << "abc" << 0 << -1;
    QTest::newRow("1 below a minimum of 2") << "1" << 2 << -1;
    QTest::newRow("2147483647") << "2147483647" << 0 << kMax;
    QTest::newRow("2147483647.9 in whole milliseconds") << "2147483647.9" << 0 << kMax;
    QTest::newRow("500") << "500" << 0 << 500;
    QTest::newRow("500ms") << "500ms" << 0 << 500;
    QTest::newRow("blanks around") << " 40 " << 2 << 40;
    QTest::newRow("plus sign") << "+7" << 0 << 7;
    QTest::newRow("2.5") << "2.5" << 0 << 2;
    QTest::newRow("1e3") << "1e3" << 0 << 1000;
    QTest::newRow("0 where 0 is allowed") << "0" << 0 << 0;
    QTest::newRow("2 at a minimum of 2") << "2" << 2 << 2;
}

void TestIntervalText::intervalFromText()
{
    QFETCH(QString, text);
    QFETCH(int, minimum);
    QFETCH(int, interval);
    const std::optional<int> got = zomar::intervalFromText(text, minimum);
    QCOMPARE(got.value_or(-1), interval);
}

void TestIntervalText::sendSpeedOutOfRangeKeepsPace_data()
{
    QTest::addColumn<QString>("period");
    QTest::newRow("1e308") << "1e308";
    QTest::newRow("2147483648") << "2147483648";
}

void TestIntervalText::sendSpeedOutOfRangeKeepsPace()
{
    QFETCH(QString, period);
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration()));
    ui.Text24->setText("300");
    ui.Command8->click();
    QTRY_VERIFY(!h.module().receivedBytes().isEmpty());
    ui.Command8->click();
    QTRY_COMPARE(h.module().receivedBytes().size(), ui.Text14->text().size());
    h.module().clearReceived();

    // Switched on again with the text that is not a period: still 300 ms.
    ui.Text24->setText(period);
    ui.Command8->click();
    QTest::qWait(1400);
    ui.Command8->click();
    QCOMPARE(h.form().timer2().interval(), 300);
    const QList<VirtualModule::WireByte> wire = h.module().received();
    QVERIFY2(wire.size() >= 2 && wire.size() <= 6, qPrintable(QString::number(wire.size())));
    for (qsizetype i = 1; i < wire.size(); ++i) {
        const double gap = msBetween(wire[i - 1].nsecs, wire[i].nsecs);
        QVERIFY2(gap >= 200.0 && gap < 1000.0, qPrintable(QString::number(gap)));
    }
}

void TestIntervalText::negativeZeroDelayKeepsEcho()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration()));
    QCOMPARE(ui.Text23->text(), QString("100"));
    ui.Command10->click();
    QVERIFY(h.form().state().loopbackOn);
    h.module().send("A");
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("A"));

    // "-0" is no delay: the 100 ms stay, the echo still comes (a delay of 0
    // would never echo).
    ui.Text23->setText("-0");
    const qint64 sentAt = VirtualModule::now();
    h.module().send("B");
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("AB"));
    const double after = msBetween(sentAt, h.module().received().last().nsecs);
    QVERIFY2(after >= 70.0 && after < 1000.0, qPrintable(QString::number(after)));
}

QTEST_MAIN(TestIntervalText)
#include "tst_intervaltext.moc"
