#include "apps/zomar-cli/StatsCommand.h"

#include "core/fleet/ProductionStore.h"
#include "core/fleet/StoreStats.h"
#include "core/lineview/StatsJson.h"

#include <QJsonArray>
#include <QJsonObject>

namespace zomar {

namespace {

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
        cli.printJson(statsJson(*stats, filter));
    else
        printText(cli, *stats);
    return exit_codes::Done;
}

} // namespace zomar
