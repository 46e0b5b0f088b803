#include "core/sharedstore/JournalForwarder.h"

#include "core/store/StoreBackend.h"

#include <QSqlQuery>
#include <QTimer>

#include <algorithm>

namespace zomar {

namespace {

constexpr int kBatch = 200;           // rows per forwarding transaction
constexpr int kRetryMs = 1000;        // an offline station asks this often
constexpr int kRefusedRetryMs = 5000; // a row the server refused is tried again
// Another station's lock is waited for a little less than the deadline: a
// busy server is not taken for a dead one.
constexpr int kLockWaitMs = JournalForwarder::kDeadlineMs - 1500;

} // namespace

JournalForwarder::JournalForwarder(Report report) : m_report(std::move(report))
{
    m_state.leased = true;
}

// The server's connection is closed here, on the link's thread.
JournalForwarder::~JournalForwarder() = default;

QString JournalForwarder::open(const QString &server, const QString &journal, int busyTimeoutMs)
{
    QString error;
    m_server = ProductionStore::open(server, ProductionStore::Mode::Existing, &error,
                                     std::min(busyTimeoutMs, kLockWaitMs));
    if (!m_server)
        return error;
    m_journal = StationJournal::open(journal, &error, StationJournal::Commits::Bookkeeping);
    if (!m_journal)
        return error;
    m_journalPath = journal;
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &JournalForwarder::pump);
    return {};
}

QString JournalForwarder::forwardAll()
{
    bool more = true;
    while (more) {
        const QString error = forwardSome(&more);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString JournalForwarder::forwardSome(bool *more)
{
    *more = false;
    QString error;
    const QList<JournalOp> ops = m_journal->waiting(kBatch, &error);
    if (!error.isEmpty() || ops.isEmpty())
        return error;
    QList<SerialBinding> refused;
    {
        ServerDeadline::Scope deadline(m_deadline, m_server->database(), kDeadlineMs);
        error = StoreLeases::apply(*m_server, ops, &refused);
    }
    if (!error.isEmpty())
        return error;
    // Committed. A row forwarded again (its acknowledgement lost) is
    // refused again: told once.
    for (const SerialBinding &b : refused)
        if (std::none_of(m_state.serialsRefused.cbegin(), m_state.serialsRefused.cend(),
                         [&](const SerialBinding &told) {
                             return told.unitId == b.unitId && told.serial == b.serial;
                         }))
            m_state.serialsRefused << b;
    error = m_journal->acknowledge(ops.last().seq);
    *more = error.isEmpty() && ops.size() == kBatch;
    return error;
}

QString JournalForwarder::begin(const RunContext &context, int leaseSize, const QString &program)
{
    m_context = context;
    m_leaseSize = std::max(1, leaseSize);
    m_program = program;
    QString error = m_journal->forgetLeasesBefore(context.runId);
    if (error.isEmpty())
        error = m_journal->setCurrentRun(context.runId);
    if (error.isEmpty() && context.poolId && !takeLease(m_leaseSize))
        error = m_state.problem;
    report();
    if (error.isEmpty())
        m_timer->start(kAliveMs);
    return error;
}

bool JournalForwarder::takeLease(int needed)
{
    if (!m_context.poolId || m_poolEmpty)
        return true;
    Lease lease;
    {
        ServerDeadline::Scope deadline(m_deadline, m_server->database(), kDeadlineMs);
        lease = StoreLeases::take(*m_server, m_context, std::max(needed, m_leaseSize));
    }
    if (lease.runEnded) {
        runReleased();
        return !m_newRunNeeded;
    }
    if (!lease.error.isEmpty()) {
        failed(lease.error);
        return false;
    }
    // Taken on the server: in this journal before anything else happens.
    const QString error = m_journal->addLease(m_context, lease.addresses, lease.poolEmpty);
    if (!error.isEmpty()) {
        failed(error);
        return false;
    }
    m_poolEmpty = lease.poolEmpty;
    return true;
}

void JournalForwarder::wantLease(int needed)
{
    // Offline, the record answers the modules that wait itself (the report
    // says so); the timer keeps asking for the server.
    if (m_state.online && !m_newRunNeeded && m_journal->freeAddresses() < needed)
        takeLease(needed);
    report();
}

void JournalForwarder::runReleased()
{
    // Released from elsewhere while this station was cut off, or thought
    // dead: the server retired what was left of the lease, so none of it is
    // used here again; units in flight keep the address they hold.
    const QString error = m_journal->dropLease(m_context.runId);
    if (!error.isEmpty())
        m_state.problem = error;
    m_state.releasedRun = m_context.runId;
    m_state.releasedAt = ProductionStore::now();
    m_newRunNeeded = true;
    registerRun();
}

bool JournalForwarder::registerRun()
{
    if (!m_newRunNeeded)
        return true;
    ProductionStore::RunStart run;
    {
        ServerDeadline::Scope deadline(m_deadline, m_server->database(), kDeadlineMs);
        run = m_server->beginRun(RunIdentity::current(), m_program, m_context.station);
    }
    if (!run.error.isEmpty()) {
        failed(run.error);
        return false;
    }
    m_context.runId = run.runId;
    m_newRunNeeded = false;
    const QString error = m_journal->setCurrentRun(run.runId);
    if (!error.isEmpty()) {
        failed(error);
        return false;
    }
    return takeLease(m_leaseSize);
}

void JournalForwarder::wake()
{
    // Offline, the next try is the timer's: not one per commit.
    if (m_timer && m_state.online && m_timer->remainingTime() != 0)
        m_timer->start(0);
}

bool JournalForwarder::reconnect()
{
    // libpq's connect_timeout bounds this (a server that takes the
    // connection and never answers, too).
    const QString error = m_server->reconnect();
    if (!error.isEmpty()) {
        m_state.problem = error;
        report();
        return false;
    }
    m_state.online = true;
    m_state.problem.clear();
    return true;
}

void JournalForwarder::pump()
{
    if (!m_state.online && !reconnect()) {
        m_timer->start(kRetryMs);
        return;
    }
    const QString error = forwardAll();
    if (!error.isEmpty()) {
        failed(error);
        return;
    }
    // Every round tells the server the run is alive, and finds out whether
    // it was released meanwhile.
    if (m_context.runId && !m_newRunNeeded) {
        bool ended = false;
        QString beat;
        {
            ServerDeadline::Scope deadline(m_deadline, m_server->database(), kDeadlineMs);
            beat = StoreLeases::heartbeat(*m_server, m_context.runId, &ended,
                                          m_journal->waitingUnits());
        }
        if (!beat.isEmpty()) {
            failed(beat);
            return;
        }
        if (ended)
            runReleased();
    }
    if (!registerRun())
        return;
    if (m_context.poolId && !m_poolEmpty && m_journal->freeAddresses() * 2 < m_leaseSize &&
        !takeLease(m_leaseSize))
        return;
    report();
    m_timer->start(kAliveMs);
}

void JournalForwarder::failed(const QString &error)
{
    // Whether the server is still there: a row it refuses is not a drop.
    bool lost = m_deadline.expired() || m_server->backend().connectionLost(error);
    if (!lost) {
        ServerDeadline::Scope deadline(m_deadline, m_server->database(), kDeadlineMs);
        QSqlQuery alive(m_server->database());
        lost = !alive.exec(QStringLiteral("SELECT 1"));
    }
    m_state.problem = m_deadline.expired()
                          ? QStringLiteral("no answer from the server within %1 s")
                                .arg(kDeadlineMs / 1000)
                          : error;
    if (lost)
        m_state.online = false;
    report();
    if (m_timer)
        m_timer->start(lost ? kRetryMs : kRefusedRetryMs);
}

void JournalForwarder::report()
{
    if (!m_journal)
        return;
    m_state.addressesLeft = m_context.poolId ? m_journal->freeAddresses() : -1;
    m_state.rowsWaiting = m_journal->waitingUnits();
    m_state.poolEmpty = m_poolEmpty;
    if (m_report)
        m_report(m_state);
}

QString JournalForwarder::finish()
{
    if (m_timer)
        m_timer->stop();
    if (!m_context.runId)
        return {};
    QString error = m_journal->finish(m_context);
    if (!error.isEmpty())
        return QStringLiteral("this station's journal %1 cannot be written: %2")
            .arg(m_journalPath, error);
    if (!m_state.online && !reconnect())
        error = m_state.problem;
    if (error.isEmpty())
        error = forwardAll();
    if (!error.isEmpty()) {
        m_state.online = !m_deadline.expired() && !m_server->backend().connectionLost(error);
        m_state.problem = error;
    }
    report();
    if (error.isEmpty())
        return {};
    const QString rows = m_state.rowsWaiting == 0 ? QString()
                         : m_state.rowsWaiting == 1
                             ? QStringLiteral("1 row and ")
                             : QStringLiteral("%1 rows and ").arg(m_state.rowsWaiting);
    return QStringLiteral("%1: %2the end of the run wait in this station's journal %3; they are "
                          "forwarded when the station starts again")
        .arg(error, rows, m_journalPath);
}

} // namespace zomar
