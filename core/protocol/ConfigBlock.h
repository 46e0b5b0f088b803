#pragma once
// The module's configuration as a typed value: the twelve bytes of the block
// and what they mean. Both directions of the line use the same layout.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace zomar {

inline constexpr int kBlockSize = 12;
// A module's answer cannot carry this byte: the receive rules store it
// without advancing, so the next byte overwrites it.
inline constexpr quint8 kUnreadableByte = 0xA5;

// The fields of a block, in block order.
enum class BlockField { Destination, Local, Channel, TxPower, RfSpeed };

// Where a field lies in the block: its first byte and its size, the most
// significant byte first.
struct FieldSpan {
    BlockField field;
    int first;
    int size;
};
inline constexpr FieldSpan kBlockLayout[] = {
    {BlockField::Destination, 0, 4}, {BlockField::Local, 4, 4}, {BlockField::Channel, 8, 2},
    {BlockField::TxPower, 10, 1},    {BlockField::RfSpeed, 11, 1},
};
constexpr FieldSpan spanOf(BlockField field)
{
    for (const FieldSpan &span : kBlockLayout)
        if (span.field == field)
            return span;
    return kBlockLayout[0];
}
// The field that block byte k (0..11) belongs to.
constexpr BlockField fieldAtByte(int k)
{
    for (const FieldSpan &span : kBlockLayout)
        if (k >= span.first && k < span.first + span.size)
            return span.field;
    return BlockField::RfSpeed;
}

struct ConfigBlock {
    quint32 destination = 0; // bytes 0..3, the first byte is the most significant
    quint32 local = 0;       // bytes 4..7
    quint16 channel = 0;     // bytes 8 (high) and 9 (low)
    quint8 txPowerCode = 0;  // byte 10
    quint8 rfSpeedCode = 0;  // byte 11

    // Twelve bytes, or nullopt for any other length.
    static std::optional<ConfigBlock> fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;
    // A field's value as a number (an address, the channel, a code).
    quint32 value(BlockField field) const;
    void setValue(BlockField field, quint32 value);
    // 00 00 00 00 00 00 00 00 06 20 00 11: what "Reset Defaults" writes.
    static ConfigBlock factoryDefaults();

    // The fields whose bytes differ, in block order.
    QList<BlockField> differingFields(const ConfigBlock &other) const;
    // True when a byte of the block is 0xA5, which a module's answer cannot
    // carry (the receive rules drop it), so such a block cannot be read back.
    bool holdsUnreadableByte() const;
    QList<BlockField> fieldsHoldingUnreadableByte() const;

    bool operator==(const ConfigBlock &o) const { return toBytes() == o.toBytes(); }
    bool operator!=(const ConfigBlock &o) const { return !(*this == o); }
};

// "destination", "local", "channel", "tx_power", "rf_speed": the names used in
// the command line's output, JSON and profiles.
QString fieldKey(BlockField field);
// "Destination", "Local", "Channel", "TX power", "RF speed".
QString fieldLabel(BlockField field);

// Eight uppercase hex digits, e.g. "0102A0FF".
QString addressHex(quint32 address);
// Bytes as lowercase hex without separators ("0102...11"), or with blanks.
QString blockHex(const QByteArray &bytes, bool spaced = false);

} // namespace zomar
