#pragma once
// The production store (or a station's journal) on a thread of its own, as
// the line programmer's record: a commit's wait for the disk
// (synchronous=FULL) or for another process's write lock never holds up the
// module sessions on the event loop.
// Requests that arrive while a transaction runs are committed together in the
// next one (one wait for the disk for many modules); answers come on the
// context object's thread, in the order asked, once committed. Should a
// combined transaction fail, each request is tried again alone, so that one
// faulty request does not take the others with it.

#include "core/store/JoinedThread.h"
#include "core/store/Unit.h"
#include "core/store/ProductionStore.h"

#include <QMutex>

namespace zomar {

class StoreQueue : public QObject, public LineRecord
{
    Q_OBJECT
public:
    explicit StoreQueue(QObject *parent = nullptr);
    ~StoreQueue() override; // waits for what was asked to be committed

    // Opens a connection of its own to the store on the queue's thread; ""
    // when open, else why not.
    QString start(const QString &location, const RunContext &context,
                  int busyTimeoutMs = ProductionStore::kDefaultBusyTimeoutMs);
    // The same with what `open` makes on the queue's thread (nullptr with
    // the error set when it cannot); `committed` runs there after each commit.
    using Opener = std::function<std::unique_ptr<UnitSink>(QString *error)>;
    QString start(const Opener &open, const RunContext &context,
                  std::function<void()> committed = {});

    void reserve(const UnitStart &unit, QObject *context,
                 std::function<void(const Reservation &)> done) override;
    void settle(const UnitSettlement &settlement, QObject *context,
                std::function<void(const QString &error)> done) override;
    void beginBatch() override;
    void endBatch() override;

private:
    struct Request {
        std::optional<UnitStart> start;
        std::optional<UnitSettlement> settlement;
        QObject *context = nullptr;
        std::function<void(const Reservation &)> reserved;
        std::function<void(const QString &)> settled;
    };
    void post(std::optional<Request> request);
    void drain(); // on the queue's thread
    void commit(QList<Request> &requests);
    static void answer(const Request &request, const Reservation &reservation,
                       const QString &error);

    JoinedThread m_thread{QStringLiteral("ProductionStore")};
    std::unique_ptr<UnitSink> m_store; // used on m_thread only
    RunContext m_context;
    std::function<void()> m_committed;
    QMutex m_mutex;
    QList<Request> m_pending;
    bool m_drainScheduled = false;
    int m_held = 0; // batches open: requests wait for their end
};

} // namespace zomar
