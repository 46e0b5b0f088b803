#include "core/protocol/ConfigRecord.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace zomar {

namespace {

struct CodeItem {
    int code;
    const char *text;
};

constexpr CodeItem kTxPowerTable[] = {
    {0, "0 dBm"},   {1, "-3 dBm"},  {2, "-6 dBm"},  {3, "-9 dBm"},
    {4, "-12 dBm"}, {5, "-15 dBm"}, {6, "-18 dBm"}, {7, "-21 dBm"},
};

// The first six entries are the items of the speed drop-down list.
constexpr CodeItem kRfSpeedTable[] = {
    {163, "1200 bps"}, {145, "2400 bps"}, {71, "4800 bps"}, {35, "9600 bps"},
    {17, "19200 bps"}, {8, "38400 bps"},  {5, "57600 bps"}, {2, "115200 bps"},
};
constexpr int kRfSpeedListItems = 6;

constexpr int kDefaultTxPowerCode = 0;
constexpr int kDefaultRfSpeedCode = 163;

// A product within this distance of a whole number is taken as that number
// (decimal texts such as "434" land a hair below their channel in binary).
constexpr double kWholeTolerance = 1e-6;

template <std::size_t N> std::optional<QString> textForCode(const CodeItem (&table)[N], int code)
{
    for (const CodeItem &item : table) {
        if (item.code == code)
            return QString::fromLatin1(item.text);
    }
    return std::nullopt;
}

template <std::size_t N>
int codeForText(const CodeItem (&table)[N], const QString &text, int fallback)
{
    for (const CodeItem &item : table) {
        if (text == QLatin1String(item.text))
            return item.code;
    }
    return fallback;
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

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r';
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

EncodeResult refused(Refusal why, int byte)
{
    EncodeResult r;
    r.status = (why == Refusal::AddressOverflow || why == Refusal::FrequencyOverflow)
                   ? EncodeResult::Failed
                   : EncodeResult::Refused;
    r.refusal = why;
    r.byte = byte;
    return r;
}

template <std::size_t N> QStringList textsOf(const CodeItem (&table)[N])
{
    QStringList list;
    for (const CodeItem &item : table)
        list << QString::fromLatin1(item.text);
    return list;
}

} // namespace

Band bandFromText(const QString &text)
{
    if (text == QLatin1String("433Mhz"))
        return Band::Mhz433;
    if (text == QLatin1String("868Mhz"))
        return Band::Mhz868;
    return Band::None;
}

const QStringList &portItems()
{
    static const QStringList items = [] {
        QStringList list;
        for (int i = 1; i <= 15; ++i)
            list << QString::number(i);
        return list;
    }();
    return items;
}

const QStringList &lineSpeedItems()
{
    static const QStringList items = {
        QStringLiteral("2400"),  QStringLiteral("4800"),  QStringLiteral("9600"),
        QStringLiteral("14400"), QStringLiteral("19200"), QStringLiteral("28800"),
        QStringLiteral("38400"),
    };
    return items;
}

const QStringList &txPowerItems()
{
    static const QStringList items = textsOf(kTxPowerTable);
    return items;
}

const QStringList &rfSpeedItems()
{
    static const QStringList items = rfSpeedTableTexts().mid(0, kRfSpeedListItems);
    return items;
}

const QStringList &rfSpeedTableTexts()
{
    static const QStringList texts = textsOf(kRfSpeedTable);
    return texts;
}

const QStringList &bandItems()
{
    static const QStringList items = {QStringLiteral("433Mhz"), QStringLiteral("868Mhz")};
    return items;
}

std::optional<QString> txPowerText(int code)
{
    return textForCode(kTxPowerTable, code);
}

int txPowerCode(const QString &text)
{
    return codeForText(kTxPowerTable, text, kDefaultTxPowerCode);
}

std::optional<QString> rfSpeedText(int code)
{
    return textForCode(kRfSpeedTable, code);
}

int rfSpeedCode(const QString &text)
{
    return codeForText(kRfSpeedTable, text, kDefaultRfSpeedCode);
}

QString addressText(int byte)
{
    return QString::number(byte, 16).toUpper();
}

AddressValue parseAddress(const QString &text)
{
    AddressValue result;
    if (text.isEmpty())
        return result; // NotHex
    constexpr long long kOverflowAt = 0x8000;
    long long value = 0;
    for (QChar c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0) {
            result.kind = AddressValue::NotHex;
            result.value = 0;
            return result;
        }
        // Saturate: once the value has reached 0x8000 it stays there, so that
        // arbitrarily long digit strings cannot overflow the accumulator.
        if (value < kOverflowAt)
            value = value * 16 + digit;
    }
    if (value >= kOverflowAt) {
        result.kind = AddressValue::Overflow;
        result.value = 0;
    } else if (value > 255) {
        result.kind = AddressValue::TooLarge;
        result.value = static_cast<int>(value);
    } else {
        result.kind = AddressValue::Byte;
        result.value = static_cast<int>(value);
    }
    return result;
}

double leadingNumber(const QString &text)
{
    const int size = static_cast<int>(text.size());
    int i = 0;
    while (i < size && isBlank(text.at(i)))
        ++i;

    bool negative = false;
    if (i < size && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }

    std::string intDigits;
    while (i < size && isAsciiDigit(text.at(i)))
        intDigits += static_cast<char>(text.at(i++).unicode());

    std::string fracDigits;
    if (i < size && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < size && isAsciiDigit(text.at(i)))
            fracDigits += static_cast<char>(text.at(i++).unicode());
    }

    if (intDigits.empty() && fracDigits.empty())
        return 0.0; // no number at the start

    // Exponent: only when at least one digit follows the marker (and sign).
    long long exponent = 0;
    if (i < size && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        int j = i + 1;
        bool expNegative = false;
        if (j < size && (text.at(j) == QLatin1Char('+') || text.at(j) == QLatin1Char('-'))) {
            expNegative = text.at(j) == QLatin1Char('-');
            ++j;
        }
        if (j < size && isAsciiDigit(text.at(j))) {
            constexpr long long kExponentCap = 1000000000LL; // far beyond any double
            while (j < size && isAsciiDigit(text.at(j))) {
                if (exponent < kExponentCap)
                    exponent = exponent * 10 + (text.at(j).unicode() - u'0');
                ++j;
            }
            if (expNegative)
                exponent = -exponent;
        }
    }

    // Canonical form for from_chars: digits "." digits "e" exponent (no sign).
    std::string canonical = intDigits.empty() ? std::string("0") : intDigits;
    if (!fracDigits.empty()) {
        canonical += '.';
        canonical += fracDigits;
    }
    if (exponent != 0) {
        canonical += 'e';
        canonical += std::to_string(exponent);
    }

    double value = 0.0;
    const char *first = canonical.data();
    const char *last = first + canonical.size();
    const std::from_chars_result res =
        std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: decide by the decimal exponent
        // of the first significant digit.
        long long scientific = 0;
        bool found = false;
        const std::size_t nz = intDigits.find_first_not_of('0');
        if (nz != std::string::npos) {
            scientific = static_cast<long long>(intDigits.size() - nz) - 1;
            found = true;
        } else {
            const std::size_t fz = fracDigits.find_first_not_of('0');
            if (fz != std::string::npos) {
                scientific = -static_cast<long long>(fz) - 1;
                found = true;
            }
        }
        if (!found)
            value = 0.0;
        else if (scientific + exponent >= 0)
            value = std::numeric_limits<double>::infinity();
        else
            value = 0.0;
    } else if (res.ec != std::errc()) {
        value = 0.0;
    }

    if (value == 0.0)
        return 0.0; // no negative zero
    return negative ? -value : value;
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

std::optional<ChannelNumber> channelFromFrequency(Band band, const QString &text)
{
    if (band == Band::None)
        return std::nullopt;

    const double p = channelPosition(band, leadingNumber(text));
    ChannelNumber result;
    if (!std::isfinite(p)) {
        result.overflow = true;
        return result;
    }
    const double whole = std::nearbyint(p);
    const double n = std::fabs(p - whole) <= kWholeTolerance ? whole : std::floor(p);
    if (n < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        n > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        result.overflow = true;
        return result;
    }
    result.n = static_cast<long long>(n);
    return result;
}

DecodedFields ConfigRecord::decode(const RxSlots &rx, Band band)
{
    DecodedFields fields;
    for (int k = 0; k < 8; ++k) {
        if (rx[k] != kEmptySlot)
            fields.address[k] = addressText(rx[k]);
    }
    if (rx[8] != kEmptySlot)
        m_freqHigh = rx[8];
    if (rx[9] != kEmptySlot) {
        m_freqLow = rx[9];
        if (band != Band::None) {
            const long long n = static_cast<long long>(m_freqHigh) * 256 + m_freqLow;
            fields.frequency = frequencyText(band, n);
        }
    }
    if (rx[10] != kEmptySlot)
        fields.txPower = txPowerText(rx[10]);
    if (rx[11] != kEmptySlot)
        fields.rfSpeed = rfSpeedText(rx[11]);
    return fields;
}

EncodeResult ConfigRecord::encode(const FieldTexts &fields)
{
    QByteArray packet;
    packet.reserve(kBlockSize);

    for (int k = 0; k < 8; ++k) {
        const AddressValue a = parseAddress(fields.address[static_cast<size_t>(k)]);
        switch (a.kind) {
        case AddressValue::NotHex:
            return refused(Refusal::AddressNotHex, k);
        case AddressValue::Overflow:
            return refused(Refusal::AddressOverflow, k);
        case AddressValue::TooLarge:
            return refused(Refusal::AddressTooLarge, k);
        case AddressValue::Byte:
            packet.append(static_cast<char>(a.value));
            break;
        }
    }

    const Band band = bandFromText(fields.band);
    if (band != Band::None) {
        const std::optional<ChannelNumber> ch = channelFromFrequency(band, fields.frequency);
        if (ch->overflow)
            return refused(Refusal::FrequencyOverflow, 8);
        const long long n = ch->n;
        const long long low = n & 255;
        // (N with its low 8 bits cleared) / 256: floor division, -1 for N = -1.
        m_freqHigh = static_cast<int>((n - low) / 256);
        m_freqLow = static_cast<int>(low);
    }

    if (m_freqHigh < 0 || m_freqHigh > 255)
        return refused(Refusal::FrequencyOutOfRange, 8);
    packet.append(static_cast<char>(m_freqHigh));
    if (m_freqLow < 0 || m_freqLow > 255)
        return refused(Refusal::FrequencyOutOfRange, 8);
    packet.append(static_cast<char>(m_freqLow));

    const QString unread = QStringLiteral("??");
    if (fields.txPower == unread)
        return refused(Refusal::TxPowerUnread, 10);
    packet.append(static_cast<char>(txPowerCode(fields.txPower)));

    if (fields.rfSpeed == unread)
        return refused(Refusal::RfSpeedUnread, 11);
    packet.append(static_cast<char>(rfSpeedCode(fields.rfSpeed)));

    EncodeResult result;
    result.status = EncodeResult::Ok;
    result.packet = packet;
    return result;
}

} // namespace zomar
