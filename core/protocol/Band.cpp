#include "core/protocol/Band.h"

#include <cmath>
#include <limits>

namespace zomar {

namespace {

// A product within this distance of a whole number is taken as that number
// (decimal texts such as "434" land a hair below their channel in binary).
constexpr double kWholeTolerance = 1e-6;

// Each band as the module counts it: channel 0 at the base, then a step.
struct BandPlanOfChannels {
    Band band;
    const char *item; // in the window's band box
    const char *name; // in profiles and on the command line
    long long baseMhz;
    long long stepHz;
};
constexpr BandPlanOfChannels kBands[] = {
    {Band::Mhz433, "433Mhz", "433", 430, 2'500},
    {Band::Mhz868, "868Mhz", "868", 860, 5'000},
};

const BandPlanOfChannels *planOf(Band band)
{
    for (const BandPlanOfChannels &plan : kBands)
        if (plan.band == band)
            return &plan;
    return nullptr;
}

// Floor division and the matching non-negative remainder, divisor > 0,
// without overflow for any dividend.
long long floorDiv(long long a, long long b)
{
    long long q = a / b;
    if (a % b < 0)
        --q;
    return q;
}

long long floorMod(long long a, long long b)
{
    long long r = a % b;
    if (r < 0)
        r += b;
    return r;
}

// "I.rrr" for the value I + rem/1000, rem in 0..999, also for negative I.
QString formatThousandths(long long whole, long long rem)
{
    bool negative = false;
    long long shownWhole = whole;
    long long shownRem = rem;
    if (whole < 0) {
        negative = true;
        if (rem == 0) {
            shownWhole = -whole;
        } else {
            shownWhole = -whole - 1;
            shownRem = 1000 - rem;
        }
    }
    QString text;
    if (negative)
        text += QLatin1Char('-');
    text += QString::number(shownWhole);
    text += QLatin1Char('.');
    text += QStringLiteral("%1").arg(shownRem, 3, 10, QLatin1Char('0'));
    return text;
}

} // namespace

Band bandFromText(const QString &text)
{
    for (const BandPlanOfChannels &plan : kBands)
        if (text == QLatin1String(plan.item))
            return plan.band;
    return Band::None;
}

const QStringList &bandItems()
{
    static const QStringList items = [] {
        QStringList all;
        for (const BandPlanOfChannels &plan : kBands)
            all << QString::fromLatin1(plan.item);
        return all;
    }();
    return items;
}

QString bandItem(Band band)
{
    const BandPlanOfChannels *plan = planOf(band);
    return plan ? QString::fromLatin1(plan->item) : QString();
}

QString bandName(Band band)
{
    const BandPlanOfChannels *plan = planOf(band);
    return plan ? QString::fromLatin1(plan->name) : QString();
}

QStringList bandNames()
{
    QStringList names;
    for (const BandPlanOfChannels &plan : kBands)
        names << QString::fromLatin1(plan.name);
    return names;
}

QString bandTitle(Band band)
{
    return QStringLiteral("%1 MHz band").arg(bandName(band));
}

QString bandRange(Band band)
{
    return QStringLiteral("%1 to %2 MHz")
        .arg(exactFrequencyText(band, 0), exactFrequencyText(band, kHighestChannel));
}

QString bandStepText(Band band)
{
    const BandPlanOfChannels *plan = planOf(band);
    return plan ? QString::number(double(plan->stepHz) / 1e6) : QString();
}

QString frequencyText(Band band, long long channel)
{
    const BandPlanOfChannels *plan = planOf(band);
    if (!plan)
        return QString();
    // With N = perMhz * q + s the whole MHz are base + q and the rest s steps,
    // under 1 MHz; a rest halfway between thousandths rounds up (433 MHz band:
    // 0.0025 -> 0.003). No product can overflow, whatever N.
    const long long perMhz = 1'000'000 / plan->stepHz;
    const long long q = floorDiv(channel, perMhz);
    const long long s = floorMod(channel, perMhz);
    return formatThousandths(plan->baseMhz + q, (s * plan->stepHz + 500) / 1000);
}

qint64 channelHz(Band band, long long channel)
{
    const BandPlanOfChannels *plan = planOf(band);
    return plan ? plan->baseMhz * 1'000'000LL + plan->stepHz * channel : 0;
}

QString exactFrequencyText(Band band, int channel)
{
    if (band == Band::None)
        return QString();
    const long long tenThousandths = channelHz(band, channel) / 100;
    QString text = QStringLiteral("%1.%2")
                       .arg(tenThousandths / 10000)
                       .arg(tenThousandths % 10000, 4, 10, QLatin1Char('0'));
    if (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text;
}

double channelPosition(Band band, double mhz)
{
    // Kept in this order of operations (tens of MHz, then channels per ten
    // MHz): decimal texts must land on the channels they always did.
    const BandPlanOfChannels *plan = planOf(band);
    if (!plan)
        return std::numeric_limits<double>::quiet_NaN();
    return (mhz / 10.0 - double(plan->baseMhz / 10)) * double(10'000'000 / plan->stepHz);
}

bool isWholeChannel(double position)
{
    return std::isfinite(position) &&
           std::fabs(position - std::nearbyint(position)) <= kWholeTolerance;
}

} // namespace zomar
