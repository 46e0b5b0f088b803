#include "core/protocol/Band.h"

#include <cmath>
#include <limits>

namespace zomar {

namespace {

// A product within this distance of a whole number is taken as that number
// (decimal texts such as "434" land a hair below their channel in binary).
constexpr double kWholeTolerance = 1e-6;

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
    if (text == bandItems().at(0))
        return Band::Mhz433;
    if (text == bandItems().at(1))
        return Band::Mhz868;
    return Band::None;
}

const QStringList &bandItems()
{
    static const QStringList items = {QStringLiteral("433Mhz"), QStringLiteral("868Mhz")};
    return items;
}

QString bandItem(Band band)
{
    if (band == Band::None)
        return QString();
    return bandItems().at(band == Band::Mhz433 ? 0 : 1);
}

QString bandName(Band band)
{
    switch (band) {
    case Band::Mhz433:
        return QStringLiteral("433");
    case Band::Mhz868:
        return QStringLiteral("868");
    case Band::None:
        break;
    }
    return QString();
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
    return band == Band::Mhz433 ? QStringLiteral("0.0025") : QStringLiteral("0.005");
}

QString frequencyText(Band band, long long channel)
{
    switch (band) {
    case Band::Mhz433: {
        // 430 + N * 0.0025 MHz. With N = 2a + b (b = 0 or 1) that is
        // 430 + a * 0.005 + b * 0.0025, and an odd N is halfway between two
        // thousandths and rounds up: 0.0025 -> 0.003. With a = 200q + s the
        // whole MHz are 430 + q and the thousandths 5s + 3b (0..998).
        const long long a = floorDiv(channel, 2);
        const long long b = floorMod(channel, 2);
        const long long q = floorDiv(a, 200);
        const long long s = floorMod(a, 200);
        return formatThousandths(430 + q, 5 * s + 3 * b);
    }
    case Band::Mhz868: {
        // 860 + N * 0.005 MHz, exact in thousandths. N = 200q + s.
        const long long q = floorDiv(channel, 200);
        const long long s = floorMod(channel, 200);
        return formatThousandths(860 + q, 5 * s);
    }
    case Band::None:
        break;
    }
    return QString();
}

qint64 channelHz(Band band, long long channel)
{
    switch (band) {
    case Band::Mhz433:
        return 430'000'000LL + 2'500LL * channel;
    case Band::Mhz868:
        return 860'000'000LL + 5'000LL * channel;
    case Band::None:
        break;
    }
    return 0;
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
    // Kept in this order of operations: decimal texts must land on the
    // channels they always did.
    if (band == Band::Mhz433)
        return (mhz / 10.0 - 43.0) * 4000.0;
    if (band == Band::Mhz868)
        return (mhz / 10.0 - 86.0) * 2000.0;
    return std::numeric_limits<double>::quiet_NaN();
}

bool isWholeChannel(double position)
{
    return std::isfinite(position) &&
           std::fabs(position - std::nearbyint(position)) <= kWholeTolerance;
}

} // namespace zomar
