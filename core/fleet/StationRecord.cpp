#include "core/fleet/StationRecord.h"

#include "core/fleet/StationJournal.h"
#include "core/fleet/StationLink.h"
#include "core/fleet/StoreQueue.h"

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
    m_linkThread.setObjectName(QStringLiteral("StationLink"));
    m_state.leased = true;
}

StationRecord::~StationRecord()
{
    m_queue.reset();
    if (m_link) {
        // Its timer and connections go on the thread that made them.
        QMetaObject::invokeMethod(
            m_link, [this] { delete m_link; }, Qt::BlockingQueuedConnection);
        m_linkThread.quit();
        m_linkThread.wait();
    }
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
    // order by one link. The kernel lets go of the lock when a run dies.
    QString error;
    QDir().mkpath(QFileInfo(m_journalPath).absolutePath());
    const QString lockPath = lockPathOf(m_journalPath);
    m_lockFd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockFd < 0)
        return QStringLiteral("cannot open %1: %2").arg(lockPath, QString::fromLocal8Bit(
                                                                      std::strerror(errno)));
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0)
        return QStringLiteral("station %1 is running already on this PC (its journal %2 is in "
                              "use): give this run a --station of its own")
            .arg(setup.station, m_journalPath);

    m_link = new StationLink([this](const StationState &s) { note(s); });
    m_link->moveToThread(&m_linkThread);
    m_linkThread.start();
    QMetaObject::invokeMethod(
        m_link,
        [&] {
            error = m_link->open(setup.server, m_journalPath, setup.busyTimeoutMs);
            // What an earlier run left goes first: its units come before
            // this run marks those of interrupted runs unknown.
            if (error.isEmpty())
                error = m_link->forwardAll();
        },
        Qt::BlockingQueuedConnection);
    if (!error.isEmpty())
        return QStringLiteral("cannot forward what this station's journal %1 holds: %2")
            .arg(m_journalPath, error);
    return {};
}

QString StationRecord::begin(const RunContext &context)
{
    QString error;
    QMetaObject::invokeMethod(
        m_link, [&] { error = m_link->begin(context, m_setup.lease); },
        Qt::BlockingQueuedConnection);
    if (!error.isEmpty())
        return QStringLiteral("cannot take a lease of addresses: %1").arg(error);
    StationLink *link = m_link;
    const QString path = m_journalPath;
    m_queue = std::make_unique<StoreQueue>();
    error = m_queue->start(
        [this, link, path](QString *why) -> std::unique_ptr<UnitSink> {
            std::unique_ptr<StationJournal> journal = StationJournal::open(path, why);
            if (!journal)
                return nullptr;
            journal->setLeaseSource([link](int needed) {
                LeaseAnswer answer;
                QMetaObject::invokeMethod(
                    link, [&] { answer = link->lease(needed); }, Qt::BlockingQueuedConnection);
                return answer;
            });
            m_queueJournal = journal.get();
            return journal;
        },
        context,
        [this, link, runId = context.runId, pooled = bool(context.poolId)] {
            noteCounts(pooled ? m_queueJournal->freeAddresses(runId) : -1,
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
    const StationState now = state();
    if (now == m_published)
        return;
    m_published = now;
    emit stateChanged(now);
}

QString StationRecord::refusal() const
{
    QMutexLocker lock(&m_mutex);
    const int pending = m_asked.load() - m_answered;
    if (m_state.online || m_state.addressesLeft < 0 || m_state.addressesLeft - pending > 0)
        return {};
    return leaseUsedUp();
}

void StationRecord::reserve(const UnitStart &unit, QObject *context,
                            std::function<void(const Reservation &)> done)
{
    ++m_asked;
    m_queue->reserve(unit, context, std::move(done));
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
    if (m_closed || !m_link)
        return {};
    m_closed = true;
    m_queue.reset(); // what was asked is in the journal first
    QString result;
    QMetaObject::invokeMethod(
        m_link, [&] { result = m_link->finish(); }, Qt::BlockingQueuedConnection);
    return result;
}

} // namespace zomar
