#include "apps/zomar-cli/ProgramCommand.h"

#include "apps/zomar-cli/BlockReport.h"
#include "apps/zomar-cli/InterruptWatch.h"
#include "apps/zomar-cli/ProgramLabels.h"
#include "core/Version.h"
#include "core/fleet/PortWatcher.h"
#include "core/fleet/ProductionRun.h"
#include "core/link/SerialLink.h"
#include "core/protocol/FieldValues.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>

#include <unistd.h>

namespace zomar {

namespace {

QString modules(int count)
{
    return count == 1 ? QStringLiteral("1 module") : QStringLiteral("%1 modules").arg(count);
}

// One run of the command: the production run, the station's watcher, the
// counts, and the end of the run with the exit code of its worst failure.
class ProgramSession : public QObject
{
public:
    ProgramSession(Cli &cli, bool wait) : QObject(&cli), m_cli(cli), m_wait(wait)
    {
        m_colour = ::isatty(STDOUT_FILENO) == 1;
    }

    QTemporaryDir simulatedStore; // --simulate without --store: nothing is kept
    Band band = Band::None;       // the band a written channel is advised on
    std::optional<double> antennaGain; // the profile's, for the advice's e.r.p.
    ProductionRun run;            // closed before the folder of its store goes
    int expected = 0;             // without --wait: the named modules
    std::unique_ptr<ProgramLabels> labels; // --label

    ~ProgramSession() override { labels.reset(); } // labels asked for are printed
    void connectRun()
    {
        connect(&run, &ProductionRun::moduleFinished, this,
                [this](const ModuleOutcome &o) { report(o); });
        // A station of a shared server says when it loses the server and when
        // it has it back; while offline every module's line says so too.
        connect(&run, &ProductionRun::stationChanged, this, [this](const StationState &s) {
            if (s.releasedRun != m_released) {
                m_released = s.releasedRun;
                m_cli.err(QStringLiteral("The server says run %1 of this station was released "
                                         "from elsewhere: the rest of its lease is retired and "
                                         "no longer used; a new run took a new lease (%2).")
                              .arg(s.releasedRun)
                              .arg(s.summary()));
            }
            if (s.online == m_online)
                return;
            m_online = s.online;
            m_cli.err(s.online ? QStringLiteral("The server answers again (%1).").arg(s.summary())
                               : QStringLiteral("The server cannot be reached (%1): going on with "
                                                "this station's lease (%2).")
                                     .arg(s.problem, s.summary()));
        });
        connect(&run, &ProductionRun::recordFailed, this, [this](const QString &error) {
            m_cli.err(QStringLiteral("zomar-cli program: the store cannot be written (%1): no "
                                     "new module starts; %2 in flight finish.")
                          .arg(error, modules(run.programmer()->inFlight())));
            stop();
        });
        auto *interrupts = new InterruptWatch(this);
        connect(interrupts, &InterruptWatch::interrupted, this, [this](int) {
            if (!m_stopping && run.programmer()->inFlight() > 0)
                m_cli.err(QStringLiteral("Stopping: %1 in flight finish first.")
                              .arg(modules(run.programmer()->inFlight())));
            stop();
        });
    }

    void watch(const QString &folder)
    {
        m_watcher = new PortWatcher(folder, this);
        connect(m_watcher, &PortWatcher::appeared, this, [this](ModuleJob job) {
            if (m_stopping)
                return;
            if (job.usbSerial.isEmpty())
                job.usbSerial = ProductionRun::jobFor(job.device, PortCatalog::scan()).usbSerial;
            run.program(job);
        });
        // A module pulled out before it was written to is not written to
        // later, whatever its name then leads to.
        connect(m_watcher, &PortWatcher::disappeared, this, [this](const QString &device) {
            if (run.programmer())
                run.programmer()->cancel(device);
        });
        m_watcher->start();
    }

    void endIfDone()
    {
        const bool allDone = m_wait ? m_stopping : m_passed + m_failed >= expected;
        if (!allDone || run.programmer()->inFlight() > 0 || (labels && labels->pending() > 0))
            return;
        const QString closing = run.close();
        if (!closing.isEmpty())
            m_cli.err(QStringLiteral("zomar-cli program: the end of the run is not in the store: "
                                     "%1")
                          .arg(closing));
        if (!m_cli.json())
            m_cli.out(QStringLiteral("%1: %2 PASS, %3 FAIL")
                          .arg(modules(m_passed + m_failed))
                          .arg(m_passed)
                          .arg(m_failed));
        m_cli.finish(exitCodeOf(m_worst));
    }

private:
    void report(const ModuleOutcome &o)
    {
        o.pass ? ++m_passed : ++m_failed;
        // The run's exit code is that of its worst failure: a lost port or an
        // unrecorded row, then a wrong block, then silence, then a refused value.
        m_worst = std::max(m_worst, o.failure);
        if (labels)
            labels->passed(o, band, run.station());
        QString message = o.message;
        if (!o.recordError.isEmpty())
            message += QStringLiteral("; not recorded in the store: %1").arg(o.recordError);
        if (!o.logError.isEmpty())
            message += QStringLiteral("; not in the log: %1").arg(o.logError);
        const StationState station = run.stationState();
        if (m_cli.json()) {
            QJsonObject line{
                 {QStringLiteral("device"), o.job.device},
                 {QStringLiteral("by_id"), o.job.byId},
                 {QStringLiteral("by_path"), o.job.byPath},
                 {QStringLiteral("usb_serial"), o.job.usbSerial},
                 {QStringLiteral("unit_id"), o.unitId},
                 {QStringLiteral("local"), o.local ? addressHex(*o.local) : QString()},
                 {QStringLiteral("result"),
                  o.pass ? QStringLiteral("PASS") : QStringLiteral("FAIL")},
                 {QStringLiteral("exit_code"), exitCodeOf(o.failure)},
                 {QStringLiteral("before"), o.before ? blockHex(o.before->toBytes()) : QString()},
                 {QStringLiteral("written"),
                  o.written ? blockHex(o.written->toBytes()) : QString()},
                 {QStringLiteral("read_back"),
                  o.readBack ? blockHex(o.readBack->toBytes()) : QString()},
                 {QStringLiteral("band_advice"),
                  BlockReport::bandAdvice(
                      o.written ? m_cli.bandAdviceFor(band, *o.written, antennaGain)
                                : BandAdvice{})},
                 {QStringLiteral("message"), message}};
            if (station.leased)
                line.insert(QStringLiteral("station"),
                            QJsonObject{{QStringLiteral("online"), station.online},
                                        {QStringLiteral("addresses_left"), station.addressesLeft},
                                        {QStringLiteral("rows_waiting"), station.rowsWaiting},
                                        {QStringLiteral("released_run"), station.releasedRun}});
            m_cli.printJson(line);
        } else {
            const QString serial = o.job.usbSerial.isEmpty()
                                       ? QString()
                                       : QStringLiteral("  serial %1").arg(o.job.usbSerial);
            const QString local =
                o.local ? QStringLiteral("  local %1").arg(addressHex(*o.local)) : QString();
            // The slot (the hub's socket) when the device was named otherwise.
            const QString slot = o.job.byPath.isEmpty() || o.job.byPath == o.job.device
                                     ? QString()
                                     : QStringLiteral("  slot %1").arg(o.job.byPath);
            if (m_wait)
                banner(o.pass, o.job.byPath.isEmpty() ? o.job.device : o.job.byPath);
            const QString offline = station.worthSaying()
                                        ? QStringLiteral("  (%1)").arg(station.summary())
                                        : QString();
            m_cli.out(QStringLiteral("%1  %2%3%4%5  %6%7")
                          .arg(o.pass ? QStringLiteral("PASS") : QStringLiteral("FAIL"),
                               o.job.device, slot, serial, local, message, offline));
        }
        if (m_wait && !m_stopping)
            m_cli.out(QStringLiteral("Unplug it; waiting for the next module (Ctrl+C ends)..."));
        endIfDone();
    }

    void banner(bool pass, const QString &where)
    {
        const QString word = pass ? QStringLiteral("PASS") : QStringLiteral("FAIL");
        const QString line = QStringLiteral("#################  %1  #################").arg(word);
        const QString on = !m_colour ? QString()
                           : pass    ? QStringLiteral("\033[1;30;42m")
                                     : QStringLiteral("\033[1;37;41m");
        const QString off = m_colour ? QStringLiteral("\033[0m") : QString();
        m_cli.out(QString());
        m_cli.out(on + line + off);
        m_cli.out(QStringLiteral("  %1").arg(where));
    }

    void stop()
    {
        m_stopping = true;
        expected = 0;
        if (m_watcher)
            m_watcher->stop();
        endIfDone();
    }

    Cli &m_cli;
    bool m_wait;
    bool m_colour = false;
    bool m_stopping = false;
    bool m_online = true;
    qint64 m_released = 0;
    int m_passed = 0;
    int m_failed = 0;
    ModuleOutcome::Failure m_worst = ModuleOutcome::None;
    PortWatcher *m_watcher = nullptr;
};

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

std::optional<int> runProgram(Cli &cli)
{
    QCommandLineParser &p = cli.parser;
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
    if (!cli.parse(Cli::PortOptions | Cli::BandOption | Cli::JsonOption | Cli::ManyDevices |
                   Cli::RegionOption))
        return cli.exitCode();
    if (!p.isSet(QStringLiteral("profile"))) {
        cli.fail(exit_codes::BadCommandLine, QStringLiteral("name the --profile to program"));
        return cli.exitCode();
    }
    const auto refuse = [&cli](int code, const QString &message) {
        cli.fail(code, message + QStringLiteral("; nothing was sent"));
        return cli.exitCode();
    };
    LineSetup setup;
    setup.profilePath = p.value(QStringLiteral("profile"));
    setup.sameLocal = p.isSet(QStringLiteral("same-local"));
    setup.baud = cli.baud();
    setup.program = QStringLiteral("zomar-cli %1").arg(QString::fromLatin1(kVersionText));
    for (const QString &option : {QStringLiteral("local-from"), QStringLiteral("local")}) {
        if (!p.isSet(option))
            continue;
        const Parsed<quint32> address = parseAddressValue(p.value(option));
        if (!address)
            return refuse(exit_codes::InvalidValue,
                          QStringLiteral("--%1 %2: %3").arg(option, p.value(option),
                                                            address.problem));
        (option == QLatin1String("local") ? setup.fixedLocal : setup.localFrom) = address.value;
    }
    bool ok = false;
    setup.step = p.value(QStringLiteral("step")).toUInt(&ok);
    if (!ok || setup.step < 1)
        return refuse(exit_codes::InvalidValue,
                      QStringLiteral("--step %1: a whole number of 1 or more")
                          .arg(p.value(QStringLiteral("step"))));
    if (setup.fixedLocal && setup.localFrom)
        return refuse(exit_codes::BadCommandLine,
                      QStringLiteral("give --local or --local-from, not both"));
    setup.lease = p.value(QStringLiteral("lease")).toInt(&ok);
    if (!ok || setup.lease < 1 || setup.lease > 100000)
        return refuse(exit_codes::InvalidValue,
                      QStringLiteral("--lease %1: a whole number from 1 to 100000")
                          .arg(p.value(QStringLiteral("lease"))));
    setup.station = p.value(QStringLiteral("station")).trimmed();
    if (p.isSet(QStringLiteral("station")) && setup.station.isEmpty())
        return refuse(exit_codes::BadCommandLine, QStringLiteral("--station needs a name"));
    const QString operatorName = p.value(QStringLiteral("operator")).simplified();
    if (p.isSet(QStringLiteral("operator")) && operatorName.isEmpty())
        return refuse(exit_codes::BadCommandLine, QStringLiteral("--operator needs a name"));
    if (ProductionRun::hasControlCharacter(operatorName))
        return refuse(exit_codes::BadCommandLine,
                      QStringLiteral("--operator may not hold a control character"));

    const bool wait = p.isSet(QStringLiteral("wait"));
    if (!cli.resolveDevices(!wait))
        return cli.exitCode();
    QSet<QString> unique;
    for (const QString &device : cli.devices()) {
        // A slot not plugged in yet has no canonical path: its name stands for it.
        const QString canonical = SerialLink::canonicalDevice(device);
        const QString key = canonical.isEmpty() ? device : canonical;
        if (unique.contains(key)) {
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("%1 is named twice (one module, one session)").arg(device));
            return cli.exitCode();
        }
        unique.insert(key);
    }
    setup.modules = static_cast<int>(cli.devices().size());
    setup.openEnded = wait;
    setup.log = p.value(QStringLiteral("log"));

    std::unique_ptr<ProgramLabels> labels;
    if (!ProgramLabels::fromOptions(cli, &labels))
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
    const SetupRefusal refused = session->run.open(setup);
    if (refused) {
        QString message = refused.message;
        if (refused.kind == SetupRefusal::FixedLocal)
            message += QStringLiteral(": give --local-from for an address each, or --same-local "
                                      "if one address for all is meant");
        return refuse(exitCodeOf(refused.kind), message);
    }

    ProductionRun &run = session->run;
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
                    .arg(modules(run.interruptedUnits()),
                         run.interruptedUnits() == 1 ? QStringLiteral("has")
                                                     : QStringLiteral("have")));
    // What is really next: a range may have moved on, or hold addresses given back.
    if (const std::optional<PoolState> &pool = run.pool(); pool && pool->held > 0) {
        if (const std::optional<quint32> next = pool->nextAddress())
            cli.err(QStringLiteral("Next local address %1 (%2 of this range taken before, in "
                                   "the store %3)")
                        .arg(addressHex(*next))
                        .arg(pool->held)
                        .arg(setup.store));
    }

    if (labels) {
        labels->attach(run, setup.store);
        QObject::connect(labels.get(), &ProgramLabels::told, session,
                         [session] { session->endIfDone(); });
        session->labels = std::move(labels);
    }
    run.setOperatorName(operatorName);
    session->band = p.isSet(QStringLiteral("band")) ? cli.band()
                                                    : run.profile().band.value_or(cli.band());
    // Every module gets the profile's channel: advise on it once.
    session->antennaGain = run.profile().antennaGainDbi;
    cli.printBandAdvice(cli.bandAdviceFor(run.profile(), session->band));
    run.programmer()->setLinkHook(
        [&cli](SerialLink &link, const QString &d) { cli.trace(link, d); });
    session->connectRun();
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
        session->watch(p.value(QStringLiteral("watch")));
        if (!cli.json())
            cli.out(QStringLiteral("Station ready: plug in a module (Ctrl+C ends)."));
    }
    return std::nullopt;
}

} // namespace zomar
