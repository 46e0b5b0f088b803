#pragma once
// One run of a production line, as every front end starts it (the command
// line's program, a station window): it reads the profile once (the bytes
// parsed are the bytes hashed), checks everything that can be checked before
// anything is sent (a fixed local address over several modules, the range
// past FFFFFFFF, the store and the log being usable files) and refuses a bad
// setup with one line; then it opens the store, imports an old CSV log, marks
// the units of interrupted runs unknown, opens the address pool, and wires
// the line programmer to the store (on its own thread) and to the CSV mirror.
// On a server the programmer's record is the station's journal, forwarded to
// the server, with addresses in leases (StationRecord).

#include "core/line/LineProgrammer.h"
#include "core/store/ProductionStore.h"
#include "core/line/ProgramLog.h"
#include "core/sharedstore/StationRecord.h"
#include "core/link/LineSettings.h"
#include "core/link/PortCatalog.h"

#include <QObject>

#include <memory>
#include <optional>

namespace zomar {

class StoreQueue;

struct LineSetup {
    QString profilePath;
    std::optional<quint32> localFrom; // a pool from this address on
    quint32 step = 1;
    std::optional<quint32> fixedLocal; // every module gets it (over the profile's)
    bool sameLocal = false;            // a fixed local address on several modules is meant
    QString store;                     // a file (made when new) or postgresql://...
    QString station;                   // what the line calls this station; "" for the host name
    int lease = StationRecord::kDefaultLease; // addresses taken at a time from a server
    QString log;                       // CSV mirror, "" for none
    int baud = kDefaultLineSpeed;
    int modules = 0;        // modules named at the start
    bool openEnded = false; // more will come (station mode)
    QString program;        // who runs, e.g. "zomar-cli 1.0.1"
    int busyTimeoutMs = ProductionStore::kDefaultBusyTimeoutMs;
};

struct SetupRefusal {
    enum Kind {
        None,
        Profile,    // the profile cannot be read or is invalid
        Value,      // a value of the setup (the step, the range past FFFFFFFF)
        FixedLocal, // one local address for several modules, not said to be meant
        Record,     // the store or the log cannot be used
    };
    Kind kind = None;
    QString message; // one line; ends with "nothing was sent"
    explicit operator bool() const { return kind != None; }
};

class ProductionRun : public QObject
{
    Q_OBJECT
public:
    explicit ProductionRun(QObject *parent = nullptr);
    ~ProductionRun() override; // ends the run in the store

    // Once, before anything else.
    SetupRefusal open(const LineSetup &setup);
    // A name that every row carries is one line of printable text: a table
    // of the record has a line per unit.
    static bool hasControlCharacter(const QString &name);

    const Profile &profile() const { return m_profile; }
    QString profileFile() const { return m_context.profileFile; }
    QString profileSha256() const { return m_context.profileSha256; }
    QString station() const { return m_context.station; }
    qint64 runId() const { return m_context.runId; }
    std::optional<qint64> poolId() const { return m_context.poolId; }
    // The pool as it was at the start (nullopt: no pool; the profile's or the
    // modules' own local addresses).
    const std::optional<PoolState> &pool() const { return m_pool; }
    // The address the record gives the next module, read now; nullopt when
    // that cannot be told (no pool, a server's lease, another run taking
    // from the same store).
    std::optional<quint32> nextAddress();
    // A connection to a store file on this thread, for reports (none for a
    // server once the run began: the station's link is its one connection).
    ProductionStore *store() { return m_store.get(); }
    // Units of interrupted runs found at the start and marked unknown.
    int interruptedUnits() const { return m_interrupted; }
    int importedRows() const { return m_imported; }
    // On a server: online or not, addresses left in the lease, rows waiting
    // (stationChanged tells each change). leased is false for a store file.
    StationState stationState() const;
    // On a server: this station's journal ("" for a store file).
    QString journalPath() const;
    LineProgrammer *programmer() { return m_programmer.get(); }

    // Who plugs the modules in from now on (a station's operator), for their rows.
    void setOperatorName(const QString &name);

    // The modules on these devices, in this order (one port scan for all).
    void start(const QStringList &devices);
    bool program(const ModuleJob &job);
    // A module's names and USB serial number from one scan of the system's ports.
    static ModuleJob jobFor(const QString &device, const QList<SystemPort> &ports);

    // Ends the run in the store once nothing is in flight; "" or why not.
    QString close();

signals:
    // Once the outcome is committed to the store (and written to the log).
    void moduleFinished(const zomar::ModuleOutcome &outcome);
    // The store could not be written: no new module starts.
    void recordFailed(const QString &error);
    // On a server: the station's state changed (the server went away or came
    // back, the lease or the rows waiting changed).
    void stationChanged(const zomar::StationState &state);

private:
    SetupRefusal refuse(SetupRefusal::Kind kind, const QString &message);
    // The record's part of open(), step by step: the store's and the log's
    // files checked (legacyLog: the log is of an earlier version), the store
    // opened (and the station on a server), the run begun in it (an earlier
    // log imported, the pool opened, the log opened), its rows' way to it.
    SetupRefusal openRecord(const LineSetup &setup);
    SetupRefusal checkFiles(const LineSetup &setup, bool *legacyLog);
    SetupRefusal openStore(const LineSetup &setup);
    SetupRefusal beginRun(const LineSetup &setup, bool legacyLog);
    SetupRefusal startRecord(const LineSetup &setup);
    // Whether the pool has an address for each module left.
    SetupRefusal checkCapacity(const LineSetup &setup);
    void mirror(ModuleOutcome outcome);

    Profile m_profile;
    RunContext m_context;
    std::optional<PoolKey> m_poolKey;
    std::optional<PoolState> m_pool;
    int m_interrupted = 0;
    int m_imported = 0;
    std::unique_ptr<ProductionStore> m_store;
    std::unique_ptr<ProgramLog> m_log;
    // Declared after the programmer: the queue is gone (its thread joined)
    // before the programmer that gets its answers.
    std::unique_ptr<LineProgrammer> m_programmer;
    std::unique_ptr<StoreQueue> m_queue;
    std::unique_ptr<StationRecord> m_station; // on a server, instead of the queue
    bool m_closed = false;
};

} // namespace zomar
