#include "gui/station/StationLine.h"

#include "core/link/PortWatcher.h"
#include "core/run/ProductionRun.h"
#include "core/link/SerialLink.h"
#include "core/protocol/ConfigBlock.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <utility>

namespace zomar {

StationLine::StationLine(const StationSetup &setup, const QString &stationFile, QObject *parent)
    : QObject(parent), m_setup(setup), m_stationFile(stationFile)
{
    qRegisterMetaType<zomar::StoreStatus>();
    qRegisterMetaType<zomar::SlotOutcome>();
    for (int i = 0; i < setup.slotList.size(); ++i) {
        m_views << SlotView{};
        m_sockets << Socket{};
    }
    m_status.location = storeLocation();
}

StationLine::~StationLine() = default;

QString StationLine::storeLocation() const
{
    return m_setup.store.isEmpty() ? ProductionStore::defaultLocation()
                                   : stationPath(m_stationFile, m_setup.store);
}

QString StationLine::profilePath() const
{
    return stationPath(m_stationFile, m_setup.profile);
}

bool StationLine::isOpen() const
{
    return m_run && m_run->programmer();
}

const Profile *StationLine::profile() const
{
    return isOpen() ? &m_run->profile() : nullptr;
}

std::optional<quint32> StationLine::nextAddress() const
{
    return isOpen() ? m_run->nextAddress() : std::nullopt;
}

QString StationLine::station() const
{
    return m_run ? m_run->station() : QString();
}

qint64 StationLine::runId() const
{
    return m_run ? m_run->runId() : 0;
}

std::optional<qint64> StationLine::poolId() const
{
    return m_run ? m_run->poolId() : std::nullopt;
}

QString StationLine::journalPath() const
{
    return m_run ? m_run->journalPath() : QString();
}

QString StationLine::slotFolder() const
{
    return stationPath(m_stationFile, m_setup.slotFolder);
}

PortWatcher::Folder StationLine::folderState() const
{
    return m_watcher ? m_watcher->folderState() : PortWatcher::Folder::Present;
}

int StationLine::inFlight() const
{
    return isOpen() ? m_run->programmer()->inFlight() : 0;
}

QString StationLine::open(const QString &program)
{
    // One program per station, and per socket, on this PC: two would both
    // program each module.
    QStringList sockets;
    for (const StationSlot &slot : std::as_const(m_setup.slotList))
        sockets << slot.port;
    QString unclaimed;
    m_claim = SocketClaim::take({program, m_stationFile, slotFolder(), sockets}, &m_conflict,
                                &unclaimed);
    if (!m_claim) {
        const QString why = m_conflict ? m_conflict.text() : unclaimed;
        stopAll(m_conflict ? tr("This station runs in %1 (pid %2)")
                                 .arg(m_conflict.program)
                                 .arg(m_conflict.pid)
                           : tr("The station is not running: call the engineer"));
        return why;
    }
    LineSetup line;
    line.profilePath = profilePath();
    line.localFrom = m_setup.localFrom;
    line.step = m_setup.step;
    line.store = storeLocation();
    line.baud = m_setup.baud;
    line.openEnded = true;
    line.program = program;
    line.station = m_setup.station;
    m_run = std::make_unique<ProductionRun>();
    const SetupRefusal refused = m_run->open(line);
    if (refused) {
        m_run.reset();
        m_claim.reset();
        stopAll(tr("The station is not running: call the engineer"));
        if (refused.kind == SetupRefusal::FixedLocal)
            return tr("%1: give the first address of a pool").arg(refused.message);
        return refused.message;
    }
    connect(m_run->programmer(), &LineProgrammer::moduleStep, this, &StationLine::onStep);
    connect(m_run.get(), &ProductionRun::moduleFinished, this, &StationLine::onFinished);
    connect(m_run.get(), &ProductionRun::recordFailed, this, [this](const QString &error) {
        StoreStatus status = m_status;
        status.problem = error;
        setStoreStatus(status);
    });
    // A server's record: online, or what the station holds while it is out of reach.
    const auto followStation = [this](const StationState &state) {
        StoreStatus status = m_status;
        status.station = state;
        setStoreStatus(status);
    };
    connect(m_run.get(), &ProductionRun::stationChanged, this, followStation);
    followStation(m_run->stationState());

    // Modules already in place are left alone, but known by their slot.
    const QString folder = slotFolder();
    for (int i = 0; i < m_sockets.size(); ++i) {
        const QString link = QDir(folder).filePath(m_setup.slotList.at(i).port);
        const QString device = SerialLink::canonicalDevice(link);
        if (device.isEmpty())
            continue;
        m_sockets[i] = Socket{device, true, false, false};
        show(i, SlotView{SlotView::LeftAlone, ModuleStep::Reading, std::nullopt, {}, {}});
    }
    m_watcher = new PortWatcher(folder, this);
    connect(m_watcher, &PortWatcher::appeared, this, &StationLine::onAppeared);
    connect(m_watcher, &PortWatcher::disappeared, this, &StationLine::onDisappeared);
    connect(m_watcher, &PortWatcher::folderChanged, this, &StationLine::onFolder);
    m_watcher->start();
    onFolder(m_watcher->folderState());
    return {};
}

void StationLine::stopAll(const QString &reason)
{
    for (int i = 0; i < m_views.size(); ++i)
        show(i, SlotView{SlotView::Stopped, ModuleStep::Reading, std::nullopt, reason, {}});
}

SlotView StationLine::waiting() const
{
    SlotView view;
    if (folderState() == PortWatcher::Folder::Missing) {
        view.kind = SlotView::NoFolder;
        view.reason = tr("The socket folder is missing: check the hub is plugged in, or call "
                         "the engineer");
        view.detail = tr("%1 is not there; the station watches for it.").arg(slotFolder());
    }
    return view;
}

void StationLine::onFolder(PortWatcher::Folder state)
{
    // Slots with nothing to show say where the sockets are not.
    for (int i = 0; i < m_views.size(); ++i)
        if (m_views.at(i).kind == SlotView::Empty || m_views.at(i).kind == SlotView::NoFolder)
            show(i, waiting());
    emit folderChanged(state);
}

void StationLine::setOperatorName(const QString &name)
{
    if (m_run)
        m_run->setOperatorName(name);
}

bool StationLine::finish()
{
    m_finishing = true;
    if (m_watcher)
        m_watcher->stop();
    return inFlight() == 0;
}

void StationLine::setStoreStatus(const StoreStatus &status)
{
    m_status = status;
    emit storeStatusChanged(m_status);
}

int StationLine::slotOfPort(const QString &linkPath) const
{
    const QString name = QFileInfo(linkPath).fileName();
    for (int i = 0; i < m_setup.slotList.size(); ++i)
        if (m_setup.slotList.at(i).port == name)
            return i;
    return -1;
}

int StationLine::slotOfDevice(const QString &device) const
{
    for (int i = 0; i < m_sockets.size(); ++i)
        if (m_sockets.at(i).present || m_sockets.at(i).running)
            if (m_sockets.at(i).device == device)
                return i;
    return -1;
}

void StationLine::onAppeared(const ModuleJob &job)
{
    const int slot = slotOfPort(job.byPath);
    if (slot < 0) {
        emit strayModule(QFileInfo(job.byPath).fileName());
        return;
    }
    // Modules seen at once start in the slots' order, so that a tray's
    // addresses follow its slots.
    m_appeared.insert(slot, job);
    if (m_appeared.size() == 1)
        QTimer::singleShot(0, this, [this] {
            const QMap<int, ModuleJob> appeared = std::exchange(m_appeared, {});
            for (auto it = appeared.cbegin(); it != appeared.cend(); ++it)
                startModule(it.key(), it.value());
        });
}

void StationLine::startModule(int slot, const ModuleJob &job)
{
    Socket &socket = m_sockets[slot];
    socket.device = job.device;
    socket.present = true;
    socket.pulledOut = false;
    // Taken now: an outcome without touching the module (no address offline,
    // a port another program holds) follows as any other.
    socket.running = true;
    if (m_finishing || m_paused || !m_status.writable() || !m_run->program(job)) {
        socket.running = false;
        SlotView view{SlotView::NotStarted, ModuleStep::Reading, std::nullopt, {}, {}};
        if (m_finishing)
            view.reason = tr("The station is closing");
        else if (m_paused)
            view.reason = tr("The setup is being changed: plug it in again later");
        else if (!m_status.writable() || m_run->programmer()->stopped())
            view.reason = tr("The record cannot be written: call the engineer");
        else
            view.reason = tr("The module before is still finishing: plug this one "
                                         "in again");
        view.detail = m_status.problem;
        show(slot, view);
        return;
    }
}

void StationLine::onDisappeared(const QString &device)
{
    const int slot = slotOfDevice(device);
    if (slot < 0)
        return;
    Socket &socket = m_sockets[slot];
    socket.present = false;
    // The outcome of a module pulled out while it ran is still to come, and
    // stays until the next module; one not written to yet ends now.
    if (socket.running) {
        socket.pulledOut = true;
        if (m_run)
            m_run->programmer()->cancel(device);
        return;
    }
    show(slot, waiting());
}

void StationLine::onStep(const QString &device, ModuleStep step)
{
    for (int i = 0; i < m_sockets.size(); ++i) {
        if (m_sockets.at(i).running && m_sockets.at(i).device == device) {
            show(i, SlotView{SlotView::Busy, step, std::nullopt, {}, {}});
            return;
        }
    }
}

void StationLine::onFinished(const ModuleOutcome &o)
{
    int slot = -1;
    for (int i = 0; i < m_sockets.size() && slot < 0; ++i)
        if (m_sockets.at(i).running && m_sockets.at(i).device == o.job.device)
            slot = i;
    if (slot >= 0) {
        Socket &socket = m_sockets[slot];
        socket.running = false;
        SlotView view;
        view.kind = o.pass ? SlotView::Pass : o.stateUnknown ? SlotView::Unknown : SlotView::Fail;
        // The address the module holds, or may hold.
        const bool sent = o.pass || o.packetSent;
        view.local = sent && o.recordError.isEmpty() ? o.local : std::nullopt;
        // The port may fail before the socket's link is seen to go.
        const QString link = QDir(slotFolder()).filePath(m_setup.slotList.at(slot).port);
        const bool pulledOut = socket.pulledOut || !QFileInfo::exists(link);
        if (pulledOut)
            socket.present = false; // the result stays until the next module
        view.reason = o.pass ? QString() : failureWords(o, pulledOut);
        view.detail = o.recordError.isEmpty()
                          ? o.message
                          : tr("%1; not recorded: %2").arg(o.message, o.recordError);
        if (!o.logError.isEmpty())
            view.detail += tr("; not in the log: %1").arg(o.logError);
        // A module another program holds was never touched: no unit of the shift.
        if (o.failure == ModuleOutcome::PortBusy) {
            view.kind = SlotView::NotStarted;
            show(slot, view);
        } else {
            show(slot, view);
            emit unitFinished(SlotOutcome{slot, o.pass, view.local, view.reason, o.stateUnknown,
                                          o.unitId, o.readBack});
        }
    }
    if (m_finishing && inFlight() == 0)
        emit idle();
}

void StationLine::show(int slot, SlotView view)
{
    m_views[slot] = std::move(view);
    emit slotChanged(slot);
}

QString StationLine::failureWords(const ModuleOutcome &o, bool pulledOut)
{
    const QString address = o.local ? addressHex(*o.local) : QString();
    if (o.stateUnknown)
        return address.isEmpty()
                   ? tr("Pulled out as it was written: its state is unknown; read it back")
                   : tr("Pulled out as it was written: it may hold address %1; read it back")
                         .arg(address);
    switch (o.failure) {
    case ModuleOutcome::None:
        break;
    case ModuleOutcome::RefusedValue:
        return tr("Refused: nothing was written; call the engineer");
    case ModuleOutcome::NoAnswer:
        return tr("No answer: check the module is seated");
    case ModuleOutcome::Mismatch:
        return address.isEmpty() || !o.packetSent
                   ? tr("Read-back differs: put the module aside")
                   : tr("Read-back differs: put the module aside (address %1 was sent)")
                         .arg(address);
    case ModuleOutcome::PortBusy:
        return o.holders.isEmpty()
                   ? tr("In use by another program: close it there, then plug the module in "
                        "again")
                   : tr("In use by %1: close it there, then plug the module in again")
                         .arg(o.holders.join(QStringLiteral(", ")));
    case ModuleOutcome::PortFailed:
        return pulledOut ? tr("Pulled out before it was written: nothing was written; plug it "
                              "in again")
                         : tr("Port failed: check the hub and its cable");
    case ModuleOutcome::NotRecorded:
        return tr("Not recorded: call the engineer");
    case ModuleOutcome::NotStarted:
        return tr("Not started: no address left offline; call the engineer");
    }
    return {};
}

} // namespace zomar
