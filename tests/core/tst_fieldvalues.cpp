// Strict frequency texts: a text names a channel only when it is the band's
// base plus a whole number of steps, to the last digit; refusals name the
// exact channels on either side.

#include "core/protocol/FieldValues.h"

#include <QTest>

using namespace zomar;

class TestFieldValues : public QObject
{
    Q_OBJECT
private slots:
    void frequencies_data();
    void frequencies();
    void everyChannelReadsBackExactly();
};

void TestFieldValues::frequencies_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("channel"); // -1: refused
    QTest::addColumn<QString>("says");

    const int b433 = int(Band::Mhz433);
    const int b868 = int(Band::Mhz868);
    QTest::newRow("odd channel, exact") << b433 << "433.9975" << 1599 << "";
    QTest::newRow("trailing zeros") << b433 << "433.9975000000000" << 1599 << "";
    QTest::newRow("leading zeros") << b433 << "000433.920" << 1568 << "";
    QTest::newRow("no fraction") << b433 << "434" << 1600 << "";
    QTest::newRow("bare point") << b433 << "434." << 1600 << "";
    QTest::newRow("unit") << b433 << "433.92 MHz" << 1568 << "";
    QTest::newRow("lowest") << b433 << "430" << 0 << "";
    QTest::newRow("highest 433") << b433 << "593.8375" << 65535 << "";
    QTest::newRow("highest 868") << b868 << "1187.675" << 65535 << "";
    QTest::newRow("868 step") << b868 << "868.0050" << 1601 << "";
    QTest::newRow("rounded odd channel")
        << b433 << "433.998" << -1
        << "not a channel of the 433 MHz band (steps of 0.0025 MHz); "
           "nearest: 433.9975 or 434.000 MHz";
    QTest::newRow("a hair above a channel")
        << b433 << "430.00000000000000001" << -1 << "nearest: 430.000 or 430.0025 MHz";
    QTest::newRow("half a 868 step")
        << b868 << "868.0025" << -1 << "nearest: 868.000 or 868.005 MHz";
    QTest::newRow("a hair above the highest")
        << b433 << "593.83750001" << -1 << "above 593.8375 MHz, the highest frequency";
    QTest::newRow("a step above the highest") << b868 << "1187.680" << -1 << "above 1187.675 MHz";
    QTest::newRow("far above") << b433 << "99999999999999999999" << -1 << "above 593.8375 MHz";
    QTest::newRow("a hair below") << b433 << "429.99999999" << -1 << "below 430.000 MHz";
    QTest::newRow("negative") << b433 << "-433.92" << -1 << "not a frequency in MHz";
    QTest::newRow("exponent") << b433 << "4.3392e2" << -1
                              << "allowed: 430.000 to 593.8375 MHz in the 433 MHz band";
    QTest::newRow("comma") << b433 << "433,92" << -1 << "not a frequency in MHz";
    QTest::newRow("no band") << int(Band::None) << "433.92" << -1 << "no band";
}

void TestFieldValues::frequencies()
{
    QFETCH(int, band);
    QFETCH(QString, text);
    QFETCH(int, channel);
    QFETCH(QString, says);
    const Parsed<int> parsed = parseFrequencyValue(static_cast<Band>(band), text);
    if (channel >= 0) {
        QVERIFY2(parsed, qPrintable(parsed.problem));
        QCOMPARE(*parsed.value, channel);
    } else {
        QVERIFY(!parsed);
        QVERIFY2(parsed.problem.contains(says), qPrintable(parsed.problem));
    }
}

void TestFieldValues::everyChannelReadsBackExactly()
{
    // What the command line shows for a channel is that channel when given
    // back, also with zeros appended; the thousandth above an odd 433 MHz
    // channel (what a three-decimal display shows) is none.
    for (Band band : {Band::Mhz433, Band::Mhz868}) {
        for (int n = 0; n <= kHighestChannel; ++n) {
            const QString shown = exactFrequencyText(band, n);
            const Parsed<int> back = parseFrequencyValue(band, shown);
            const Parsed<int> padded = parseFrequencyValue(band, shown + QStringLiteral("000"));
            if (!back || *back.value != n || !padded || *padded.value != n)
                QFAIL(qPrintable(QStringLiteral("channel %1 shown as %2").arg(n).arg(shown)));
            if (band == Band::Mhz433 && n % 2 == 1 &&
                parseFrequencyValue(band, frequencyText(band, n)))
                QFAIL(qPrintable(frequencyText(band, n) + QStringLiteral(" taken as a channel")));
        }
    }
}

QTEST_GUILESS_MAIN(TestFieldValues)
#include "tst_fieldvalues.moc"
