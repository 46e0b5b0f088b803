#include "core/protocol/ModuleSession.h"

#include "core/protocol/CommandMode.h"
#include "core/protocol/CommandTiming.h"

#include <algorithm>

namespace zomar {

namespace {

QString fieldList(const QList<BlockField> &fields)
{
    QStringList names;
    for (BlockField f : fields)
        names << fieldLabel(f);
    return names.join(QStringLiteral(", "));
}

QString skippedNote(int skipped)
{
    if (skipped == 0)
        return {};
    return skipped == 1
               ? QStringLiteral(" (a byte 0xA5 in the answer was skipped)")
               : QStringLiteral(" (%1 bytes 0xA5 in the answer were skipped)").arg(skipped);
}

} // namespace

ModuleSession::ModuleSession(const QString &device, int baud, QObject *parent)
    : QObject(parent), m_device(device), m_baud(baud), m_link(std::make_unique<SerialLink>())
{
    qRegisterMetaType<zomar::SessionResult>();
    m_stepTimer.setSingleShot(true);
    m_stepTimer.setTimerType(Qt::PreciseTimer);
    m_quietTimer.setSingleShot(true);
    m_quietTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_quietTimer, &QTimer::timeout, this, &ModuleSession::onQuiet);
    connect(m_link.get(), &SerialLink::commEvent, this, &ModuleSession::onBytes);
    connect(m_link.get(), &SerialLink::deviceLost, this, &ModuleSession::onLost);
}

ModuleSession::~ModuleSession() = default;

void ModuleSession::read()
{
    m_queue.enqueue({SessionOp::Read, {}});
    QTimer::singleShot(0, this, &ModuleSession::startNext);
}

void ModuleSession::write(const ConfigBlock &block)
{
    m_queue.enqueue({SessionOp::Write, block});
    QTimer::singleShot(0, this, &ModuleSession::startNext);
}

void ModuleSession::factoryReset()
{
    m_queue.enqueue({SessionOp::FactoryReset, ConfigBlock::factoryDefaults()});
    QTimer::singleShot(0, this, &ModuleSession::startNext);
}

void ModuleSession::close()
{
    m_closeWhenIdle = true;
    if (!busy())
        m_link->setPortOpen(false);
}

QString ModuleSession::where() const
{
    return QStringLiteral("%1 at %2 baud").arg(m_device).arg(m_baud);
}

void ModuleSession::startNext()
{
    if (m_current)
        return;
    if (m_queue.isEmpty()) {
        if (m_closeWhenIdle)
            m_link->setPortOpen(false);
        return;
    }
    // After an operation on this port, the next one waits for a quiet line
    // (bounded, should the module never fall silent).
    if (m_link->portOpen() && m_lastFinish.isValid()) {
        const qint64 quiet = m_link->quietForMs();
        const qint64 left = kQueueGuardLimitMs - m_lastFinish.elapsed();
        if (quiet < kQueueGuardMs && left > 0) {
            QTimer::singleShot(static_cast<int>(std::min(kQueueGuardMs - quiet, left)), this,
                               &ModuleSession::startNext);
            return;
        }
    }
    m_current = m_queue.dequeue();
    m_result = SessionResult{};
    m_result.op = m_current->op;
    if (!openPort())
        return;
    beginRead(m_current->op == SessionOp::Read ? Step::Answer : Step::Packet);
}

std::optional<SerialError> ModuleSession::openNow()
{
    if (m_link->portOpen())
        return std::nullopt;
    try {
        m_link->setBaudRate(m_baud);
        m_link->openDevice(m_device);
    } catch (const SerialError &e) {
        return e;
    }
    return std::nullopt;
}

bool ModuleSession::openPort()
{
    const std::optional<SerialError> failed = openNow();
    if (!failed)
        return true;
    SessionResult r = m_result;
    r.outcome = SessionResult::PortError;
    r.message = failed->description();
    finish(r);
    return false;
}

void ModuleSession::beginRead(Step step)
{
    m_step = step;
    m_framer.clear();
    m_gathered.clear();
    m_burstTaken = false;
    m_firstBurst.reset();
    m_firstBurstFilled = 0;
    m_firstBurstBytes = 0;
    m_firstBurstSkipped = 0;
    m_exitSent = false;
    m_lastByte.invalidate();
    try {
        sendEntrySequence(*m_link);
    } catch (const SerialError &e) {
        onLost(e.description());
        return;
    }
    m_stepTimer.disconnect(this);
    connect(&m_stepTimer, &QTimer::timeout, this, &ModuleSession::onEntryWaitOver);
    m_stepTimer.start(kEntryWaitMs);
}

void ModuleSession::onBytes()
{
    if (!m_current || m_step == Step::Idle) {
        // Nothing asked for it: drain so the link does not hold it for later.
        while (m_link->bytesWaiting() > 0)
            m_link->input();
        return;
    }
    while (m_link->bytesWaiting() > 0) {
        const QByteArray in = m_link->input();
        if (in.isEmpty())
            break;
        // A pause of a quiet line's length ends a burst; the next starts at slot 0.
        if (m_lastByte.isValid() && m_lastByte.elapsed() >= kQuietLineMs) {
            takeBurst();
            m_framer.endBurst();
        }
        m_lastByte.start();
        m_gathered.append(in);
        m_framer.store(static_cast<quint8>(in.at(0)));
    }
    if (m_exitSent)
        m_quietTimer.start(kQuietLineMs);
}

void ModuleSession::takeBurst()
{
    if (m_burstTaken || m_gathered.isEmpty())
        return;
    m_burstTaken = true;
    m_firstBurst = m_framer.block();
    m_firstBurstFilled = m_framer.blockBytesFilled();
    m_firstBurstBytes = static_cast<int>(m_gathered.size());
    m_firstBurstSkipped = m_framer.skipped;
}

void ModuleSession::onEntryWaitOver()
{
    if (m_step == Step::Packet) {
        // The module must have answered "+++" before anything is written:
        // twelve bytes sent to a module that is not in command mode would go
        // out over the radio as data.
        if (m_gathered.isEmpty()) {
            try {
                sendExitSequence(*m_link);
            } catch (const SerialError &) {
            }
            SessionResult r = m_result;
            r.outcome = SessionResult::NoResponse;
            r.message = QStringLiteral("no answer from the module on %1 to \"+++\"; nothing was "
                                       "written. Check the cable, the line speed and the power")
                            .arg(where());
            finish(r);
            return;
        }
        takeBurst();
        if (m_firstBurst)
            m_result.before = ConfigBlock::fromBytes(*m_firstBurst);
        emit packetSending();
        const QByteArray packet = m_current->block.toBytes();
        m_result.written = m_current->block;
        try {
            m_result.packetSent = true; // from here on the module may hold it
            if (!m_link->outputAtOnce(packet))
                throw SerialError(serial_errors::WriteFailed,
                                  QStringLiteral("the packet did not reach the device"));
        } catch (const SerialError &e) {
            onLost(e.description());
            return;
        }
        m_step = Step::Exit;
        m_stepTimer.disconnect(this);
        connect(&m_stepTimer, &QTimer::timeout, this, &ModuleSession::onPacketWaitOver);
        m_stepTimer.start(kPacketWaitMs);
        return;
    }
    try {
        sendExitSequence(*m_link);
    } catch (const SerialError &e) {
        onLost(e.description());
        return;
    }
    m_exitSent = true;
    m_quietTimer.start(kQuietLineMs);
}

void ModuleSession::onPacketWaitOver()
{
    try {
        sendExitSequence(*m_link);
    } catch (const SerialError &e) {
        onLost(e.description());
        return;
    }
    m_stepTimer.disconnect(this);
    connect(&m_stepTimer, &QTimer::timeout, this, &ModuleSession::onExitWaitOver);
    m_stepTimer.start(kExitWaitMs);
}

void ModuleSession::onExitWaitOver()
{
    emit readingBack();
    beginRead(Step::ReadBack);
}

void ModuleSession::onQuiet()
{
    if (m_step != Step::Answer && m_step != Step::ReadBack)
        return;
    finishRead();
}

void ModuleSession::finishRead()
{
    takeBurst();
    SessionResult r = m_result;
    r.answerBytes = m_gathered;
    r.skippedA5 = m_framer.skipped;
    const bool readBack = m_step == Step::ReadBack;
    const QString what = readBack ? QStringLiteral("the read-back") : QStringLiteral("the read");
    const QString notVerified =
        readBack ? QStringLiteral("; the configuration was sent but is not verified") : QString();
    if (m_gathered.isEmpty()) {
        r.outcome = SessionResult::NoResponse;
        r.message = QStringLiteral("no response from the module on %1 (%2)%3. Check the cable, "
                                   "the line speed and the module's power")
                        .arg(where(), what, notVerified);
        finish(r);
        return;
    }
    if (!m_firstBurst) {
        r.outcome = SessionResult::NoResponse;
        // Bytes 0xA5 fill no slot: say so, or "1 of 12" after twelve bytes
        // makes no sense.
        const QString lost =
            m_firstBurstSkipped == 0
                ? QString()
                : QStringLiteral(" (%1 bytes came, %2 of them 0xA5, which an answer cannot "
                                 "carry: the byte after each takes its place)")
                      .arg(m_firstBurstBytes)
                      .arg(m_firstBurstSkipped == m_firstBurstBytes
                               ? QStringLiteral("all")
                               : QString::number(m_firstBurstSkipped));
        r.message = QStringLiteral("incomplete answer from the module on %1 (%2): %3 of %4 "
                                   "block bytes%5%6")
                        .arg(where(), what)
                        .arg(m_firstBurstFilled)
                        .arg(kBlockSize)
                        .arg(lost, notVerified);
        finish(r);
        return;
    }
    r.block = ConfigBlock::fromBytes(*m_firstBurst);
    if (!readBack) {
        r.outcome = SessionResult::Done;
        r.message = QStringLiteral("read from %1%2").arg(where(), skippedNote(r.skippedA5));
        finish(r);
        return;
    }
    r.differing = r.written->differingFields(*r.block);
    if (r.differing.isEmpty()) {
        r.outcome = SessionResult::Done;
        r.message =
            QStringLiteral("%1 and verified on %2")
                .arg(r.op == SessionOp::FactoryReset ? QStringLiteral("factory defaults written")
                                                     : QStringLiteral("written"),
                     where());
    } else {
        r.outcome = SessionResult::Mismatch;
        r.message = QStringLiteral("the module on %1 holds something else than was written: %2 "
                                   "differ%3%4")
                        .arg(where(), fieldList(r.differing),
                             r.differing.size() == 1 ? QStringLiteral("s") : QString(),
                             skippedNote(r.skippedA5));
    }
    finish(r);
}

void ModuleSession::onLost(const QString &reported)
{
    if (!m_current)
        return;
    // A failed write may come before the link's own report of the loss; the
    // loss is what the user needs to hear.
    const QString description = m_link->lostReason().isEmpty() ? reported : m_link->lostReason();
    m_link->setPortOpen(false);
    SessionResult r = m_result;
    r.outcome = SessionResult::PortError;
    if (r.packetSent) {
        r.stateUnknown = true;
        r.message = QStringLiteral("%1 after the configuration was sent: the module's state is "
                                   "unknown. Reconnect it and read it back")
                        .arg(description);
    } else if (m_current->op == SessionOp::Read) {
        r.message = description;
    } else {
        r.message = QStringLiteral("%1; nothing was written").arg(description);
    }
    finish(r);
}

void ModuleSession::finish(SessionResult result)
{
    m_stepTimer.stop();
    m_quietTimer.stop();
    m_step = Step::Idle;
    m_current.reset();
    m_lastFinish.start();
    emit finished(result);
    QTimer::singleShot(0, this, &ModuleSession::startNext);
}

} // namespace zomar
