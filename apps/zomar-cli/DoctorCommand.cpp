#include "apps/zomar-cli/DoctorCommand.h"

#include "core/store/PostgresBackend.h"

#include "core/store/RunIdentity.h"
#include "core/sharedstore/StoreDiagnosis.h"
#include "core/link/PortHolders.h"
#include "core/link/PortResolver.h"
#include "core/link/SerialLink.h"
#include "core/protocol/FieldValues.h"
#include "core/protocol/ModuleFinder.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <grp.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zomar {

namespace {

// Whether this session's process is in the group (not only the user's entry
// in /etc/group, which takes effect at the next login).
bool sessionInGroup(const QString &group)
{
    const struct group *g = ::getgrnam(qPrintable(group));
    if (!g)
        return false;
    if (::getegid() == g->gr_gid)
        return true;
    gid_t groups[256];
    const int n = ::getgroups(256, groups);
    for (int i = 0; i < n; ++i)
        if (groups[i] == g->gr_gid)
            return true;
    return false;
}

// Each check as a line, or with --json as one object for the whole run:
// {"devices": [{"device", "checks": [{"result": "ok"|"fail"|"note", "text",
// "todo"}]}]}.
struct Doctor {
    Cli &cli;
    int problems = 0;
    QStringList inUse; // "DEVICE is in use by cat (pid 4121)"
    QJsonArray devices;
    int current = -1; // with --json: the entry of the device being checked

    // The checks that follow are the device's.
    void device(const QString &path)
    {
        if (!cli.json()) {
            cli.out(QStringLiteral("%1:").arg(path));
            return;
        }
        for (current = 0; current < devices.size(); ++current)
            if (devices.at(current)[QStringLiteral("device")].toString() == path)
                return;
        devices.append(QJsonObject{{QStringLiteral("device"), path},
                                   {QStringLiteral("checks"), QJsonArray()}});
    }
    // result: "ok", "FAIL" or "note".
    void check(const QString &result, const QString &text, const QString &todo = {})
    {
        if (!cli.json()) {
            cli.out(QStringLiteral("  %1  %2").arg(result, -4).arg(text));
            if (!todo.isEmpty())
                cli.out(QStringLiteral("        -> ") + todo);
            return;
        }
        QJsonObject c{{QStringLiteral("result"), result.toLower()}, {QStringLiteral("text"), text}};
        if (!todo.isEmpty())
            c.insert(QStringLiteral("todo"), todo);
        QJsonObject entry = devices.at(current).toObject();
        QJsonArray checks = entry.value(QStringLiteral("checks")).toArray();
        checks.append(c);
        entry.insert(QStringLiteral("checks"), checks);
        devices.replace(current, entry);
    }
    void ok(const QString &text) { check(QStringLiteral("ok"), text); }
    void bad(const QString &text, const QString &todo)
    {
        ++problems;
        check(QStringLiteral("FAIL"), text, todo);
    }
    void note(const QString &text) { check(QStringLiteral("note"), text); }
    // Ends the run; with --json the report is the one document, and an
    // error's too when code is not 0.
    void end(int code, const QString &summary)
    {
        const QJsonObject report{{QStringLiteral("devices"), devices},
                                 {QStringLiteral("problems"), problems}};
        if (code == exit_codes::Done) {
            if (cli.json())
                cli.printJson(report);
            cli.finish(code);
        } else if (cli.json()) {
            cli.fail(code, summary, report);
        } else {
            cli.finish(code);
        }
    }

    // The checks that need no port opened; false when the port cannot be tried.
    bool checkDevice(const QString &path)
    {
        device(path);
        const QString &device = path;
        const QFileInfo info(device);
        if (!info.exists()) {
            bad(QStringLiteral("the device does not exist"),
                QStringLiteral("plug the adapter in and check its cable; 'zomar-cli ports' "
                               "lists the ports this system has"));
            return false;
        }
        const QString canonical = SerialLink::canonicalDevice(device);
        ok(canonical == device ? QStringLiteral("the device exists")
                               : QStringLiteral("the device exists (%1)").arg(canonical));
        const QString notTerminal = SerialLink::notATerminalReason(canonical);
        if (!notTerminal.isEmpty()) {
            bad(notTerminal, QStringLiteral("name the serial device itself, e.g. /dev/ttyUSB0"));
            return false;
        }
        ok(QStringLiteral("it is a serial terminal device"));
        const QString group = SerialLink::deviceGroup(canonical);
        if (::access(qPrintable(canonical), R_OK | W_OK) != 0) {
            const QString why = QString::fromLocal8Bit(std::strerror(errno));
            if (!group.isEmpty() && !sessionInGroup(group))
                bad(QStringLiteral("you may not open it (%1): it belongs to the group '%2', "
                                   "which this session is not in")
                        .arg(why, group),
                    QStringLiteral("sudo adduser %1 %2, then log out and in again")
                        .arg(QString::fromLocal8Bit(qgetenv("USER")), group));
            else
                bad(QStringLiteral("you may not open it: %1").arg(why),
                    QStringLiteral("check the device's permissions: ls -l %1").arg(canonical));
            return false;
        }
        ok(group.isEmpty() ? QStringLiteral("you may open it")
                           : QStringLiteral("you may open it (group '%1')").arg(group));
        const QStringList holders = portHolders(canonical);
        if (!holders.isEmpty()) {
            // Asking for command mode would garble the other program's
            // session, and its answers would be taken by it: the port is
            // not tried.
            const QString who = holders.join(QStringLiteral(", "));
            bad(QStringLiteral("in use by %1").arg(who),
                who.contains(QLatin1String("ModemManager"))
                    ? QStringLiteral("ModemManager probes new serial devices and garbles command "
                                     "mode: sudo systemctl stop ModemManager (or disable it)")
                    : QStringLiteral("close that program (a terminal left open?) and try again"));
            inUse << QStringLiteral("%1 is in use by %2").arg(device, who);
            return false;
        } else {
            ok(::geteuid() == 0 ? QStringLiteral("no other process holds it")
                                : QStringLiteral("no other process of yours holds it (run with "
                                                 "sudo to check every user's)"));
        }
        ok(QStringLiteral("the port is opened 8N1 with flow control off (no RTS/CTS, no "
                          "XON/XOFF), as the module expects"));
        return true;
    }
};

// doctor --store: the store's steps instead of the ports'.
int checkStore(Cli &cli, const QString &location, const QString &station)
{
    const QList<DiagnosisStep> steps = StoreDiagnosis::run(location, station);
    int problems = 0;
    QJsonArray checks;
    if (!cli.json())
        cli.out(QStringLiteral("%1:").arg(location));
    for (const DiagnosisStep &step : steps) {
        const QString result = step.result == DiagnosisStep::Ok     ? QStringLiteral("ok")
                               : step.result == DiagnosisStep::Fail ? QStringLiteral("FAIL")
                                                                    : QStringLiteral("note");
        problems += step.result == DiagnosisStep::Fail ? 1 : 0;
        if (cli.json()) {
            QJsonObject c{{QStringLiteral("result"), result.toLower()},
                          {QStringLiteral("text"), step.text}};
            if (!step.todo.isEmpty())
                c.insert(QStringLiteral("todo"), step.todo);
            checks.append(c);
            continue;
        }
        cli.out(QStringLiteral("  %1  %2").arg(result, -4).arg(step.text));
        if (!step.todo.isEmpty())
            cli.out(QStringLiteral("        -> ") + step.todo);
    }
    const QJsonObject report{{QStringLiteral("store"), location},
                             {QStringLiteral("checks"), checks},
                             {QStringLiteral("problems"), problems}};
    if (problems == 0) {
        if (cli.json())
            cli.printJson(report);
        return exit_codes::Done;
    }
    // The store a run would refuse: the exit code of that refusal.
    cli.fail(exit_codes::BadCommandLine,
             QStringLiteral("the store %1 cannot be used (%2 problem(s) found)")
                 .arg(location)
                 .arg(problems),
             cli.json() ? report : QJsonObject());
    return exit_codes::BadCommandLine;
}

} // namespace

std::optional<int> runDoctor(Cli &cli)
{
    cli.parser.addOptions({
        {QStringLiteral("store"),
         QStringLiteral("Check a production store instead of the ports: a file, or "
                        "postgresql://user@host[:port]/dbname (driver, server, login, schema, "
                        "rights, this station's journal)."),
         QStringLiteral("store")},
        {QStringLiteral("station"),
         QStringLiteral("With --store: the station whose journal is looked at (default: the "
                        "host name)."),
         QStringLiteral("name")},
    });
    if (!cli.parse(Cli::PortOptions | Cli::BandOption | Cli::JsonOption) ||
        !cli.resolveDevices(false))
        return cli.exitCode();
    if (cli.parser.isSet(QStringLiteral("store"))) {
        const QString location = cli.parser.value(QStringLiteral("store"));
        // An address with a password is refused as a run refuses it, before
        // it is printed anywhere (the refusal shows it masked).
        QString refused;
        if (PgAddress::isServerLocation(location) && !PgAddress::parse(location, &refused)) {
            cli.fail(exit_codes::BadCommandLine, refused);
            return cli.exitCode();
        }
        const QString station = cli.parser.value(QStringLiteral("station")).trimmed();
        return checkStore(cli, location, station.isEmpty() ? RunIdentity::hostName() : station);
    }
    const QStringList devices = cli.devicesOrSystemPorts();
    auto doctor = std::make_shared<Doctor>(Doctor{cli, 0, {}, {}, -1});
    if (devices.isEmpty()) {
        const QString todo = QStringLiteral("plug the adapter in; a USB adapter shows up as "
                                            "/dev/ttyUSB* or /dev/ttyACM* (check 'dmesg | tail')");
        if (!cli.json()) {
            cli.out(QStringLiteral("No serial ports found."));
            cli.out(QStringLiteral("  -> ") + todo);
        }
        doctor->end(exit_codes::PortFailed, QStringLiteral("no serial ports found: ") + todo);
        return cli.exitCode();
    }
    QStringList testable;
    for (const QString &device : devices)
        if (doctor->checkDevice(device))
            testable << device;
    if (testable.isEmpty()) {
        doctor->end(exit_codes::PortFailed,
                    doctor->inUse.isEmpty()
                        ? QStringLiteral("no port could be tried (%1 problem(s) found)")
                              .arg(doctor->problems)
                        : doctor->inUse.join(QStringLiteral("; ")));
        return cli.exitCode();
    }

    if (!cli.json())
        cli.out(QStringLiteral("Asking for command mode at every line speed, %1 first...")
                    .arg(ModuleFinder::speedsToTry().first()));
    auto *finder = new ModuleFinder(testable, &cli);
    finder->setLinkHook(
        [&cli](SerialLink &link, const QString &device) { cli.trace(link, device); });
    QObject::connect(finder, &ModuleFinder::finished, &cli, [&cli, finder, testable, doctor](bool) {
        for (const QString &device : testable) {
            doctor->device(device);
            bool answered = false;
            for (const FinderHit &hit : finder->hits()) {
                if (hit.device != device)
                    continue;
                answered = true;
                doctor->ok(QStringLiteral("a module answers at %1 baud (local address %2, %3)")
                               .arg(hit.baud)
                               .arg(addressHex(hit.block.local),
                                    blockFieldText(hit.block, BlockField::Channel, cli.band())));
                if (hit.baud != cli.baud())
                    doctor->note(QStringLiteral("use --baud %1 (or that speed in the window)")
                                     .arg(hit.baud));
            }
            for (const FinderProblem &problem : finder->problems())
                if (problem.device == device)
                    doctor->bad(problem.message, QString());
            if (!answered)
                doctor->bad(QStringLiteral("no module answered \"+++\" at any line speed"),
                            QStringLiteral("check the module's power, that TX and RX are crossed "
                                           "(adapter TX to module RX), the common ground, and "
                                           "that nothing else is sending to it"));
        }
        doctor->end(finder->hits().isEmpty() ? exit_codes::NoAnswer : exit_codes::Done,
                    QStringLiteral("no module answered \"+++\" at any line speed"));
    });
    finder->start();
    return std::nullopt;
}

} // namespace zomar
