#pragma once
// A station's forwarder to the server, on a thread of its own: it forwards the
// journal's rows in order (a batch per transaction, acknowledged once
// committed, tried again until they are), keeps the lease topped up, tells
// the server the run is alive, and notices when the server goes away and
// comes back (the same connection, opened again). Every statement has a
// deadline: a server that does not answer, or a network that drops packets
// without a word, is noticed within seconds and holds up only this thread,
// never the journal's commits or the module sessions.
//
// A run released from elsewhere while this station was cut off is noticed
// when the server answers again: its lease is given up here (the server
// retired its addresses), a new run is registered and a new lease taken.

#include "core/sharedstore/ServerDeadline.h"
#include "core/sharedstore/StationJournal.h"
#include "core/sharedstore/StationState.h"

#include <QObject>

#include <functional>
#include <memory>

class QTimer;

namespace zomar {

class JournalForwarder : public QObject
{
    Q_OBJECT
public:
    // Told on the forwarder's thread whenever what it knows changes.
    using Report = std::function<void(const StationState &state)>;

    // A statement not answered within this is taken for a dead server.
    static constexpr int kDeadlineMs = 5000;
    // The server hears from a run this often (and so the station finds out
    // whether it is still there).
    static constexpr int kAliveMs = 2000;

    explicit JournalForwarder(Report report);
    ~JournalForwarder() override;

    // The rest runs on the forwarder's thread.
    QString open(const QString &server, const QString &journal, int busyTimeoutMs);
    // Forwards everything the journal holds; "" once the server has it all.
    QString forwardAll();
    // The run is registered: earlier leases are forgotten here and the first
    // one is taken. program: who runs (for a run registered again). "" or why not.
    QString begin(const RunContext &context, int leaseSize, const QString &program);
    // The journal needs at least `needed` more addresses: a lease is taken
    // now while the server answers (the answer comes as a report).
    void wantLease(int needed);
    // Forward soon (rows were committed to the journal).
    void wake();
    // A clean end: the lease's free addresses go back and the run ends, in
    // the journal first; then forwarded while the server answers. "" once
    // all reached it, else what waits and where.
    QString finish();

private:
    void pump();
    bool reconnect();
    QString forwardSome(bool *more);
    bool takeLease(int needed);
    void runReleased();
    bool registerRun();
    // A failed statement: the server gone (offline until it answers again)
    // or a row it refuses (tried again later).
    void failed(const QString &error);
    void report();

    Report m_report;
    std::unique_ptr<ProductionStore> m_server;
    std::unique_ptr<StationJournal> m_journal;
    ServerDeadline m_deadline;
    QString m_journalPath;
    RunContext m_context;
    QString m_program;
    int m_leaseSize = 0;
    bool m_poolEmpty = false;
    bool m_newRunNeeded = false; // released: a run of its own is registered once online
    StationState m_state;
    QTimer *m_timer = nullptr;
};

} // namespace zomar
