#include "core/store/StoreQueue.h"

#include <QMetaObject>
#include <QMutexLocker>

namespace zomar {

StoreQueue::StoreQueue(QObject *parent) : QObject(parent) {}

StoreQueue::~StoreQueue()
{
    // What is still queued is committed first; the connection is closed on
    // the thread that opened it, and the thread ends before this returns.
    m_thread.run([this] {
        drain();
        m_store.reset();
    });
    m_thread.stop();
}

QString StoreQueue::start(const QString &location, const RunContext &context, int busyTimeoutMs)
{
    return start(
        [location, busyTimeoutMs](QString *error) -> std::unique_ptr<UnitSink> {
            return ProductionStore::open(location, ProductionStore::Mode::Existing, error,
                                         busyTimeoutMs);
        },
        context);
}

QString StoreQueue::start(const Opener &open, const RunContext &context,
                          std::function<void()> committed)
{
    if (m_thread.running())
        return QStringLiteral("the store queue is running already");
    m_context = context;
    m_committed = std::move(committed);
    m_thread.start();
    QString error;
    m_thread.run([&] { m_store = open(&error); });
    return m_store ? QString() : error;
}

void StoreQueue::reserve(const UnitStart &unit, QObject *context,
                         std::function<void(const Reservation &)> done)
{
    Request r;
    r.start = unit;
    r.context = context;
    r.reserved = std::move(done);
    post(std::move(r));
}

void StoreQueue::settle(const UnitSettlement &settlement, QObject *context,
                        std::function<void(const QString &)> done)
{
    Request r;
    r.settlement = settlement;
    r.context = context;
    r.settled = std::move(done);
    post(std::move(r));
}

void StoreQueue::beginBatch()
{
    QMutexLocker lock(&m_mutex);
    ++m_held;
}

void StoreQueue::endBatch()
{
    {
        QMutexLocker lock(&m_mutex);
        m_held = std::max(0, m_held - 1);
    }
    post({});
}

void StoreQueue::post(std::optional<Request> request)
{
    bool schedule = false;
    {
        QMutexLocker lock(&m_mutex);
        if (request)
            m_pending.append(std::move(*request));
        schedule = !m_drainScheduled && m_held == 0 && !m_pending.isEmpty();
        if (schedule)
            m_drainScheduled = true;
    }
    if (schedule)
        m_thread.post([this] { drain(); });
}

void StoreQueue::drain()
{
    QList<Request> requests;
    {
        QMutexLocker lock(&m_mutex);
        requests.swap(m_pending);
        m_drainScheduled = false;
    }
    if (!requests.isEmpty()) {
        commit(requests);
        if (m_committed)
            m_committed();
    }
}

void StoreQueue::commit(QList<Request> &requests)
{
    const auto batchOf = [](const QList<Request> &list) {
        UnitBatch batch;
        for (const Request &r : list) {
            if (r.settlement)
                batch.settlements << *r.settlement;
            if (r.start)
                batch.starts << *r.start;
        }
        return batch;
    };
    const auto answerAll = [](const QList<Request> &list, const UnitBatch &batch,
                              const QString &error) {
        qsizetype next = 0;
        for (const Request &r : list)
            answer(r, r.start && error.isEmpty() ? batch.reservations.at(next++) : Reservation(),
                   error);
    };
    if (!m_store) {
        answerAll(requests, {}, QStringLiteral("the store is not open"));
        return;
    }
    UnitBatch batch = batchOf(requests);
    const QString error = m_store->record(m_context, batch);
    if (error.isEmpty() || requests.size() == 1) {
        answerAll(requests, batch, error);
        return;
    }
    for (const Request &r : requests) {
        UnitBatch alone = batchOf({r});
        answerAll({r}, alone, m_store->record(m_context, alone));
    }
}

void StoreQueue::answer(const Request &request, const Reservation &reservation,
                        const QString &error)
{
    if (!request.context)
        return;
    if (request.start) {
        Reservation r = reservation;
        r.error = error;
        QMetaObject::invokeMethod(
            request.context, [done = request.reserved, r] { done(r); }, Qt::QueuedConnection);
    } else {
        QMetaObject::invokeMethod(
            request.context, [done = request.settled, error] { done(error); },
            Qt::QueuedConnection);
    }
}

} // namespace zomar
