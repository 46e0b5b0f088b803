#include "core/lineview/LineView.h"

#include "core/store/ProductionStore.h"
#include "core/store/StoreBackend.h"
#include "core/store/StoreSql.h"

#include <QHash>

#include <algorithm>

namespace zomar {

namespace {

qint64 epochOf(const QString &iso)
{
    const QDateTime t = QDateTime::fromString(iso, Qt::ISODateWithMs);
    return t.isValid() ? t.toSecsSinceEpoch() : 0;
}

} // namespace

std::optional<QList<StationView>> LineView::stations(ProductionStore &store, QString *error)
{
    const StoreBackend &backend = store.backend();
    StoreSql sql(store.database(), backend);
    const auto failed = [&]() -> std::optional<QList<StationView>> {
        if (error)
            *error = sql.error();
        return std::nullopt;
    };
    // Each station's runs that are open, and its last run.
    if (!sql.exec(QStringLiteral("SELECT r.station, r.host, r.boot_id, r.pid, r.process_start, "
                                 "r.seen_at, r.ended_at, r.started_at, r.journal_waiting, %1 "
                                 "FROM runs r WHERE r.ended_at IS NULL OR r.id IN (SELECT "
                                 "MAX(id) FROM runs GROUP BY station) ORDER BY r.station, r.id")
                      .arg(backend.epochNow())))
        return failed();
    QList<StationView> out;
    QHash<QString, qsizetype> index;
    const qint64 localNow = QDateTime::currentSecsSinceEpoch();
    while (sql.query().next()) {
        const QSqlQuery &q = sql.query();
        const QString name = q.value(0).toString();
        if (!index.contains(name)) {
            index.insert(name, out.size());
            out.append(StationView{});
            out.last().name = name;
        }
        StationView &s = out[index.value(name)];
        s.host = q.value(1).toString();
        const bool open = q.value(6).isNull();
        const qint64 serverNow = q.value(9).toLongLong();
        // The server's clock for its heartbeats; else the run's own times.
        std::optional<qint64> heard;
        if (!q.value(5).isNull())
            heard = serverNow - q.value(5).toLongLong();
        else if (!open)
            heard = localNow - epochOf(q.value(6).toString());
        const RunIdentity who{s.host, q.value(2).toString(), q.value(3).toLongLong(),
                              q.value(4).toLongLong()};
        bool live = false;
        if (open) {
            s.running = true;
            if (backend.isServer())
                live = heard && *heard <= kSilentSeconds;
            else
                live = backend.livenessOf(who) == RunIdentity::Liveness::Running;
            if (!heard && live)
                heard = 0;
            else if (!heard)
                heard = localNow - epochOf(q.value(7).toString());
        }
        s.online = s.online || live;
        if (heard && (!s.lastHeard || *heard < *s.lastHeard))
            s.lastHeard = std::max<qint64>(0, *heard);
        if (!q.value(8).isNull() && (open || !s.rowsWaiting))
            s.rowsWaiting = q.value(8).toInt();
    }
    if (backend.isServer()) {
        if (!sql.exec(QStringLiteral("SELECT station, COUNT(*) FROM leased_addresses GROUP BY "
                                     "station")))
            return failed();
        while (sql.query().next())
            if (index.contains(sql.query().value(0).toString()))
                out[index.value(sql.query().value(0).toString())].addressesLeft =
                    sql.query().value(1).toInt();
    }
    return out;
}

std::optional<QHash<QString, QList<UnitRow>>>
LineView::lastFailures(ProductionStore &store, int perStation, QString *error)
{
    QString why;
    const QList<UnitRow> units = StoreReport::newestByStation(
        store, QStringLiteral("state IN ('fail', 'unknown')"), perStation, &why);
    if (!why.isEmpty()) {
        if (error)
            *error = why;
        return std::nullopt;
    }
    QHash<QString, QList<UnitRow>> byStation;
    for (const UnitRow &u : units)
        byStation[u.station] << u;
    return byStation;
}

QDateTime LineView::shiftStart(const QList<QTime> &starts, const QDateTime &now)
{
    const QDateTime local = now.toLocalTime();
    QDateTime best;
    for (int daysBack = 0; daysBack <= 1; ++daysBack)
        for (const QTime &t : starts) {
            const QDateTime candidate(local.date().addDays(-daysBack), t);
            if (candidate <= local && (!best.isValid() || candidate > best))
                best = candidate;
        }
    return best.isValid() ? best : QDateTime(local.date(), QTime(0, 0));
}

std::optional<QList<QTime>> LineView::parseShifts(const QString &text, QString *error)
{
    QList<QTime> starts;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QTime t = QTime::fromString(part.trimmed(), QStringLiteral("HH:mm"));
        if (!t.isValid()) {
            if (error)
                *error = QStringLiteral("'%1' is no time of day (HH:MM)").arg(part.trimmed());
            return std::nullopt;
        }
        starts << t;
    }
    if (starts.isEmpty()) {
        if (error)
            *error = QStringLiteral("give at least one time of day (HH:MM)");
        return std::nullopt;
    }
    return starts;
}

} // namespace zomar
