#include "core/fleet/ProductionRun.h"

#include "core/fleet/LegacyLogImport.h"
#include "core/fleet/RecordFile.h"
#include "core/fleet/StoreBackend.h"
#include "core/fleet/StoreQueue.h"
#include "core/link/SerialLink.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>

namespace zomar {

namespace {

QString modulesText(int count)
{
    return count == 1 ? QStringLiteral("1 module") : QStringLiteral("%1 modules").arg(count);
}

} // namespace

ProductionRun::ProductionRun(QObject *parent) : QObject(parent) {}

ProductionRun::~ProductionRun()
{
    close();
}

QString ProductionStore::defaultLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zomar/production.db");
}

SetupRefusal ProductionRun::refuse(SetupRefusal::Kind kind, const QString &message)
{
    m_queue.reset();
    if (m_station)
        m_station->close();
    m_station.reset();
    if (m_store && m_context.runId)
        m_store->endRun(m_context.runId);
    m_context.runId = 0;
    m_store.reset();
    m_log.reset();
    return {kind, message};
}

SetupRefusal ProductionRun::open(const LineSetup &setup)
{
    const ProfileReading reading = readProfile(setup.profilePath);
    if (!reading.profile)
        return refuse(SetupRefusal::Profile, reading.error);
    m_profile = *reading.profile;
    m_context.profileFile = QFileInfo(setup.profilePath).absoluteFilePath();
    m_context.profileSha256 = QString::fromLatin1(
        QCryptographicHash::hash(reading.bytes, QCryptographicHash::Sha256).toHex());
    m_context.station = setup.station.isEmpty() ? RunIdentity::hostName() : setup.station;
    if (hasControlCharacter(m_context.station))
        return refuse(SetupRefusal::Value,
                      QStringLiteral("the station's name may not hold a line break or another "
                                     "control character"));
    if (setup.fixedLocal)
        m_profile.local = setup.fixedLocal;

    // One address, one module: the same one for several is refused unless meant.
    if (setup.localFrom) {
        m_poolKey = PoolKey::of(m_profile, *setup.localFrom, setup.step);
    } else if (m_profile.local && !setup.sameLocal && (setup.modules > 1 || setup.openEnded)) {
        return refuse(SetupRefusal::FixedLocal,
                      QStringLiteral("%1 would all get the local address %2%3")
                          .arg(setup.openEnded ? QStringLiteral("the modules of a station")
                                               : modulesText(setup.modules),
                               addressHex(*m_profile.local),
                               setup.fixedLocal ? QString()
                                                : QStringLiteral(" (from the profile)")));
    }
    if (setup.step < 1)
        return refuse(SetupRefusal::Value, QStringLiteral("the step between addresses is 1 or "
                                                          "more"));
    if (setup.lease < 1)
        return refuse(SetupRefusal::Value, QStringLiteral("a lease is 1 address or more"));
    return openRecord(setup);
}

SetupRefusal ProductionRun::openRecord(const LineSetup &setup)
{
    // Both files are checked before either is opened or made.
    QString problem;
    std::unique_ptr<StoreBackend> backend = StoreBackend::forLocation(setup.store, &problem);
    if (backend && setup.store == ProductionStore::defaultLocation())
        QDir().mkpath(QFileInfo(setup.store).absolutePath());
    if (backend)
        problem = backend->locationProblem(setup.store, true);
    if (problem.isEmpty() && !setup.log.isEmpty())
        problem = RecordFile::problem(setup.log, QStringLiteral("log"), false);
    const bool legacyLog =
        problem.isEmpty() && !setup.log.isEmpty() && LegacyLogImport::isLegacy(setup.log, &problem);
    if (!problem.isEmpty())
        return refuse(SetupRefusal::Record, problem);

    m_store = ProductionStore::open(setup.store, ProductionStore::Mode::Create, &problem,
                                    setup.busyTimeoutMs);
    if (!m_store)
        return refuse(SetupRefusal::Record, problem);
    const auto capacity = [&]() -> SetupRefusal {
        if (!m_poolKey)
            return {};
        m_pool = m_store->findPool(*m_poolKey, &problem);
        if (!m_pool)
            return refuse(SetupRefusal::Record,
                          QStringLiteral("cannot read the store %1: %2").arg(setup.store, problem));
        if (!m_pool->canHandOut(setup.modules)) {
            const std::optional<quint32> next = m_pool->nextAddress();
            return refuse(SetupRefusal::Value,
                          next ? QStringLiteral("%1 from local address %2 would pass FFFFFFFF")
                                     .arg(modulesText(setup.modules), addressHex(*next))
                               : QStringLiteral("the range from %1 in steps of %2 has no local "
                                                "address left before FFFFFFFF")
                                     .arg(addressHex(m_poolKey->first))
                                     .arg(m_poolKey->step));
        }
        return {};
    };
    if (SetupRefusal refused = capacity())
        return refused;
    if (backend->isServer()) {
        m_station = std::make_unique<StationRecord>();
        connect(m_station.get(), &StationRecord::stateChanged, this,
                &ProductionRun::stationChanged);
        problem = m_station->open(
            {setup.store, m_context.station, setup.lease, setup.busyTimeoutMs, setup.program});
        if (!problem.isEmpty())
            return refuse(SetupRefusal::Record, problem);
    }

    // From here on the run leaves rows.
    if (legacyLog) {
        const LegacyLogImport::Result imported = LegacyLogImport::run(*m_store, setup.log);
        if (!imported.error.isEmpty())
            return refuse(SetupRefusal::Record, imported.error);
        m_imported = imported.rows;
    }
    const ProductionStore::RunStart run =
        m_store->beginRun(RunIdentity::current(), setup.program, m_context.station);
    if (!run.error.isEmpty())
        return refuse(SetupRefusal::Record,
                      QStringLiteral("cannot write the store %1: %2").arg(setup.store, run.error));
    m_context.runId = run.runId;
    m_interrupted = run.unknown;
    if (m_poolKey) {
        const std::optional<qint64> pool = m_store->openPool(*m_poolKey, m_context.profileFile,
                                                             m_context.profileSha256, &problem);
        if (!pool)
            return refuse(SetupRefusal::Record, QStringLiteral("cannot write the store %1: %2")
                                                    .arg(setup.store, problem));
        m_context.poolId = *pool;
        // The imported rows may have moved the counter.
        if (SetupRefusal refused = capacity())
            return refused;
    }
    if (!setup.log.isEmpty()) {
        m_log = std::make_unique<ProgramLog>();
        problem = m_log->open(setup.log);
        if (!problem.isEmpty())
            return refuse(SetupRefusal::Record, problem);
    }
    LineRecord *record = nullptr;
    if (m_station) {
        problem = m_station->begin(m_context);
        record = m_station.get();
        // From here the station's link is its one connection to the server.
        if (problem.isEmpty())
            m_store.reset();
    } else {
        m_queue = std::make_unique<StoreQueue>();
        problem = m_queue->start(setup.store, m_context, setup.busyTimeoutMs);
        record = m_queue.get();
    }
    if (!problem.isEmpty())
        return refuse(SetupRefusal::Record, problem);

    m_programmer = std::make_unique<LineProgrammer>(m_profile, setup.baud);
    m_programmer->setRecord(record);
    connect(m_programmer.get(), &LineProgrammer::moduleFinished, this, &ProductionRun::mirror);
    connect(m_programmer.get(), &LineProgrammer::recordFailed, this,
            &ProductionRun::recordFailed);
    return {};
}

bool ProductionRun::hasControlCharacter(const QString &name)
{
    return std::any_of(name.begin(), name.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

ModuleJob ProductionRun::jobFor(const QString &device, const QList<SystemPort> &ports)
{
    ModuleJob job = ModuleJob::nodeOf(device);
    const QString canonical = job.node;
    job.device = device;
    job.byId = PortCatalog::byIdName(canonical);
    job.byPath = PortCatalog::byPathName(canonical);
    for (const SystemPort &port : ports)
        if (port.device == canonical)
            job.usbSerial = port.serialNumber;
    return job;
}

void ProductionRun::start(const QStringList &devices)
{
    if (devices.isEmpty() || !m_programmer)
        return;
    // USB serial numbers come from one walk over the system's ports, which
    // pseudo-terminals (virtual modules) are never part of.
    const bool real = std::any_of(devices.begin(), devices.end(), [](const QString &d) {
        return !SerialLink::canonicalDevice(d).startsWith(QLatin1String("/dev/pts/"));
    });
    const QList<SystemPort> ports = real ? PortCatalog::scan() : QList<SystemPort>();
    QList<ModuleJob> jobs;
    for (const QString &device : devices)
        jobs << jobFor(device, ports);
    m_programmer->program(jobs);
}

void ProductionRun::setOperatorName(const QString &name)
{
    if (m_programmer)
        m_programmer->setOperatorName(name);
}

bool ProductionRun::program(const ModuleJob &job)
{
    return m_programmer && m_programmer->program(job);
}

std::optional<quint32> ProductionRun::nextAddress()
{
    // A server's addresses come from this station's lease; a store file's
    // counter is this run's alone only while no other run is going.
    if (!m_poolKey || !m_store || m_station || !m_programmer)
        return std::nullopt;
    QSqlQuery others(m_store->database());
    others.prepare(QStringLiteral("SELECT COUNT(*) FROM runs WHERE id <> ? AND ended_at IS NULL"));
    others.addBindValue(m_context.runId);
    if (!others.exec() || !others.next() || others.value(0).toInt() != 0)
        return std::nullopt;
    QString error;
    const std::optional<PoolState> pool = m_store->findPool(*m_poolKey, &error);
    return pool ? pool->nextAddress() : std::nullopt;
}

void ProductionRun::mirror(ModuleOutcome o)
{
    // A module another program held was never touched and has no row.
    if (m_log && o.failure != ModuleOutcome::PortBusy) {
        ProgramRow row;
        row.time = QDateTime::currentDateTime();
        row.station = m_context.station;
        row.device = o.job.device;
        row.byId = o.job.byId;
        row.byPath = o.job.byPath;
        row.usbSerial = o.job.usbSerial;
        row.profileFile = m_context.profileFile;
        row.profileSha256 = m_context.profileSha256;
        const bool reached = o.pass || o.packetSent;
        row.local = o.local && reached ? addressHex(*o.local) : QString();
        row.blockBefore = o.before ? blockHex(o.before->toBytes()) : QString();
        row.blockWritten = o.packetSent && o.written ? blockHex(o.written->toBytes()) : QString();
        row.blockReadBack = o.readBack ? blockHex(o.readBack->toBytes()) : QString();
        row.pass = o.pass;
        row.message = o.recordError.isEmpty()
                          ? o.message
                          : QStringLiteral("%1; not recorded: %2").arg(o.message, o.recordError);
        // What the store holds: a row that could not be settled stays reserved.
        row.state = unitStateName(!o.recordError.isEmpty() ? UnitState::Reserved
                                  : o.pass                 ? UnitState::Pass
                                  : o.stateUnknown         ? UnitState::Unknown
                                                           : UnitState::Fail);
        row.unitId = o.unitId;
        o.logError = m_log->append(row);
    }
    emit moduleFinished(o);
}

StationState ProductionRun::stationState() const
{
    return m_station ? m_station->state() : StationState{};
}

QString ProductionRun::journalPath() const
{
    return m_station ? m_station->journalPath() : QString();
}

QString ProductionRun::close()
{
    if (m_closed || (!m_store && !m_station))
        return {};
    m_closed = true;
    if (m_station) // the run ends through the journal, after its rows
        return m_station->close();
    m_queue.reset(); // what was asked is committed first
    return m_context.runId ? m_store->endRun(m_context.runId) : QString();
}

} // namespace zomar
