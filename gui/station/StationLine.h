#pragma once
// A line station at work: the production run of its setup, the sockets it
// watches, and what each slot shows. Each new module is programmed once, by
// its slot; a module in place when the station starts is left alone (it may
// have been programmed before a restart); one that fails never stops the
// others; a slot keeps its result until its module is unplugged. Closing
// lets the modules in flight finish and be recorded first.

#include "core/line/LineProgrammer.h"
#include "core/link/PortWatcher.h"
#include "core/link/SocketClaim.h"
#include "core/stationsetup/StationFile.h"
#include "core/sharedstore/StoreStatus.h"

#include <QMap>
#include <QObject>

#include <memory>
#include <optional>

namespace zomar {

class ProductionRun;
struct Profile;

struct SlotView {
    enum Kind {
        Empty,     // waiting for a module
        LeftAlone, // in place when the station started
        Busy,      // being programmed
        Pass,
        Fail,
        NotStarted, // plugged in, but the station cannot program now
        Unknown,    // pulled out around its write: it may hold the address or not
        Stopped,    // the station is not running
        NoFolder,   // the folder of the sockets is not there
    };
    Kind kind = Empty;
    ModuleStep step = ModuleStep::Reading;
    // The address written (a pass), or sent (a read-back that differs, a
    // module pulled out around its write).
    std::optional<quint32> local;
    QString reason; // a failure, in a technician's words
    QString detail; // what the program found, in full
};

// A module's end, as a slot tells it.
struct SlotOutcome {
    int slot = -1;
    bool pass = false;
    std::optional<quint32> local;
    QString reason;
    bool unknown = false; // its state is unknown
    QString unitId;       // its row in the record ("" when it has none)
    std::optional<ConfigBlock> readBack; // a pass: the block as read back
};

class StationLine : public QObject
{
    Q_OBJECT
public:
    StationLine(const StationSetup &setup, const QString &stationFile, QObject *parent = nullptr);
    ~StationLine() override;

    // Opens the run and starts watching; "" when running, else one line why
    // not (every slot then says the station is not running).
    QString open(const QString &program);
    bool isOpen() const;
    // Why open() was refused when another program has this station's sockets.
    const ClaimConflict &conflict() const { return m_conflict; }
    // The socket folder as opened, and whether it is there.
    QString slotFolder() const;
    PortWatcher::Folder folderState() const;

    const StationSetup &setup() const { return m_setup; }
    const SlotView &slot(int index) const { return m_views.at(index); }
    int slotCount() const { return int(m_views.size()); }
    int inFlight() const;
    const Profile *profile() const;
    // The address the record gives the next module, read now (nullopt when
    // that cannot be told).
    std::optional<quint32> nextAddress() const;
    QString station() const; // the station's name in the record, once open
    qint64 runId() const;    // this run's, once open
    std::optional<qint64> poolId() const; // this run's pool, once open
    QString journalPath() const; // on a server: the station's journal ("" for a file)
    StoreStatus storeStatus() const { return m_status; }
    QString storeLocation() const; // as opened
    QString profilePath() const;   // as opened

    void setOperatorName(const QString &name);
    // While the setup is being changed, modules plugged in are not started.
    void setPaused(bool paused) { m_paused = paused; }
    // Stops taking new modules; true when none is in flight (else idle() follows).
    bool finish();

    // Technician's words for a failure (the slot's module was pulled out
    // during it, or not).
    static QString failureWords(const ModuleOutcome &outcome, bool pulledOut);
    // The slot of a socket link's name, or -1.
    int slotOfPort(const QString &linkPath) const;

public slots:
    // Where a store that can be out of reach reports its state.
    void setStoreStatus(const zomar::StoreStatus &status);

signals:
    void slotChanged(int slot);
    void unitFinished(const zomar::SlotOutcome &outcome);
    void storeStatusChanged(const zomar::StoreStatus &status);
    // A module in a socket that is no slot of this station.
    void strayModule(const QString &port);
    // Finishing, and the last module in flight is recorded.
    void idle();
    // The socket folder went, or came back.
    void folderChanged(zomar::PortWatcher::Folder state);

private:
    struct Socket {
        QString device; // the module's device while one is there
        bool present = false;
        bool running = false;
        bool pulledOut = false; // unplugged while it ran
    };
    int slotOfDevice(const QString &device) const;
    void stopAll(const QString &reason);
    void onFolder(PortWatcher::Folder state);
    SlotView waiting() const; // an empty slot's view while the folder is as it is
    void onAppeared(const ModuleJob &job);
    void startModule(int slot, const ModuleJob &job);
    void onDisappeared(const QString &device);
    void onStep(const QString &device, ModuleStep step);
    void onFinished(const ModuleOutcome &outcome);
    void show(int slot, SlotView view);

    StationSetup m_setup;
    QString m_stationFile;
    std::unique_ptr<SocketClaim> m_claim;
    ClaimConflict m_conflict;
    std::unique_ptr<ProductionRun> m_run;
    PortWatcher *m_watcher = nullptr;
    QList<SlotView> m_views;
    QList<Socket> m_sockets;
    QMap<int, ModuleJob> m_appeared; // by slot, until the event loop turns
    StoreStatus m_status;
    bool m_finishing = false;
    bool m_paused = false;
};

} // namespace zomar

Q_DECLARE_METATYPE(zomar::StoreStatus)
Q_DECLARE_METATYPE(zomar::SlotOutcome)
