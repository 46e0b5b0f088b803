#include "apps/zomar-cli/ProgramCommand.h"

#include "apps/zomar-cli/ProgramSession.h"
#include "core/Version.h"
#include "core/link/SerialLink.h"
#include "core/protocol/FieldValues.h"

#include <QFileInfo>
#include <QSet>

namespace zomar {

namespace {

int exitCodeOf(SetupRefusal::Kind kind)
{
    switch (kind) {
    case SetupRefusal::Profile:
    case SetupRefusal::Value:
        return exit_codes::InvalidValue;
    case SetupRefusal::None:
    case SetupRefusal::FixedLocal:
    case SetupRefusal::Record:
        break;
    }
    return exit_codes::BadCommandLine;
}

} // namespace

namespace {

void addProgramOptions(QCommandLineParser &p)
{
    p.addOptions({
        {QStringLiteral("profile"), QStringLiteral("The profile every module gets (required)."),
         QStringLiteral("file")},
        {QStringLiteral("local-from"),
         QStringLiteral("Give each module its own local address, from this one up."),
         QStringLiteral("hex8")},
        {QStringLiteral("step"), QStringLiteral("Step between addresses (default 1)."),
         QStringLiteral("n"), QStringLiteral("1")},
        {QStringLiteral("local"),
         QStringLiteral("Give every module this local address (over the profile's); with more "
                        "than one module only with --same-local."),
         QStringLiteral("hex8")},
        {QStringLiteral("same-local"),
         QStringLiteral("One local address (the profile's or --local) for several modules is "
                        "meant.")},
        {QStringLiteral("store"),
         QStringLiteral("The production record: a file shared by the runs of this user "
                        "(default: $XDG_DATA_HOME/zomar/production.db, ~/.local/share/...; with "
                        "--simulate a temporary one), or postgresql://user@host[:port]/dbname "
                        "shared by the stations of a line (the password from ~/.pgpass or "
                        "PGPASSWORD, never in the address)."),
         QStringLiteral("store")},
        {QStringLiteral("station"),
         QStringLiteral("What the line calls this station (default: the host name); every row "
                        "carries it."),
         QStringLiteral("name")},
        {QStringLiteral("lease"),
         QStringLiteral("With a server: addresses taken at a time for this station (default "
                        "32); it goes on with them while the server cannot be reached."),
         QStringLiteral("n"), QString::number(StationRecord::kDefaultLease)},
        {QStringLiteral("log"),
         QStringLiteral("Also append a CSV row per module to FILE, after its record is "
                        "committed; a log of an earlier version is imported once."),
         QStringLiteral("file.csv")},
        {QStringLiteral("operator"),
         QStringLiteral("Who plugs the modules in; every row carries the name."),
         QStringLiteral("name")},
        {QStringLiteral("wait"),
         QStringLiteral("Station mode: program each module whose port appears, until Ctrl+C.")},
        {QStringLiteral("watch"),
         QStringLiteral("With --wait: watch this folder of device links (e.g. "
                        "/dev/serial/by-path) instead of the system's ports."),
         QStringLiteral("folder")},
    });
    p.addOptions(ProgramLabels::options());
    p.addOption(ProgramSerials::option());
}

std::optional<int> refuse(Cli &cli, int code, const QString &message)
{
    cli.fail(code, message + QStringLiteral("; nothing was sent"));
    return cli.exitCode();
}

// The run's setup from the options: nullopt when they make sense, else the
// exit code, the refusal told.
std::optional<int> readSetup(Cli &cli, LineSetup &setup, QString &operatorName)
{
    const QCommandLineParser &p = cli.parser;
    setup.profilePath = p.value(QStringLiteral("profile"));
    setup.sameLocal = p.isSet(QStringLiteral("same-local"));
    setup.baud = cli.baud();
    setup.program = QStringLiteral("zomar-cli %1").arg(QString::fromLatin1(kVersionText));
    for (const QString &option : {QStringLiteral("local-from"), QStringLiteral("local")}) {
        if (!p.isSet(option))
            continue;
        const Parsed<quint32> address = parseAddressValue(p.value(option));
        if (!address)
            return refuse(cli, exit_codes::InvalidValue,
                          QStringLiteral("--%1 %2: %3").arg(option, p.value(option),
                                                            address.problem));
        (option == QLatin1String("local") ? setup.fixedLocal : setup.localFrom) = address.value;
    }
    bool ok = false;
    setup.step = p.value(QStringLiteral("step")).toUInt(&ok);
    if (!ok || setup.step < 1)
        return refuse(cli, exit_codes::InvalidValue,
                      QStringLiteral("--step %1: a whole number of 1 or more")
                          .arg(p.value(QStringLiteral("step"))));
    if (setup.fixedLocal && setup.localFrom)
        return refuse(cli, exit_codes::BadCommandLine,
                      QStringLiteral("give --local or --local-from, not both"));
    setup.lease = p.value(QStringLiteral("lease")).toInt(&ok);
    if (!ok || setup.lease < 1 || setup.lease > 100000)
        return refuse(cli, exit_codes::InvalidValue,
                      QStringLiteral("--lease %1: a whole number from 1 to 100000")
                          .arg(p.value(QStringLiteral("lease"))));
    setup.station = p.value(QStringLiteral("station")).trimmed();
    if (p.isSet(QStringLiteral("station")) && setup.station.isEmpty())
        return refuse(cli, exit_codes::BadCommandLine, QStringLiteral("--station needs a name"));
    operatorName = p.value(QStringLiteral("operator")).simplified();
    if (p.isSet(QStringLiteral("operator")) && operatorName.isEmpty())
        return refuse(cli, exit_codes::BadCommandLine, QStringLiteral("--operator needs a name"));
    if (ProductionRun::hasControlCharacter(operatorName))
        return refuse(cli, exit_codes::BadCommandLine,
                      QStringLiteral("--operator may not hold a control character"));
    return std::nullopt;
}

// Each module once: two names of one device would be two sessions on it.
bool namedOnce(Cli &cli)
{
    QSet<QString> unique;
    for (const QString &device : cli.devices()) {
        // A slot not plugged in yet has no canonical path: its name stands for it.
        const QString canonical = SerialLink::canonicalDevice(device);
        const QString key = canonical.isEmpty() ? device : canonical;
        if (unique.contains(key)) {
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("%1 is named twice (one module, one session)").arg(device));
            return false;
        }
        unique.insert(key);
    }
    return true;
}

// What the run found before it starts: where its record is, what it
// imported, what an interrupted run left, which address is next.
void tellRecord(Cli &cli, ProductionRun &run, const LineSetup &setup)
{
    const QCommandLineParser &p = cli.parser;
    if (!p.isSet(QStringLiteral("store")) && !cli.simulated().empty())
        cli.err(QStringLiteral("Virtual modules: the record is kept in a temporary store (give "
                               "--store to keep it)."));
    if (run.importedRows() > 0)
        cli.err(QStringLiteral("Imported %1 row(s) of the earlier log %2 into the store %3; the "
                               "log now has the columns state and unit_id.")
                    .arg(run.importedRows())
                    .arg(setup.log, setup.store));
    if (const StationState station = run.stationState(); station.leased && !cli.json())
        cli.err(QStringLiteral("Station %1 on %2 (%3); its rows go to its journal %4 first.")
                    .arg(run.station(), setup.store, station.summary(), run.journalPath()));
    if (run.interruptedUnits() > 0)
        cli.err(QStringLiteral("%1 of an interrupted run %2 an unknown state: check them with "
                               "`zomar-cli verify` (`zomar-cli records unknown` lists them).")
                    .arg(modulesText(run.interruptedUnits()), run.interruptedUnits() == 1
                                                                  ? QStringLiteral("has")
                                                                  : QStringLiteral("have")));
    // What is really next: a range may have moved on, or hold addresses given
    // back. Not said when it cannot be told (another run takes from the same
    // range, a server's lease).
    if (const std::optional<PoolState> &pool = run.pool(); pool && pool->held > 0) {
        if (const std::optional<quint32> next = run.nextAddress())
            cli.err(QStringLiteral("Next local address %1 (%2 of this range taken before, in "
                                   "the store %3)")
                        .arg(addressHex(*next))
                        .arg(pool->held)
                        .arg(setup.store));
    }
}

// Starts the modules plugged in; in station mode the empty slots and any new
// port wait for theirs.
void startModules(Cli &cli, ProgramSession &session, bool wait)
{
    ProductionRun &run = session.run;
    QStringList present;
    for (const QString &device : cli.devices()) {
        // In station mode a named slot that is empty waits: its module is
        // programmed when it appears, as any new port is.
        if (wait && !QFileInfo::exists(device)) {
            if (!cli.json())
                cli.out(QStringLiteral("%1: nothing plugged in yet; waiting for it").arg(device));
            continue;
        }
        present << device;
    }
    run.start(present);
    if (wait) {
        session.watch(cli.parser.value(QStringLiteral("watch")));
        if (!cli.json())
            cli.out(QStringLiteral("Station ready: plug in a module (Ctrl+C ends)."));
    }
}

} // namespace

std::optional<int> runProgram(Cli &cli)
{
    QCommandLineParser &p = cli.parser;
    addProgramOptions(p);
    if (!cli.parse(Cli::PortOptions | Cli::BandOption | Cli::JsonOption | Cli::ManyDevices |
                   Cli::RegionOption))
        return cli.exitCode();
    if (!p.isSet(QStringLiteral("profile"))) {
        cli.fail(exit_codes::BadCommandLine, QStringLiteral("name the --profile to program"));
        return cli.exitCode();
    }
    LineSetup setup;
    QString operatorName;
    if (const std::optional<int> refused = readSetup(cli, setup, operatorName))
        return refused;

    const bool wait = p.isSet(QStringLiteral("wait"));
    if (!cli.resolveDevices(!wait) || !namedOnce(cli))
        return cli.exitCode();
    setup.modules = static_cast<int>(cli.devices().size());
    setup.openEnded = wait;
    setup.log = p.value(QStringLiteral("log"));

    std::unique_ptr<ProgramLabels> labels;
    if (!ProgramLabels::fromOptions(cli, &labels))
        return cli.exitCode();
    std::unique_ptr<ProgramSerials> serials;
    if (!ProgramSerials::fromOptions(cli, &serials))
        return cli.exitCode();
    auto *session = new ProgramSession(cli, wait);
    session->expected = setup.modules;
    if (p.isSet(QStringLiteral("store"))) {
        setup.store = p.value(QStringLiteral("store"));
    } else if (!cli.simulated().empty()) {
        // Trying the flow on virtual modules takes no address of the real line.
        setup.store = session->simulatedStore.filePath(QStringLiteral("production.db"));
    } else {
        setup.store = ProductionStore::defaultLocation();
    }
    // Station mode programs whatever appears: one such run per folder (or
    // per PC, watching its serial ports), and none beside a station window
    // on the same sockets.
    if (wait) {
        ClaimConflict conflict;
        QString error;
        session->claim = SocketClaim::take(
            {setup.program, QString(), p.value(QStringLiteral("watch")), QStringList(), true},
            &conflict, &error);
        if (!session->claim)
            return refuse(cli, exit_codes::BadCommandLine, conflict ? conflict.text() : error);
    }
    const SetupRefusal refused = session->run.open(setup);
    if (refused) {
        QString message = refused.message;
        if (refused.kind == SetupRefusal::FixedLocal)
            message += QStringLiteral(": give --local-from for an address each, or --same-local "
                                      "if one address for all is meant");
        return refuse(cli, exitCodeOf(refused.kind), message);
    }

    ProductionRun &run = session->run;
    tellRecord(cli, run, setup);
    if (labels) {
        labels->attach(run, setup.store);
        QObject::connect(labels.get(), &ProgramLabels::told, session,
                         [session] { session->endIfDone(); });
        session->labels = std::move(labels);
    }
    if (serials) {
        serials->attach(run, setup.store);
        QObject::connect(serials.get(), &ProgramSerials::settled, session,
                         &ProgramSession::settled);
        session->serials = std::move(serials);
    }
    run.setOperatorName(operatorName);
    session->band = p.isSet(QStringLiteral("band")) ? cli.band()
                                                    : run.profile().band.value_or(cli.band());
    // Every module gets the profile's channel: advise on it once.
    session->antennaGain = run.profile().antennaGainDbi;
    cli.printBandAdvice(cli.bandAdviceFor(run.profile(), session->band));
    run.programmer()->setLinkHook(
        [&cli](SerialLink &link, const QString &d) { cli.trace(link, d); });
    // Without a serial to wait for, a label is drawn while its module is
    // written and verified, and only written once the module passes.
    if (session->labels && !session->serials)
        QObject::connect(run.programmer(), &LineProgrammer::blockWriting, session->labels.get(),
                         [session](const ModuleOutcome &o) {
                             session->labels->writing(o, session->band, session->run.station());
                         });
    session->connectRun();
    startModules(cli, *session, wait);
    return std::nullopt;
}

} // namespace zomar
