#pragma once
// The record of a run on a server that several stations share, as the line
// programmer sees it: rows and addresses come from this station's journal
// (on the store queue's thread, committed before anything is sent), the
// journal is forwarded to the server by the station's forwarder (a thread of its
// own), and the station's state (online or not, addresses left, rows
// waiting) is told to the front end.
//
// Nothing here waits for the server. A module is given an address only from
// what the lease holds: one that finds none waits (untouched) while the forwarder
// takes a new lease, and gets none when the server cannot be reached.

#include "core/store/JoinedThread.h"
#include "core/store/Unit.h"
#include "core/store/ProductionStore.h"
#include "core/sharedstore/StationState.h"

#include <QMutex>
#include <QObject>
#include <QPointer>

#include <atomic>
#include <memory>

namespace zomar {

class StationJournal;
class JournalForwarder;
class StoreQueue;

class StationRecord : public QObject, public LineRecord
{
    Q_OBJECT
public:
    static constexpr int kDefaultLease = 32;
    struct Setup {
        QString server;  // postgresql://...
        QString station; // what the line calls this station
        int lease = kDefaultLease;
        int busyTimeoutMs = ProductionStore::kDefaultBusyTimeoutMs;
        QString program = {}; // who runs, e.g. "zomar-cli 1.0.1"
    };

    explicit StationRecord(QObject *parent = nullptr);
    // The forwarder's connection is closed on its thread, and the thread joined.
    ~StationRecord() override;

    // Takes this station's journal (one run of a station at a time on a PC),
    // opens the server and forwards what an earlier run left. "" or why not.
    QString open(const Setup &setup);
    QString journalPath() const { return m_journalPath; }
    // Whether a run of a station holds this journal now.
    static bool journalInUse(const QString &journal);
    // The run is registered on the server: its first lease, then the queue.
    QString begin(const RunContext &context);
    StationState state() const;
    // Ends the run once nothing is in flight: the lease's free addresses go
    // back and the rest is forwarded. "" once the server has it all, else
    // what waits in the journal.
    QString close();

    void reserve(const UnitStart &unit, QObject *context,
                 std::function<void(const Reservation &)> done) override;
    void settle(const UnitSettlement &settlement, QObject *context,
                std::function<void(const QString &error)> done) override;
    void beginBatch() override;
    void endBatch() override;
    QString refusal() const override;

signals:
    void stateChanged(const zomar::StationState &state);

private:
    struct Waiting {
        UnitStart unit;
        QPointer<QObject> context;
        std::function<void(const Reservation &)> done;
    };
    void note(const StationState &link);                  // any thread
    void noteCounts(int free, int waiting, int answered); // the queue's thread
    void publish();                                       // this object's thread
    int available() const; // free in the lease, less what is asked already
    void wait(Waiting w, bool first = false);
    void ask(Waiting w);
    void serveWaiting();

    Setup m_setup;
    QString m_journalPath;
    bool m_pooled = false;
    int m_lockFd = -1;
    JoinedThread m_forwarderThread{QStringLiteral("Forwarder")};
    JournalForwarder *m_forwarder = nullptr; // lives on m_forwarderThread
    std::unique_ptr<StoreQueue> m_queue;
    StationJournal *m_queueJournal = nullptr; // the queue's own, used on its thread
    mutable QMutex m_mutex;
    StationState m_state; // guarded by m_mutex
    StationState m_published;
    // Reservations asked (here) and committed (the queue's journal): those in
    // between will take addresses that the last count still shows free.
    std::atomic<int> m_asked{0};
    int m_answered = 0; // guarded by m_mutex, with m_state's count
    QList<Waiting> m_waiting; // modules waiting for the forwarder's next lease
    bool m_closed = false;
};

} // namespace zomar
