// The band plan: every licence-free sub-band the module's two bands reach, at
// its edges, one channel inside and one outside; a signal of a width and a
// power against each sub-band's edges, channel width and e.r.p.; and the
// advice in words.

#include "core/protocol/BandPlan.h"
#include "core/protocol/ConfigBlock.h"
#include "core/protocol/ValueTables.h"

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
    double erpMw;
    int channelLimitKhz; // 0: none narrower than the sub-band
};

const Expected kExpected[] = {
    {"g1", Band::Mhz433, "433.050", "434.790", "10 mW e.r.p.", "duty cycle ≤ 10 %", "", 10, 0},
    {"g2", Band::Mhz433, "433.050", "434.790", "1 mW e.r.p. (−13 dBm/10 kHz above 250 kHz)",
     "no duty-cycle limit", "", 1, 0},
    {"g3", Band::Mhz433, "434.040", "434.790", "10 mW e.r.p.",
     "no duty-cycle limit, channels ≤ 25 kHz", "", 10, 25},
    {"h1.1", Band::Mhz868, "863", "865", "25 mW e.r.p.", "duty cycle ≤ 0.1 % or LBT+AFA", "", 25,
     0},
    {"h1.2", Band::Mhz868, "865", "868", "25 mW e.r.p.", "duty cycle ≤ 1 % or LBT+AFA", "", 25, 0},
    {"h1.3", Band::Mhz868, "868", "868.6", "25 mW e.r.p.", "duty cycle ≤ 1 % or LBT+AFA", "", 25,
     0},
    {"alarm a", Band::Mhz868, "868.6", "868.7", "10 mW e.r.p.", "duty cycle ≤ 1 %", "alarms only",
     10, 0},
    {"h1.4", Band::Mhz868, "868.7", "869.2", "25 mW e.r.p.", "duty cycle ≤ 0.1 % or LBT+AFA", "",
     25, 0},
    {"alarm b", Band::Mhz868, "869.2", "869.25", "10 mW e.r.p.", "duty cycle ≤ 0.1 %",
     "social alarms only", 10, 0},
    {"alarm c", Band::Mhz868, "869.25", "869.3", "10 mW e.r.p.", "duty cycle ≤ 0.1 %",
     "alarms only", 10, 0},
    {"alarm d", Band::Mhz868, "869.3", "869.4", "10 mW e.r.p.", "duty cycle ≤ 1 %", "alarms only",
     10, 0},
    {"h1.5", Band::Mhz868, "869.4", "869.65", "500 mW e.r.p.",
     "duty cycle ≤ 10 % or LBT+AFA, channels of 25 kHz (or the whole band as one)", "", 500, 0},
    {"alarm e", Band::Mhz868, "869.65", "869.7", "25 mW e.r.p.", "duty cycle ≤ 10 %", "alarms only",
     25, 0},
    {"h1.6", Band::Mhz868, "869.7", "870", "5 mW e.r.p.", "no duty-cycle limit", "", 5, 0},
    {"h1.7", Band::Mhz868, "869.7", "870", "25 mW e.r.p.", "duty cycle ≤ 1 % or LBT+AFA", "", 25,
     0},
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

// The fit of the expected row among the sub-bands that hold the centre.
const SubBandFit *fitOf(const BandAdvice &advice, const Expected &e)
{
    for (const SubBandFit &f : advice.subBands) {
        const SubBand &s = f.subBand;
        if (s.lowHz == hzOf(e.low) && s.highHz == hzOf(e.high) &&
            QString::fromUtf8(s.erp) == QString::fromUtf8(e.erp) &&
            QString::fromUtf8(s.access) == QString::fromUtf8(e.access) &&
            QString::fromUtf8(s.use) == QString::fromUtf8(e.use) && s.erpLimitMw == e.erpMw &&
            s.channelLimitHz == e.channelLimitKhz * 1000)
            return &f;
    }
    return nullptr;
}

} // namespace

class TstBandPlan : public QObject
{
    Q_OBJECT
private slots:
    void tableHoldsTheExpectedSubBands();
    void edgesOfEverySubBand_data();
    void edgesOfEverySubBand();
    void signalAgainstTheSubBands_data();
    void signalAgainstTheSubBands();
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
    QTest::addColumn<bool>("holds"); // the sub-band holds the centre
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

// A frequency alone (width and power unknown): a channel on an edge is held
// by the sub-band but does not fit it, as part of any signal falls outside.
void TstBandPlan::edgesOfEverySubBand()
{
    QFETCH(int, row);
    QFETCH(int, offset);
    QFETCH(bool, high);
    QFETCH(bool, holds);
    const Expected &e = kExpected[row];
    const qint64 edge = hzOf(high ? e.high : e.low);
    const long long channel = channelAt(e.band, edge) + offset;
    QCOMPARE(channelHz(e.band, channelAt(e.band, edge)), edge); // every edge is a channel
    const BandAdvice advice = bandAdvice(e.band, channel);
    const SubBandFit *fit = fitOf(advice, e);
    QCOMPARE(fit != nullptr, holds);
    if (!holds)
        return;
    QCOMPARE(fit->pastEdge, offset == 0);
    QCOMPARE(fit->fits(), offset != 0);
    QVERIFY(advice.kind == BandAdvice::Inside || advice.kind == BandAdvice::Unfit);
    // The first sub-band rules: the line is Inside when it fits.
    QCOMPARE(advice.kind == BandAdvice::Inside, advice.subBands.constFirst().fits());
    QCOMPARE(advice.onEdge, advice.subBands.constFirst().pastEdge);
}

// A signal of a given RF speed, TX power and antenna against ERC/REC 70-03
// Annex 1 and 7 as EN 300 220 applies them: the occupied bandwidth (2.2 x
// the RF speed) wholly inside a sub-band, no wider than its channels, and
// e.r.p. (TX power + gain - 2.15 dB) under its limit. Each row names its basis.
void TstBandPlan::signalAgainstTheSubBands_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("bps");     // 0: not known
    QTest::addColumn<int>("dbm");     // 99: not known
    QTest::addColumn<double>("gain"); // dBi
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("basis");
    const int b433 = int(Band::Mhz433), b868 = int(Band::Mhz868);
    const int inside = BandAdvice::Inside, unfit = BandAdvice::Unfit, outside = BandAdvice::Outside;
    QTest::newRow("434.500 at 1200 bps: narrow, so g3")
        << b433 << "434.5" << 1200 << 0 << 0.0 << inside
        << "434.040–434.790 MHz (EU): 10 mW e.r.p., no duty-cycle limit, channels ≤ 25 kHz; "
           "≈ 2.6 kHz wide"
        << "70-03 Annex 1 g3: channels of 25 kHz at most";
    QTest::newRow("434.500 at 9600 bps: 21 kHz still fits g3")
        << b433 << "434.5" << 9600 << 0 << 0.0 << inside
        << "434.040–434.790 MHz (EU): 10 mW e.r.p., no duty-cycle limit, channels ≤ 25 kHz; "
           "≈ 21 kHz wide"
        << "70-03 Annex 1 g3: channels of 25 kHz at most";
    QTest::newRow("434.500 at 38400 bps: too wide for g3, so g1")
        << b433 << "434.5" << 38400 << 0 << 0.0 << inside
        << "433.050–434.790 MHz (EU): 10 mW e.r.p., duty cycle ≤ 10 %; ≈ 84 kHz wide, too wide "
           "for the channels of 434.040–434.790 MHz"
        << "70-03 Annex 1 g3 (25 kHz) and g1 (no channel limit)";
    QTest::newRow("434.500 at 115200 bps: 253 kHz, g1")
        << b433 << "434.5" << 115200 << -3 << 0.0 << inside
        << "433.050–434.790 MHz (EU): 10 mW e.r.p., duty cycle ≤ 10 %; ≈ 253 kHz wide, too "
           "wide for the channels of 434.040–434.790 MHz"
        << "70-03 Annex 1 g1";
    QTest::newRow("433.0525 at 1200 bps: 2.6 kHz inside the edge")
        << b433 << "433.0525" << 1200 << 0 << 0.0 << inside
        << "433.050–434.790 MHz (EU): 10 mW e.r.p., duty cycle ≤ 10 %; ≈ 2.6 kHz wide"
        << "EN 300 220-1: the occupied bandwidth within the band; 70-03 Annex 1 g1";
    QTest::newRow("433.0525 at 2400 bps: past the low edge")
        << b433 << "433.0525" << 2400 << 0 << 0.0 << unfit
        << "433.050–434.790 MHz (EU), but at 2400 bps (≈ 5.3 kHz wide) it reaches past its "
           "edge at 433.050 MHz"
        << "EN 300 220-1: the occupied bandwidth within the band";
    QTest::newRow("434.7875 at 9600 bps: past the high edge")
        << b433 << "434.7875" << 9600 << 0 << 0.0 << unfit
        << "434.040–434.790 MHz (EU), but at 9600 bps (≈ 21 kHz wide) it reaches past its edge "
           "at 434.790 MHz"
        << "EN 300 220-1; 70-03 Annex 1 g1, g2, g3 end at 434.790 MHz";
    QTest::newRow("434.7875 at 1200 bps: inside")
        << b433 << "434.7875" << 1200 << 0 << 0.0 << inside
        << "434.040–434.790 MHz (EU): 10 mW e.r.p., no duty-cycle limit, channels ≤ 25 kHz; "
           "≈ 2.6 kHz wide"
        << "EN 300 220-1; 70-03 Annex 1 g3";
    QTest::newRow("869.405 at 1200 bps: inside h1.5")
        << b868 << "869.405" << 1200 << 0 << 0.0 << inside
        << "869.400–869.650 MHz (EU): 500 mW e.r.p., duty cycle ≤ 10 % or LBT+AFA, channels of "
           "25 kHz (or the whole band as one); ≈ 2.6 kHz wide"
        << "70-03 Annex 1 h1.5";
    QTest::newRow("869.405 at 4800 bps: past h1.5's low edge")
        << b868 << "869.405" << 4800 << 0 << 0.0 << unfit
        << "869.400–869.650 MHz (EU), but at 4800 bps (≈ 11 kHz wide) it reaches past its edge "
           "at 869.400 MHz"
        << "EN 300 220-1; 70-03 Annex 1 h1.5 begins at 869.400 MHz";
    QTest::newRow("869.525 at 115200 bps: wider than h1.5")
        << b868 << "869.525" << 115200 << 0 << 0.0 << unfit
        << "869.400–869.650 MHz (EU), but at 115200 bps (≈ 253 kHz wide) it reaches past its "
           "edge at 869.400 MHz"
        << "70-03 Annex 1 h1.5: 250 kHz in all";
    QTest::newRow("868.650 at 1200 bps: alarms")
        << b868 << "868.65" << 1200 << 0 << 0.0 << inside
        << "868.600–868.700 MHz (EU, alarms only): 10 mW e.r.p., duty cycle ≤ 1 %; ≈ 2.6 kHz "
           "wide"
        << "70-03 Annex 7 a";
    QTest::newRow("868.600 at 1200 bps: on the edge of h1.3 and alarms a")
        << b868 << "868.6" << 1200 << 0 << 0.0 << unfit
        << "868.000–868.600 MHz (EU), but at 1200 bps (≈ 2.6 kHz wide) it reaches past its edge "
           "at 868.600 MHz"
        << "70-03 Annex 1 h1.3 and Annex 7 a meet at 868.600 MHz";
    QTest::newRow("433.920, 0 dBm and a 14.15 dBi antenna: 12 dBm e.r.p. over 10 mW")
        << b433 << "433.92" << 19200 << 0 << 14.15 << unfit
        << "433.050–434.790 MHz (EU), but 12 dBm e.r.p. is over its 10 mW"
        << "70-03 Annex 1 g1 and g2: 10 mW and 1 mW e.r.p.";
    QTest::newRow("434.500, -3 dBm and a 14.15 dBi antenna: 9 dBm e.r.p. under g3's 10 mW")
        << b433 << "434.5" << 1200 << -3 << 14.15 << inside
        << "434.040–434.790 MHz (EU): 10 mW e.r.p., no duty-cycle limit, channels ≤ 25 kHz; "
           "≈ 2.6 kHz wide"
        << "70-03 Annex 1 g3: 10 mW e.r.p.";
    QTest::newRow("439.000: amateur spectrum")
        << b433 << "439" << 19200 << 0 << 0.0 << outside
        << "outside the licence-free band (EU): a licence is needed"
        << "70-03 lists no band there (ERC Report 25: amateur 70 cm)";
    QTest::newRow("434.500, RF speed not known: the centre alone")
        << b433 << "434.5" << 0 << 99 << 0.0 << inside
        << "434.040–434.790 MHz (EU): 10 mW e.r.p., no duty-cycle limit, channels ≤ 25 kHz"
        << "70-03 Annex 1 g3";
}

void TstBandPlan::signalAgainstTheSubBands()
{
    QFETCH(int, band);
    QFETCH(QString, frequency);
    QFETCH(int, bps);
    QFETCH(int, dbm);
    QFETCH(double, gain);
    QFETCH(int, kind);
    QFETCH(QString, line);
    QFETCH(QString, basis);
    Emission e;
    e.hz = hzOf(frequency.toLatin1().constData());
    if (bps > 0)
        e.rfBps = bps;
    if (dbm != 99)
        e.txPowerDbm = dbm;
    e.antennaGainDbi = gain;
    const BandAdvice advice = bandAdvice(e);
    QVERIFY2(advice.line() == line, qPrintable(advice.line() + "\n  basis: " + basis));
    QCOMPARE(int(advice.kind), kind);
    // A block with the same fields gives the same advice.
    if (bps == 0 || dbm == 99)
        return;
    ConfigBlock block;
    block.channel = quint16(channelAt(Band(band), e.hz));
    block.rfSpeedCode = quint8(*rfSpeedCodeForBps(bps));
    block.txPowerCode = quint8(*txPowerCodeForDbm(dbm));
    QCOMPARE(bandAdvice(*emissionOf(Band(band), block, gain)).line(), line);
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
        << "433.050–434.790 MHz (EU), but the channel is on its edge, so part of the signal "
           "falls outside it";
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
        << "868.000–868.600 MHz (EU), but the channel is on its edge, so part of the signal "
           "falls outside it";
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
    ConfigBlock block = ConfigBlock::factoryDefaults(); // 433.920 MHz, 0 dBm, 19200 bps
    const BandAdvice inside = bandAdvice(*emissionOf(Band::Mhz433, block));
    const QStringList details = inside.details();
    QCOMPARE(details.size(), 5); // the line, the width and power assumed, then g1 and g2
    QVERIFY(details.at(1).contains("≈ 42 kHz at 19200 bps") &&
            details.at(1).contains("ITU-R SM.1138"));
    QVERIFY(details.at(2).contains("-2.15 dBm e.r.p. (0 dBm TX power, 0 dBi antenna"));
    QVERIFY(details.at(3).contains("[ERC/REC 70-03 Annex 1, band g1]"));
    QVERIFY(details.at(4).contains("[ERC/REC 70-03 Annex 1, band g2]"));
    const QJsonObject o = inside.json();
    QCOMPARE(o.value("licence_free").toBool(), true);
    QCOMPARE(o.value("frequency_mhz").toString(), QStringLiteral("433.920"));
    QCOMPARE(o.value("occupied_khz").toDouble(), 42.24);
    QCOMPARE(o.value("erp_dbm").toDouble(), -2.15);
    QCOMPARE(o.value("sub_bands").toArray().size(), 2);

    // A sub-band the signal does not fit says why, in the details and the JSON.
    block.channel = quint16(channelAt(Band::Mhz433, hzOf("434.5")));
    const BandAdvice wide = bandAdvice(*emissionOf(Band::Mhz433, block));
    QVERIFY(wide.details().last().endsWith(
        "[ERC/REC 70-03 Annex 1, band g3]: not for this signal: at 19200 bps (≈ 42 kHz wide) it "
        "is wider than its channels (25 kHz at most)"));
    const QJsonObject g3 = wide.json().value("sub_bands").toArray().last().toObject();
    QCOMPARE(g3.value("fits").toBool(true), false);
    QCOMPARE(g3.value("why_not").toArray().size(), 1);

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
