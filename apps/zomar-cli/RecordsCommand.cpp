#include "apps/zomar-cli/RecordsCommand.h"

#include "apps/zomar-cli/ProgramLabels.h"
#include "apps/zomar-cli/RecordsTrace.h"
#include "apps/zomar-cli/StatsCommand.h"
#include "core/fleet/StoreStats.h"

#include "core/fleet/ProductionStore.h"
#include "core/fleet/StoreBackend.h"
#include "core/fleet/StoreLeases.h"
#include "core/fleet/StoreReport.h"
#include "core/fleet/StoreSchema.h"
#include "core/files/FileWriter.h"
#include "core/lineview/SinceText.h"
#include "core/lineview/UnitJson.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace zomar {

namespace {

QString usage()
{
    return QLatin1Char(' ') + recordsVerbs().join(QLatin1Char('|'));
}

QString shownTime(const QString &iso)
{
    const QDateTime t = QDateTime::fromString(iso, Qt::ISODateWithMs);
    return t.isValid() ? t.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : iso;
}

void printUnits(Cli &cli, const QList<UnitRow> &units)
{
    if (cli.json()) {
        for (const UnitRow &u : units)
            cli.printJson(unitJson(u));
        return;
    }
    if (units.isEmpty()) {
        cli.out(QStringLiteral("No units."));
        return;
    }
    // Names come from stations and operators: a control character (a line
    // break above all) is shown, not obeyed, so that each unit stays a line.
    const auto cell = [](QString text) {
        for (QChar &c : text)
            if (c.category() == QChar::Other_Control)
                c = QChar(0xFFFD);
        return text;
    };
    int operatorWidth = 8;
    for (const UnitRow &u : units)
        operatorWidth = std::max(operatorWidth, int(std::min<qsizetype>(u.operatorName.size(), 20)));
    cli.out(QStringLiteral("%1  %2  %3  %4  %5  %6  %7")
                .arg(QStringLiteral("TIME"), -19)
                .arg(QStringLiteral("STATE"), -8)
                .arg(QStringLiteral("LOCAL"), -8)
                .arg(QStringLiteral("POOL"), 4)
                .arg(QStringLiteral("OPERATOR"), -operatorWidth)
                .arg(QStringLiteral("STATION / DEVICE"))
                .arg(QStringLiteral("MESSAGE")));
    for (const UnitRow &u : units) {
        const QString where = u.byPath.isEmpty() ? u.device : u.byPath;
        QString serial = u.usbSerial.isEmpty() ? QString() : QStringLiteral(" ") + u.usbSerial;
        if (!u.productSerial.isEmpty())
            serial += QStringLiteral(" S/N ") + u.productSerial;
        cli.out(QStringLiteral("%1  %2  %3  %4  %5  %6  %7")
                    .arg(shownTime(u.reservedAt), -19)
                    .arg(unitStateName(u.state), -8)
                    .arg(u.local ? addressHex(*u.local) : QStringLiteral("-"), -8)
                    .arg(u.poolId ? QString::number(*u.poolId) : QStringLiteral("-"), 4)
                    .arg(u.operatorName.isEmpty() ? QStringLiteral("-") : cell(u.operatorName),
                         -operatorWidth)
                    .arg(cell(QStringLiteral("%1 %2%3").arg(u.station, where, serial)))
                    .arg(cell(u.message)));
    }
}

int listUnits(Cli &cli, ProductionStore &store, UnitFilter filter)
{
    const QCommandLineParser &p = cli.parser;
    const std::optional<QString> since = sinceOption(cli);
    if (!since)
        return *cli.exitCode();
    filter.since = *since;
    filter.productSerial = p.value(QStringLiteral("serial"));
    if (p.isSet(QStringLiteral("state"))) {
        filter.state = unitStateFromName(p.value(QStringLiteral("state")).trimmed().toLower());
        if (!filter.state) {
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("--state %1: one of reserved, pass, fail, unknown")
                         .arg(p.value(QStringLiteral("state"))));
            return *cli.exitCode();
        }
    }
    filter.station = p.value(QStringLiteral("station"));
    if (p.isSet(QStringLiteral("last"))) {
        bool ok = false;
        filter.limit = p.value(QStringLiteral("last")).toInt(&ok);
        if (!ok || filter.limit < 1) {
            cli.fail(exit_codes::BadCommandLine, QStringLiteral("--last %1: a number of 1 or more")
                                                     .arg(p.value(QStringLiteral("last"))));
            return *cli.exitCode();
        }
        filter.newestFirst = true;
    }
    QString error;
    QList<UnitRow> units = StoreReport::units(store, filter, &error);
    if (!error.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine, QStringLiteral("cannot read the store %1: %2")
                                                 .arg(store.location(), error));
        return *cli.exitCode();
    }
    if (filter.newestFirst)
        std::reverse(units.begin(), units.end());
    printUnits(cli, units);
    return exit_codes::Done;
}

int showPools(Cli &cli, ProductionStore &store)
{
    QString error;
    const QList<PoolSummary> pools = StoreReport::pools(store, &error);
    if (!error.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine, error);
        return *cli.exitCode();
    }
    for (const PoolSummary &p : pools) {
        const QString next = p.next >= kPastLastAddress ? QStringLiteral("none left")
                                                        : addressHex(quint32(p.next));
        if (cli.json()) {
            cli.printJson({{QStringLiteral("pool"), double(p.id)},
                           {QStringLiteral("fields"), p.fields},
                           {QStringLiteral("settings"), PoolKey::describe(p.fields)},
                           {QStringLiteral("first"), addressHex(p.first)},
                           {QStringLiteral("step"), double(p.step)},
                           {QStringLiteral("counter"), next},
                           {QStringLiteral("given_back"), p.givenBack},
                           {QStringLiteral("pass"), p.pass},
                           {QStringLiteral("fail"), p.fail},
                           {QStringLiteral("unknown"), p.unknown},
                           {QStringLiteral("reserved"), p.reserved},
                           {QStringLiteral("created_at"), p.created}});
            continue;
        }
        cli.out(QStringLiteral("Pool %1: from %2 in steps of %3, counter at %4; %5 pass, %6 fail, "
                               "%7 unknown, %8 reserved, %9 given back")
                    .arg(p.id)
                    .arg(addressHex(p.first))
                    .arg(p.step)
                    .arg(next)
                    .arg(p.pass)
                    .arg(p.fail)
                    .arg(p.unknown)
                    .arg(p.reserved)
                    .arg(p.givenBack));
        cli.out(QStringLiteral("  fields: %1").arg(p.fields.isEmpty()
                                                      ? QStringLiteral("(the modules' own)")
                                                      : PoolKey::describe(p.fields)));
    }
    if (pools.isEmpty() && !cli.json())
        cli.out(QStringLiteral("No pools: no run has handed out addresses with this store."));
    return exit_codes::Done;
}

int checkStore(Cli &cli, ProductionStore &store)
{
    QString error;
    const std::optional<StoreCheck> check = StoreReport::check(store, &error);
    if (!check) {
        cli.fail(exit_codes::BadCommandLine, QStringLiteral("cannot read the store %1: %2")
                                                 .arg(store.location(), error));
        return *cli.exitCode();
    }
    if (cli.json()) {
        cli.printJson({{QStringLiteral("store"), store.location()},
                       {QStringLiteral("findings"), QJsonArray::fromStringList(check->findings)},
                       {QStringLiteral("notes"), QJsonArray::fromStringList(check->notes)}});
    } else {
        for (const QString &f : check->findings)
            cli.out(QStringLiteral("FINDING  %1").arg(f));
        for (const QString &n : check->notes)
            cli.out(QStringLiteral("note     %1").arg(n));
        if (check->findings.isEmpty())
            cli.out(QStringLiteral("%1: no findings (no address twice, every reserved unit in "
                                   "flight)")
                        .arg(store.location()));
    }
    return check->findings.isEmpty() ? exit_codes::Done : exit_codes::Mismatch;
}

int exportCsv(Cli &cli, ProductionStore &store)
{
    const QString path = cli.parser.value(QStringLiteral("csv"));
    if (path.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("name the file: records export --csv FILE (- for the output)"));
        return *cli.exitCode();
    }
    QString error;
    const QList<UnitRow> units = StoreReport::units(store, {}, &error);
    if (!error.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine, error);
        return *cli.exitCode();
    }
    const QByteArray text = StoreReport::csv(units);
    if (path == QLatin1String("-")) {
        cli.outBytes(text);
        return exit_codes::Done;
    }
    if (const WriteFailure failure = writeFileAtomically(path, text); failure.failed()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--csv %1; nothing was exported").arg(failure.text()));
        return *cli.exitCode();
    }
    if (cli.json())
        cli.printJson({{QStringLiteral("units"), int(units.size())},
                       {QStringLiteral("file"), QFileInfo(path).absoluteFilePath()}});
    else
        cli.err(QStringLiteral("%1 unit(s) written to %2").arg(units.size()).arg(path));
    return exit_codes::Done;
}

// Makes or migrates the record, as a role that may create tables.
int initStore(Cli &cli, const QString &location)
{
    QString error;
    const std::unique_ptr<ProductionStore> store =
        ProductionStore::open(location, ProductionStore::Mode::Init, &error);
    if (!store) {
        cli.fail(exit_codes::BadCommandLine, error);
        return *cli.exitCode();
    }
    const QString ready = QStringLiteral("The production record in %1 is ready (schema %2).")
                              .arg(location)
                              .arg(StoreSchema::latestVersion());
    if (cli.json()) {
        cli.printJson({{QStringLiteral("store"), location},
                       {QStringLiteral("schema"), StoreSchema::latestVersion()}});
    } else {
        cli.out(ready);
        if (store->backend().isServer())
            cli.out(QStringLiteral("The stations' role needs: GRANT SELECT, INSERT, UPDATE, DELETE "
                                   "ON ALL TABLES IN SCHEMA public TO role (then `zomar-cli "
                                   "doctor --store URL` as that role checks it)."));
    }
    return exit_codes::Done;
}

// Ends the runs of a station that died and retires its leased addresses.
int releaseStation(Cli &cli, ProductionStore &store)
{
    const QString station = cli.parser.value(QStringLiteral("station"));
    if (station.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("name the station: records release --station NAME (once its "
                                "modules are checked)"));
        return *cli.exitCode();
    }
    const Release r = StoreLeases::release(store, station);
    if (!r.error.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("station %1 is not released: %2").arg(station, r.error));
        return *cli.exitCode();
    }
    if (cli.json()) {
        cli.printJson({{QStringLiteral("station"), station},
                       {QStringLiteral("addresses_retired"), r.addresses},
                       {QStringLiteral("units_unknown"), r.units},
                       {QStringLiteral("runs_ended"), r.runs}});
    } else if (r.addresses + r.units + r.runs == 0) {
        cli.out(QStringLiteral("Station %1 holds no lease and has no interrupted run: nothing "
                               "to release.")
                    .arg(station));
    } else {
        cli.out(QStringLiteral("Station %1 released: %2 address(es) of its lease retired "
                               "(never handed out again, should it still be running cut off), "
                               "%3 unit(s) marked unknown, %4 run(s) ended.")
                    .arg(station)
                    .arg(r.addresses)
                    .arg(r.units)
                    .arg(r.runs));
        if (r.units > 0)
            cli.out(QStringLiteral("Check the unknown units with `zomar-cli verify` (`zomar-cli "
                                   "records unknown --station %1` lists them).")
                        .arg(station));
    }
    return exit_codes::Done;
}

} // namespace

const QStringList &recordsVerbs()
{
    static const QStringList verbs{QStringLiteral("list"),   QStringLiteral("unknown"),
                                   QStringLiteral("pools"),  QStringLiteral("check"),
                                   QStringLiteral("export"), QStringLiteral("init"),
                                   QStringLiteral("release"), QStringLiteral("stats"),
                                   QStringLiteral("label"),   QStringLiteral("serial")};
    return verbs;
}

QCommandLineOption storeOption()
{
    return {QStringLiteral("store"),
            QStringLiteral("The production record: a file (default: "
                           "$XDG_DATA_HOME/zomar/production.db, ~/.local/share/...) or "
                           "postgresql://user@host[:port]/dbname (the password from ~/.pgpass "
                           "or PGPASSWORD)."),
            QStringLiteral("store")};
}

QString storeLocation(const Cli &cli)
{
    return cli.parser.isSet(QStringLiteral("store")) ? cli.parser.value(QStringLiteral("store"))
                                                     : ProductionStore::defaultLocation();
}

std::optional<int> runRecords(Cli &cli)
{
    QCommandLineParser &p = cli.parser;
    p.addOptions({
        storeOption(),
        {QStringLiteral("station"),
         QStringLiteral("list, stats: units of one station; release: the station to release."),
         QStringLiteral("name")},
        {QStringLiteral("since"),
         QStringLiteral("list, stats: units since a date, a date and time, or a time back (30m, "
                        "12h, 7d)."),
         QStringLiteral("time")},
        {QStringLiteral("state"),
         QStringLiteral("list: units in one state: reserved, pass, fail or unknown."),
         QStringLiteral("state")},
        {QStringLiteral("last"), QStringLiteral("list: only the newest N units."),
         QStringLiteral("n")},
        {QStringLiteral("csv"), QStringLiteral("export: the CSV file to write (- for the output)."),
         QStringLiteral("file")},
        {QStringLiteral("serial"), QStringLiteral("list: the units of one product serial."),
         QStringLiteral("serial")},
    });
    p.addOptions(ProgramLabels::options());
    p.addOptions(traceOptions());
    p.addPositionalArgument(QStringLiteral("what"),
                            QStringLiteral("list (the units), unknown (units whose outcome was "
                                           "lost), pools (address ranges), check (integrity; exit "
                                           "3 on a finding), export (every unit as CSV), init "
                                           "(make or migrate the record on a server), release "
                                           "(a station that died: its runs end, its leased "
                                           "addresses go back), stats (yields, units per hour, "
                                           "slots, operators, failures), label UNIT_ID (its "
                                           "label again, to --label), serial UNIT_ID SERIAL (a "
                                           "product serial bound to the unit)."),
                            usage().trimmed());
    cli.allowArguments(3);
    // list, unknown and pools print an object per line; the others one.
    // --band: how a label shows the channel when the unit's profile does not say.
    if (!cli.parse(Cli::JsonOption | Cli::JsonLines | Cli::BandOption, usage()))
        return cli.exitCode();
    const QString what = p.positionalArguments().value(0);
    if (!recordsVerbs().contains(what)) {
        const QString known = QStringLiteral("records%1 (see 'zomar-cli records --help')")
                                  .arg(usage());
        cli.fail(exit_codes::BadCommandLine,
                 what.isEmpty() ? QStringLiteral("say what: ") + known
                                : QStringLiteral("unknown records command '%1'; one of %2")
                                      .arg(Cli::visible(what), known));
        return cli.exitCode();
    }
    const int words = what == QLatin1String("label")    ? 2
                      : what == QLatin1String("serial") ? 3
                                                        : 1;
    if (p.positionalArguments().size() > words) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("records %1 takes no more than %2 word(s): %3 is too many")
                     .arg(what)
                     .arg(words)
                     .arg(Cli::visible(p.positionalArguments().value(words))));
        return cli.exitCode();
    }
    const QString location = storeLocation(cli);
    if (what == QLatin1String("init"))
        return initStore(cli, location);
    QString error;
    const std::unique_ptr<ProductionStore> store =
        ProductionStore::open(location, ProductionStore::Mode::Existing, &error);
    if (!store) {
        cli.fail(exit_codes::BadCommandLine, error);
        return cli.exitCode();
    }
    if (what == QLatin1String("list"))
        return listUnits(cli, *store, {});
    if (what == QLatin1String("unknown")) {
        UnitFilter filter;
        filter.state = UnitState::Unknown;
        return listUnits(cli, *store, filter);
    }
    if (what == QLatin1String("pools"))
        return showPools(cli, *store);
    if (what == QLatin1String("check"))
        return checkStore(cli, *store);
    if (what == QLatin1String("release"))
        return releaseStation(cli, *store);
    if (what == QLatin1String("label"))
        return reprintLabel(cli, *store);
    if (what == QLatin1String("serial"))
        return bindProductSerial(cli, *store);
    if (what == QLatin1String("stats")) {
        const std::optional<QString> since = sinceOption(cli);
        if (!since)
            return cli.exitCode();
        return showStats(cli, *store, {*since, p.value(QStringLiteral("station"))});
    }
    return exportCsv(cli, *store);
}

} // namespace zomar
