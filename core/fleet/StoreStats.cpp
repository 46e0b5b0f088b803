#include "core/fleet/StoreStats.h"

#include "core/fleet/ProductionStore.h"
#include "core/fleet/StoreSql.h"

#include <QDateTime>
#include <QHash>
#include <QMap>

#include <algorithm>
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
           const QString &name, bool passed)
{
    GroupYield &g = groups[{station, name}];
    g.station = station;
    g.name = name;
    ++g.attempts;
    g.passed += passed ? 1 : 0;
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

LineStats StoreStats::of(const QList<StatsAttempt> &attempts)
{
    LineStats s;
    // A product's attempts in the order they started: its first decides the
    // first pass, any pass the final yield.
    struct Product {
        int attempts = 0;
        bool passedFirst = false;
        bool passed = false;
    };
    QHash<QString, Product> products;
    QMap<QPair<QString, QString>, GroupYield> sockets, operators;
    QHash<QString, int> failures;
    for (const StatsAttempt &a : attempts) {
        ++s.attempts;
        if (s.firstStart.isEmpty() || a.startedAt < s.firstStart)
            s.firstStart = a.startedAt;
        s.lastEnd = std::max(s.lastEnd, a.settledAt);
        if (a.productSerial.isEmpty()) {
            ++s.withoutSerial;
            ++s.units.tested;
            s.units.passedFirst += a.passed ? 1 : 0;
            s.units.passed += a.passed ? 1 : 0;
        } else {
            Product &p = products[a.productSerial];
            if (p.attempts++ == 0)
                p.passedFirst = a.passed;
            p.passed = p.passed || a.passed;
        }
        count(sockets, a.station, a.socket, a.passed);
        count(operators, QString(), a.operatorName, a.passed);
        if (!a.passed)
            ++failures[a.failure.isEmpty() ? QStringLiteral("unspecified") : a.failure];
    }
    for (const Product &p : std::as_const(products)) {
        ++s.units.tested;
        s.units.passedFirst += p.passedFirst ? 1 : 0;
        s.units.passed += p.passed ? 1 : 0;
        s.retried += p.attempts > 1 ? 1 : 0;
    }
    const QDateTime from = QDateTime::fromString(s.firstStart, Qt::ISODateWithMs);
    const QDateTime to = QDateTime::fromString(s.lastEnd, Qt::ISODateWithMs);
    if (from.isValid() && to.isValid()) {
        const qint64 ms = from.msecsTo(to);
        // Under a minute says nothing about an hour.
        if (ms >= 60 * 1000)
            s.unitsPerHour = s.units.tested * 3600000.0 / double(ms);
    }
    s.sockets = sockets.values();
    s.operators = operators.values();
    for (auto it = failures.cbegin(); it != failures.cend(); ++it)
        s.failures << FailureCount{it.key(), it.value()};
    std::sort(s.failures.begin(), s.failures.end(),
              [](const FailureCount &a, const FailureCount &b) {
                  return a.attempts != b.attempts ? a.attempts > b.attempts : a.reason < b.reason;
              });
    return s;
}

std::optional<LineStats> StoreStats::compute(ProductionStore &store, const StatsFilter &filter,
                                             QString *error)
{
    const std::optional<QList<StatsAttempt>> read = attempts(store, filter, error);
    if (!read)
        return std::nullopt;
    return of(*read);
}

std::optional<QList<StatsAttempt>> StoreStats::attempts(ProductionStore &store,
                                                        const StatsFilter &filter, QString *error)
{
    StoreSql sql(store.database(), store.backend());
    QString where = QStringLiteral(" WHERE state <> 'reserved'");
    QVariantList values;
    if (!filter.since.isEmpty()) {
        where += QStringLiteral(" AND reserved_at >= ?");
        values << filter.since;
    }
    if (!filter.station.isEmpty()) {
        where += QStringLiteral(" AND station = ?");
        values << filter.station;
    }
    if (!sql.exec(QStringLiteral("SELECT reserved_at, settled_at, station, by_path, device, "
                                 "operator_name, product_serial, state, failure FROM units%1 "
                                 "ORDER BY reserved_at, id")
                      .arg(where),
                  values)) {
        if (error)
            *error = sql.error();
        return std::nullopt;
    }
    QList<StatsAttempt> attempts;
    while (sql.query().next()) {
        const QSqlQuery &q = sql.query();
        StatsAttempt a;
        a.startedAt = q.value(0).toString();
        a.settledAt = q.value(1).toString();
        a.station = q.value(2).toString();
        a.socket = q.value(3).toString().isEmpty() ? q.value(4).toString() : q.value(3).toString();
        a.operatorName = q.value(5).toString();
        a.productSerial = q.value(6).toString();
        a.passed = q.value(7).toString() == QLatin1String("pass");
        a.failure = a.passed ? QString()
                    : q.value(7).toString() == QLatin1String("unknown") ? QStringLiteral("unknown")
                                                                         : q.value(8).toString();
        attempts << a;
    }
    return attempts;
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
