#include "apps/zomar-cli/ProgramCommand.h"

#include "apps/zomar-cli/BlockReport.h"
#include "apps/zomar-cli/FieldOptions.h"
#include "apps/zomar-cli/InterruptWatch.h"
#include "core/fleet/AddressAllocator.h"
#include "core/fleet/LineProgrammer.h"
#include "core/fleet/PortWatcher.h"
#include "core/link/PortCatalog.h"
#include "core/link/SerialLink.h"
#include "core/protocol/FieldValues.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QSet>

#include <unistd.h>

namespace zomar {

namespace {

struct Station {
    Cli &cli;
    Band band = Band::None; // the band a written channel is advised on
    bool wait = false;
    bool colour = false;
    bool stopping = false;
    int passed = 0;
    int failed = 0;
    // The run's exit code is that of its worst failure: a lost port or an
    // unrecorded row, then a wrong block, then silence, then a refused value.
    ModuleOutcome::Failure worst = ModuleOutcome::None;
    LineProgrammer *programmer = nullptr;
    PortWatcher *watcher = nullptr;
    int expected = 0; // without --wait: the named modules

    void report(const ModuleOutcome &o)
    {
        o.pass ? ++passed : ++failed;
        worst = std::max(worst, o.failure);
        const QString message =
            o.logError.isEmpty() ? o.message : QStringLiteral("%1; %2").arg(o.message, o.logError);
        if (cli.json()) {
            cli.printJson(
                {{QStringLiteral("device"), o.job.device},
                 {QStringLiteral("by_id"), o.job.byId},
                 {QStringLiteral("by_path"), o.job.byPath},
                 {QStringLiteral("usb_serial"), o.job.usbSerial},
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
                  BlockReport::bandAdvice(o.written ? cli.bandAdviceFor(band, o.written->channel)
                                                    : BandAdvice{})},
                 {QStringLiteral("message"), message}});
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
            if (wait)
                banner(o.pass, o.job.byPath.isEmpty() ? o.job.device : o.job.byPath);
            cli.out(QStringLiteral("%1  %2%3%4%5  %6")
                        .arg(o.pass ? QStringLiteral("PASS") : QStringLiteral("FAIL"), o.job.device,
                             slot, serial, local, message));
        }
        if (wait && !stopping)
            cli.out(QStringLiteral("Unplug it; waiting for the next module (Ctrl+C ends)..."));
        endIfDone();
    }

    void banner(bool pass, const QString &where)
    {
        const QString word = pass ? QStringLiteral("PASS") : QStringLiteral("FAIL");
        const QString line = QStringLiteral("#################  %1  #################").arg(word);
        const QString on = !colour ? QString()
                           : pass  ? QStringLiteral("\033[1;30;42m")
                                   : QStringLiteral("\033[1;37;41m");
        const QString off = colour ? QStringLiteral("\033[0m") : QString();
        cli.out(QString());
        cli.out(on + line + off);
        cli.out(QStringLiteral("  %1").arg(where));
    }

    void endIfDone()
    {
        const bool allDone = wait ? stopping : passed + failed >= expected;
        if (!allDone || programmer->inFlight() > 0)
            return;
        if (!cli.json())
            cli.out(QStringLiteral("%1 module(s): %2 PASS, %3 FAIL")
                        .arg(passed + failed)
                        .arg(passed)
                        .arg(failed));
        cli.finish(exitCodeOf(worst));
    }

    void interrupt()
    {
        if (!stopping && programmer->inFlight() > 0)
            cli.err(QStringLiteral("Stopping: %1 module(s) in flight finish first.")
                        .arg(programmer->inFlight()));
        stopping = true;
        expected = 0;
        if (watcher)
            watcher->stop();
        endIfDone();
    }
};

ModuleJob jobFor(const QString &device)
{
    const QString canonical = SerialLink::canonicalDevice(device);
    ModuleJob job{device, PortCatalog::byIdName(canonical), PortCatalog::byPathName(canonical), {}};
    for (const SystemPort &port : PortCatalog::scan())
        if (port.device == canonical)
            job.usbSerial = port.serialNumber;
    return job;
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
        {QStringLiteral("log"),
         QStringLiteral("Append a CSV row per module to FILE; a new run resumes the addresses "
                        "after the highest it holds for the profile."),
         QStringLiteral("file.csv")},
        {QStringLiteral("wait"),
         QStringLiteral("Station mode: program each module whose port appears, until Ctrl+C.")},
        {QStringLiteral("watch"),
         QStringLiteral("With --wait: watch this folder of device links (e.g. "
                        "/dev/serial/by-path) instead of the system's ports."),
         QStringLiteral("folder")},
    });
    if (!cli.parse(Cli::PortOptions | Cli::BandOption | Cli::JsonOption | Cli::ManyDevices |
                   Cli::RegionOption))
        return cli.exitCode();
    if (!p.isSet(QStringLiteral("profile"))) {
        cli.fail(exit_codes::BadCommandLine, QStringLiteral("name the --profile to program"));
        return cli.exitCode();
    }
    const std::optional<Profile> profile = FieldOptions::readProfileOption(cli);
    if (!profile)
        return cli.exitCode();
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

    static std::unique_ptr<AddressAllocator> allocator;
    if (p.isSet(QStringLiteral("local-from"))) {
        const Parsed<quint32> from = parseAddressValue(p.value(QStringLiteral("local-from")));
        bool ok = false;
        const uint step = p.value(QStringLiteral("step")).toUInt(&ok);
        if (!from || !ok || step < 1) {
            cli.fail(exit_codes::InvalidValue,
                     !from ? QStringLiteral("--local-from %1: %2; nothing was sent")
                                 .arg(p.value(QStringLiteral("local-from")), from.problem)
                           : QStringLiteral("--step %1: a whole number of 1 or more; nothing "
                                            "was sent")
                                 .arg(p.value(QStringLiteral("step"))));
            return cli.exitCode();
        }
        allocator = std::make_unique<AddressAllocator>(*from.value, step);
    }

    // The log names the profile by its full path, so runs from other folders match.
    const QString profilePath = QFileInfo(p.value(QStringLiteral("profile"))).absoluteFilePath();
    QFile profileFile(profilePath);
    profileFile.open(QIODevice::ReadOnly);
    const QString sha = QString::fromLatin1(
        QCryptographicHash::hash(profileFile.readAll(), QCryptographicHash::Sha256).toHex());
    static ProgramLog log;
    const bool logging = p.isSet(QStringLiteral("log"));
    if (logging) {
        const QString path = p.value(QStringLiteral("log"));
        QString error;
        const std::optional<quint32> highest =
            ProgramLog::highestLocal(path, sha, profilePath, &error);
        if (error.isEmpty())
            error = log.open(path);
        if (!error.isEmpty()) {
            cli.fail(exit_codes::BadCommandLine, error + QStringLiteral("; nothing was sent"));
            return cli.exitCode();
        }
        if (highest && allocator) {
            allocator->resumeAfter(*highest);
            if (!cli.json())
                cli.err(QStringLiteral("Resuming after local address %1 from %2")
                            .arg(addressHex(*highest), path));
        }
    }
    if (allocator && !allocator->canHandOut(static_cast<int>(cli.devices().size()))) {
        cli.fail(exit_codes::InvalidValue,
                 QStringLiteral("%1 modules from local address %2 would pass FFFFFFFF; nothing "
                                "was sent")
                     .arg(cli.devices().size())
                     .arg(addressHex(allocator->next())));
        return cli.exitCode();
    }

    auto *programmer = new LineProgrammer(*profile, cli.baud(), &cli);
    programmer->setAllocator(allocator.get());
    if (logging)
        programmer->setLog(&log, profilePath, sha);
    programmer->setLinkHook([&cli](SerialLink &link, const QString &d) { cli.trace(link, d); });
    auto station = std::make_shared<Station>(Station{cli});
    station->band =
        p.isSet(QStringLiteral("band")) ? cli.band() : profile->band.value_or(cli.band());
    station->wait = wait;
    // Every module gets the profile's channel: advise on it once.
    if (profile->channel)
        cli.printBandAdvice(cli.bandAdviceFor(station->band, *profile->channel));
    station->colour = ::isatty(STDOUT_FILENO) == 1;
    station->programmer = programmer;
    station->expected = static_cast<int>(cli.devices().size());
    QObject::connect(programmer, &LineProgrammer::moduleFinished, &cli,
                     [station](const ModuleOutcome &o) { station->report(o); });
    auto *interrupts = new InterruptWatch(&cli);
    QObject::connect(interrupts, &InterruptWatch::interrupted, &cli,
                     [station](int) { station->interrupt(); });

    for (const QString &device : cli.devices()) {
        // In station mode a named slot that is empty waits: its module is
        // programmed when it appears, as any new port is.
        if (wait && !QFileInfo::exists(device)) {
            if (!cli.json())
                cli.out(QStringLiteral("%1: nothing plugged in yet; waiting for it").arg(device));
            continue;
        }
        programmer->program(jobFor(device));
    }
    if (wait) {
        station->watcher = new PortWatcher(p.value(QStringLiteral("watch")), &cli);
        QObject::connect(station->watcher, &PortWatcher::appeared, &cli, [station](ModuleJob job) {
            if (station->stopping)
                return;
            if (job.usbSerial.isEmpty())
                job.usbSerial = jobFor(job.device).usbSerial;
            station->programmer->program(job);
        });
        station->watcher->start();
        if (!cli.json())
            cli.out(QStringLiteral("Station ready: plug in a module (Ctrl+C ends)."));
    }
    return std::nullopt;
}

} // namespace zomar
