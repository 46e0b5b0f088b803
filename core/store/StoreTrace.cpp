#include "core/store/StoreTrace.h"

#include "core/store/ProductionStore.h"
#include "core/store/StoreSql.h"
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

QString SerialBinding::text() const
{
    switch (outcome) {
    case Bound:
        break;
    case HeldByOther:
        return QStringLiteral("product serial %1 is already bound to unit %2%3, which %4")
            .arg(serial, holder,
                 holderAddress
                     ? QStringLiteral(" (local address %1)").arg(addressHex(*holderAddress))
                     : QString(),
                 holderPassed ? QStringLiteral("passed") : QStringLiteral("is being programmed"));
    case UnitHasOther:
        return QStringLiteral("unit %1 already carries product serial %2").arg(unitId, held);
    case NoUnit:
        return QStringLiteral("no unit %1 in the record").arg(unitId);
    case NotRecorded:
        return error;
    }
    return {};
}

QString StoreTrace::bindSerial(ProductionStore &store, const QString &unitId,
                               const QString &serial)
{
    return bindSerialFacts(store, unitId, serial).text();
}

SerialBinding StoreTrace::bindSerialFacts(ProductionStore &store, const QString &unitId,
                                          const QString &serial)
{
    StoreSql sql(store.database(), store.backend());
    SerialBinding binding;
    const QString error = sql.write([&]() -> QString {
        binding = bindSerialIn(sql, unitId, serial);
        return binding.outcome == SerialBinding::NotRecorded ? binding.error : QString();
    });
    if (!error.isEmpty()) {
        binding.outcome = SerialBinding::NotRecorded;
        binding.error = error;
    }
    return binding;
}

SerialBinding StoreTrace::serialHolderIn(StoreSql &sql, const QString &unitId,
                                         const QString &serial, const QVariant &poolId)
{
    SerialBinding b;
    b.serial = serial;
    b.unitId = unitId;
    // Another unit of the pool with this serial that passed or is in
    // flight holds it; one that failed was the same product, tried before.
    const QString samePool =
        poolId.isNull() ? QStringLiteral("pool_id IS NULL") : QStringLiteral("pool_id = ?");
    QVariantList values{serial, unitId};
    if (!poolId.isNull())
        values << poolId;
    if (!sql.exec(QStringLiteral("SELECT unit_uuid, state, local_address FROM units WHERE "
                                 "product_serial = ? AND unit_uuid <> ? AND %1 AND state IN "
                                 "('pass', 'reserved') ORDER BY id LIMIT 1")
                      .arg(samePool),
                  values)) {
        b.outcome = SerialBinding::NotRecorded;
        b.error = sql.error();
        return b;
    }
    if (sql.query().next()) {
        const QSqlQuery &q = sql.query();
        b.outcome = SerialBinding::HeldByOther;
        b.holder = q.value(0).toString();
        if (!q.value(2).isNull())
            b.holderAddress = quint32(q.value(2).toLongLong());
        b.holderPassed = q.value(1).toString() == QLatin1String("pass");
    }
    return b;
}

SerialBinding StoreTrace::bindSerialIn(StoreSql &sql, const QString &unitId,
                                       const QString &serial)
{
    SerialBinding b;
    b.serial = serial;
    b.unitId = unitId;
    const auto failed = [&] {
        b.outcome = SerialBinding::NotRecorded;
        b.error = sql.error();
        return b;
    };
    if (!sql.exec(QStringLiteral("SELECT pool_id, product_serial, local_address FROM units "
                                 "WHERE unit_uuid = ?"),
                  {unitId}))
        return failed();
    if (!sql.query().next()) {
        b.outcome = SerialBinding::NoUnit;
        return b;
    }
    const QVariant pool = sql.query().value(0);
    b.held = sql.query().value(1).toString();
    std::optional<quint32> address;
    if (!sql.query().value(2).isNull())
        address = quint32(sql.query().value(2).toLongLong());
    b.unitAddress = address;
    if (b.held == serial)
        return b;
    if (!b.held.isEmpty()) {
        b.outcome = SerialBinding::UnitHasOther;
        return b;
    }
    b = serialHolderIn(sql, unitId, serial, pool);
    b.unitAddress = address;
    if (!b.bound())
        return b;
    if (!sql.exec(QStringLiteral("UPDATE units SET product_serial = ? WHERE unit_uuid = ?"),
                  {serial, unitId}))
        return failed();
    return b;
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

std::optional<QRegularExpression> serialPattern(const QString &text, QString *error)
{
    QRegularExpression pattern(QRegularExpression::anchoredPattern(text));
    if (!pattern.isValid()) {
        if (error)
            *error = pattern.errorString();
        return std::nullopt;
    }
    return pattern;
}

} // namespace zomar
