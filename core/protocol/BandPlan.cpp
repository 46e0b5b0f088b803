#include "core/protocol/BandPlan.h"

#include <QJsonArray>

#include <algorithm>

namespace zomar {

namespace {

constexpr qint64 kMHz = 1'000'000;
constexpr qint64 kKHz = 1'000;

// The licence-free sub-bands the module's two bands reach. "LBT+AFA" is
// listen-before-talk with adaptive frequency agility, the spectrum access that
// may stand in for the duty cycle where a row allows it. A new region adds its
// rows here and a line to kRegions.
//
// EU: ERC Recommendation 70-03 (CEPT), Annex 1 (non-specific short range
// devices) and Annex 7 (alarms), as made binding in the EU by Decision
// 2006/771/EC as amended (2017/1483, 2019/1345); the harmonised standard is
// EN 300 220-2. Each row names its annex and band.
const QList<SubBand> kTable = {
    // 433 MHz band.
    {"eu", 433'050 * kKHz, 434'790 * kKHz, "10 mW e.r.p.", "duty cycle ≤ 10 %", "",
     "ERC/REC 70-03 Annex 1, band g1"},
    {"eu", 433'050 * kKHz, 434'790 * kKHz, "1 mW e.r.p. (−13 dBm/10 kHz above 250 kHz)",
     "no duty-cycle limit", "", "ERC/REC 70-03 Annex 1, band g2"},
    {"eu", 434'040 * kKHz, 434'790 * kKHz, "10 mW e.r.p.", "no duty-cycle limit, channels ≤ 25 kHz",
     "", "ERC/REC 70-03 Annex 1, band g3"},
    // 868 MHz band.
    {"eu", 863 * kMHz, 865 * kMHz, "25 mW e.r.p.", "duty cycle ≤ 0.1 % or LBT+AFA", "",
     "ERC/REC 70-03 Annex 1, band h1.1"},
    {"eu", 865 * kMHz, 868 * kMHz, "25 mW e.r.p.", "duty cycle ≤ 1 % or LBT+AFA", "",
     "ERC/REC 70-03 Annex 1, band h1.2"},
    {"eu", 868'000 * kKHz, 868'600 * kKHz, "25 mW e.r.p.", "duty cycle ≤ 1 % or LBT+AFA", "",
     "ERC/REC 70-03 Annex 1, band h1.3"},
    {"eu", 868'600 * kKHz, 868'700 * kKHz, "10 mW e.r.p.", "duty cycle ≤ 1 %", "alarms only",
     "ERC/REC 70-03 Annex 7, band a"},
    {"eu", 868'700 * kKHz, 869'200 * kKHz, "25 mW e.r.p.", "duty cycle ≤ 0.1 % or LBT+AFA", "",
     "ERC/REC 70-03 Annex 1, band h1.4"},
    {"eu", 869'200 * kKHz, 869'250 * kKHz, "10 mW e.r.p.", "duty cycle ≤ 0.1 %",
     "social alarms only", "ERC/REC 70-03 Annex 7, band b"},
    {"eu", 869'250 * kKHz, 869'300 * kKHz, "10 mW e.r.p.", "duty cycle ≤ 0.1 %", "alarms only",
     "ERC/REC 70-03 Annex 7, band c"},
    {"eu", 869'300 * kKHz, 869'400 * kKHz, "10 mW e.r.p.", "duty cycle ≤ 1 %", "alarms only",
     "ERC/REC 70-03 Annex 7, band d"},
    {"eu", 869'400 * kKHz, 869'650 * kKHz, "500 mW e.r.p.",
     "duty cycle ≤ 10 % or LBT+AFA, channels of 25 kHz (or the whole band as one)", "",
     "ERC/REC 70-03 Annex 1, band h1.5"},
    {"eu", 869'650 * kKHz, 869'700 * kKHz, "25 mW e.r.p.", "duty cycle ≤ 10 %", "alarms only",
     "ERC/REC 70-03 Annex 7, band e"},
    {"eu", 869'700 * kKHz, 870 * kMHz, "25 mW e.r.p.", "duty cycle ≤ 1 % or LBT+AFA", "",
     "ERC/REC 70-03 Annex 1, band h1.7"},
    {"eu", 869'700 * kKHz, 870 * kMHz, "5 mW e.r.p.", "no duty-cycle limit", "",
     "ERC/REC 70-03 Annex 1, band h1.6"},
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

// "433.050", "433.9975": three decimals, more only where the hertz need them.
QString mhzText(qint64 hz)
{
    QString fraction = QStringLiteral("%1").arg(hz % kMHz, 6, 10, QLatin1Char('0'));
    while (fraction.size() > 3 && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return QStringLiteral("%1.%2").arg(hz / kMHz).arg(fraction);
}

QString limitsText(const SubBand &s)
{
    return QStringLiteral("%1, %2").arg(QString::fromUtf8(s.erp), QString::fromUtf8(s.access));
}

QString regionTag(const Region &region, const SubBand &s)
{
    QString tag = QString::fromLatin1(region.name);
    if (s.restricted())
        tag += QStringLiteral(", ") + QString::fromUtf8(s.use);
    return tag;
}

} // namespace

QString SubBand::range() const
{
    return QStringLiteral("%1–%2 MHz").arg(mhzText(lowHz), mhzText(highHz));
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

BandAdvice bandAdvice(qint64 hz, const QString &region)
{
    BandAdvice advice;
    if (!regionFor(region))
        return advice;
    advice.region = region;
    advice.hz = hz;
    for (const SubBand &s : kTable) {
        if (region == QLatin1String(s.region) && s.contains(hz))
            advice.subBands << s;
    }
    // Any use before alarms only (they meet on shared edges), then the
    // narrowest: its limits are the ones that hold.
    std::stable_sort(advice.subBands.begin(), advice.subBands.end(),
                     [](const SubBand &a, const SubBand &b) {
                         if (a.restricted() != b.restricted())
                             return !a.restricted();
                         return a.highHz - a.lowHz < b.highHz - b.lowHz;
                     });
    advice.kind = advice.subBands.isEmpty() ? BandAdvice::Outside : BandAdvice::Inside;
    if (!advice.subBands.isEmpty()) {
        const SubBand &first = advice.subBands.constFirst();
        advice.onEdge = hz == first.lowHz || hz == first.highHz;
    }
    return advice;
}

BandAdvice bandAdvice(Band band, long long channel, const QString &region)
{
    if (band == Band::None || channel < 0 || channel > kHighestChannel)
        return {};
    return bandAdvice(channelHz(band, channel), region);
}

QString BandAdvice::line() const
{
    const Region *r = regionFor(region);
    if (kind == NoAdvice || !r)
        return QString();
    if (kind == Outside)
        return QStringLiteral("outside the licence-free band (%1): a licence is needed")
            .arg(QString::fromLatin1(r->name));
    const SubBand &s = subBands.constFirst();
    QString text = QStringLiteral("%1 (%2): %3").arg(s.range(), regionTag(*r, s), limitsText(s));
    if (onEdge)
        text += QStringLiteral("; on its edge, so part of the signal falls outside it");
    return text;
}

QStringList BandAdvice::details() const
{
    const Region *r = regionFor(region);
    if (kind == NoAdvice || !r)
        return {};
    QStringList lines{line()};
    if (kind == Outside) {
        lines << QStringLiteral("  %1 MHz is in none of the licence-free sub-bands (%2)")
                     .arg(mhzText(hz), QString::fromLatin1(r->outsideSource));
        for (const LicensedRange &l : kLicensed) {
            if (region == QLatin1String(l.region) && hz >= l.lowHz && hz <= l.highHz)
                lines << QStringLiteral("  it lies in %1 [%2]")
                             .arg(QString::fromUtf8(l.what), QString::fromUtf8(l.source));
        }
    }
    for (const SubBand &s : subBands)
        lines << QStringLiteral("  %1 (%2): %3 [%4]")
                     .arg(s.range(), regionTag(*r, s), limitsText(s), QString::fromUtf8(s.source));
    return lines;
}

QJsonObject BandAdvice::json() const
{
    if (kind == NoAdvice)
        return {};
    QJsonArray rows;
    for (const SubBand &s : subBands)
        rows.append(QJsonObject{{QStringLiteral("range"), s.range()},
                                {QStringLiteral("erp"), QString::fromUtf8(s.erp)},
                                {QStringLiteral("access"), QString::fromUtf8(s.access)},
                                {QStringLiteral("use"), QString::fromUtf8(s.use)},
                                {QStringLiteral("source"), QString::fromUtf8(s.source)}});
    return {{QStringLiteral("region"), region},
            {QStringLiteral("frequency_mhz"), mhzText(hz)},
            {QStringLiteral("licence_free"), kind == Inside},
            {QStringLiteral("on_edge"), onEdge},
            {QStringLiteral("text"), line()},
            {QStringLiteral("sub_bands"), rows}};
}

} // namespace zomar
