#include "gui/station/ProfileSummary.h"

#include "core/profiles/Profile.h"
#include "core/protocol/BandPlan.h"
#include "core/protocol/ValueTables.h"

namespace zomar {

QString profileSummary(const Profile &p)
{
    QStringList parts;
    if (p.channel)
        parts << (p.band ? QStringLiteral("%1 MHz").arg(exactFrequencyText(*p.band, *p.channel))
                         : QStringLiteral("channel %1").arg(*p.channel));
    if (p.txPower)
        parts << txPowerText(*p.txPower).value_or(QStringLiteral("TX power %1").arg(*p.txPower));
    if (p.rfSpeed)
        parts << rfSpeedText(*p.rfSpeed).value_or(QStringLiteral("RF speed %1").arg(*p.rfSpeed));
    if (p.destination)
        parts << QStringLiteral("destination %1").arg(addressHex(*p.destination));
    if (p.local)
        parts << QStringLiteral("local %1").arg(addressHex(*p.local));
    return parts.isEmpty() ? QStringLiteral("no field set") : parts.join(QStringLiteral(" · "));
}

QString profileAdvice(const Profile &p, const QString &region)
{
    const std::optional<Emission> e = emissionOf(p, Band::None);
    return e ? bandAdvice(*e, region).line() : QString();
}

} // namespace zomar
