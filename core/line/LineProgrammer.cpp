#include "core/line/LineProgrammer.h"

#include "core/link/PortHolders.h"
#include "core/link/PortsAhead.h"
#include "core/link/SerialLink.h"
#include "core/protocol/ModuleSession.h"

#include <QSerialPort>

namespace zomar {

ModuleOutcome::Failure ModuleOutcome::failureOf(const SessionResult &r)
{
    switch (r.outcome) {
    case SessionResult::Done:
        return ModuleOutcome::None;
    case SessionResult::NoResponse:
        return ModuleOutcome::NoAnswer;
    case SessionResult::Mismatch:
        return ModuleOutcome::Mismatch;
    case SessionResult::PortError:
        break;
    }
    return ModuleOutcome::PortFailed;
}

namespace {
const char *const kFailureNames[] = {"",          "refused_value", "no_answer",
                                     "mismatch",  "not_started",   "port_busy",
                                     "port_failed", "not_recorded"};
}

QString ModuleOutcome::failureName(Failure failure)
{
    return QString::fromLatin1(kFailureNames[failure]);
}

ModuleOutcome::Failure ModuleOutcome::failureFromName(const QString &name)
{
    for (int i = 1; i <= NotRecorded; ++i)
        if (name == QLatin1String(kFailureNames[i]))
            return Failure(i);
    return None;
}

struct LineProgrammer::Running {
    ModuleSession *session = nullptr;
    ModuleOutcome outcome;
    std::optional<Reservation> reservation; // once the record answered
    bool readDone = false;
    bool writing = false;   // its block is on its way: from here the session knows best
    bool concluded = false; // its outcome is known (waits for its row when not yet there)
};

namespace {

QString goneMessage(const ModuleJob &job)
{
    const QString link = job.byPath.isEmpty() ? job.device : job.byPath;
    const QString where = job.node.isEmpty() || job.node == link
                              ? QStringLiteral("%1 is gone").arg(link)
                              : QStringLiteral("%1 no longer leads to %2").arg(link, job.node);
    return QStringLiteral("the module went away before anything was written (%1); nothing was "
                          "written")
        .arg(where);
}

} // namespace

LineProgrammer::LineProgrammer(const Profile &profile, int baud, QObject *parent)
    : QObject(parent), m_profile(profile), m_baud(baud)
{
    qRegisterMetaType<zomar::ModuleOutcome>();
    qRegisterMetaType<zomar::ModuleStep>();
}

LineProgrammer::~LineProgrammer()
{
    for (const auto &run : m_running)
        delete run->session;
}

bool LineProgrammer::busyWith(const QString &device) const
{
    for (const auto &run : m_running)
        if (run->outcome.job.device == device)
            return true;
    return false;
}

bool LineProgrammer::program(const ModuleJob &job)
{
    return start(job, nullptr);
}

bool LineProgrammer::start(const ModuleJob &job, std::unique_ptr<QSerialPort> ahead)
{
    if (stopped() || busyWith(job.device))
        return false;
    ModuleOutcome untouched;
    untouched.job = job;
    if (const QString refused = m_record ? m_record->refusal() : QString(); !refused.isEmpty()) {
        untouched.failure = ModuleOutcome::NotStarted;
        untouched.message = QStringLiteral("not started: %1; nothing was sent").arg(refused);
        announceUntouched(untouched);
        return true;
    }
    auto run = std::make_unique<Running>();
    run->outcome.job = job;
    run->session = new ModuleSession(job.device, m_baud);
    if (m_linkHook)
        m_linkHook(run->session->link(), job.device);
    if (ahead)
        run->session->link().adopt(std::move(ahead), job.device);
    // A port another program holds is no failure of its module: it is found
    // before the module gets a row. Other faults of the port are the module's
    // and are met again when it is read.
    if (const std::optional<SerialError> refused = run->session->openNow();
        refused && refused->number() == serial_errors::PortInUse) {
        delete run->session;
        untouched.failure = ModuleOutcome::PortBusy;
        untouched.holders = portHolders(job.node.isEmpty() ? job.device : job.node);
        untouched.message = QStringLiteral("not started: %1; nothing was sent, and no row was "
                                           "made")
                                .arg(refused->description());
        announceUntouched(untouched);
        return true;
    }
    Running *raw = run.get();
    connect(run->session, &ModuleSession::finished, this,
            [this, raw](const SessionResult &r) { onResult(*raw, r); });
    connect(run->session, &ModuleSession::readingBack, this, [this, device = job.device] {
        emit moduleStep(device, ModuleStep::Verifying);
    });
    m_running.push_back(std::move(run));
    // The row (and address) is asked for in the order modules are started;
    // the module is touched ("+++") only once it is committed, so one that
    // cannot have an address is never even read.
    if (m_record) {
        m_record->reserve({job, m_operatorName}, this,
                          [this, raw](const Reservation &r) { onReserved(*raw, r); });
    } else {
        raw->reservation = Reservation{};
        startReading(*raw);
    }
    return true;
}

void LineProgrammer::startReading(Running &run)
{
    // Its device may have gone while it waited (and its name may lead to
    // another module by now).
    if (!run.outcome.job.stillThere()) {
        conclude(run, ModuleOutcome::PortFailed, goneMessage(run.outcome.job));
        return;
    }
    run.session->read();
    emit moduleStep(run.outcome.job.device, ModuleStep::Reading);
}

bool LineProgrammer::cancel(const QString &device)
{
    for (const auto &run : m_running) {
        if (run->outcome.job.device != device || run->concluded || run->writing)
            continue;
        conclude(*run, ModuleOutcome::PortFailed, goneMessage(run->outcome.job));
        return true;
    }
    return false;
}

int LineProgrammer::program(const QList<ModuleJob> &jobs)
{
    // A tray's ports are opened side by side first (each open syncs a lock
    // file), the ones busy here left out.
    QStringList devices;
    for (const ModuleJob &job : jobs)
        if (!busyWith(job.device))
            devices << job.device;
    PortsAhead ahead;
    if (devices.size() > 1 && !stopped() && (!m_record || m_record->refusal().isEmpty()))
        ahead = PortsAhead::open(devices, m_baud);
    if (m_record)
        m_record->beginBatch();
    int started = 0;
    for (const ModuleJob &job : jobs)
        started += start(job, ahead.take(job.device)) ? 1 : 0;
    if (m_record)
        m_record->endBatch();
    return started;
}

void LineProgrammer::onReserved(Running &run, const Reservation &reservation)
{
    run.reservation = reservation;
    run.outcome.unitId = reservation.unitId;
    if (!reservation.error.isEmpty())
        noteRecordError(reservation.error);
    if (run.concluded) {
        settle(run);
        return;
    }
    if (!reservation.error.isEmpty() || !reservation.unavailable.isEmpty() ||
        reservation.poolEmpty) {
        writeIfReady(run, true);
        return;
    }
    startReading(run);
}

void LineProgrammer::onResult(Running &run, const SessionResult &r)
{
    ModuleOutcome &o = run.outcome;
    if (r.op == SessionOp::Read) {
        if (!r.ok()) {
            conclude(run, ModuleOutcome::failureOf(r), r.message);
            return;
        }
        o.before = r.block;
        run.readDone = true;
        writeIfReady(run);
        return;
    }
    o.packetSent = r.packetSent;
    o.stateUnknown = r.stateUnknown;
    if (!r.packetSent)
        o.written.reset();
    o.readBack = r.block;
    conclude(run, ModuleOutcome::failureOf(r),
             r.ok() ? QStringLiteral("written and verified") : r.message);
}

void LineProgrammer::writeIfReady(Running &run, bool unread)
{
    if ((!run.readDone && !unread) || !run.reservation || run.concluded)
        return;
    const Reservation &reservation = *run.reservation;
    ModuleOutcome &o = run.outcome;
    // Without its row or an address the module was never touched.
    const QString untouched = unread ? QStringLiteral("nothing was sent")
                                     : QStringLiteral("nothing was written");
    if (!reservation.error.isEmpty()) {
        conclude(run, ModuleOutcome::NotRecorded,
                 QStringLiteral("its row could not be committed; %1").arg(untouched));
        return;
    }
    if (!reservation.unavailable.isEmpty()) {
        conclude(run, ModuleOutcome::NotStarted,
                 QStringLiteral("not started: %1; %2").arg(reservation.unavailable, untouched));
        return;
    }
    if (reservation.poolEmpty) {
        conclude(run, ModuleOutcome::RefusedValue,
                 QStringLiteral("no local address left before FFFFFFFF; %1").arg(untouched));
        return;
    }
    if (!o.job.stillThere()) {
        conclude(run, ModuleOutcome::PortFailed, goneMessage(o.job));
        return;
    }
    ConfigBlock target = m_profile.applyTo(*o.before);
    if (reservation.local)
        target.local = *reservation.local;
    o.local = target.local;
    if (target.holdsUnreadableByte()) {
        conclude(run, ModuleOutcome::RefusedValue,
                 QStringLiteral("the block would hold the byte A5, which cannot be read back; "
                                "nothing was written"));
        return;
    }
    o.written = target;
    run.writing = true;
    run.session->write(target);
    emit moduleStep(o.job.device, ModuleStep::Writing);
    emit blockWriting(o);
}

void LineProgrammer::conclude(Running &run, ModuleOutcome::Failure failure,
                              const QString &message)
{
    ModuleOutcome &o = run.outcome;
    o.pass = failure == ModuleOutcome::None;
    o.failure = failure;
    o.message = message;
    if (!o.local && run.reservation)
        o.local = run.reservation->local;
    run.concluded = true;
    run.session->close();
    run.session->deleteLater();
    run.session = nullptr;
    if (run.reservation)
        settle(run);
}

void LineProgrammer::settle(Running &run)
{
    const Reservation &reservation = *run.reservation;
    // Without a row (no record, or none was kept) there is nothing to settle.
    if (!m_record || !reservation.error.isEmpty() || reservation.unitId.isEmpty()) {
        finish(run, reservation.error);
        return;
    }
    const ModuleOutcome &o = run.outcome;
    UnitSettlement s;
    s.unitId = reservation.unitId;
    s.pass = o.pass;
    s.packetSent = o.packetSent;
    s.unknown = o.stateUnknown;
    s.local = o.local;
    s.before = o.before;
    s.written = o.written;
    s.readBack = o.readBack;
    s.failure = ModuleOutcome::failureName(o.failure);
    s.message = o.message;
    Running *raw = &run;
    m_record->settle(s, this, [this, raw](const QString &error) { finish(*raw, error); });
}

void LineProgrammer::finish(Running &run, const QString &recordError)
{
    ModuleOutcome o = run.outcome;
    if (!recordError.isEmpty()) {
        o.pass = false;
        o.failure = ModuleOutcome::NotRecorded;
        o.recordError = recordError;
        noteRecordError(recordError);
    }
    for (auto it = m_running.begin(); it != m_running.end(); ++it) {
        if (it->get() == &run) {
            m_running.erase(it);
            break;
        }
    }
    emit moduleFinished(o);
}

void LineProgrammer::announceUntouched(ModuleOutcome outcome)
{
    // Later, as any outcome: the caller learns first that the module was taken.
    QMetaObject::invokeMethod(
        this, [this, outcome] { emit moduleFinished(outcome); }, Qt::QueuedConnection);
}

void LineProgrammer::noteRecordError(const QString &error)
{
    if (!m_recordError.isEmpty())
        return;
    m_recordError = error;
    emit recordFailed(error);
}

} // namespace zomar
