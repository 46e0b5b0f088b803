#include "core/protocol/FieldValues.h"

#include "core/protocol/ConfigRecord.h"

#include <QRegularExpression>

#include <cmath>

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
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,12}(\\.[0-9]{0,12})?$"));
    if (band == Band::None)
        return Parsed<int>::refused(QStringLiteral("no band to place it on"));
    if (!number.match(t).hasMatch())
        return Parsed<int>::refused(QStringLiteral("not a frequency in MHz; allowed: %1 in the %2")
                                        .arg(bandRange(band), bandTitle(band)));
    const double position = channelPosition(band, leadingNumber(t));
    if (position < -1e-6)
        return Parsed<int>::refused(QStringLiteral("below %1 MHz, the lowest frequency of the %2")
                                        .arg(frequencyText(band, 0), bandTitle(band)));
    if (position > kHighestChannel + 1e-6)
        return Parsed<int>::refused(
            QStringLiteral("above %1 MHz, the highest frequency of the %2")
                .arg(frequencyText(band, kHighestChannel), bandTitle(band)));
    if (!isWholeChannel(position)) {
        const long long below = static_cast<long long>(std::floor(position));
        return Parsed<int>::refused(
            QStringLiteral("not a channel of the %1 (steps of %2 MHz); nearest: %3 or %4 MHz")
                .arg(bandTitle(band),
                     bandStepText(band),
                     frequencyText(band, below), frequencyText(band, below + 1)));
    }
    return Parsed<int>::ok(static_cast<int>(std::nearbyint(position)));
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
        return QStringLiteral("%1 MHz").arg(frequencyText(band, block.channel));
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
