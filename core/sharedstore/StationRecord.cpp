#include "core/sharedstore/StationRecord.h"

#include "core/store/Remedy.h"
#include "core/sharedstore/StationJournal.h"
#include "core/sharedstore/JournalForwarder.h"
#include "core/store/StoreQueue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QMutexLocker>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zomar {

StationRecord::StationRecord(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<zomar::StationState>();
    m_state.leased = true;
}

StationRecord::~StationRecord()
{
    m_queue.reset();
    // The connection (libpq's and OpenSSL's state with it) goes on the
    // thread that made it, and the thread ends before this returns.
    if (m_forwarder)
        m_forwarderThread.run([this] { delete m_forwarder; });
    m_forwarderThread.stop();
    if (m_lockFd >= 0)
        ::close(m_lockFd); // the lock goes with it
}

namespace {

QString lockPathOf(const QString &journal)
{
    return journal + QStringLiteral(".lock");
}

} // namespace

bool StationRecord::journalInUse(const QString &journal)
{
    const int fd = ::open(QFile::encodeName(lockPathOf(journal)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

QString StationRecord::open(const Setup &setup)
{
    m_setup = setup;
    m_journalPath = StationJournal::pathFor(setup.server, setup.station);
    // One run of a station at a time: its journal's rows are forwarded in
    // order by one forwarder. The kernel lets go of the lock when a run dies.
    QString error;
    QDir().mkpath(QFileInfo(m_journalPath).absolutePath());
    const QString lockPath = lockPathOf(m_journalPath);
    m_lockFd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockFd < 0)
        return QStringLiteral("cannot open %1: %2").arg(lockPath, QString::fromLocal8Bit(
                                                                      std::strerror(errno)));
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0)
        return QStringLiteral("station %1 is running already on this PC (its journal %2 is in "
                              "use): %3")
            .arg(setup.station, m_journalPath,
                 remedyFor(Remedy::NameStation, setup.station));

    m_forwarderThread.start();
    m_forwarderThread.run([&] {
        m_forwarder = new JournalForwarder([this](const StationState &s) { note(s); });
        error = m_forwarder->open(setup.server, m_journalPath, setup.busyTimeoutMs);
        // What an earlier run left goes first: its units come before
        // this run marks those of interrupted runs unknown.
        if (error.isEmpty())
            error = m_forwarder->forwardAll();
    });
    if (!error.isEmpty())
        return QStringLiteral("cannot forward what this station's journal %1 holds: %2")
            .arg(m_journalPath, error);
    return {};
}

QString StationRecord::begin(const RunContext &context)
{
    QString error;
    m_forwarderThread.run([&] { error = m_forwarder->begin(context, m_setup.lease, m_setup.program); });
    if (!error.isEmpty())
        return QStringLiteral("cannot take a lease of addresses: %1").arg(error);
    m_pooled = bool(context.poolId);
    JournalForwarder *link = m_forwarder;
    const QString path = m_journalPath;
    m_queue = std::make_unique<StoreQueue>();
    error = m_queue->start(
        [this, path](QString *why) -> std::unique_ptr<UnitSink> {
            std::unique_ptr<StationJournal> journal = StationJournal::open(path, why);
            m_queueJournal = journal.get();
            return journal;
        },
        context,
        [this, link] {
            noteCounts(m_pooled ? m_queueJournal->freeAddresses() : -1,
                       m_queueJournal->waitingUnits(), m_queueJournal->startsRecorded());
            QMetaObject::invokeMethod(link, [link] { link->wake(); }, Qt::QueuedConnection);
        });
    return error;
}

StationState StationRecord::state() const
{
    QMutexLocker lock(&m_mutex);
    return m_state;
}

void StationRecord::note(const StationState &link)
{
    {
        QMutexLocker lock(&m_mutex);
        m_state = link;
    }
    QMetaObject::invokeMethod(this, [this] { publish(); }, Qt::QueuedConnection);
}

void StationRecord::noteCounts(int free, int waiting, int answered)
{
    {
        QMutexLocker lock(&m_mutex);
        m_state.addressesLeft = free;
        m_state.rowsWaiting = waiting;
        m_answered = answered;
    }
    QMetaObject::invokeMethod(this, [this] { publish(); }, Qt::QueuedConnection);
}

void StationRecord::publish()
{
    serveWaiting();
    const StationState now = state();
    if (now == m_published)
        return;
    m_published = now;
    emit stateChanged(now);
}

int StationRecord::available() const
{
    QMutexLocker lock(&m_mutex);
    return m_state.addressesLeft - (m_asked.load() - m_answered);
}

QString StationRecord::refusal() const
{
    const StationState now = state();
    if (!m_pooled || now.online || now.poolEmpty || available() > 0)
        return {};
    return leaseUsedUp();
}

void StationRecord::reserve(const UnitStart &unit, QObject *context,
                            std::function<void(const Reservation &)> done)
{
    Waiting w{unit, context, std::move(done)};
    if (m_pooled && !state().poolEmpty && (!m_waiting.isEmpty() || available() <= 0))
        wait(std::move(w));
    else
        ask(std::move(w));
}

void StationRecord::wait(Waiting w, bool first)
{
    // No address in hand: the module waits, untouched, for the next lease.
    if (first)
        m_waiting.prepend(std::move(w));
    else
        m_waiting.append(std::move(w));
    const int needed = int(m_waiting.size()) - std::max(0, available());
    QMetaObject::invokeMethod(
        m_forwarder, [link = m_forwarder, needed] { link->wantLease(needed); }, Qt::QueuedConnection);
}

void StationRecord::ask(Waiting w)
{
    ++m_asked;
    const UnitStart unit = w.unit;
    m_queue->reserve(unit, this, [this, w = std::move(w)](const Reservation &r) {
        // The count it was sent on was a moment old: while the server
        // answers, a module that found the lease empty waits for the next.
        if (!r.unavailable.isEmpty() && state().online && !m_closed) {
            wait(w, true);
            return;
        }
        if (w.context)
            w.done(r);
    });
}

void StationRecord::serveWaiting()
{
    if (!m_queue)
        return;
    // Those in order that the lease has addresses for; the rest get none
    // while the server cannot be reached (or the range is used up).
    const StationState now = state();
    bool batch = false;
    while (!m_waiting.isEmpty()) {
        if (available() > 0 || now.poolEmpty) {
            if (!batch && m_waiting.size() > 1) {
                m_queue->beginBatch();
                batch = true;
            }
            ask(m_waiting.takeFirst());
        } else if (!now.online) {
            const Waiting w = m_waiting.takeFirst();
            if (w.context) {
                Reservation none;
                none.unavailable = leaseUsedUp();
                w.done(none);
            }
        } else {
            break;
        }
    }
    if (batch)
        m_queue->endBatch();
}

void StationRecord::settle(const UnitSettlement &settlement, QObject *context,
                           std::function<void(const QString &)> done)
{
    m_queue->settle(settlement, context, std::move(done));
}

void StationRecord::beginBatch()
{
    m_queue->beginBatch();
}

void StationRecord::endBatch()
{
    m_queue->endBatch();
}

QString StationRecord::close()
{
    if (m_closed || !m_forwarder)
        return {};
    m_closed = true;
    // Modules still waiting for an address were never touched: they get none.
    for (Waiting &w : m_waiting)
        if (w.context) {
            Reservation none;
            none.unavailable = leaseUsedUp();
            w.done(none);
        }
    m_waiting.clear();
    m_queue.reset(); // what was asked is in the journal first
    QString result;
    m_forwarderThread.run([&] { result = m_forwarder->finish(); });
    return result;
}

} // namespace zomar
