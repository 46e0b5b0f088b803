#include "core/protocol/BandPlan.h"

#include "core/protocol/ConfigBlock.h"
#include "core/protocol/ValueTables.h"

#include <algorithm>
#include <cmath>

namespace zomar {

namespace {

constexpr qint64 kMHz = 1'000'000;
constexpr qint64 kKHz = 1'000;

// The occupied bandwidth of the signal, from its RF speed alone (the module
// does not tell its modulation): two-level FSK with a modulation index of 1,
// a deviation D of half the bit rate B, whose necessary bandwidth by ITU-R
// SM.1138 (frequency-shift telegraphy: Bn = 2M + 2DK, M = B/2, K = 1.2) is
// 2.2 B: 2.6 kHz at 1200 bps, 42 kHz at 19200, 84 kHz at 38400, 253 kHz at
// 115200. A module with a wider deviation occupies more.
constexpr double kOccupiedPerBps = 2.2;

// The licence-free sub-bands the module's two bands reach. "LBT+AFA" is
// listen-before-talk with adaptive frequency agility, the spectrum access that
// may stand in for the duty cycle where a row allows it. A new region adds its
// rows here and a line to kRegions.
//
// EU: ERC Recommendation 70-03 (CEPT), Annex 1 (non-specific short range
// devices) and Annex 7 (alarms), as made binding in the EU by Decision
// 2006/771/EC as amended (2017/1483, 2019/1345); the harmonised standard is
// EN 300 220-2. Each row names its annex and band, its e.r.p. as a number and
// the widest channel it allows (g3: 25 kHz; h1.5 has 25 kHz channels or the
// whole band as one, so no narrower limit than its edges). EN 300 220-1 asks
// for the whole occupied bandwidth inside the band, edges included: a
// channel is inside a sub-band only when all of it is.
const QList<SubBand> kTable = {
    // 433 MHz band.
    {"eu", 433'050 * kKHz, 434'790 * kKHz, "10 mW e.r.p.", "duty cycle ≤ 10 %", "",
     "ERC/REC 70-03 Annex 1, band g1", 10, 0},
    {"eu", 433'050 * kKHz, 434'790 * kKHz, "1 mW e.r.p. (−13 dBm/10 kHz above 250 kHz)",
     "no duty-cycle limit", "", "ERC/REC 70-03 Annex 1, band g2", 1, 0},
    {"eu", 434'040 * kKHz, 434'790 * kKHz, "10 mW e.r.p.", "no duty-cycle limit, channels ≤ 25 kHz",
     "", "ERC/REC 70-03 Annex 1, band g3", 10, 25 * kKHz},
    // 868 MHz band.
    {"eu", 863 * kMHz, 865 * kMHz, "25 mW e.r.p.", "duty cycle ≤ 0.1 % or LBT+AFA", "",
     "ERC/REC 70-03 Annex 1, band h1.1", 25, 0},
    {"eu", 865 * kMHz, 868 * kMHz, "25 mW e.r.p.", "duty cycle ≤ 1 % or LBT+AFA", "",
     "ERC/REC 70-03 Annex 1, band h1.2", 25, 0},
    {"eu", 868'000 * kKHz, 868'600 * kKHz, "25 mW e.r.p.", "duty cycle ≤ 1 % or LBT+AFA", "",
     "ERC/REC 70-03 Annex 1, band h1.3", 25, 0},
    {"eu", 868'600 * kKHz, 868'700 * kKHz, "10 mW e.r.p.", "duty cycle ≤ 1 %", "alarms only",
     "ERC/REC 70-03 Annex 7, band a", 10, 0},
    {"eu", 868'700 * kKHz, 869'200 * kKHz, "25 mW e.r.p.", "duty cycle ≤ 0.1 % or LBT+AFA", "",
     "ERC/REC 70-03 Annex 1, band h1.4", 25, 0},
    {"eu", 869'200 * kKHz, 869'250 * kKHz, "10 mW e.r.p.", "duty cycle ≤ 0.1 %",
     "social alarms only", "ERC/REC 70-03 Annex 7, band b", 10, 0},
    {"eu", 869'250 * kKHz, 869'300 * kKHz, "10 mW e.r.p.", "duty cycle ≤ 0.1 %", "alarms only",
     "ERC/REC 70-03 Annex 7, band c", 10, 0},
    {"eu", 869'300 * kKHz, 869'400 * kKHz, "10 mW e.r.p.", "duty cycle ≤ 1 %", "alarms only",
     "ERC/REC 70-03 Annex 7, band d", 10, 0},
    {"eu", 869'400 * kKHz, 869'650 * kKHz, "500 mW e.r.p.",
     "duty cycle ≤ 10 % or LBT+AFA, channels of 25 kHz (or the whole band as one)", "",
     "ERC/REC 70-03 Annex 1, band h1.5", 500, 0},
    {"eu", 869'650 * kKHz, 869'700 * kKHz, "25 mW e.r.p.", "duty cycle ≤ 10 %", "alarms only",
     "ERC/REC 70-03 Annex 7, band e", 25, 0},
    {"eu", 869'700 * kKHz, 870 * kMHz, "25 mW e.r.p.", "duty cycle ≤ 1 % or LBT+AFA", "",
     "ERC/REC 70-03 Annex 1, band h1.7", 25, 0},
    {"eu", 869'700 * kKHz, 870 * kMHz, "5 mW e.r.p.", "no duty-cycle limit", "",
     "ERC/REC 70-03 Annex 1, band h1.6", 5, 0},
};

struct Region {
    const char *key;
    const char *name;          // shown in brackets: "(EU)"
    const char *outsideSource; // why a frequency outside the rows needs a licence
};

const Region kRegions[] = {
    {"eu", "EU", "ERC/REC 70-03 lists the licence-exempt bands (Annexes 1 and 7)"},
};

// What the spectrum around the sub-bands is, said when a frequency falls
// outside them.
struct LicensedRange {
    const char *region;
    qint64 lowHz;
    qint64 highHz;
    const char *what;
    const char *source;
};

const LicensedRange kLicensed[] = {
    {"eu", 430 * kMHz, 440 * kMHz, "the amateur 70 cm band: an amateur licence is needed",
     "ERC Report 25 (the ECA table)"},
};

const Region *regionFor(const QString &key)
{
    for (const Region &r : kRegions) {
        if (key == QLatin1String(r.key))
            return &r;
    }
    return nullptr;
}

} // namespace

QString SubBand::range() const
{
    return QStringLiteral("%1–%2 MHz").arg(bandPlanMhz(lowHz), bandPlanMhz(highHz));
}

QString bandPlanMhz(qint64 hz)
{
    QString fraction = QStringLiteral("%1").arg(hz % kMHz, 6, 10, QLatin1Char('0'));
    while (fraction.size() > 3 && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return QStringLiteral("%1.%2").arg(hz / kMHz).arg(fraction);
}

const QList<SubBand> &bandPlanTable()
{
    return kTable;
}

QStringList bandPlanRegions()
{
    QStringList keys;
    for (const Region &r : kRegions)
        keys << QString::fromLatin1(r.key);
    keys << kNoBandPlanRegion;
    return keys;
}

bool isBandPlanRegion(const QString &key)
{
    return bandPlanRegions().contains(key);
}

QString bandPlanRegionName(const QString &key)
{
    const Region *r = regionFor(key);
    return r ? QString::fromLatin1(r->name) : QString();
}

QString bandPlanOutsideSource(const QString &key)
{
    const Region *r = regionFor(key);
    return r ? QString::fromLatin1(r->outsideSource) : QString();
}

QStringList licensedRangesAt(const QString &region, qint64 hz)
{
    QStringList ranges;
    for (const LicensedRange &l : kLicensed) {
        if (region == QLatin1String(l.region) && hz >= l.lowHz && hz <= l.highHz)
            ranges << QStringLiteral("%1 [%2]").arg(QString::fromUtf8(l.what),
                                                    QString::fromUtf8(l.source));
    }
    return ranges;
}

qint64 Emission::occupiedHz() const
{
    return rfBps ? qint64(std::llround(kOccupiedPerBps * *rfBps)) : 0;
}

std::optional<double> Emission::erpDbm() const
{
    if (!txPowerDbm)
        return std::nullopt;
    return *txPowerDbm + antennaGainDbi - kDipoleGainDbi;
}

QString occupiedBandwidthBasis()
{
    return QStringLiteral("%1 × the RF speed: ITU-R SM.1138's necessary bandwidth of two-level "
                          "FSK with a modulation index of 1")
        .arg(kOccupiedPerBps);
}

std::optional<Emission> emissionOf(Band band, const ConfigBlock &block, double antennaGainDbi)
{
    if (band == Band::None)
        return std::nullopt;
    Emission e;
    e.hz = channelHz(band, block.channel);
    if (const int bps = rfSpeedBps(block.rfSpeedCode); bps > 0)
        e.rfBps = bps;
    e.txPowerDbm = txPowerDbm(block.txPowerCode);
    e.antennaGainDbi = antennaGainDbi;
    return e;
}

BandAdvice bandAdvice(const Emission &emission, const QString &region)
{
    BandAdvice advice;
    if (!regionFor(region))
        return advice;
    advice.region = region;
    advice.emission = emission;
    advice.hz = emission.hz;
    const qint64 width = emission.occupiedHz();
    const std::optional<double> erp = emission.erpDbm();
    for (const SubBand &s : kTable) {
        if (region != QLatin1String(s.region) || !s.contains(emission.hz))
            continue;
        SubBandFit fit{s};
        // Twice the distances, to stay in whole hertz. A signal of unknown
        // width still has some: on an edge, part of it is outside.
        const qint64 low = 2 * (emission.hz - s.lowHz), high = 2 * (s.highHz - emission.hz);
        fit.pastEdge = width > 0 ? (low < width || high < width) : (low == 0 || high == 0);
        fit.tooWide = s.channelLimitHz > 0 && width > s.channelLimitHz;
        fit.tooStrong = erp && *erp > 10 * std::log10(s.erpLimitMw) + 1e-9;
        advice.subBands << fit;
    }
    std::stable_sort(advice.subBands.begin(), advice.subBands.end(),
                     [](const SubBandFit &a, const SubBandFit &b) {
                         if (a.fits() != b.fits())
                             return a.fits();
                         if (a.subBand.restricted() != b.subBand.restricted())
                             return !a.subBand.restricted();
                         return a.subBand.highHz - a.subBand.lowHz <
                                b.subBand.highHz - b.subBand.lowHz;
                     });
    if (advice.subBands.isEmpty())
        advice.kind = BandAdvice::Outside;
    else
        advice.kind = advice.subBands.constFirst().fits() ? BandAdvice::Inside : BandAdvice::Unfit;
    advice.onEdge = !advice.subBands.isEmpty() && advice.subBands.constFirst().pastEdge;
    return advice;
}

BandAdvice bandAdvice(qint64 hz, const QString &region)
{
    Emission e;
    e.hz = hz;
    return bandAdvice(e, region);
}

BandAdvice bandAdvice(Band band, long long channel, const QString &region)
{
    if (band == Band::None || channel < 0 || channel > kHighestChannel)
        return {};
    return bandAdvice(channelHz(band, channel), region);
}

} // namespace zomar
