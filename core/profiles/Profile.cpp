#include "core/profiles/Profile.h"

#include "core/profiles/ProfileKeys.h"
#include "core/profiles/StrictJson.h"
#include "core/protocol/FieldValues.h"

namespace zomar {

using namespace profile_keys;


const QStringList &profileKeys()
{
    static const QStringList keys = {key::format,  key::version,     key::name,
                                     key::comment, key::destination, key::local,
                                     key::band,    key::frequency,   key::channel,
                                     key::txPower, key::rfSpeed,     key::antennaGain};
    return keys;
}

QList<BlockField> Profile::namedFields() const
{
    QList<BlockField> fields;
    if (destination)
        fields << BlockField::Destination;
    if (local)
        fields << BlockField::Local;
    if (channel)
        fields << BlockField::Channel;
    if (txPower)
        fields << BlockField::TxPower;
    if (rfSpeed)
        fields << BlockField::RfSpeed;
    return fields;
}

ConfigBlock Profile::applyTo(ConfigBlock base) const
{
    if (destination)
        base.destination = *destination;
    if (local)
        base.local = *local;
    if (channel)
        base.channel = static_cast<quint16>(*channel);
    if (txPower)
        base.txPowerCode = *txPower;
    if (rfSpeed)
        base.rfSpeedCode = *rfSpeed;
    return base;
}

Profile Profile::fromBlock(const ConfigBlock &block, Band band)
{
    Profile p;
    p.destination = block.destination;
    p.local = block.local;
    if (band != Band::None)
        p.band = band;
    p.channel = block.channel;
    p.txPower = block.txPowerCode;
    p.rfSpeed = block.rfSpeedCode;
    return p;
}

QString profileProblem(const Profile &p)
{
    if (p.channel && (*p.channel < 0 || *p.channel > kHighestChannel))
        return QStringLiteral("channel %1 is outside 0 to %2").arg(*p.channel).arg(kHighestChannel);
    if (p.txPower && !txPowerText(*p.txPower))
        return QStringLiteral("the TX power code 0x%1 is not in the table (%2)")
            .arg(*p.txPower, 2, 16, QLatin1Char('0'))
            .arg(allowedTxPowers());
    if (p.rfSpeed && !rfSpeedText(*p.rfSpeed))
        return QStringLiteral("the RF speed code 0x%1 is not in the table (%2)")
            .arg(*p.rfSpeed, 2, 16, QLatin1Char('0'))
            .arg(allowedRfSpeeds());
    return QString();
}

QByteArray profileJson(const Profile &p)
{
    if (!profileProblem(p).isEmpty())
        return QByteArray();
    JsonObjectWriter out;
    out.string(key::format, kFormat);
    out.raw(key::version, QByteArray::number(kProfileVersion));
    if (p.name)
        out.string(key::name, *p.name);
    if (p.comment)
        out.string(key::comment, *p.comment);
    if (p.destination)
        out.string(key::destination, addressHex(*p.destination));
    if (p.local)
        out.string(key::local, addressHex(*p.local));
    const Band band = p.band.value_or(Band::None);
    if (band != Band::None)
        out.string(key::band, bandName(band));
    if (p.channel) {
        if (band != Band::None)
            out.string(key::frequency, exactFrequencyText(band, *p.channel));
        else
            out.raw(key::channel, QByteArray::number(*p.channel));
    }
    if (p.txPower)
        out.string(key::txPower, *txPowerText(*p.txPower));
    if (p.rfSpeed)
        out.string(key::rfSpeed, *rfSpeedText(*p.rfSpeed));
    if (p.antennaGainDbi)
        out.raw(key::antennaGain, QByteArray::number(*p.antennaGainDbi, 'g', 6));
    return out.text();
}

std::optional<Emission> emissionOf(const Profile &p, Band band,
                                   std::optional<double> antennaGainDbi)
{
    const Band on = p.band.value_or(band);
    if (!p.channel || on == Band::None)
        return std::nullopt;
    Emission e;
    e.hz = channelHz(on, *p.channel);
    if (p.rfSpeed && rfSpeedBps(*p.rfSpeed) > 0)
        e.rfBps = rfSpeedBps(*p.rfSpeed);
    if (p.txPower)
        e.txPowerDbm = txPowerDbm(*p.txPower);
    e.antennaGainDbi = antennaGainDbi.value_or(p.antennaGainDbi.value_or(0));
    return e;
}

QString saveProfile(const Profile &profile, const QString &path)
{
    const QString problem = profileProblem(profile);
    if (!problem.isEmpty())
        return QStringLiteral("%1: not saved: %2").arg(path, problem);
    return saveJsonFileBytes(profileJson(profile), path);
}

QList<BlockField> Profile::fieldsHoldingUnreadableByte() const
{
    // The fields it does not name are zero here, which holds no 0xA5.
    return applyTo(ConfigBlock{}).fieldsHoldingUnreadableByte();
}

} // namespace zomar
