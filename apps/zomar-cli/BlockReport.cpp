#include "apps/zomar-cli/BlockReport.h"

#include "core/profiles/ProfileKeys.h"
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
    o.insert(fieldKey(BlockField::Destination), addressHex(block.destination));
    o.insert(fieldKey(BlockField::Local), addressHex(block.local));
    o.insert(fieldKey(BlockField::Channel), block.channel);
    o.insert(profile_keys::key::band, bandName(band));
    o.insert(profile_keys::key::frequency, exactFrequencyText(band, block.channel));
    o.insert(fieldKey(BlockField::TxPower), blockFieldText(block, BlockField::TxPower, band));
    o.insert(fieldKey(BlockField::RfSpeed), blockFieldText(block, BlockField::RfSpeed, band));
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
