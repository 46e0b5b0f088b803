#include "core/protocol/ConfigBlock.h"

namespace zomar {

namespace {

constexpr quint8 kUnreadableByte = 0xA5;

quint32 readAddress(const QByteArray &b, int at)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<quint8>(b.at(at + i));
    return value;
}

void appendAddress(QByteArray &b, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        b.append(static_cast<char>((value >> shift) & 0xFF));
}

} // namespace

std::optional<ConfigBlock> ConfigBlock::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() != kBlockSize)
        return std::nullopt;
    ConfigBlock block;
    block.destination = readAddress(bytes, 0);
    block.local = readAddress(bytes, 4);
    block.channel = static_cast<quint16>((static_cast<quint8>(bytes.at(8)) << 8) |
                                         static_cast<quint8>(bytes.at(9)));
    block.txPowerCode = static_cast<quint8>(bytes.at(10));
    block.rfSpeedCode = static_cast<quint8>(bytes.at(11));
    return block;
}

QByteArray ConfigBlock::toBytes() const
{
    QByteArray b;
    b.reserve(kBlockSize);
    appendAddress(b, destination);
    appendAddress(b, local);
    b.append(static_cast<char>(channel >> 8));
    b.append(static_cast<char>(channel & 0xFF));
    b.append(static_cast<char>(txPowerCode));
    b.append(static_cast<char>(rfSpeedCode));
    return b;
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
    if (destination != other.destination)
        out << BlockField::Destination;
    if (local != other.local)
        out << BlockField::Local;
    if (channel != other.channel)
        out << BlockField::Channel;
    if (txPowerCode != other.txPowerCode)
        out << BlockField::TxPower;
    if (rfSpeedCode != other.rfSpeedCode)
        out << BlockField::RfSpeed;
    return out;
}

bool ConfigBlock::holdsUnreadableByte() const
{
    return toBytes().contains(static_cast<char>(kUnreadableByte));
}

QList<BlockField> ConfigBlock::fieldsHoldingUnreadableByte() const
{
    struct Span {
        BlockField field;
        int first;
        int size;
    };
    static constexpr Span kSpans[] = {{BlockField::Destination, 0, 4},
                                      {BlockField::Local, 4, 4},
                                      {BlockField::Channel, 8, 2},
                                      {BlockField::TxPower, 10, 1},
                                      {BlockField::RfSpeed, 11, 1}};
    const QByteArray bytes = toBytes();
    QList<BlockField> fields;
    for (const Span &span : kSpans) {
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
