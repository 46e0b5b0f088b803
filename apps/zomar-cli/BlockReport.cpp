#include "apps/zomar-cli/BlockReport.h"

#include "core/protocol/FieldValues.h"

namespace zomar {

namespace BlockReport {

QString table(const ConfigBlock &block, Band band, const QString &device, int baud)
{
    const QList<QPair<QString, QString>> rows = {
        {QStringLiteral("Device"), QStringLiteral("%1 at %2 baud").arg(device).arg(baud)},
        {QStringLiteral("Destination"), addressHex(block.destination)},
        {QStringLiteral("Local"), addressHex(block.local)},
        {QStringLiteral("Band"), QStringLiteral("%1 MHz").arg(bandName(band))},
        {QStringLiteral("Frequency"), blockFieldText(block, BlockField::Channel, band)},
        {QStringLiteral("Channel"), QString::number(block.channel)},
        {QStringLiteral("TX power"), blockFieldText(block, BlockField::TxPower, band)},
        {QStringLiteral("RF speed"), blockFieldText(block, BlockField::RfSpeed, band)},
        {QStringLiteral("Block"), blockHex(block.toBytes(), true)},
    };
    QStringList lines;
    for (const auto &row : rows)
        lines << QStringLiteral("%1  %2").arg(row.first, -11).arg(row.second);
    return lines.join(QLatin1Char('\n'));
}

QJsonObject json(const ConfigBlock &block, Band band, const QString &device, int baud)
{
    QJsonObject o;
    o.insert(QStringLiteral("block"), blockHex(block.toBytes()));
    o.insert(QStringLiteral("destination"), addressHex(block.destination));
    o.insert(QStringLiteral("local"), addressHex(block.local));
    o.insert(QStringLiteral("channel"), block.channel);
    o.insert(QStringLiteral("band"), bandName(band));
    o.insert(QStringLiteral("frequency_mhz"), exactFrequencyText(band, block.channel));
    o.insert(QStringLiteral("tx_power"), blockFieldText(block, BlockField::TxPower, band));
    o.insert(QStringLiteral("rf_speed"), blockFieldText(block, BlockField::RfSpeed, band));
    o.insert(QStringLiteral("device"), device);
    o.insert(QStringLiteral("baud"), baud);
    return o;
}

QStringList changes(const ConfigBlock &from, const ConfigBlock &to, Band band)
{
    QStringList lines;
    for (BlockField f : from.differingFields(to))
        lines << QStringLiteral("%1: %2 -> %3")
                     .arg(fieldKey(f), blockFieldText(from, f, band), blockFieldText(to, f, band));
    return lines;
}

QJsonValue bandAdvice(const BandAdvice &advice)
{
    if (advice.kind == BandAdvice::NoAdvice)
        return QJsonValue(QJsonValue::Null);
    return advice.json();
}

} // namespace BlockReport

} // namespace zomar
