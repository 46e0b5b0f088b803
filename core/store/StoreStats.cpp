#include "core/store/StoreStats.h"

#include "core/store/ProductionStore.h"
#include "core/store/StoreSql.h"

#include <QDateTime>
#include <QHash>
#include <QMap>

#include <algorithm>
#include <functional>
#include <cmath>

namespace zomar {

namespace {

std::optional<double> ratio(int part, int whole)
{
    if (whole <= 0)
        return std::nullopt;
    return double(part) / double(whole);
}

void count(QMap<QPair<QString, QString>, GroupYield> &groups, const QString &station,
           const QString &name, int attempts, int passed)
{
    GroupYield &g = groups[{station, name}];
    g.station = station;
    g.name = name;
    g.attempts += attempts;
    g.passed += passed;
}

} // namespace

std::optional<double> YieldFigures::firstPassYield() const
{
    return ratio(passedFirst, tested);
}

std::optional<double> YieldFigures::finalYield() const
{
    return ratio(passed, tested);
}

std::optional<double> GroupYield::yield() const
{
    return ratio(passed, attempts);
}

namespace {

// The attempts a filter takes: settled ones (in flight are left out).
struct Span {
    QString where;
    QVariantList values;
};

Span spanOf(const StatsFilter &filter)
{
    Span span{QStringLiteral(" WHERE state <> 'reserved'"), {}};
    if (!filter.since.isEmpty()) {
        span.where += QStringLiteral(" AND reserved_at >= ?");
        span.values << filter.since;
    }
    if (!filter.station.isEmpty()) {
        span.where += QStringLiteral(" AND station = ?");
        span.values << filter.station;
    }
    return span;
}

void addUnits(YieldFigures &units, int tested, int passedFirst, int passed)
{
    units.tested += tested;
    units.passedFirst += passedFirst;
    units.passed += passed;
}

// Every figure but the products', from one grouping of the attempts; an
// attempt without a serial is a unit of its own, of the line and of its
// station.
bool countGroups(StoreSql &sql, const Span &span, LineStats &s,
                 QHash<QString, YieldFigures> *byStation)
{
    if (!sql.exec(QStringLiteral("SELECT COALESCE(station, ''), COALESCE(NULLIF(by_path, ''), "
                                 "device, ''), COALESCE(operator_name, ''), CASE WHEN state = "
                                 "'pass' THEN '' WHEN state = 'unknown' THEN 'unknown' WHEN "
                                 "COALESCE(failure, '') = '' THEN 'unspecified' ELSE failure END, "
                                 "CASE WHEN COALESCE(product_serial, '') = '' THEN 0 ELSE 1 END, "
                                 "COUNT(*), MIN(reserved_at), MAX(settled_at) FROM units%1 GROUP "
                                 "BY 1, 2, 3, 4, 5")
                      .arg(span.where),
                  span.values))
        return false;
    QMap<QPair<QString, QString>, GroupYield> sockets, operators;
    QHash<QString, int> failures;
    while (sql.query().next()) {
        const QSqlQuery &q = sql.query();
        const QString station = q.value(0).toString(), failure = q.value(3).toString();
        const int attempts = q.value(5).toInt();
        const int passed = failure.isEmpty() ? attempts : 0;
        s.attempts += attempts;
        const QString first = q.value(6).toString(), last = q.value(7).toString();
        if (s.firstStart.isEmpty() || (!first.isEmpty() && first < s.firstStart))
            s.firstStart = first;
        s.lastEnd = std::max(s.lastEnd, last);
        count(sockets, station, q.value(1).toString(), attempts, passed);
        count(operators, QString(), q.value(2).toString(), attempts, passed);
        if (!failure.isEmpty())
            failures[failure] += attempts;
        if (q.value(4).toInt() == 0) {
            s.withoutSerial += attempts;
            addUnits(s.units, attempts, passed, passed);
            if (byStation)
                addUnits((*byStation)[station], attempts, passed, passed);
        }
    }
    s.sockets = sockets.values();
    s.operators = operators.values();
    for (auto it = failures.cbegin(); it != failures.cend(); ++it)
        s.failures << FailureCount{it.key(), it.value()};
    std::sort(s.failures.begin(), s.failures.end(),
              [](const FailureCount &a, const FailureCount &b) {
                  return a.attempts != b.attempts ? a.attempts > b.attempts : a.reason < b.reason;
              });
    return true;
}

// The products: the attempts of one serial, decided by the first (by start,
// then row) and by any pass; for the line, or for each station apart (a
// product tried at two stations is a unit of each). `> ''` rather than
// `<> ''` lets the serial's index find the few attempts that have one.
bool countProducts(StoreSql &sql, const Span &span, bool byStation,
                   const std::function<void(const QString &, const YieldFigures &, int)> &add)
{
    // PostgreSQL refuses a constant to group by, so the line's key is a
    // column of the inner query.
    const QString key = byStation ? QStringLiteral("COALESCE(station, '')") : QStringLiteral("''");
    const QString partition = byStation ? QStringLiteral("COALESCE(station, ''), product_serial")
                                        : QStringLiteral("product_serial");
    if (!sql.exec(QStringLiteral("SELECT station_key, COUNT(*), SUM(CASE WHEN tries > 1 THEN 1 "
                                 "ELSE 0 END), SUM(first_pass), SUM(any_pass) FROM (SELECT "
                                 "station_key, COUNT(*) AS tries, MAX(CASE WHEN try = 1 THEN "
                                 "passed ELSE 0 END) AS first_pass, MAX(passed) AS any_pass FROM "
                                 "(SELECT %1 AS station_key, product_serial, CASE WHEN state = "
                                 "'pass' THEN 1 ELSE 0 END AS passed, ROW_NUMBER() OVER "
                                 "(PARTITION BY %2 ORDER BY reserved_at, id) AS try FROM units%3 "
                                 "AND product_serial > '') AS attempts GROUP BY station_key, "
                                 "product_serial) AS products GROUP BY station_key")
                      .arg(key, partition, span.where),
                  span.values))
        return false;
    while (sql.query().next()) {
        const QSqlQuery &q = sql.query();
        YieldFigures units;
        addUnits(units, q.value(1).toInt(), q.value(3).toInt(), q.value(4).toInt());
        add(q.value(0).toString(), units, q.value(2).toInt());
    }
    return true;
}

} // namespace

std::optional<LineStats> StoreStats::compute(ProductionStore &store, const StatsFilter &filter,
                                             QString *error,
                                             QHash<QString, YieldFigures> *byStation)
{
    StoreSql sql(store.database(), store.backend());
    const Span span = spanOf(filter);
    LineStats s;
    const bool read =
        countGroups(sql, span, s, byStation) &&
        countProducts(sql, span, false,
                      [&s](const QString &, const YieldFigures &units, int retried) {
                          addUnits(s.units, units.tested, units.passedFirst, units.passed);
                          s.retried += retried;
                      }) &&
        (!byStation ||
         countProducts(sql, span, true,
                       [byStation](const QString &station, const YieldFigures &units, int) {
                           addUnits((*byStation)[station], units.tested, units.passedFirst,
                                    units.passed);
                       }));
    if (!read) {
        if (error)
            *error = sql.error();
        return std::nullopt;
    }
    const QDateTime from = QDateTime::fromString(s.firstStart, Qt::ISODateWithMs);
    const QDateTime to = QDateTime::fromString(s.lastEnd, Qt::ISODateWithMs);
    if (from.isValid() && to.isValid()) {
        const qint64 ms = from.msecsTo(to);
        // Under a minute says nothing about an hour.
        if (ms >= 60 * 1000)
            s.unitsPerHour = s.units.tested * 3600000.0 / double(ms);
    }
    return s;
}

QList<GroupYield> StoreStats::weakSlots(const LineStats &stats, int minAttempts, double margin,
                                        double zScore)
{
    int attempts = 0, passed = 0;
    for (const GroupYield &g : stats.sockets) {
        attempts += g.attempts;
        passed += g.passed;
    }
    QList<GroupYield> weak;
    for (const GroupYield &g : stats.sockets) {
        const std::optional<double> rest = ratio(passed - g.passed, attempts - g.attempts);
        if (g.attempts < minAttempts || !rest || *g.yield() >= *rest - margin)
            continue;
        const double error = std::sqrt(*rest * (1 - *rest) / g.attempts);
        if (error == 0 || (*rest - *g.yield()) / error > zScore)
            weak << g;
    }
    return weak;
}

} // namespace zomar
