#include "core/script/ScriptValues.h"

#include "core/profiles/Profile.h"
#include "core/profiles/ProfileKeys.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace zomar {

namespace key = profile_keys::key;

// A script's configuration has the profile's keys, so that what it reads it
// can hand back to module.write().
QVariantMap configurationValue(const ConfigBlock &block, Band band)
{
    return {
        {QStringLiteral("block"), blockHex(block.toBytes())},
        {key::destination, addressHex(block.destination)},
        {key::local, addressHex(block.local)},
        {key::channel, int(block.channel)},
        {key::band, bandName(band)},
        {key::frequency, exactFrequencyText(band, block.channel)},
        {key::txPower, blockFieldText(block, BlockField::TxPower, band)},
        {key::rfSpeed, blockFieldText(block, BlockField::RfSpeed, band)},
    };
}

namespace {

// A number where a profile has text: the text a person would have written.
QVariant asProfileText(const QString &name, const QVariant &value)
{
    const auto type = value.metaType().id();
    const bool number = type == QMetaType::Double || type == QMetaType::Int ||
                        type == QMetaType::LongLong || type == QMetaType::UInt;
    if (!number)
        return value;
    const double v = value.toDouble();
    const bool whole = std::isfinite(v) && v == std::floor(v);
    if (name == key::frequency && std::isfinite(v))
        return QString::number(v, 'f', 4);
    if (name == key::txPower && whole)
        return QStringLiteral("%1 dBm").arg(qint64(v));
    if (name == key::rfSpeed && whole)
        return QStringLiteral("%1 bps").arg(qint64(v));
    if (name == key::band && whole)
        return QString::number(qint64(v));
    if ((name == key::destination || name == key::local) && whole && v >= 0 &&
        v <= 0xFFFFFFFFu)
        return addressHex(quint32(v));
    return value;
}

} // namespace

Parsed<Profile> changesFromValue(const QVariantMap &changes, Band band)
{
    QJsonObject o;
    for (auto it = changes.begin(); it != changes.end(); ++it) {
        // What module.read() gave, changed and handed back, carries its
        // block: the fields say what is wanted.
        if (it.key() == QLatin1String("block"))
            continue;
        o.insert(it.key(), QJsonValue::fromVariant(asProfileText(it.key(), it.value())));
    }
    if (o.contains(key::frequency) && !o.contains(key::band))
        o.insert(key::band, bandName(band));
    o.insert(key::format, profile_keys::kFormat);
    o.insert(key::version, kProfileVersion);
    const ProfileReading reading =
        parseProfile(QJsonDocument(o).toJson(), QStringLiteral("module.write"));
    if (!reading.profile)
        return Parsed<Profile>::refused(reading.error);
    const Profile &p = *reading.profile;
    if (p.namedFields().isEmpty())
        return Parsed<Profile>::refused(
            QStringLiteral("module.write: names no field (destination, local, frequency_mhz or "
                           "channel, tx_power, rf_speed)"));
    if (const QString problem = profileProblem(p); !problem.isEmpty())
        return Parsed<Profile>::refused(QStringLiteral("module.write: %1").arg(problem));
    if (!p.fieldsHoldingUnreadableByte().isEmpty()) {
        QStringList names;
        for (BlockField f : p.fieldsHoldingUnreadableByte())
            names << fieldKey(f);
        return Parsed<Profile>::refused(
            QStringLiteral("module.write: %1 would put the byte A5 into the block; a module's "
                           "answer cannot carry it, so the write could never be verified")
                .arg(names.join(QStringLiteral(", "))));
    }
    return Parsed<Profile>::ok(p);
}

QString escapedBytes(const QByteArray &bytes, qsizetype limit)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size() && i < limit; ++i) {
        const auto c = static_cast<quint8>(bytes.at(i));
        if (c == '\r')
            text += QStringLiteral("\\r");
        else if (c == '\n')
            text += QStringLiteral("\\n");
        else if (c == '\t')
            text += QStringLiteral("\\t");
        else if (c == '\\' || c == '"')
            text += QStringLiteral("\\") + QLatin1Char(char(c));
        else if (c >= 0x20 && c < 0x7F)
            text += QLatin1Char(char(c));
        else
            text += QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
    }
    if (bytes.size() > limit)
        text += QStringLiteral("... (%1 bytes)").arg(bytes.size());
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace zomar
