#include "gui/station/ProfileSummary.h"

#include "core/profiles/Profile.h"
#include "core/protocol/BandPlan.h"
#include "core/protocol/ValueTables.h"

#include <QCoreApplication>

namespace zomar {

QString profileSummary(const Profile &p)
{
    QStringList parts;
    if (p.channel)
        parts << (p.band ? QCoreApplication::translate("zomar::ProfileSummary", "%1 MHz").arg(exactFrequencyText(*p.band, *p.channel))
                         : QCoreApplication::translate("zomar::ProfileSummary", "channel %1").arg(*p.channel));
    if (p.txPower)
        parts << txPowerText(*p.txPower).value_or(QCoreApplication::translate("zomar::ProfileSummary", "TX power %1").arg(*p.txPower));
    if (p.rfSpeed)
        parts << rfSpeedText(*p.rfSpeed).value_or(QCoreApplication::translate("zomar::ProfileSummary", "RF speed %1").arg(*p.rfSpeed));
    if (p.destination)
        parts << QCoreApplication::translate("zomar::ProfileSummary", "destination %1").arg(addressHex(*p.destination));
    if (p.local)
        parts << QCoreApplication::translate("zomar::ProfileSummary", "local %1").arg(addressHex(*p.local));
    return parts.isEmpty() ? QCoreApplication::translate("zomar::ProfileSummary", "no field set") : parts.join(QStringLiteral(" · "));
}

QString profileAdvice(const Profile &p, const QString &region)
{
    const std::optional<Emission> e = emissionOf(p, Band::None);
    return e ? bandAdvice(*e, region).line() : QString();
}

} // namespace zomar
