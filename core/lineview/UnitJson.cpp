#include "core/lineview/UnitJson.h"

#include "core/fleet/StoreReport.h"

namespace zomar {

QJsonObject unitJson(const UnitRow &u)
{
    return {{QStringLiteral("unit_id"), u.unitId},
            {QStringLiteral("state"), unitStateName(u.state)},
            {QStringLiteral("reserved_at"), u.reservedAt},
            {QStringLiteral("settled_at"), u.settledAt},
            {QStringLiteral("pool"), u.poolId ? QJsonValue(double(*u.poolId)) : QJsonValue()},
            {QStringLiteral("local"), u.local ? addressHex(*u.local) : QString()},
            {QStringLiteral("packet_sent"), u.packetSent},
            {QStringLiteral("station"), u.station},
            {QStringLiteral("device"), u.device},
            {QStringLiteral("by_id"), u.byId},
            {QStringLiteral("by_path"), u.byPath},
            {QStringLiteral("usb_serial"), u.usbSerial},
            {QStringLiteral("profile"), u.profileFile},
            {QStringLiteral("profile_sha256"), u.profileSha256},
            {QStringLiteral("block_before"), u.blockBefore},
            {QStringLiteral("block_written"), u.blockWritten},
            {QStringLiteral("block_read_back"), u.blockReadBack},
            {QStringLiteral("failure"), u.failure},
            {QStringLiteral("message"), u.message},
            {QStringLiteral("origin"), u.origin},
            {QStringLiteral("operator"), u.operatorName},
            {QStringLiteral("product_serial"), u.productSerial},
            {QStringLiteral("label_state"), u.labelState},
            {QStringLiteral("label_reason"), u.labelReason},
            {QStringLiteral("label_target"), u.labelTarget},
            {QStringLiteral("label_at"), u.labelAt},
            {QStringLiteral("run"), double(u.runId)}};
}

} // namespace zomar
