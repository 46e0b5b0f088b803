#include "apps/zomar-cli/StatsCommand.h"

#include "core/store/ProductionStore.h"
#include "core/store/StoreStats.h"

#include <QJsonArray>
#include <QJsonObject>

namespace zomar {

namespace {

QJsonValue jsonRatio(std::optional<double> r)
{
    return r ? QJsonValue(*r) : QJsonValue();
}

QString percent(std::optional<double> r)
{
    return r ? QStringLiteral("%1%").arg(*r * 100.0, 0, 'f', 1) : QStringLiteral("-");
}

// Names come from stations, sockets and operators: a control character is
// shown, not obeyed.
QString cell(const QString &text, const QString &none = QStringLiteral("-"))
{
    return text.isEmpty() ? none : Cli::visible(text);
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

void printJson(Cli &cli, const LineStats &s, const StatsFilter &filter)
{
    QJsonArray failures;
    for (const FailureCount &f : s.failures)
        failures << QJsonObject{{QStringLiteral("reason"), f.reason},
                                {QStringLiteral("attempts"), f.attempts}};
    QJsonArray weak;
    for (const GroupYield &g : StoreStats::weakSlots(s))
        weak << QJsonObject{{QStringLiteral("station"), g.station},
                            {QStringLiteral("socket"), g.name}};
    cli.printJson({{QStringLiteral("since"), filter.since},
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
                   {QStringLiteral("failures"), failures}});
}

void printText(Cli &cli, const LineStats &s)
{
    if (s.attempts == 0) {
        cli.out(QStringLiteral("No units tested."));
        return;
    }
    cli.out(QStringLiteral("Units tested:      %1 (%2 attempt(s); %3 retried)")
                .arg(s.units.tested)
                .arg(s.attempts)
                .arg(s.retried));
    cli.out(QStringLiteral("Passed:            %1, failed: %2")
                .arg(s.units.passed)
                .arg(s.units.tested - s.units.passed));
    cli.out(QStringLiteral("First-pass yield:  %1 (%2 of %3)")
                .arg(percent(s.units.firstPassYield()))
                .arg(s.units.passedFirst)
                .arg(s.units.tested));
    cli.out(QStringLiteral("Final yield:       %1 (%2 of %3)")
                .arg(percent(s.units.finalYield()))
                .arg(s.units.passed)
                .arg(s.units.tested));
    if (s.withoutSerial > 0)
        cli.out(QStringLiteral("                   %1 unit(s) without a product serial, each "
                               "counted by its one attempt")
                    .arg(s.withoutSerial));
    cli.out(QStringLiteral("Units per hour:    %1")
                .arg(s.unitsPerHour ? QString::number(*s.unitsPerHour, 'f', 1)
                                    : QStringLiteral("- (under a minute of work)")));
    const QList<GroupYield> weak = StoreStats::weakSlots(s);
    cli.out(QStringLiteral("Slots:"));
    for (const GroupYield &g : s.sockets) {
        const bool isWeak = std::any_of(weak.cbegin(), weak.cend(), [&](const GroupYield &w) {
            return w.station == g.station && w.name == g.name;
        });
        cli.out(QStringLiteral("  %1  %2  %3 of %4%5")
                    .arg(cell(QStringLiteral("%1 %2").arg(g.station, g.name).trimmed()), -40)
                    .arg(percent(g.yield()), 6)
                    .arg(g.passed)
                    .arg(g.attempts)
                    .arg(isWeak ? QStringLiteral("  well below the other slots") : QString()));
    }
    cli.out(QStringLiteral("Operators:"));
    for (const GroupYield &g : s.operators)
        cli.out(QStringLiteral("  %1  %2  %3 of %4")
                    .arg(cell(g.name, QStringLiteral("(none given)")), -20)
                    .arg(percent(g.yield()), 6)
                    .arg(g.passed)
                    .arg(g.attempts));
    if (!s.failures.isEmpty()) {
        cli.out(QStringLiteral("Failures:"));
        for (const FailureCount &f : s.failures)
            cli.out(QStringLiteral("  %1  %2").arg(f.attempts, 5).arg(cell(f.reason)));
    }
}

} // namespace

int showStats(Cli &cli, ProductionStore &store, const StatsFilter &filter)
{
    QString error;
    const std::optional<LineStats> stats = StoreStats::compute(store, filter, &error);
    if (!stats) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("cannot read the store %1: %2").arg(store.location(), error));
        return *cli.exitCode();
    }
    if (cli.json())
        printJson(cli, *stats, filter);
    else
        printText(cli, *stats);
    return exit_codes::Done;
}

} // namespace zomar
