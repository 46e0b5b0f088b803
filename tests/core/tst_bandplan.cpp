// The band plan: every licence-free sub-band the module's two bands reach, at
// its edges, one channel inside and one outside, and the advice in words.

#include "core/protocol/BandPlan.h"

#include <QJsonArray>
#include <QTest>

using namespace zomar;

namespace {

// The EU sub-bands as ERC/REC 70-03 Annexes 1 and 7 give them, written here
// independently of the table.
struct Expected {
    const char *name;
    Band band;
    const char *low;  // MHz
    const char *high; // MHz
    const char *erp;
    const char *access;
    const char *use;
};

const Expected kExpected[] = {
    {"g1", Band::Mhz433, "433.050", "434.790", "10 mW e.r.p.", "duty cycle ≤ 10 %", ""},
    {"g2", Band::Mhz433, "433.050", "434.790", "1 mW e.r.p. (−13 dBm/10 kHz above 250 kHz)",
     "no duty-cycle limit", ""},
    {"g3", Band::Mhz433, "434.040", "434.790", "10 mW e.r.p.",
     "no duty-cycle limit, channels ≤ 25 kHz", ""},
    {"h1.1", Band::Mhz868, "863", "865", "25 mW e.r.p.", "duty cycle ≤ 0.1 % or LBT+AFA", ""},
    {"h1.2", Band::Mhz868, "865", "868", "25 mW e.r.p.", "duty cycle ≤ 1 % or LBT+AFA", ""},
    {"h1.3", Band::Mhz868, "868", "868.6", "25 mW e.r.p.", "duty cycle ≤ 1 % or LBT+AFA", ""},
    {"alarm a", Band::Mhz868, "868.6", "868.7", "10 mW e.r.p.", "duty cycle ≤ 1 %", "alarms only"},
    {"h1.4", Band::Mhz868, "868.7", "869.2", "25 mW e.r.p.", "duty cycle ≤ 0.1 % or LBT+AFA", ""},
    {"alarm b", Band::Mhz868, "869.2", "869.25", "10 mW e.r.p.", "duty cycle ≤ 0.1 %",
     "social alarms only"},
    {"alarm c", Band::Mhz868, "869.25", "869.3", "10 mW e.r.p.", "duty cycle ≤ 0.1 %",
     "alarms only"},
    {"alarm d", Band::Mhz868, "869.3", "869.4", "10 mW e.r.p.", "duty cycle ≤ 1 %", "alarms only"},
    {"h1.5", Band::Mhz868, "869.4", "869.65", "500 mW e.r.p.",
     "duty cycle ≤ 10 % or LBT+AFA, channels of 25 kHz (or the whole band as one)", ""},
    {"alarm e", Band::Mhz868, "869.65", "869.7", "25 mW e.r.p.", "duty cycle ≤ 10 %",
     "alarms only"},
    {"h1.6", Band::Mhz868, "869.7", "870", "5 mW e.r.p.", "no duty-cycle limit", ""},
    {"h1.7", Band::Mhz868, "869.7", "870", "25 mW e.r.p.", "duty cycle ≤ 1 % or LBT+AFA", ""},
};

qint64 hzOf(const char *mhz)
{
    // Whole hertz from a decimal text, without binary rounding.
    const QString text = QString::fromLatin1(mhz);
    const QString whole = text.section(QLatin1Char('.'), 0, 0);
    const QString fraction = text.section(QLatin1Char('.'), 1).leftJustified(6, QLatin1Char('0'));
    return whole.toLongLong() * 1'000'000 + fraction.toLongLong();
}

long long channelAt(Band band, qint64 hz)
{
    const qint64 base = band == Band::Mhz433 ? 430'000'000 : 860'000'000;
    const qint64 step = band == Band::Mhz433 ? 2'500 : 5'000;
    return (hz - base) / step;
}

bool holds(const BandAdvice &advice, const Expected &e)
{
    for (const SubBand &s : advice.subBands) {
        if (s.lowHz == hzOf(e.low) && s.highHz == hzOf(e.high) &&
            QString::fromUtf8(s.erp) == QString::fromUtf8(e.erp) &&
            QString::fromUtf8(s.access) == QString::fromUtf8(e.access) &&
            QString::fromUtf8(s.use) == QString::fromUtf8(e.use))
            return true;
    }
    return false;
}

} // namespace

class TstBandPlan : public QObject
{
    Q_OBJECT
private slots:
    void tableHoldsTheExpectedSubBands();
    void edgesOfEverySubBand_data();
    void edgesOfEverySubBand();
    void adviceInWords_data();
    void adviceInWords();
    void detailsAndJsonNameTheSources();
};

void TstBandPlan::tableHoldsTheExpectedSubBands()
{
    // No row more, none less: each one is tested at its edges below.
    QCOMPARE(bandPlanTable().size(), qsizetype(std::size(kExpected)));
    for (const SubBand &s : bandPlanTable()) {
        QCOMPARE(QString::fromLatin1(s.region), QStringLiteral("eu"));
        QVERIFY2(QString::fromUtf8(s.source).startsWith(QStringLiteral("ERC/REC 70-03 Annex ")),
                 s.source);
        QVERIFY(s.lowHz < s.highHz);
    }
    QCOMPARE(bandPlanRegions(), (QStringList{"eu", "none"}));
}

void TstBandPlan::edgesOfEverySubBand_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("offset"); // channels from the edge named by "high"
    QTest::addColumn<bool>("high");
    QTest::addColumn<bool>("inside");
    for (int row = 0; row < int(std::size(kExpected)); ++row) {
        const char *name = kExpected[row].name;
        QTest::addRow("%s one channel below", name) << row << -1 << false << false;
        QTest::addRow("%s on the low edge", name) << row << 0 << false << true;
        QTest::addRow("%s one channel inside the low edge", name) << row << 1 << false << true;
        QTest::addRow("%s one channel inside the high edge", name) << row << -1 << true << true;
        QTest::addRow("%s on the high edge", name) << row << 0 << true << true;
        QTest::addRow("%s one channel above", name) << row << 1 << true << false;
    }
}

void TstBandPlan::edgesOfEverySubBand()
{
    QFETCH(int, row);
    QFETCH(int, offset);
    QFETCH(bool, high);
    QFETCH(bool, inside);
    const Expected &e = kExpected[row];
    const qint64 edge = hzOf(high ? e.high : e.low);
    const long long channel = channelAt(e.band, edge) + offset;
    QCOMPARE(channelHz(e.band, channelAt(e.band, edge)), edge); // every edge is a channel
    const BandAdvice advice = bandAdvice(e.band, channel);
    QCOMPARE(holds(advice, e), inside);
    if (inside) {
        QCOMPARE(advice.kind, BandAdvice::Inside);
        // The sub-band that rules says whether the channel is on its edge.
        const SubBand &first = advice.subBands.constFirst();
        QCOMPARE(advice.onEdge, advice.hz == first.lowHz || advice.hz == first.highHz);
        if (offset == 0 && advice.subBands.size() == 1)
            QVERIFY(advice.onEdge);
    }
}

void TstBandPlan::adviceInWords_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("line");
    const int b433 = int(Band::Mhz433), b868 = int(Band::Mhz868);
    QTest::newRow("433.920") << b433 << "433.920"
                             << "eu"
                             << "433.050–434.790 MHz (EU): 10 mW e.r.p., duty cycle ≤ 10 %";
    QTest::newRow("439.000") << b433 << "439.000"
                             << "eu"
                             << "outside the licence-free band (EU): a licence is needed";
    QTest::newRow("434.500: the narrower band rules")
        << b433 << "434.5"
        << "eu"
        << "434.040–434.790 MHz (EU): 10 mW e.r.p., no duty-cycle limit, channels ≤ 25 kHz";
    QTest::newRow("433.050 on the edge")
        << b433 << "433.05"
        << "eu"
        << "433.050–434.790 MHz (EU): 10 mW e.r.p., duty cycle ≤ 10 %; on its edge, so part of "
           "the signal falls outside it";
    QTest::newRow("430.000 amateur") << b433 << "430"
                                     << "eu"
                                     << "outside the licence-free band (EU): a licence is needed";
    QTest::newRow("868.650 alarms")
        << b868 << "868.65"
        << "eu"
        << "868.600–868.700 MHz (EU, alarms only): 10 mW e.r.p., duty cycle ≤ 1 %";
    QTest::newRow("868.600: any use before alarms on a shared edge")
        << b868 << "868.6"
        << "eu"
        << "868.000–868.600 MHz (EU): 25 mW e.r.p., duty cycle ≤ 1 % or LBT+AFA; on its edge, so "
           "part of the signal falls outside it";
    QTest::newRow("869.525")
        << b868 << "869.525"
        << "eu"
        << "869.400–869.650 MHz (EU): 500 mW e.r.p., duty cycle ≤ 10 % or LBT+AFA, channels of "
           "25 kHz (or the whole band as one)";
    QTest::newRow("867.840") << b868 << "867.84"
                             << "eu"
                             << "865.000–868.000 MHz (EU): 25 mW e.r.p., duty cycle ≤ 1 % or "
                                "LBT+AFA";
    QTest::newRow("879.510") << b868 << "879.51"
                             << "eu"
                             << "outside the licence-free band (EU): a licence is needed";
    QTest::newRow("region none") << b433 << "433.920"
                                 << "none"
                                 << "";
    QTest::newRow("unknown region") << b433 << "433.920"
                                    << "us"
                                    << "";
    QTest::newRow("no band") << int(Band::None) << "433.920"
                             << "eu"
                             << "";
}

void TstBandPlan::adviceInWords()
{
    QFETCH(int, band);
    QFETCH(QString, frequency);
    QFETCH(QString, region);
    QFETCH(QString, line);
    const Band b = Band(band);
    const long long channel =
        b == Band::None ? 1568 : channelAt(b, hzOf(frequency.toLatin1().constData()));
    const BandAdvice advice = bandAdvice(b, channel, region);
    QCOMPARE(advice.line(), line);
    QCOMPARE(advice.kind == BandAdvice::NoAdvice, line.isEmpty());
}

void TstBandPlan::detailsAndJsonNameTheSources()
{
    const BandAdvice inside = bandAdvice(Band::Mhz433, 1568); // 433.920
    const QStringList details = inside.details();
    QCOMPARE(details.size(), 3); // the line, then g1 and g2
    QVERIFY(details.at(1).contains("[ERC/REC 70-03 Annex 1, band g1]"));
    QVERIFY(details.at(2).contains("[ERC/REC 70-03 Annex 1, band g2]"));
    const QJsonObject o = inside.json();
    QCOMPARE(o.value("licence_free").toBool(), true);
    QCOMPARE(o.value("frequency_mhz").toString(), QStringLiteral("433.920"));
    QCOMPARE(o.value("sub_bands").toArray().size(), 2);

    // An odd 433 MHz channel keeps its fourth decimal; 439.000 is amateur spectrum.
    QCOMPARE(bandAdvice(Band::Mhz433, 1599).json().value("frequency_mhz").toString(),
             QStringLiteral("433.9975"));
    const BandAdvice outside = bandAdvice(Band::Mhz433, 3600);
    QCOMPARE(outside.json().value("licence_free").toBool(true), false);
    QVERIFY(outside.details().join('\n').contains("amateur 70 cm band"));
    QVERIFY(bandAdvice(Band::Mhz868, 3600).details().join('\n').indexOf("amateur") < 0);
    QVERIFY(bandAdvice(Band::Mhz433, 1568, "none").json().isEmpty());
    QVERIFY(bandAdvice(Band::Mhz433, 65536).line().isEmpty());
}

QTEST_GUILESS_MAIN(TstBandPlan)
#include "tst_bandplan.moc"
