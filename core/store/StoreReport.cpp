#include "core/store/StoreReport.h"

#include "core/store/ProductionStore.h"
#include "core/store/StoreBackend.h"
#include "core/store/StoreSql.h"
#include "core/store/UnitColumns.h"
#include "core/files/CsvText.h"

namespace zomar {

namespace {

const char kUnitColumns[] =
    "unit_uuid, state, reserved_at, settled_at, pool_id, local_address, packet_sent, run_id, "
    "station, device, by_id, by_path, usb_serial, profile_file, profile_sha256, block_before, "
    "block_written, block_read_back, failure, message, origin, operator_name, product_serial, "
    "label_state, label_reason, label_target, label_at";

UnitRow unitOf(const QSqlQuery &q)
{
    UnitRow u;
    u.unitId = q.value(0).toString();
    u.state = unitStateFromName(q.value(1).toString()).value_or(UnitState::Unknown);
    u.reservedAt = q.value(2).toString();
    u.settledAt = q.value(3).toString();
    if (!q.value(4).isNull())
        u.poolId = q.value(4).toLongLong();
    if (!q.value(5).isNull())
        u.local = quint32(q.value(5).toLongLong());
    u.packetSent = q.value(6).toInt() != 0;
    u.runId = q.value(7).toLongLong();
    QString *const texts[] = {&u.station,      &u.device,        &u.byId,        &u.byPath,
                              &u.usbSerial,    &u.profileFile,   &u.profileSha256,
                              &u.blockBefore,  &u.blockWritten,  &u.blockReadBack,
                              &u.failure,      &u.message,       &u.origin,
                              &u.operatorName, &u.productSerial, &u.labelState,
                              &u.labelReason,  &u.labelTarget,   &u.labelAt};
    int column = 8;
    for (QString *text : texts)
        *text = q.value(column++).toString();
    return u;
}

QString valueOf(const UnitRow &u, UnitColumn column)
{
    switch (column) {
    case UnitColumn::UnitId:
        return u.unitId;
    case UnitColumn::State:
        return unitStateName(u.state);
    case UnitColumn::ReservedAt:
        return u.reservedAt;
    case UnitColumn::SettledAt:
        return u.settledAt;
    case UnitColumn::Station:
        return u.station;
    case UnitColumn::Device:
        return u.device;
    case UnitColumn::ById:
        return u.byId;
    case UnitColumn::ByPath:
        return u.byPath;
    case UnitColumn::UsbSerial:
        return u.usbSerial;
    case UnitColumn::Profile:
        return u.profileFile;
    case UnitColumn::ProfileSha256:
        return u.profileSha256;
    case UnitColumn::Pool:
        return u.poolId ? QString::number(*u.poolId) : QString();
    case UnitColumn::Local:
        return u.local ? addressHex(*u.local) : QString();
    case UnitColumn::BlockBefore:
        return u.blockBefore;
    case UnitColumn::BlockWritten:
        return u.blockWritten;
    case UnitColumn::BlockReadBack:
        return u.blockReadBack;
    case UnitColumn::Failure:
        return u.failure;
    case UnitColumn::Message:
        return u.message;
    case UnitColumn::Origin:
        return u.origin;
    case UnitColumn::Run:
        return QString::number(u.runId);
    case UnitColumn::Operator:
        return u.operatorName;
    case UnitColumn::ProductSerial:
        return u.productSerial;
    case UnitColumn::LabelState:
        return u.labelState;
    case UnitColumn::LabelReason:
        return u.labelReason;
    case UnitColumn::LabelTarget:
        return u.labelTarget;
    case UnitColumn::LabelAt:
        return u.labelAt;
    default:
        return QString(); // not a column of the export
    }
}

// unitsWhere from a table or a subquery that has the units' columns.
QList<UnitRow> unitsFrom(ProductionStore &store, const QString &from, const QString &condition,
                         const QVariantList &values, const QString &order, int limit,
                         QString *error)
{
    StoreSql sql(store.database(), store.backend());
    QString statement = QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY %4")
                            .arg(QLatin1String(kUnitColumns), from, condition, order);
    if (limit > 0)
        statement += QStringLiteral(" LIMIT %1").arg(limit);
    QList<UnitRow> rows;
    if (!sql.exec(statement, values)) {
        if (error)
            *error = sql.error();
        return rows;
    }
    while (sql.query().next())
        rows << unitOf(sql.query());
    return rows;
}

} // namespace

QList<UnitRow> StoreReport::units(ProductionStore &store, const UnitFilter &filter,
                                  QString *error)
{
    QString where = QStringLiteral("1 = 1");
    QVariantList values;
    if (!filter.since.isEmpty()) {
        where += QStringLiteral(" AND reserved_at >= ?");
        values << filter.since;
    }
    if (filter.state) {
        where += QStringLiteral(" AND state = ?");
        values << unitStateName(*filter.state);
    }
    if (!filter.station.isEmpty()) {
        where += QStringLiteral(" AND station = ?");
        values << filter.station;
    }
    if (!filter.unitId.isEmpty()) {
        where += QStringLiteral(" AND unit_uuid = ?");
        values << filter.unitId;
    }
    if (!filter.productSerial.isEmpty()) {
        where += QStringLiteral(" AND product_serial = ?");
        values << filter.productSerial;
    }
    return unitsWhere(store, where, values,
                      filter.newestFirst ? QStringLiteral("id DESC") : QStringLiteral("id ASC"),
                      filter.limit, error);
}

QList<UnitRow> StoreReport::unitsWhere(ProductionStore &store, const QString &condition,
                                       const QVariantList &values, const QString &order,
                                       int limit, QString *error)
{
    return unitsFrom(store, QStringLiteral("units"), condition, values, order, limit, error);
}

QList<UnitRow> StoreReport::newestByStation(ProductionStore &store, const QString &condition,
                                            int perStation, QString *error)
{
    // One reading of the rows the condition takes, whatever the stations:
    // a station with none of them costs no scan of the whole table.
    return unitsFrom(store,
                     QStringLiteral("(SELECT *, ROW_NUMBER() OVER (PARTITION BY station ORDER BY "
                                    "id DESC) AS newest FROM units WHERE %1) AS units")
                         .arg(condition),
                     QStringLiteral("newest <= %1").arg(perStation), {}, QStringLiteral("id DESC"),
                     0, error);
}

QList<PoolSummary> StoreReport::pools(ProductionStore &store, QString *error)
{
    StoreSql sql(store.database(), store.backend());
    QList<PoolSummary> out;
    if (!sql.exec(QStringLiteral(
            "SELECT p.id, p.fields, p.first_address, p.step, p.next_address, p.created_at,"
            " (SELECT COUNT(*) FROM free_addresses f WHERE f.pool_id = p.id),"
            " (SELECT COUNT(*) FROM units u WHERE u.pool_id = p.id AND u.state = 'pass'),"
            " (SELECT COUNT(*) FROM units u WHERE u.pool_id = p.id AND u.state = 'fail'),"
            " (SELECT COUNT(*) FROM units u WHERE u.pool_id = p.id AND u.state = 'unknown'),"
            " (SELECT COUNT(*) FROM units u WHERE u.pool_id = p.id AND u.state = 'reserved')"
            " FROM pools p ORDER BY p.id"))) {
        if (error)
            *error = sql.error();
        return out;
    }
    while (sql.query().next()) {
        const QSqlQuery &q = sql.query();
        PoolSummary p;
        p.id = q.value(0).toLongLong();
        p.fields = q.value(1).toString();
        p.first = quint32(q.value(2).toLongLong());
        p.step = quint32(q.value(3).toLongLong());
        p.next = q.value(4).toULongLong();
        p.created = q.value(5).toString();
        p.givenBack = q.value(6).toInt();
        p.pass = q.value(7).toInt();
        p.fail = q.value(8).toInt();
        p.unknown = q.value(9).toInt();
        p.reserved = q.value(10).toInt();
        out << p;
    }
    return out;
}

QStringList StoreReport::csvHeader()
{
    return unitColumnNames(exportColumns());
}

QByteArray StoreReport::csv(const QList<UnitRow> &units)
{
    QByteArray text = csvLine(csvHeader());
    for (const UnitRow &u : units) {
        QStringList values;
        for (const UnitColumn column : exportColumns())
            values << valueOf(u, column);
        text += csvLine(values);
    }
    return text;
}

} // namespace zomar
