#include "core/protocol/FieldValues.h"

#include "core/protocol/PageCodec.h"

#include <QRegularExpression>

namespace zomar {

namespace {

// The number in front of a unit, or the whole text when it has no unit.
QString withoutUnit(QString text, const QString &unit)
{
    text = text.trimmed();
    if (text.endsWith(unit, Qt::CaseInsensitive))
        text.chop(unit.size());
    return text.trimmed();
}

} // namespace

Parsed<quint32> parseAddressValue(const QString &text)
{
    QString digits = text.trimmed();
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        digits = digits.mid(2);
    if (digits.isEmpty())
        return Parsed<quint32>::refused(QStringLiteral("empty; an address is 1 to 8 hex digits"));
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]+$"));
    if (!hex.match(digits).hasMatch())
        return Parsed<quint32>::refused(
            QStringLiteral("not hexadecimal; an address is 1 to 8 hex digits (0-9, A-F)"));
    if (digits.size() > 8)
        return Parsed<quint32>::refused(
            QStringLiteral("%1 hex digits; an address has at most 8").arg(digits.size()));
    return Parsed<quint32>::ok(digits.toUInt(nullptr, 16));
}

Parsed<Band> parseBandValue(const QString &text)
{
    const QString t = withoutUnit(text, QStringLiteral("mhz"));
    if (t == QLatin1String("433"))
        return Parsed<Band>::ok(Band::Mhz433);
    if (t == QLatin1String("868"))
        return Parsed<Band>::ok(Band::Mhz868);
    return Parsed<Band>::refused(QStringLiteral("not a band; allowed: 433, 868"));
}

Parsed<int> parseChannelValue(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,9}$"));
    const QString t = text.trimmed();
    if (!number.match(t).hasMatch() || t.toLongLong() > kHighestChannel)
        return Parsed<int>::refused(
            QStringLiteral("not a channel; allowed: a whole number 0 to %1").arg(kHighestChannel));
    return Parsed<int>::ok(t.toInt());
}

Parsed<int> parseFrequencyValue(Band band, const QString &text)
{
    const QString t = withoutUnit(text, QStringLiteral("mhz"));
    if (band == Band::None)
        return Parsed<int>::refused(QStringLiteral("no band to place it on"));
    // Read as an exact decimal, not a double: a text names a channel only
    // when it is base + n x step to the last digit ("433.9975000" is
    // channel 1599, "433.998" is none).
    static const QRegularExpression number(QStringLiteral("^([0-9]+)(?:\\.([0-9]*))?$"));
    const QRegularExpressionMatch m = number.match(t);
    if (!m.hasMatch())
        return Parsed<int>::refused(QStringLiteral("not a frequency in MHz; allowed: %1 in the %2")
                                        .arg(bandRange(band), bandTitle(band)));
    QString whole = m.captured(1);
    while (whole.size() > 1 && whole.front() == QLatin1Char('0'))
        whole.remove(0, 1);
    QString fraction = m.captured(2);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    // Every channel lies on a ten-thousandth of a MHz: finer digits only
    // place the text between two channels.
    const bool finer = fraction.size() > 4;
    // Far above the band: more whole digits than any channel has.
    const bool huge = whole.size() > 6;
    const long long tenThousandths =
        huge ? 0
             : whole.toLongLong() * 10000 +
                   fraction.left(4).leftJustified(4, QLatin1Char('0')).toLongLong();
    // In ten-thousandths of a MHz, where every channel of both bands lies.
    const long long base = channelHz(band, 0) / 100;
    const long long step = channelHz(band, 1) / 100 - base;
    if (!huge && tenThousandths < base)
        return Parsed<int>::refused(QStringLiteral("below %1 MHz, the lowest frequency of the %2")
                                        .arg(exactFrequencyText(band, 0), bandTitle(band)));
    const long long offset = tenThousandths - base;
    const long long highest = step * kHighestChannel;
    if (huge || offset > highest || (offset == highest && finer))
        return Parsed<int>::refused(
            QStringLiteral("above %1 MHz, the highest frequency of the %2")
                .arg(exactFrequencyText(band, kHighestChannel), bandTitle(band)));
    const int below = static_cast<int>(offset / step);
    if (finer || offset % step != 0)
        return Parsed<int>::refused(
            QStringLiteral("not a channel of the %1 (steps of %2 MHz); nearest: %3 or %4 MHz")
                .arg(bandTitle(band), bandStepText(band), exactFrequencyText(band, below),
                     exactFrequencyText(band, below + 1)));
    return Parsed<int>::ok(below);
}

Parsed<quint8> parseTxPowerValue(const QString &text)
{
    const QString t = withoutUnit(text, QStringLiteral("dbm"));
    static const QRegularExpression number(QStringLiteral("^[-+]?[0-9]{1,3}$"));
    if (number.match(t).hasMatch()) {
        // The table steps 3 dB down from 0 dBm, code 0 to 7.
        const int dbm = t.toInt();
        if (dbm <= 0 && dbm % 3 == 0 && txPowerText(-dbm / 3))
            return Parsed<quint8>::ok(static_cast<quint8>(-dbm / 3));
    }
    return Parsed<quint8>::refused(
        QStringLiteral("not a TX power; allowed: %1").arg(allowedTxPowers()));
}

Parsed<quint8> parseRfSpeedValue(const QString &text)
{
    const QString t = withoutUnit(text, QStringLiteral("bps"));
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,7}$"));
    const QString item = QStringLiteral("%1 bps").arg(t.toInt());
    if (number.match(t).hasMatch() && rfSpeedTableTexts().contains(item))
        return Parsed<quint8>::ok(static_cast<quint8>(rfSpeedCode(item)));
    return Parsed<quint8>::refused(
        QStringLiteral("not an RF speed; allowed: %1").arg(allowedRfSpeeds()));
}

QString blockFieldText(const ConfigBlock &block, BlockField field, Band band)
{
    const auto unknown = [](int code) {
        return QStringLiteral("code 0x%1").arg(code, 2, 16, QLatin1Char('0'));
    };
    switch (field) {
    case BlockField::Destination:
        return addressHex(block.destination);
    case BlockField::Local:
        return addressHex(block.local);
    case BlockField::Channel:
        if (band == Band::None)
            return QStringLiteral("channel %1").arg(block.channel);
        return QStringLiteral("%1 MHz").arg(exactFrequencyText(band, block.channel));
    case BlockField::TxPower:
        return txPowerText(block.txPowerCode).value_or(unknown(block.txPowerCode));
    case BlockField::RfSpeed:
        return rfSpeedText(block.rfSpeedCode).value_or(unknown(block.rfSpeedCode));
    }
    return QString();
}

namespace {
// "0, -3, ... dBm" from "0 dBm", "-3 dBm", ...
QString numbersThenUnit(const QStringList &items, const QString &unit)
{
    QStringList numbers;
    for (const QString &item : items)
        numbers << item.section(QLatin1Char(' '), 0, 0);
    return numbers.join(QStringLiteral(", ")) + QLatin1Char(' ') + unit;
}
} // namespace

QString allowedTxPowers()
{
    return numbersThenUnit(txPowerItems(), QStringLiteral("dBm"));
}

QString allowedRfSpeeds()
{
    return numbersThenUnit(rfSpeedTableTexts(), QStringLiteral("bps"));
}

} // namespace zomar
