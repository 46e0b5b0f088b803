#include "core/fleet/LineProgrammer.h"

#include "core/protocol/ModuleSession.h"

#include <QTimer>

#include <unistd.h>

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

struct LineProgrammer::Running {
    ModuleJob job;
    ModuleSession *session = nullptr;
    ModuleOutcome outcome;
    bool packetSent = false;
};

LineProgrammer::LineProgrammer(const Profile &profile, int baud, QObject *parent)
    : QObject(parent), m_profile(profile), m_baud(baud)
{
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) == 0)
        m_station = QString::fromLocal8Bit(host);
}

LineProgrammer::~LineProgrammer()
{
    for (const auto &run : m_running)
        delete run->session;
}

void LineProgrammer::setLog(ProgramLog *log, const QString &profileFile,
                            const QString &profileSha256)
{
    m_log = log;
    m_profileFile = profileFile;
    m_profileSha = profileSha256;
}

bool LineProgrammer::busyWith(const QString &device) const
{
    for (const auto &run : m_running)
        if (run->job.device == device)
            return true;
    return false;
}

bool LineProgrammer::program(const ModuleJob &job)
{
    if (busyWith(job.device))
        return false;
    auto run = std::make_unique<Running>();
    run->job = job;
    run->outcome.job = job;
    run->session = new ModuleSession(job.device, m_baud);
    if (m_linkHook)
        m_linkHook(run->session->link(), job.device);
    Running *raw = run.get();
    // Addresses go out in the order modules are started (the order the ports
    // were named, or appeared), whichever answers first.
    if (m_allocator) {
        raw->outcome.local = m_allocator->take();
        if (!raw->outcome.local) {
            m_running.push_back(std::move(run));
            QTimer::singleShot(0, this, [this, raw] {
                conclude(*raw, ModuleOutcome::RefusedValue,
                         QStringLiteral("no local address left before FFFFFFFF; nothing was "
                                        "sent"));
            });
            return true;
        }
    }
    connect(run->session, &ModuleSession::finished, this,
            [this, raw](const SessionResult &r) { onResult(*raw, r); });
    m_running.push_back(std::move(run));
    raw->session->read();
    return true;
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
        ConfigBlock target = m_profile.applyTo(*r.block);
        if (m_allocator) {
            target.local = *o.local;
        } else {
            o.local = target.local;
        }
        if (target.holdsUnreadableByte()) {
            conclude(run, ModuleOutcome::RefusedValue,
                     QStringLiteral("the block would hold the byte A5, which cannot be read "
                                    "back; nothing was written"));
            return;
        }
        o.written = target;
        run.session->write(target);
        return;
    }
    run.packetSent = r.packetSent;
    if (!r.packetSent)
        o.written.reset();
    o.readBack = r.block;
    conclude(run, ModuleOutcome::failureOf(r), r.ok() ? QStringLiteral("written and verified") : r.message);
}

void LineProgrammer::conclude(Running &run, ModuleOutcome::Failure failure,
                              const QString &message)
{
    ModuleOutcome o = run.outcome;
    const bool pass = failure == ModuleOutcome::None;
    o.pass = pass;
    o.failure = failure;
    o.message = message;
    // The address goes back only when no packet went out with it.
    if (!pass && m_allocator && o.local && !run.packetSent)
        m_allocator->giveBack(*o.local);
    if (m_log) {
        ProgramRow row;
        row.time = QDateTime::currentDateTime();
        row.station = m_station;
        row.device = o.job.device;
        row.byId = o.job.byId;
        row.byPath = o.job.byPath;
        row.usbSerial = o.job.usbSerial;
        row.profileFile = m_profileFile;
        row.profileSha256 = m_profileSha;
        row.local = o.local && (pass || run.packetSent) ? addressHex(*o.local) : QString();
        row.blockBefore = o.before ? blockHex(o.before->toBytes()) : QString();
        row.blockWritten = run.packetSent && o.written ? blockHex(o.written->toBytes()) : QString();
        row.blockReadBack = o.readBack ? blockHex(o.readBack->toBytes()) : QString();
        row.pass = pass;
        row.message = message;
        o.logError = m_log->append(row);
        if (!o.logError.isEmpty()) {
            o.pass = false;
            o.failure = ModuleOutcome::NotRecorded;
        }
    }
    run.session->close();
    run.session->deleteLater();
    run.session = nullptr;
    for (auto it = m_running.begin(); it != m_running.end(); ++it) {
        if (it->get() == &run) {
            m_running.erase(it);
            break;
        }
    }
    emit moduleFinished(o);
}

} // namespace zomar
