#include "core/run/SerialBinder.h"

#include "core/run/ProductionRun.h"
#include "core/store/ProductionStore.h"
#include "core/sharedstore/JournalForwarder.h"
#include "core/sharedstore/ServerDeadline.h"
#include "core/sharedstore/StationJournal.h"
#include "core/sharedstore/StoreLeases.h"
#include "core/store/StoreSql.h"

namespace zomar {

SerialFault serialFault(const QString &serial, const QRegularExpression *pattern)
{
    if (serial.isEmpty())
        return SerialFault::Empty;
    if (ProductionRun::hasControlCharacter(serial))
        return SerialFault::NotPrintable;
    if (serial.size() > kSerialMaxLength)
        return SerialFault::TooLong;
    if (pattern && !pattern->match(serial).hasMatch())
        return SerialFault::NoMatch;
    return SerialFault::None;
}

SerialBinder::SerialBinder(const Setup &setup, QObject *parent) : QObject(parent), m_setup(setup)
{
    qRegisterMetaType<zomar::SerialBinding>();
}

SerialBinder::~SerialBinder()
{
    // The connections close on the thread that opened them.
    if (m_thread.running())
        m_thread.run([this] {
            m_store.reset();
            m_journal.reset();
            m_deadline.reset();
        });
    m_thread.stop();
}

void SerialBinder::bind(const QString &unitId, const QString &serial)
{
    if (!m_thread.running())
        m_thread.start();
    ++m_pending;
    m_thread.post([this, unitId, serial] {
        const SerialBinding binding = bindNow(unitId, serial);
        QMetaObject::invokeMethod(
            this,
            [this, unitId, binding] {
                --m_pending;
                emit bound(unitId, binding);
            },
            Qt::QueuedConnection);
    });
}

SerialBinding SerialBinder::bindNow(const QString &unitId, const QString &serial)
{
    if (!m_setup.journal.isEmpty())
        return bindOnServer(unitId, serial);
    SerialBinding b;
    b.unitId = unitId;
    b.serial = serial;
    QString error;
    if (!m_store)
        m_store = ProductionStore::open(m_setup.store, ProductionStore::Mode::Existing, &error);
    if (!m_store) {
        b.outcome = SerialBinding::NotRecorded;
        b.error = error;
        return b;
    }
    return StoreTrace::bindSerialFacts(*m_store, unitId, serial);
}

SerialBinding SerialBinder::bindOnServer(const QString &unitId, const QString &serial)
{
    SerialBinding b;
    b.unitId = unitId;
    b.serial = serial;
    QString error;
    if (!m_journal)
        m_journal = StationJournal::open(m_setup.journal, &error);
    if (!m_journal) {
        b.outcome = SerialBinding::NotRecorded;
        b.error = error;
        return b;
    }
    const QString waiting = m_journal->serialWaiting(serial, unitId, &error);
    if (!error.isEmpty()) {
        b.outcome = SerialBinding::NotRecorded;
        b.error = error;
        return b;
    }
    if (!waiting.isEmpty()) {
        b.outcome = SerialBinding::HeldByOther;
        b.holder = waiting;
        b.holderPassed = true;
        return b;
    }
    // The server, when it answers: a serial bound there by any station. When
    // it does not, the journal's check stands and the row waits.
    if (!m_store)
        m_store = ProductionStore::open(m_setup.store, ProductionStore::Mode::Existing, &error);
    if (m_store) {
        if (!m_deadline)
            m_deadline = std::make_unique<ServerDeadline>();
        SerialBinding held;
        {
            ServerDeadline::Scope deadline(*m_deadline, m_store->database(),
                                           JournalForwarder::kDeadlineMs);
            StoreSql sql(m_store->database(), m_store->backend());
            held = StoreTrace::serialHolderIn(
                sql, unitId, serial, m_setup.poolId ? QVariant(*m_setup.poolId) : QVariant());
        }
        if (held.outcome == SerialBinding::HeldByOther)
            return held;
        if (held.outcome == SerialBinding::NotRecorded)
            m_store.reset(); // opened again for the next serial
    }
    error = m_journal->note({JournalOp::serial(m_setup.runId, unitId, serial)});
    if (!error.isEmpty()) {
        b.outcome = SerialBinding::NotRecorded;
        b.error = error;
    }
    return b;
}

} // namespace zomar
