#include "core/capture/CaptureLine.h"

#include "core/protocol/ConfigBlock.h"
#include "core/protocol/FieldValues.h"

namespace zomar {

namespace {

// ASCII names of the control bytes 0x00..0x1F.
const char *const kControlNames[32] = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "HT",  "LF",
    "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
    "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US",
};

} // namespace

QString directionText(BurstKind kind)
{
    switch (kind) {
    case BurstKind::Sent:
        return QStringLiteral("TX");
    case BurstKind::Received:
        return QStringLiteral("RX");
    case BurstKind::Note:
        break;
    }
    return QStringLiteral("--");
}

QString hexBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString namedBytes(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<quint8>(c);
        if (b < 0x20)
            text += QLatin1Char('<') + QLatin1String(kControlNames[b]) + QLatin1Char('>');
        else if (b == 0x7F)
            text += QStringLiteral("<DEL>");
        else if (b >= 0x80)
            text += QStringLiteral("<x%1>").arg(QString::number(b, 16).toUpper());
        else
            text += QLatin1Char(c);
    }
    return text;
}

QString blockWords(const QByteArray &bytes, Band band)
{
    const std::optional<ConfigBlock> block = ConfigBlock::fromBytes(bytes);
    if (!block)
        return QString();
    QString channel = blockFieldText(*block, BlockField::Channel, band);
    if (band != Band::None)
        channel += QStringLiteral(" (channel %1)").arg(block->channel);
    return QStringLiteral("destination %1, local %2, %3, %4, %5")
        .arg(addressHex(block->destination), addressHex(block->local), channel,
             blockFieldText(*block, BlockField::TxPower, band),
             blockFieldText(*block, BlockField::RfSpeed, band));
}

QString captureLine(const Burst &burst, const QDateTime &captureStart, const Burst *previous,
                    const CaptureLineOptions &options)
{
    QString line;
    if (options.timestamps) {
        const qint64 since = previous ? burst.startMs - previous->startMs : 0;
        line += captureStart.addMSecs(burst.startMs).toString(QStringLiteral("HH:mm:ss.zzz"));
        line += QStringLiteral(" %1 ms  ").arg(QStringLiteral("+%1").arg(since), 7);
    }
    line += directionText(burst.kind);
    if (burst.isNote())
        return line + QStringLiteral("  ") + QString::fromUtf8(burst.bytes);
    line += QStringLiteral(" %1 ").arg(burst.bytes.size(), 4);
    line += burst.continued ? QStringLiteral("… ") : QStringLiteral(" ");
    if (options.hex)
        line += hexBytes(burst.bytes) + QStringLiteral("  ");
    // The decoded block before its text: that is what a reader looks for.
    if (burst.block)
        line +=
            QStringLiteral("block: ") + blockWords(burst.bytes, burst.band) + QStringLiteral("  ");
    return line + QLatin1Char('|') + namedBytes(burst.bytes) + QLatin1Char('|');
}

QString droppedLine(quint64 dropped, int capacity)
{
    return QStringLiteral("… %1 older burst(s) dropped: the capture keeps the last %2")
        .arg(dropped)
        .arg(capacity);
}

} // namespace zomar
