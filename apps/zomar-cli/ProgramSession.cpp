#include "apps/zomar-cli/ProgramSession.h"

#include "apps/zomar-cli/BlockReport.h"
#include "apps/zomar-cli/ExitCodes.h"
#include "core/process/InterruptWatch.h"
#include "core/protocol/FieldValues.h"

#include <QJsonObject>

#include <unistd.h>

namespace zomar {

QString modulesText(int count)
{
    return count == 1 ? QStringLiteral("1 module") : QStringLiteral("%1 modules").arg(count);
}

ProgramSession::ProgramSession(Cli &cli, bool wait) : QObject(&cli), m_cli(cli), m_wait(wait)
{
    m_colour = ::isatty(STDOUT_FILENO) == 1;
}

void ProgramSession::connectRun()
{
    connect(&run, &ProductionRun::moduleFinished, this,
            [this](const ModuleOutcome &o) { report(o); });
    // A station of a shared server says when it loses the server and when
    // it has it back; while offline every module's line says so too.
    connect(&run, &ProductionRun::stationChanged, this, [this](const StationState &s) {
        sayRefusedSerials(s);
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
                      .arg(error, modulesText(run.programmer()->inFlight())));
        stop();
    });
    auto *interrupts = new InterruptWatch(this);
    connect(interrupts, &InterruptWatch::interrupted, this, [this](int) {
        if (!m_stopping && run.programmer()->inFlight() > 0)
            m_cli.err(QStringLiteral("Stopping: %1 in flight finish first.")
                          .arg(modulesText(run.programmer()->inFlight())));
        stop();
    });
}

void ProgramSession::watch(const QString &folder)
{
    m_watcher = new PortWatcher(folder, this);
    // A folder that is not there is said (and watched for: a hub not
    // plugged in yet is normal), as is its coming back.
    const auto sayFolder = [this, folder](PortWatcher::Folder state) {
        if (state == PortWatcher::Folder::Present)
            m_cli.err(QStringLiteral("The folder %1 is there now.").arg(folder));
        else if (state == PortWatcher::Folder::NotYet)
            m_cli.err(QStringLiteral("%1 is not there yet: it appears with the first serial "
                                     "adapter plugged in.")
                          .arg(folder));
        else
            m_cli.err(QStringLiteral("The folder %1 does not exist: watching for it (is the "
                                     "hub plugged in, and is the name right?).")
                          .arg(folder));
    };
    connect(m_watcher, &PortWatcher::folderChanged, this, sayFolder);
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
    if (m_watcher->folderState() != PortWatcher::Folder::Present)
        sayFolder(m_watcher->folderState());
}

void ProgramSession::sayRefusedSerials(const StationState &s)
{
    for (; m_refusedSaid < s.serialsRefused.size(); ++m_refusedSaid) {
        const SerialBinding &b = s.serialsRefused.at(m_refusedSaid);
        const QString unit =
            b.unitAddress ? QStringLiteral("%1 (local address %2)").arg(b.unitId,
                                                                      addressHex(*b.unitAddress))
                          : b.unitId;
        m_cli.err(QStringLiteral("The server refused product serial %1 for unit %2 when this "
                                 "station's journal reached it: %3. The unit has no serial in "
                                 "the record; check the product and bind its serial with: "
                                 "zomar-cli records serial %4 SERIAL")
                      .arg(b.serial, unit, b.text(), b.unitId));
    }
}

void ProgramSession::endIfDone()
{
    const bool allDone = m_wait ? m_stopping : m_passed + m_failed + m_busy >= expected;
    if (m_finished || !allDone || run.programmer()->inFlight() > 0 ||
        (labels && labels->pending() > 0) || (serials && serials->pending() > 0))
        return;
    m_finished = true;
    const QString closing = run.close();
    // The last rows reach the server as the run ends.
    sayRefusedSerials(run.stationState());
    if (!closing.isEmpty())
        m_cli.err(QStringLiteral("zomar-cli program: the end of the run is not in the store: "
                                 "%1")
                      .arg(closing));
    if (!m_cli.json())
        m_cli.out(QStringLiteral("%1: %2 PASS, %3 FAIL%4")
                      .arg(modulesText(m_passed + m_failed))
                      .arg(m_passed)
                      .arg(m_failed)
                      .arg(m_busy == 0 ? QString()
                                       : QStringLiteral("; %1 left alone (port in use)")
                                             .arg(modulesText(m_busy))));
    m_cli.finish(exitCodeOf(m_worst));
}

void ProgramSession::report(const ModuleOutcome &o)
{
    // A port another program holds was never touched: no unit, no FAIL.
    const bool busy = o.failure == ModuleOutcome::PortBusy;
    busy ? ++m_busy : o.pass ? ++m_passed : ++m_failed;
    // The run's exit code is that of its worst failure: a lost port or an
    // unrecorded row, then a wrong block, then silence, then a refused value.
    m_worst = std::max(m_worst, o.failure);
    const bool asksSerial = serials && o.pass && !o.unitId.isEmpty();
    if (labels && !asksSerial)
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
            {QStringLiteral("result"), resultWord(o)},
            {QStringLiteral("state"), stateWord(o)},
            {QStringLiteral("exit_code"), exitCodeOf(o.failure)},
            {QStringLiteral("before"), o.before ? blockHex(o.before->toBytes()) : QString()},
            {QStringLiteral("written"), o.written ? blockHex(o.written->toBytes()) : QString()},
            {QStringLiteral("read_back"), o.readBack ? blockHex(o.readBack->toBytes()) : QString()},
            {QStringLiteral("band_advice"),
             BlockReport::bandAdvice(o.written ? m_cli.bandAdviceFor(band, *o.written, antennaGain)
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
            banner(o, o.job.byPath.isEmpty() ? o.job.device : o.job.byPath);
        const QString offline =
            station.worthSaying() ? QStringLiteral("  (%1)").arg(station.summary()) : QString();
        m_cli.out(QStringLiteral("%1  %2%3%4%5  %6%7")
                      .arg(resultWord(o), o.job.device, slot, serial, local, message, offline));
    }
    if (m_wait && !m_stopping)
        m_cli.out(QStringLiteral("Unplug it; waiting for the next module (Ctrl+C ends)..."));
    if (asksSerial)
        serials->passed(o);
    endIfDone();
}

QString ProgramSession::stateWord(const ModuleOutcome &o)
{
    if (o.unitId.isEmpty())
        return {};
    return unitStateName(!o.recordError.isEmpty() ? UnitState::Reserved
                         : o.pass                 ? UnitState::Pass
                         : o.stateUnknown         ? UnitState::Unknown
                                                  : UnitState::Fail);
}

QString ProgramSession::resultWord(const ModuleOutcome &o)
{
    return o.pass                                 ? QStringLiteral("PASS")
           : o.failure == ModuleOutcome::PortBusy ? QStringLiteral("BUSY")
                                                  : QStringLiteral("FAIL");
}

void ProgramSession::banner(const ModuleOutcome &o, const QString &where)
{
    const QString word = o.stateUnknown ? QStringLiteral("UNKNOWN") : resultWord(o);
    const QString line = QStringLiteral("#################  %1  #################").arg(word);
    const QString on = !m_colour ? QString()
                       : o.pass  ? QStringLiteral("\033[1;30;42m")
                       : o.stateUnknown || o.failure == ModuleOutcome::PortBusy
                           ? QStringLiteral("\033[1;30;43m")
                           : QStringLiteral("\033[1;37;41m");
    const QString off = m_colour ? QStringLiteral("\033[0m") : QString();
    m_cli.out(QString());
    m_cli.out(on + line + off);
    m_cli.out(QStringLiteral("  %1").arg(where));
}

void ProgramSession::settled(const ModuleOutcome &o, const QString &serial)
{
    if (labels)
        labels->passed(o, band, run.station(), serial);
    endIfDone();
}

void ProgramSession::stop()
{
    m_stopping = true;
    if (serials)
        serials->stop();
    expected = 0;
    if (m_watcher)
        m_watcher->stop();
    endIfDone();
}

} // namespace zomar
