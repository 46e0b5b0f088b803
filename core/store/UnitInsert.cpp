#include "core/store/UnitInsert.h"

#include "core/store/StoreSql.h"

#include <QStringList>

namespace zomar {

QString UnitInsert::into(StoreSql &sql, bool existingKept) const
{
    const std::pair<const char *, const QVariant *> columns[] = {
        {"unit_uuid", &unitId},         {"run_id", &runId},
        {"pool_id", &poolId},           {"held_address", &heldAddress},
        {"local_address", &localAddress}, {"state", &state},
        {"packet_sent", &packetSent},   {"station", &station},
        {"device", &device},            {"by_id", &byId},
        {"by_path", &byPath},           {"usb_serial", &usbSerial},
        {"profile_file", &profileFile}, {"profile_sha256", &profileSha256},
        {"block_before", &blockBefore}, {"block_written", &blockWritten},
        {"block_read_back", &blockReadBack}, {"message", &message},
        {"operator_name", &operatorName}, {"reserved_at", &reservedAt},
        {"settled_at", &settledAt},     {"origin", &origin}};
    QStringList names;
    QStringList marks;
    QVariantList values;
    for (const auto &[name, value] : columns) {
        if (!value->isValid())
            continue;
        names << QLatin1String(name);
        marks << QStringLiteral("?");
        values << *value;
    }
    QString statement = QStringLiteral("INSERT INTO units (%1) VALUES (%2)")
                            .arg(names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    if (existingKept)
        statement += QStringLiteral(" ON CONFLICT (unit_uuid) DO NOTHING");
    return sql.exec(statement, values) ? QString() : sql.error();
}

} // namespace zomar
