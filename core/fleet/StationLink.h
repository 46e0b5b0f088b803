#pragma once
// A station's line to the server, on a thread of its own: it forwards the
// journal's rows in order (a batch per transaction, acknowledged once
// committed, tried again until they are), keeps the lease topped up, tells
// the server the run is alive, and notices when the server goes away and
// comes back (the same connection, opened again). A server that does not
// answer holds up only this thread: the journal's commits and the module
// sessions go on.

#include "core/fleet/StationJournal.h"
#include "core/fleet/StationState.h"

#include <QObject>

#include <functional>
#include <memory>

class QTimer;

namespace zomar {

class StationLink : public QObject
{
    Q_OBJECT
public:
    // Told on the link's thread whenever what it knows changes.
    using Report = std::function<void(const StationState &state)>;

    explicit StationLink(Report report);
    ~StationLink() override;

    // The rest runs on the link's thread.
    QString open(const QString &server, const QString &journal, int busyTimeoutMs);
    // Forwards everything the journal holds; "" once the server has it all.
    QString forwardAll();
    // The run is registered: earlier leases are forgotten here and the first
    // one is taken. "" or why not.
    QString begin(const RunContext &context, int leaseSize);
    // Takes a lease of at least `needed` addresses into the journal.
    LeaseAnswer lease(int needed);
    // Forward soon (rows were committed to the journal).
    void wake();
    // A clean end: the lease's free addresses go back and the run ends, in
    // the journal first; then forwarded while the server answers. "" once
    // all reached it, else what waits and where.
    QString finish();

private:
    void pump();
    QString forwardSome(bool *more);
    void topUp();
    // A failed statement: the server gone (offline until it answers again)
    // or a row it refuses (tried again later).
    void failed(const QString &error);
    void report();

    Report m_report;
    std::unique_ptr<ProductionStore> m_server;
    std::unique_ptr<StationJournal> m_journal;
    QString m_journalPath;
    RunContext m_context;
    int m_leaseSize = 0;
    bool m_poolEmpty = false;
    StationState m_state;
    qint64 m_lastTry = 0; // ms since the epoch of the last attempt while offline
    int m_forwarded = 0;  // rows forwarded so far
    QTimer *m_timer = nullptr;
};

} // namespace zomar
