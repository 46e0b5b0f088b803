#include "core/linktest/LinkTest.h"

#include "core/link/SerialLink.h"

#include <QRandomGenerator>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace zomar::linktest {

namespace {

const QByteArray &probeAlphabet()
{
    static const QByteArray letters(
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    return letters;
}

int msUntil(qint64 deadlineNs, qint64 nowNs)
{
    // Rounded up: a timer must not fire before its time.
    return deadlineNs <= nowNs ? 0 : int((deadlineNs - nowNs + 999'999) / 1'000'000);
}

} // namespace

double LinkPlan::airTimeMs(int bytes) const
{
    return rfBps > 0 ? bytes * 10.0 * 1000.0 / rfBps : 0;
}

double LinkPlan::lineTimeMs(int bytes) const
{
    const int baud = echo ? fromBaud : std::min(fromBaud, toBaud);
    return baud > 0 ? bytes * 10.0 * 1000.0 / baud : 0;
}

double LinkPlan::packetTimeMs(int bytes) const
{
    return std::max(airTimeMs(bytes), lineTimeMs(bytes));
}

int LinkPlan::ceilingBps() const
{
    const int baud = echo ? fromBaud : std::min(fromBaud, toBaud);
    return rfBps > 0 ? std::min(rfBps, baud) : 0;
}

int LinkPlan::effectiveIntervalMs() const
{
    if (intervalMs > 0)
        return intervalMs;
    if (echo)
        return 2 * echoDelayMs + 100;
    return rfBps > 0 ? std::max(1, int(std::ceil(2 * packetTimeMs(size)))) : 100;
}

int LinkPlan::effectiveTimeoutMs() const
{
    if (timeoutMs > 0)
        return timeoutMs;
    const int wait = std::max(1000, int(std::ceil(20 * packetTimeMs(packetBytes()))));
    return echo ? echoDelayMs + wait : wait;
}

QString LinkPlan::intervalWarning() const
{
    const double packet = packetTimeMs(packetBytes());
    if (intervalMs <= 0 || echo || rfBps <= 0 || intervalMs >= packet)
        return {};
    const bool line = lineTimeMs(packetBytes()) >= airTimeMs(packetBytes());
    return QStringLiteral("an interval of %1 ms is shorter than one packet's time (%2 ms for "
                          "%3 bytes %4): packets queue, and those that wait too long are lost")
        .arg(intervalMs)
        .arg(packet, 0, 'f', 1)
        .arg(packetBytes())
        .arg(line ? QStringLiteral("on the %1-baud line").arg(std::min(fromBaud, toBaud))
                  : QStringLiteral("at %1 bps RF").arg(rfBps));
}

QString LinkPlan::problem() const
{
    if (count < 1 || count > kMaxCount)
        return QStringLiteral("the number of packets is 1 to %1").arg(kMaxCount);
    if (!echo && (size < kMinPacketSize || size > kMaxPacketSize))
        return QStringLiteral("a packet is %1 to %2 bytes (sequence number, send time and "
                              "CRC take %1)")
            .arg(kMinPacketSize)
            .arg(kMaxPacketSize);
    if (echo && echoDelayMs < 1)
        return QStringLiteral("the repeater's delay must be 1 ms or more (at 0 it never echoes)");
    if (echo && effectiveIntervalMs() < echoDelayMs + kEchoGapMs)
        return QStringLiteral("probes %1 ms apart would reach the repeater as one burst and only "
                              "the last would be echoed; give an interval of at least %2 ms "
                              "(its delay and %3 ms)")
            .arg(effectiveIntervalMs())
            .arg(echoDelayMs + kEchoGapMs)
            .arg(kEchoGapMs);
    if (echo && effectiveTimeoutMs() >= int(probeAlphabet().size()) * effectiveIntervalMs())
        return QStringLiteral("a timeout of %1 ms is as long as %2 probes: their echoes could "
                              "not be told apart; give a shorter timeout or a longer interval")
            .arg(effectiveTimeoutMs())
            .arg(probeAlphabet().size());
    return {};
}

LinkTest::LinkTest(const LinkPlan &plan, QObject *parent) : QObject(parent), m_plan(plan)
{
    qRegisterMetaType<zomar::linktest::LinkSummary>();
    m_sendTimer.setSingleShot(true);
    m_sendTimer.setTimerType(Qt::PreciseTimer);
    m_deadlineTimer.setSingleShot(true);
    m_deadlineTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_sendTimer, &QTimer::timeout, this, &LinkTest::sendNext);
    connect(&m_deadlineTimer, &QTimer::timeout, this, &LinkTest::expireDue);
}

LinkTest::~LinkTest() = default;

char LinkTest::probeByte(quint32 seq)
{
    return probeAlphabet().at(qsizetype(seq % quint32(probeAlphabet().size())));
}

qint64 LinkTest::clockNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::unique_ptr<SerialLink> LinkTest::openLink(const QString &device, int baud, QString *error)
{
    auto link = std::make_unique<SerialLink>();
    if (m_linkHook)
        m_linkHook(*link, device);
    try {
        link->setSettings(QStringLiteral("%1,n,8,1").arg(baud));
        link->openDevice(device);
    } catch (const SerialError &e) {
        *error = e.description();
        return nullptr;
    }
    connect(link.get(), &SerialLink::deviceLost, this,
            [this](const QString &description) { finish(description); });
    return link;
}

void LinkTest::start()
{
    if (m_running)
        return;
    m_intervalMs = m_plan.effectiveIntervalMs();
    m_timeoutNs = qint64(m_plan.effectiveTimeoutMs()) * 1'000'000;
    m_stats.reset(m_plan.packetBytes(), m_plan.echo, m_plan.echoDelayMs);
    m_stats.intervalMs = m_intervalMs;
    m_stats.rfBps = m_plan.rfBps;
    m_stats.ceilingBps = m_plan.ceilingBps();
    m_run = static_cast<quint16>(QRandomGenerator::global()->bounded(1, 0x10000));
    m_stream = std::make_unique<PacketStream>(m_plan.size, m_run);
    m_nextExpiry = 0;
    m_running = true;

    QString error;
    m_sender = openLink(m_plan.from, m_plan.fromBaud, &error);
    if (m_sender && !m_plan.echo)
        m_receiver = openLink(m_plan.to, m_plan.toBaud, &error);
    if (!error.isEmpty()) {
        // Queued: the caller hears of it once start() has returned.
        QMetaObject::invokeMethod(this, [this, error] { finish(error); }, Qt::QueuedConnection);
        return;
    }
    if (m_plan.echo) {
        connect(m_sender.get(), &SerialLink::commEvent, this, &LinkTest::onBytes);
    } else {
        connect(m_receiver.get(), &SerialLink::commEvent, this, &LinkTest::onBytes);
        connect(m_sender.get(), &SerialLink::commEvent, this, &LinkTest::onDrain);
    }
    m_startNs = clockNs();
    sendNext();
}

void LinkTest::stop()
{
    if (!m_running)
        return;
    m_stats.stop();
    finish(QString());
}

void LinkTest::sendNext()
{
    if (!m_running)
        return;
    const quint32 seq = m_stats.sentCount();
    const qint64 now = clockNs();
    const QByteArray bytes = m_plan.echo
                                 ? QByteArray(1, probeByte(seq))
                                 : encodePacket(m_run, seq, now / 1000, m_plan.size);
    m_stats.addSent(now);
    try {
        m_sender->outputAtOnce(bytes);
    } catch (const SerialError &e) {
        m_stats.stop();
        finish(e.description());
        return;
    }
    emit packetSent(seq);
    if (m_stats.sentCount() < quint32(m_plan.count)) {
        // On a fixed schedule from the start, so delays do not add up.
        const qint64 due = m_startNs + qint64(seq + 1) * m_intervalMs * 1'000'000;
        m_sendTimer.start(msUntil(due, clockNs()));
    }
    if (!m_deadlineTimer.isActive())
        armDeadline();
}

bool LinkTest::inTime(quint32 seq, qint64 nowNs) const
{
    return nowNs <= m_stats.record(seq).sentNs + m_timeoutNs;
}

void LinkTest::settled(quint32 seq, bool wasSettled)
{
    if (!wasSettled && m_stats.record(seq).settled)
        emit packetSettled(seq);
}

void LinkTest::onDrain()
{
    // Nothing is expected on the sending port; do not let it pile up.
    while (m_sender && m_sender->bytesWaiting() > 0)
        m_sender->input();
}

void LinkTest::onBytes()
{
    SerialLink *link = m_receiver ? m_receiver.get() : m_sender.get();
    if (!link || !m_running)
        return;
    const qint64 now = clockNs();
    QByteArray bytes;
    bytes.reserve(link->bytesWaiting());
    while (link->bytesWaiting() > 0)
        bytes += link->input();
    if (m_plan.echo) {
        for (char c : std::as_const(bytes))
            takeEcho(c, now);
    } else {
        for (const Frame &f : m_stream->feed(bytes))
            takePacket(f, now);
    }
    finishIfDone();
}

void LinkTest::takePacket(const Frame &frame, qint64 nowNs)
{
    const bool known = frame.seq < m_stats.sentCount();
    if (!frame.intact) {
        // A damaged packet is put down to the packet it claims to be only
        // when its number and send time agree with what was sent.
        const bool matches = known && frame.run == m_run &&
                             frame.sentUs == m_stats.record(frame.seq).sentNs / 1000;
        m_stats.addDamaged(matches ? std::optional<quint32>(frame.seq) : std::nullopt);
        return;
    }
    if (!known)
        return;
    const bool was = m_stats.record(frame.seq).settled;
    m_stats.addArrival(frame.seq, nowNs, inTime(frame.seq, nowNs));
    settled(frame.seq, was);
}

void LinkTest::takeEcho(char value, qint64 nowNs)
{
    const qsizetype index = probeAlphabet().indexOf(value);
    if (index < 0) {
        m_stats.addDamaged(std::nullopt);
        return;
    }
    // The oldest probe of this letter still waiting; else the latest one
    // (a late or a second echo).
    const quint32 period = quint32(probeAlphabet().size());
    std::optional<quint32> waiting, latest;
    for (quint32 seq = quint32(index); seq < m_stats.sentCount(); seq += period) {
        const PacketRecord &r = m_stats.record(seq);
        if (!waiting && r.copies == 0 && !r.settled)
            waiting = seq;
        latest = seq;
    }
    const std::optional<quint32> seq = waiting ? waiting : latest;
    if (!seq) {
        m_stats.addDamaged(std::nullopt);
        return;
    }
    const bool was = m_stats.record(*seq).settled;
    m_stats.addArrival(*seq, nowNs, inTime(*seq, nowNs));
    settled(*seq, was);
}

void LinkTest::expireDue()
{
    if (!m_running)
        return;
    const qint64 now = clockNs();
    while (m_nextExpiry < m_stats.sentCount()) {
        const PacketRecord &r = m_stats.record(m_nextExpiry);
        if (!r.settled) {
            if (now < r.sentNs + m_timeoutNs)
                break;
            m_stats.expire(m_nextExpiry);
            emit packetSettled(m_nextExpiry);
        }
        ++m_nextExpiry;
    }
    armDeadline();
    finishIfDone();
}

void LinkTest::armDeadline()
{
    // Packets settle in any order, but their deadlines come in send order.
    while (m_nextExpiry < m_stats.sentCount() && m_stats.record(m_nextExpiry).settled)
        ++m_nextExpiry;
    if (m_nextExpiry >= m_stats.sentCount())
        return;
    m_deadlineTimer.start(
        msUntil(m_stats.record(m_nextExpiry).sentNs + m_timeoutNs, clockNs()));
}

void LinkTest::finishIfDone()
{
    if (m_running && m_stats.sentCount() == quint32(m_plan.count) &&
        m_stats.resolved() == m_plan.count)
        finish(QString());
}

void LinkTest::finish(const QString &error)
{
    if (!m_running)
        return;
    m_running = false;
    if (!error.isEmpty())
        m_stats.stop();
    m_sendTimer.stop();
    m_deadlineTimer.stop();
    // Closed from the event loop: this may run inside one of their signals.
    for (auto *link : {m_sender.release(), m_receiver.release()}) {
        if (!link)
            continue;
        link->disconnect(this);
        link->setPortOpen(false);
        link->deleteLater();
    }
    emit finished(m_stats.summary(), error);
}

} // namespace zomar::linktest
