#pragma once
// Programs modules on a production line: one module session per port, all
// side by side on the event loop. Each module gets its row in the record (and
// its local address, when the record hands them out) before it is touched;
// once that row is on disk it is read (it is there, and what it had), its
// block (the profile's fields, its own local address) written, read back and
// verified, on the device it was found on and no other; its outcome is on
// disk before it is announced. A module that fails never
// stops or slows the others; a record that cannot be written stops new
// modules from starting and lets the ones in flight finish.

#include "core/store/Unit.h"
#include "core/profiles/Profile.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

class QSerialPort;

namespace zomar {

class ModuleSession;
class SerialLink;
struct SessionResult;

struct ModuleOutcome {
    // Why a module did not pass, worst last.
    enum Failure {
        None,
        RefusedValue, // its block could not be made (no address left, a byte A5)
        NoAnswer,     // silent, or not a whole block
        Mismatch,     // the read-back differs from what was written
        NotStarted,   // no address could be had (a station offline): nothing was sent
        PortBusy,     // another program holds the port: nothing was sent, no row was made
        PortFailed,   // the port could not be opened, or was lost
        NotRecorded,  // its row could not be committed
    };
    // The failure a module session's result stands for (None when it is done).
    static Failure failureOf(const SessionResult &result);
    static QString failureName(Failure failure); // "no_answer", ... ("" for None)
    static Failure failureFromName(const QString &name); // None for one not known
    ModuleJob job;
    QString unitId; // its row in the record ("" when it has none)
    bool pass = false;
    Failure failure = None;
    QString message;
    bool packetSent = false;
    // The port went away around the packet: the module may hold it or not.
    bool stateUnknown = false;
    QStringList holders; // PortBusy: the programs holding the port, "name (pid N)"
    std::optional<quint32> local; // the local address given
    std::optional<ConfigBlock> before;
    std::optional<ConfigBlock> written;
    std::optional<ConfigBlock> readBack;
    QString recordError; // the outcome could not be committed
    QString logError;    // committed, but the CSV log could not be written
};

// Where a module's programming is, for a screen that follows it.
enum class ModuleStep {
    Reading,   // its block is read (and its row committed)
    Writing,   // the new block goes out
    Verifying, // it is read back
};

class LineProgrammer : public QObject
{
    Q_OBJECT
public:
    // Every module gets the profile's fields; its local address is the
    // record's when the record hands them out.
    LineProgrammer(const Profile &profile, int baud, QObject *parent = nullptr);
    ~LineProgrammer() override;

    // Where rows and addresses come from (outlives this; none: no record).
    void setRecord(LineRecord *record) { m_record = record; }
    // Who plugs the modules in from now on, for their rows.
    void setOperatorName(const QString &name) { m_operatorName = name; }
    void setLinkHook(std::function<void(SerialLink &, const QString &)> hook)
    {
        m_linkHook = std::move(hook);
    }

    // Starts a module now; false when its device is busy here, or the record
    // failed. When the record refuses new modules for now, or another program
    // holds its port, the module is not touched and no row is made: its
    // outcome (NotStarted or PortBusy, why) is announced, and true returned.
    bool program(const ModuleJob &job);
    // Starts a tray of modules at once; how many started.
    int program(const QList<ModuleJob> &jobs);
    int inFlight() const { return static_cast<int>(m_running.size()); }
    bool busyWith(const QString &device) const;
    // The module on device went away: unless its block is on its way (the
    // session then finds out itself), it is concluded now, and nothing is
    // written to whatever that name leads to later. True when one was.
    bool cancel(const QString &device);
    // A row could not be committed: no new module starts.
    bool stopped() const { return !m_recordError.isEmpty(); }

signals:
    // A module started, or moved on to its next step.
    void moduleStep(const QString &device, zomar::ModuleStep step);
    // Its block goes out now: its unit, address and the block written are
    // in `sofar` (what a label is drawn from before the module passes).
    void blockWriting(const zomar::ModuleOutcome &sofar);
    // After the module's outcome is committed (or could not be).
    void moduleFinished(const zomar::ModuleOutcome &outcome);
    // The first time a row cannot be committed.
    void recordFailed(const QString &error);

private:
    struct Running;
    bool start(const ModuleJob &job, std::unique_ptr<QSerialPort> ahead);
    void onReserved(Running &run, const Reservation &reservation);
    void onResult(Running &run, const SessionResult &result);
    void startReading(Running &run);
    void writeIfReady(Running &run, bool unread = false);
    void conclude(Running &run, ModuleOutcome::Failure failure, const QString &message);
    void settle(Running &run);
    void finish(Running &run, const QString &recordError);
    void noteRecordError(const QString &error);
    void announceUntouched(ModuleOutcome outcome);

    Profile m_profile;
    int m_baud;
    LineRecord *m_record = nullptr;
    QString m_operatorName;
    QString m_recordError;
    std::function<void(SerialLink &, const QString &)> m_linkHook;
    std::vector<std::unique_ptr<Running>> m_running;
};

} // namespace zomar

Q_DECLARE_METATYPE(zomar::ModuleOutcome)
Q_DECLARE_METATYPE(zomar::ModuleStep)
