#include "core/lineview/StatsJson.h"

#include "core/fleet/StoreStats.h"

#include <QJsonArray>

namespace zomar {

namespace {

QJsonValue jsonRatio(std::optional<double> r)
{
    return r ? QJsonValue(*r) : QJsonValue();
}

QJsonArray jsonGroups(const QList<GroupYield> &groups, const QString &nameKey)
{
    QJsonArray out;
    for (const GroupYield &g : groups) {
        QJsonObject o{{nameKey, g.name},
                      {QStringLiteral("attempts"), g.attempts},
                      {QStringLiteral("passed"), g.passed},
                      {QStringLiteral("yield"), jsonRatio(g.yield())}};
        if (nameKey == QLatin1String("socket"))
            o.insert(QStringLiteral("station"), g.station);
        out << o;
    }
    return out;
}

} // namespace

QJsonObject statsJson(const LineStats &s, const StatsFilter &filter)
{
    QJsonArray failures;
    for (const FailureCount &f : s.failures)
        failures << QJsonObject{{QStringLiteral("reason"), f.reason},
                                {QStringLiteral("attempts"), f.attempts}};
    QJsonArray weak;
    for (const GroupYield &g : StoreStats::weakSlots(s))
        weak << QJsonObject{{QStringLiteral("station"), g.station},
                            {QStringLiteral("socket"), g.name}};
    return {{QStringLiteral("since"), filter.since},
                   {QStringLiteral("station"), filter.station},
                   {QStringLiteral("units_tested"), s.units.tested},
                   {QStringLiteral("units_passed"), s.units.passed},
                   {QStringLiteral("units_failed"), s.units.tested - s.units.passed},
                   {QStringLiteral("passed_first_time"), s.units.passedFirst},
                   {QStringLiteral("first_pass_yield"), jsonRatio(s.units.firstPassYield())},
                   {QStringLiteral("final_yield"), jsonRatio(s.units.finalYield())},
                   {QStringLiteral("attempts"), s.attempts},
                   {QStringLiteral("units_retried"), s.retried},
                   {QStringLiteral("units_without_serial"), s.withoutSerial},
                   {QStringLiteral("first_start"), s.firstStart},
                   {QStringLiteral("last_end"), s.lastEnd},
                   {QStringLiteral("units_per_hour"),
                    s.unitsPerHour ? QJsonValue(*s.unitsPerHour) : QJsonValue()},
                   {QStringLiteral("slots"), jsonGroups(s.sockets, QStringLiteral("socket"))},
                   {QStringLiteral("weak_slots"), weak},
                   {QStringLiteral("operators"), jsonGroups(s.operators, QStringLiteral("operator"))},
                   {QStringLiteral("failures"), failures}};
}

} // namespace zomar
