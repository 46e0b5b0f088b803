#include "core/feed/FeedDocument.h"

#include "core/fleet/StoreReport.h"

namespace zomar {

QJsonObject FeedDocument::of(const UnitRow &u)
{
    QJsonObject o{{QStringLiteral("version"), kVersion},
                  {QStringLiteral("unit_id"), u.unitId},
                  {QStringLiteral("address"), u.local ? QJsonValue(addressHex(*u.local))
                                                      : QJsonValue()},
                  {QStringLiteral("station"), u.station},
                  {QStringLiteral("slot"), u.byPath.isEmpty() ? u.device : u.byPath},
                  {QStringLiteral("usb_serial"), u.usbSerial},
                  {QStringLiteral("operator"), u.operatorName},
                  {QStringLiteral("result"), unitStateName(u.state)},
                  {QStringLiteral("failure"), u.failure},
                  {QStringLiteral("message"), u.message},
                  {QStringLiteral("started_at"), u.reservedAt},
                  {QStringLiteral("settled_at"), u.settledAt},
                  {QStringLiteral("profile"), u.profileFile},
                  {QStringLiteral("profile_sha256"), u.profileSha256}};
    // What traceability adds, where the unit has it.
    if (!u.productSerial.isEmpty())
        o.insert(QStringLiteral("product_serial"), u.productSerial);
    if (!u.labelState.isEmpty())
        o.insert(QStringLiteral("label"), QJsonObject{{QStringLiteral("state"), u.labelState},
                                                      {QStringLiteral("reason"), u.labelReason},
                                                      {QStringLiteral("at"), u.labelAt}});
    return o;
}

} // namespace zomar
