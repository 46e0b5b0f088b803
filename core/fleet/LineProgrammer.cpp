#include "core/fleet/LineProgrammer.h"

#include "core/protocol/ModuleSession.h"

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

QString ModuleOutcome::failureName(Failure failure)
{
    static const char *const names[] = {"",           "refused_value", "no_answer", "mismatch",
                                        "not_started", "port_failed",   "not_recorded"};
    return QString::fromLatin1(names[failure]);
}

struct LineProgrammer::Running {
    ModuleSession *session = nullptr;
    ModuleOutcome outcome;
    std::optional<Reservation> reservation; // once the record answered
    bool readDone = false;
    bool concluded = false; // its outcome is known (waits for its row when not yet there)
};

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
    if (stopped() || busyWith(job.device))
        return false;
    if (const QString refused = m_record ? m_record->refusal() : QString(); !refused.isEmpty()) {
        ModuleOutcome o;
        o.job = job;
        o.failure = ModuleOutcome::NotStarted;
        o.message = QStringLiteral("not started: %1; nothing was sent").arg(refused);
        QMetaObject::invokeMethod(
            this, [this, o] { emit moduleFinished(o); }, Qt::QueuedConnection);
        return false;
    }
    auto run = std::make_unique<Running>();
    run->outcome.job = job;
    run->session = new ModuleSession(job.device, m_baud);
    if (m_linkHook)
        m_linkHook(run->session->link(), job.device);
    Running *raw = run.get();
    connect(run->session, &ModuleSession::finished, this,
            [this, raw](const SessionResult &r) { onResult(*raw, r); });
    connect(run->session, &ModuleSession::readingBack, this, [this, device = job.device] {
        emit moduleStep(device, ModuleStep::Verifying);
    });
    m_running.push_back(std::move(run));
    // The row (and address) is asked for in the order modules are started,
    // and committed while the module is read; nothing is written before it.
    if (m_record)
        m_record->reserve({job, m_operatorName}, this,
                          [this, raw](const Reservation &r) { onReserved(*raw, r); });
    else
        raw->reservation = Reservation{};
    raw->session->read();
    emit moduleStep(job.device, ModuleStep::Reading);
    return true;
}

int LineProgrammer::program(const QList<ModuleJob> &jobs)
{
    if (m_record)
        m_record->beginBatch();
    int started = 0;
    for (const ModuleJob &job : jobs)
        started += program(job) ? 1 : 0;
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
    if (run.concluded)
        settle(run);
    else
        writeIfReady(run);
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
    if (!r.packetSent)
        o.written.reset();
    o.readBack = r.block;
    conclude(run, ModuleOutcome::failureOf(r),
             r.ok() ? QStringLiteral("written and verified") : r.message);
}

void LineProgrammer::writeIfReady(Running &run)
{
    if (!run.readDone || !run.reservation || run.concluded)
        return;
    const Reservation &reservation = *run.reservation;
    ModuleOutcome &o = run.outcome;
    if (!reservation.error.isEmpty()) {
        conclude(run, ModuleOutcome::NotRecorded,
                 QStringLiteral("its row could not be committed; nothing was written"));
        return;
    }
    if (!reservation.unavailable.isEmpty()) {
        conclude(run, ModuleOutcome::NotStarted,
                 QStringLiteral("%1; nothing was written").arg(reservation.unavailable));
        return;
    }
    if (reservation.poolEmpty) {
        conclude(run, ModuleOutcome::RefusedValue,
                 QStringLiteral("no local address left before FFFFFFFF; nothing was written"));
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
    run.session->write(target);
    emit moduleStep(o.job.device, ModuleStep::Writing);
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

void LineProgrammer::noteRecordError(const QString &error)
{
    if (!m_recordError.isEmpty())
        return;
    m_recordError = error;
    emit recordFailed(error);
}

} // namespace zomar
