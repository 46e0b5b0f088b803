#include "core/protocol/PageCodec.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace zomar {

namespace {

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

} // namespace

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
    const double n = isWholeChannel(p) ? std::nearbyint(p) : std::floor(p);
    if (n < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        n > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        result.overflow = true;
        return result;
    }
    result.n = static_cast<long long>(n);
    return result;
}

FieldTexts factoryFieldTexts()
{
    const ConfigBlock block = ConfigBlock::factoryDefaults();
    const QByteArray bytes = block.toBytes();
    FieldTexts texts;
    for (int k = 0; k < 8; ++k)
        texts.address[static_cast<size_t>(k)] =
            QStringLiteral("%1").arg(static_cast<quint8>(bytes.at(k)), 2, 16, QLatin1Char('0'))
                .toUpper();
    texts.band = bandItem(Band::Mhz433);
    QString mhz = frequencyText(Band::Mhz433, block.channel);
    while (mhz.endsWith(QLatin1Char('0')))
        mhz.chop(1);
    texts.frequency = mhz;
    texts.txPower = txPowerText(block.txPowerCode).value_or(QString()).section(QLatin1Char(' '), 0, 0);
    texts.rfSpeed = rfSpeedText(block.rfSpeedCode).value_or(QString());
    return texts;
}

DecodedFields PageCodec::decode(const RxSlots &rx, Band band)
{
    constexpr int kHigh = spanOf(BlockField::Channel).first;
    constexpr int kPower = spanOf(BlockField::TxPower).first;
    constexpr int kSpeed = spanOf(BlockField::RfSpeed).first;
    DecodedFields fields;
    for (int k = 0; k < kHigh; ++k) {
        if (rx[k] != kEmptySlot)
            fields.address[k] = addressText(rx[k]);
    }
    if (rx[kHigh] != kEmptySlot)
        m_freqHigh = rx[kHigh];
    if (rx[kHigh + 1] != kEmptySlot) {
        m_freqLow = rx[kHigh + 1];
        if (band != Band::None) {
            const long long n = static_cast<long long>(m_freqHigh) * 256 + m_freqLow;
            fields.frequency = frequencyText(band, n);
        }
    }
    if (rx[kPower] != kEmptySlot)
        fields.txPower = txPowerText(rx[kPower]);
    if (rx[kSpeed] != kEmptySlot)
        fields.rfSpeed = rfSpeedText(rx[kSpeed]);
    return fields;
}

EncodeResult PageCodec::encode(const FieldTexts &fields)
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
            return refused(Refusal::FrequencyOverflow, spanOf(BlockField::Channel).first);
        const long long n = ch->n;
        const long long low = n & 255;
        // (N with its low 8 bits cleared) / 256: floor division, -1 for N = -1.
        m_freqHigh = static_cast<int>((n - low) / 256);
        m_freqLow = static_cast<int>(low);
    }

    if (m_freqHigh < 0 || m_freqHigh > 255)
        return refused(Refusal::FrequencyOutOfRange, spanOf(BlockField::Channel).first);
    packet.append(static_cast<char>(m_freqHigh));
    if (m_freqLow < 0 || m_freqLow > 255)
        return refused(Refusal::FrequencyOutOfRange, spanOf(BlockField::Channel).first);
    packet.append(static_cast<char>(m_freqLow));

    const QString unread = QStringLiteral("??");
    if (fields.txPower == unread)
        return refused(Refusal::TxPowerUnread, spanOf(BlockField::TxPower).first);
    packet.append(static_cast<char>(txPowerCode(fields.txPower)));

    if (fields.rfSpeed == unread)
        return refused(Refusal::RfSpeedUnread, spanOf(BlockField::RfSpeed).first);
    packet.append(static_cast<char>(rfSpeedCode(fields.rfSpeed)));

    EncodeResult result;
    result.status = EncodeResult::Ok;
    result.packet = packet;
    return result;
}

} // namespace zomar
