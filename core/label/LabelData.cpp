#include "core/label/LabelData.h"

#include "core/store/StoreReport.h"
#include "core/protocol/ConfigBlock.h"
#include "core/protocol/ValueTables.h"

#include <QRegularExpression>

namespace zomar {

namespace {

const QLatin1String kCodePrefix("ZOMAR1/");

} // namespace

std::optional<LabelData> LabelData::ofUnit(const UnitRow &unit, Band band, QString *error)
{
    const auto refuse = [&](const QString &why) -> std::optional<LabelData> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (unit.state != UnitState::Pass)
        return refuse(QStringLiteral("unit %1 did not pass (%2): only a unit that passed gets "
                                     "a label")
                          .arg(unit.unitId, unitStateName(unit.state)));
    if (!unit.local)
        return refuse(QStringLiteral("unit %1 holds no local address").arg(unit.unitId));
    LabelData d;
    d.unitId = unit.unitId;
    d.local = *unit.local;
    d.band = band;
    d.station = unit.station;
    d.serial = unit.productSerial;
    d.at = QDateTime::fromString(unit.settledAt, Qt::ISODateWithMs);
    const QString hex = unit.blockReadBack.isEmpty() ? unit.blockWritten : unit.blockReadBack;
    QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
    if (const std::optional<ConfigBlock> block = ConfigBlock::fromBytes(bytes)) {
        d.channel = block->channel;
        d.rfSpeedCode = block->rfSpeedCode;
    }
    return d;
}

LabelData LabelData::ofPass(const QString &unitId, quint32 local,
                            const std::optional<ConfigBlock> &readBack, Band band,
                            const QString &station)
{
    LabelData d;
    d.unitId = unitId;
    d.local = local;
    d.band = band;
    if (readBack) {
        d.channel = readBack->channel;
        d.rfSpeedCode = readBack->rfSpeedCode;
    }
    d.station = station;
    d.at = QDateTime::currentDateTimeUtc();
    return d;
}

bool LabelData::printsAs(const LabelData &other, const LabelTemplate &layout) const
{
    if (codeText(layout.code) != other.codeText(layout.code))
        return false;
    for (const LabelField field : layout.fields)
        if (line(field) != other.line(field))
            return false;
    return true;
}

QString LabelData::codeText(LabelCodeKind kind) const
{
    const QString text = kCodePrefix + unitId.toUpper() + QLatin1Char('/') + addressHex(local);
    if (kind == LabelCodeKind::Gs1DataMatrix)
        return QStringLiteral("[91]") + text +
               (serial.isEmpty() ? QString() : QStringLiteral("[21]") + serial);
    return serial.isEmpty() ? text : text + QLatin1Char('/') + serial;
}

QString LabelData::line(LabelField field) const
{
    switch (field) {
    case LabelField::Address:
        return QStringLiteral("Address %1").arg(addressHex(local));
    case LabelField::Frequency:
        if (!channel || band == Band::None)
            return {};
        return QStringLiteral("%1 MHz (%2)").arg(frequencyText(band, *channel), bandTitle(band));
    case LabelField::RfSpeed:
        if (const std::optional<QString> text = rfSpeedCode ? rfSpeedText(*rfSpeedCode)
                                                            : std::nullopt)
            return QStringLiteral("RF %1").arg(*text);
        return {};
    case LabelField::Station:
        return station.isEmpty() ? QString() : QStringLiteral("Station %1").arg(station);
    case LabelField::Date:
        return at.isValid() ? at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                            : QString();
    case LabelField::Unit:
        return unitId;
    case LabelField::Serial:
        return serial.isEmpty() ? QString() : QStringLiteral("S/N %1").arg(serial);
    }
    return {};
}

std::optional<LabelCode> LabelCode::parse(const QString &scanned)
{
    QString text = scanned;
    if (text.startsWith(QLatin1String("]d2")) || text.startsWith(QLatin1String("91")) ||
        text.startsWith(QLatin1String("21")) || text.startsWith(QChar(0x1d))) {
        // GS1 element strings: (91) holds the unit, (21) the serial.
        QString unit, serial;
        for (const QString &element : text.mid(text.startsWith(QLatin1String("]d2")) ? 3 : 0)
                                          .split(QChar(0x1d), Qt::SkipEmptyParts)) {
            if (element.startsWith(QLatin1String("91")))
                unit = element.mid(2);
            else if (element.startsWith(QLatin1String("21")))
                serial = element.mid(2);
            else
                return std::nullopt;
        }
        text = serial.isEmpty() ? unit : unit + QLatin1Char('/') + serial;
    }
    static const QRegularExpression code(
        QStringLiteral("^ZOMAR1/([0-9A-Fa-f-]{36})/([0-9A-Fa-f]{8})(?:/(.+))?$"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = code.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return LabelCode{m.captured(1).toLower(), m.captured(2).toUInt(nullptr, 16), m.captured(3)};
}

} // namespace zomar
