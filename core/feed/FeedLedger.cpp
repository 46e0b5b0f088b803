#include "core/feed/FeedLedger.h"

#include "core/fleet/ProductionStore.h"
#include "core/fleet/StoreSql.h"

namespace zomar {

namespace {

const char kNotDone[] = "NOT EXISTS (SELECT 1 FROM feed_deliveries d WHERE d.feed = ? AND "
                        "d.unit_uuid = units.unit_uuid)";

qint64 lowMark(StoreSql &sql, const QString &feed, bool *ok)
{
    const QVariant low =
        sql.scalar(QStringLiteral("SELECT low_unit FROM feed_marks WHERE feed = ?"), {feed});
    *ok = sql.error().isEmpty();
    return low.isValid() ? low.toLongLong() : 0;
}

QString record(ProductionStore &store, const QString &feed, const QString &unitId,
               const char *outcome, int status, const QString &answer)
{
    StoreSql sql(store.database(), store.backend());
    return sql.writeOwn([&]() -> QString {
        // Done already (a feed that stopped between its post and this): kept.
        const QVariant known = sql.scalar(
            QStringLiteral("SELECT COUNT(*) FROM feed_deliveries WHERE feed = ? AND unit_uuid = ?"),
            {feed, unitId});
        if (!known.isValid())
            return sql.error();
        if (known.toInt() > 0)
            return {};
        if (!sql.exec(QStringLiteral("INSERT INTO feed_deliveries (feed, unit_uuid, outcome, "
                                     "status, answer, at) VALUES (?, ?, ?, ?, ?, ?)"),
                      {feed, unitId, QString::fromLatin1(outcome), status, answer,
                       ProductionStore::now()}))
            return sql.error();
        return {};
    });
}

} // namespace

std::optional<QList<UnitRow>> FeedLedger::pending(ProductionStore &store, const QString &feed,
                                                  int limit, QString *error)
{
    StoreSql sql(store.database(), store.backend());
    bool ok = false;
    const qint64 low = lowMark(sql, feed, &ok);
    if (!ok) {
        if (error)
            *error = sql.error();
        return std::nullopt;
    }
    QString why;
    QList<UnitRow> units = StoreReport::unitsWhere(
        store, QStringLiteral("state <> 'reserved' AND id >= ? AND ") + QLatin1String(kNotDone),
        {low, feed}, QStringLiteral("settled_at, id"), limit, &why);
    if (!why.isEmpty()) {
        if (error)
            *error = why;
        return std::nullopt;
    }
    return units;
}

QString FeedLedger::delivered(ProductionStore &store, const QString &feed, const QString &unitId,
                              int status)
{
    return record(store, feed, unitId, "delivered", status, QString());
}

QString FeedLedger::refused(ProductionStore &store, const QString &feed, const QString &unitId,
                            int status, const QString &answer)
{
    return record(store, feed, unitId, "refused", status, answer);
}

std::optional<qint64> FeedLedger::markCandidate(ProductionStore &store, const QString &feed,
                                                QString *error)
{
    StoreSql sql(store.database(), store.backend());
    bool ok = false;
    const qint64 low = lowMark(sql, feed, &ok);
    QVariant first;
    QVariant past;
    if (ok) {
        first = sql.scalar(QStringLiteral("SELECT MIN(id) FROM units WHERE id >= ? AND (state = "
                                          "'reserved' OR ") +
                               QLatin1String(kNotDone) + QLatin1Char(')'),
                           {low, feed});
        ok = sql.error().isEmpty();
    }
    if (ok && first.isNull()) {
        past = sql.scalar(QStringLiteral("SELECT COALESCE(MAX(id), 0) + 1 FROM units"));
        ok = sql.error().isEmpty();
    }
    if (!ok) {
        if (error)
            *error = sql.error();
        return std::nullopt;
    }
    return std::max(low, first.isNull() ? past.toLongLong() : first.toLongLong());
}

QString FeedLedger::setMark(ProductionStore &store, const QString &feed, qint64 lowUnit)
{
    StoreSql sql(store.database(), store.backend());
    return sql.writeOwn([&]() -> QString {
        const QString at = ProductionStore::now();
        if (!sql.exec(QStringLiteral("UPDATE feed_marks SET low_unit = ?, updated_at = ? WHERE "
                                     "feed = ? AND low_unit < ?"),
                      {lowUnit, at, feed, lowUnit}))
            return sql.error();
        const QVariant known =
            sql.scalar(QStringLiteral("SELECT COUNT(*) FROM feed_marks WHERE feed = ?"), {feed});
        if (!known.isValid())
            return sql.error();
        if (known.toInt() == 0 &&
            !sql.exec(QStringLiteral("INSERT INTO feed_marks (feed, low_unit, updated_at) VALUES "
                                     "(?, ?, ?)"),
                      {feed, lowUnit, at}))
            return sql.error();
        return {};
    });
}

std::optional<QList<FeedLedger::Refusal>> FeedLedger::refusals(ProductionStore &store,
                                                               const QString &feed, int limit,
                                                               QString *error)
{
    StoreSql sql(store.database(), store.backend());
    if (!sql.exec(QStringLiteral("SELECT unit_uuid, status, answer, at FROM feed_deliveries WHERE "
                                 "feed = ? AND outcome = 'refused' ORDER BY at DESC LIMIT %1")
                      .arg(limit),
                  {feed})) {
        if (error)
            *error = sql.error();
        return std::nullopt;
    }
    QList<Refusal> out;
    while (sql.query().next())
        out << Refusal{sql.query().value(0).toString(), sql.query().value(1).toInt(),
                       sql.query().value(2).toString(), sql.query().value(3).toString()};
    return out;
}

} // namespace zomar
