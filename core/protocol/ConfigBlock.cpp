#include "core/protocol/ConfigBlock.h"

namespace zomar {

std::optional<ConfigBlock> ConfigBlock::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() != kBlockSize)
        return std::nullopt;
    ConfigBlock block;
    for (const FieldSpan &span : kBlockLayout) {
        quint32 value = 0;
        for (int i = 0; i < span.size; ++i)
            value = (value << 8) | static_cast<quint8>(bytes.at(span.first + i));
        block.setValue(span.field, value);
    }
    return block;
}

QByteArray ConfigBlock::toBytes() const
{
    QByteArray b(kBlockSize, '\0');
    for (const FieldSpan &span : kBlockLayout) {
        const quint32 v = value(span.field);
        for (int i = 0; i < span.size; ++i)
            b[span.first + i] = static_cast<char>((v >> (8 * (span.size - 1 - i))) & 0xFF);
    }
    return b;
}

quint32 ConfigBlock::value(BlockField field) const
{
    switch (field) {
    case BlockField::Destination:
        return destination;
    case BlockField::Local:
        return local;
    case BlockField::Channel:
        return channel;
    case BlockField::TxPower:
        return txPowerCode;
    case BlockField::RfSpeed:
        return rfSpeedCode;
    }
    return 0;
}

void ConfigBlock::setValue(BlockField field, quint32 v)
{
    switch (field) {
    case BlockField::Destination:
        destination = v;
        break;
    case BlockField::Local:
        local = v;
        break;
    case BlockField::Channel:
        channel = static_cast<quint16>(v);
        break;
    case BlockField::TxPower:
        txPowerCode = static_cast<quint8>(v);
        break;
    case BlockField::RfSpeed:
        rfSpeedCode = static_cast<quint8>(v);
        break;
    }
}

ConfigBlock ConfigBlock::factoryDefaults()
{
    ConfigBlock block;
    block.channel = 0x0620; // 433.920 MHz on the 433 MHz band
    block.txPowerCode = 0;  // 0 dBm
    block.rfSpeedCode = 0x11; // 19200 bps
    return block;
}

QList<BlockField> ConfigBlock::differingFields(const ConfigBlock &other) const
{
    QList<BlockField> out;
    for (const FieldSpan &span : kBlockLayout)
        if (value(span.field) != other.value(span.field))
            out << span.field;
    return out;
}

bool ConfigBlock::holdsUnreadableByte() const
{
    return toBytes().contains(static_cast<char>(kUnreadableByte));
}

QList<BlockField> ConfigBlock::fieldsHoldingUnreadableByte() const
{
    const QByteArray bytes = toBytes();
    QList<BlockField> fields;
    for (const FieldSpan &span : kBlockLayout) {
        if (bytes.mid(span.first, span.size).contains(static_cast<char>(kUnreadableByte)))
            fields << span.field;
    }
    return fields;
}

QString fieldKey(BlockField field)
{
    switch (field) {
    case BlockField::Destination:
        return QStringLiteral("destination");
    case BlockField::Local:
        return QStringLiteral("local");
    case BlockField::Channel:
        return QStringLiteral("channel");
    case BlockField::TxPower:
        return QStringLiteral("tx_power");
    case BlockField::RfSpeed:
        return QStringLiteral("rf_speed");
    }
    return {};
}

QString fieldLabel(BlockField field)
{
    switch (field) {
    case BlockField::Destination:
        return QStringLiteral("Destination");
    case BlockField::Local:
        return QStringLiteral("Local");
    case BlockField::Channel:
        return QStringLiteral("Channel");
    case BlockField::TxPower:
        return QStringLiteral("TX power");
    case BlockField::RfSpeed:
        return QStringLiteral("RF speed");
    }
    return {};
}

QString addressHex(quint32 address)
{
    return QStringLiteral("%1").arg(address, 8, 16, QLatin1Char('0')).toUpper();
}

QString blockHex(const QByteArray &bytes, bool spaced)
{
    return QString::fromLatin1(spaced ? bytes.toHex(' ') : bytes.toHex());
}

} // namespace zomar
