#include "core/fleet/StoreTrace.h"

#include "core/fleet/ProductionStore.h"
#include "core/fleet/StoreSql.h"
#include "core/protocol/ConfigBlock.h"

namespace zomar {

std::optional<UnitRow> StoreTrace::unit(ProductionStore &store, const QString &unitId,
                                        QString *error)
{
    QString readError;
    UnitFilter filter;
    filter.unitId = unitId;
    const QList<UnitRow> rows = StoreReport::units(store, filter, &readError);
    if (!readError.isEmpty() || rows.isEmpty()) {
        if (error)
            *error = readError.isEmpty()
                         ? QStringLiteral("no unit %1 in %2").arg(unitId, store.location())
                         : readError;
        return std::nullopt;
    }
    return rows.first();
}

QString StoreTrace::bindSerial(ProductionStore &store, const QString &unitId,
                               const QString &serial)
{
    StoreSql sql(store.database(), store.backend());
    return sql.write([&]() -> QString {
        if (!sql.exec(QStringLiteral("SELECT pool_id, product_serial FROM units WHERE "
                                     "unit_uuid = ?"),
                      {unitId}))
            return sql.error();
        if (!sql.query().next())
            return QStringLiteral("no unit %1 in the record").arg(unitId);
        const QVariant pool = sql.query().value(0);
        const QString held = sql.query().value(1).toString();
        if (held == serial)
            return QString();
        if (!held.isEmpty())
            return QStringLiteral("unit %1 already carries product serial %2").arg(unitId, held);
        // Another unit of the pool with this serial that passed or is in
        // flight holds it; one that failed was the same product, tried before.
        const QString samePool = pool.isNull() ? QStringLiteral("pool_id IS NULL")
                                               : QStringLiteral("pool_id = ?");
        QVariantList values{serial, unitId};
        if (!pool.isNull())
            values << pool;
        if (!sql.exec(QStringLiteral("SELECT unit_uuid, state, local_address FROM units WHERE "
                                     "product_serial = ? AND unit_uuid <> ? AND %1 AND state IN "
                                     "('pass', 'reserved') ORDER BY id LIMIT 1")
                          .arg(samePool),
                      values))
            return sql.error();
        if (sql.query().next()) {
            const QSqlQuery &q = sql.query();
            const QString address = q.value(2).isNull()
                                        ? QString()
                                        : QStringLiteral(" (local address %1)")
                                              .arg(addressHex(quint32(q.value(2).toLongLong())));
            return QStringLiteral("product serial %1 is already bound to unit %2%3, which %4")
                .arg(serial, q.value(0).toString(), address,
                     q.value(1).toString() == QLatin1String("pass")
                         ? QStringLiteral("passed")
                         : QStringLiteral("is being programmed"));
        }
        if (!sql.exec(QStringLiteral("UPDATE units SET product_serial = ? WHERE unit_uuid = ?"),
                      {serial, unitId}))
            return sql.error();
        return QString();
    });
}

QString StoreTrace::recordLabel(ProductionStore &store, const QString &unitId,
                                const LabelOutcome &label)
{
    StoreSql sql(store.database(), store.backend());
    return sql.writeOwn([&] { return recordLabelIn(sql, unitId, label); });
}

QString StoreTrace::recordLabels(ProductionStore &store, const QList<UnitLabel> &labels)
{
    StoreSql sql(store.database(), store.backend());
    return sql.writeOwn([&]() -> QString {
        for (const UnitLabel &l : labels)
            if (const QString why = recordLabelIn(sql, l.first, l.second); !why.isEmpty())
                return why;
        return QString();
    });
}

QString StoreTrace::recordLabelIn(StoreSql &sql, const QString &unitId, const LabelOutcome &label)
{
    if (!sql.exec(QStringLiteral("UPDATE units SET label_state = ?, label_reason = ?, "
                                 "label_target = ?, label_at = ? WHERE unit_uuid = ?"),
                  {label.printed ? QStringLiteral("printed") : QStringLiteral("failed"),
                   label.reason, label.target, label.at, unitId}))
        return sql.error();
    if (sql.query().numRowsAffected() != 1)
        return QStringLiteral("no unit %1 in the record").arg(unitId);
    return QString();
}

} // namespace zomar
