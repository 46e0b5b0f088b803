#include "core/fleet/StationLink.h"

#include "core/fleet/StoreBackend.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QTimer>

namespace zomar {

namespace {

constexpr int kBatch = 200;         // rows per forwarding transaction
constexpr int kAliveMs = 2000;      // the server hears from a run this often
constexpr int kRetryMs = 1000;      // an offline station asks this often
constexpr int kRefusedRetryMs = 5000; // a row the server refused is tried again

qint64 nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

StationLink::StationLink(Report report) : m_report(std::move(report))
{
    m_state.leased = true;
}

StationLink::~StationLink() = default;

QString StationLink::open(const QString &server, const QString &journal, int busyTimeoutMs)
{
    QString error;
    m_server = ProductionStore::open(server, ProductionStore::Mode::Existing, &error,
                                     busyTimeoutMs);
    if (!m_server)
        return error;
    m_journal = StationJournal::open(journal, &error, StationJournal::Commits::Bookkeeping);
    if (!m_journal)
        return error;
    m_journalPath = journal;
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &StationLink::pump);
    return {};
}

QString StationLink::forwardAll()
{
    bool more = true;
    while (more) {
        const QString error = forwardSome(&more);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString StationLink::forwardSome(bool *more)
{
    *more = false;
    QString error;
    const QList<JournalOp> ops = m_journal->waiting(kBatch, &error);
    if (!error.isEmpty() || ops.isEmpty())
        return error;
    m_forwarded += int(ops.size());
    error = StoreLeases::apply(*m_server, ops);
    if (!error.isEmpty())
        return error;
    error = m_journal->acknowledge(ops.last().seq);
    *more = error.isEmpty() && ops.size() == kBatch;
    return error;
}

QString StationLink::begin(const RunContext &context, int leaseSize)
{
    m_context = context;
    m_leaseSize = std::max(1, leaseSize);
    QString error = m_journal->forgetLeasesBefore(context.runId);
    if (error.isEmpty() && context.poolId) {
        const LeaseAnswer answer = lease(m_leaseSize);
        error = answer.offline;
    }
    report();
    if (error.isEmpty())
        m_timer->start(kAliveMs);
    return error;
}

LeaseAnswer StationLink::lease(int needed)
{
    LeaseAnswer answer;
    if (m_poolEmpty) {
        answer.poolEmpty = true;
        return answer;
    }
    // Offline and asked a moment ago: not again for every module.
    if (!m_state.online && nowMs() - m_lastTry < kRetryMs) {
        answer.offline = m_state.problem;
        return answer;
    }
    if (!m_state.online) {
        m_lastTry = nowMs();
        const QString error = m_server->reconnect();
        if (!error.isEmpty()) {
            m_state.problem = error;
            answer.offline = error;
            report();
            return answer;
        }
        m_state.online = true;
        m_state.problem.clear();
    }
    const Lease lease = StoreLeases::take(*m_server, m_context, std::max(needed, m_leaseSize));
    if (!lease.error.isEmpty()) {
        failed(lease.error);
        answer.offline = m_state.online ? lease.error : m_state.problem;
        return answer;
    }
    // Taken on the server: in this journal before anything else happens.
    const QString error = m_journal->addLease(m_context, lease.addresses);
    if (!error.isEmpty())
        answer.offline = error;
    m_poolEmpty = lease.poolEmpty;
    answer.poolEmpty = lease.poolEmpty;
    report();
    return answer;
}

void StationLink::wake()
{
    // Offline, the next try is the timer's: not one per commit.
    if (m_timer && m_state.online && m_timer->remainingTime() != 0)
        m_timer->start(0);
}

void StationLink::pump()
{
    if (!m_state.online) {
        m_lastTry = nowMs();
        const QString error = m_server->reconnect();
        if (!error.isEmpty()) {
            m_state.problem = error;
            report();
            m_timer->start(kRetryMs);
            return;
        }
        m_state.online = true;
        m_state.problem.clear();
    }
    // Rows forwarded tell the server the run is alive; without any, a
    // heartbeat does (and finds out whether the server is still there).
    const int before = m_forwarded;
    bool more = true;
    while (more) {
        const QString error = forwardSome(&more);
        if (!error.isEmpty()) {
            failed(error);
            return;
        }
    }
    if (m_context.runId) {
        const QString error = m_forwarded > before
                                  ? QString()
                                  : StoreLeases::heartbeat(*m_server, m_context.runId);
        if (!error.isEmpty()) {
            failed(error);
            return;
        }
    }
    topUp();
    report();
    m_timer->start(m_state.online ? kAliveMs : kRetryMs);
}

void StationLink::topUp()
{
    if (!m_context.poolId || m_poolEmpty || !m_state.online ||
        m_journal->freeAddresses(m_context.runId) * 2 >= m_leaseSize)
        return;
    lease(m_leaseSize);
}

void StationLink::failed(const QString &error)
{
    // Whether the server is still there: a row it refuses is not a drop.
    QSqlQuery alive(m_server->database());
    const bool lost = m_server->backend().connectionLost(error) ||
                      !alive.exec(QStringLiteral("SELECT 1"));
    m_state.problem = error;
    if (lost) {
        m_state.online = false;
        m_lastTry = nowMs();
    }
    report();
    if (m_timer)
        m_timer->start(lost ? kRetryMs : kRefusedRetryMs);
}

void StationLink::report()
{
    if (!m_journal)
        return;
    m_state.addressesLeft = m_context.poolId ? m_journal->freeAddresses(m_context.runId) : -1;
    m_state.rowsWaiting = m_journal->waitingUnits();
    if (m_report)
        m_report(m_state);
}

QString StationLink::finish()
{
    if (m_timer)
        m_timer->stop();
    if (!m_context.runId)
        return {};
    QString error = m_journal->finish(m_context);
    if (!error.isEmpty())
        return QStringLiteral("this station's journal %1 cannot be written: %2")
            .arg(m_journalPath, error);
    if (!m_state.online)
        error = m_server->reconnect();
    if (error.isEmpty())
        error = forwardAll();
    if (!error.isEmpty()) {
        m_state.online = !m_server->backend().connectionLost(error);
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
