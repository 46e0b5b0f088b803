#include "core/capture/CaptureRecorder.h"

namespace zomar {

CaptureRecorder::CaptureRecorder(int capacity, int quietMs, QObject *parent)
    : QObject(parent), m_start(QDateTime::currentDateTime()), m_splitter(quietMs), m_ring(capacity)
{
    m_clock.start();
    m_quiet.setSingleShot(true);
    m_quiet.setTimerType(Qt::PreciseTimer);
    connect(&m_quiet, &QTimer::timeout, this, &CaptureRecorder::closeIfQuiet);
}

void CaptureRecorder::record(bool sent, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    if (m_paused) {
        (sent ? m_missedSent : m_missedReceived) += bytes.size();
        return;
    }
    (sent ? m_sent : m_received) += bytes.size();
    QList<Burst> closed;
    m_splitter.feed(now(), sent, bytes, closed);
    for (Burst &b : closed)
        store(std::move(b));
    ++m_revision;
    scheduleQuiet();
}

SerialLink::Tap CaptureRecorder::attachTo(SerialLink &link)
{
    SerialLink::Tap before = link.tap();
    link.setTap([before, this](bool sent, const QByteArray &bytes) {
        if (before)
            before(sent, bytes);
        record(sent, bytes);
    });
    return before;
}

void CaptureRecorder::note(const QString &text)
{
    flush();
    const qint64 at = now();
    Burst n{BurstKind::Note, at, at, text.toUtf8()};
    store(std::move(n));
    ++m_revision;
}

void CaptureRecorder::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    if (paused) {
        note(QStringLiteral("capture paused"));
        m_paused = true;
        return;
    }
    m_paused = false;
    note(QStringLiteral("capture resumed; not captured while paused: %1 byte(s) sent, %2 "
                        "received")
             .arg(m_missedSent)
             .arg(m_missedReceived));
    m_missedSent = m_missedReceived = 0;
}

void CaptureRecorder::clear()
{
    m_splitter.close();
    m_quiet.stop();
    m_ring.clear();
    m_sent = m_received = 0;
    ++m_clears;
    ++m_revision;
}

void CaptureRecorder::flush()
{
    if (std::optional<Burst> open = m_splitter.close()) {
        store(std::move(*open));
        ++m_revision;
    }
    m_quiet.stop();
}

void CaptureRecorder::store(Burst burst)
{
    if (burst.kind == BurstKind::Sent) {
        // The exchange state as the module sees it: the last sequence sent wins.
        const qsizetype enter = burst.bytes.lastIndexOf("+++");
        const qsizetype leave = burst.bytes.lastIndexOf("---");
        const bool wasInCommandMode = m_commandMode;
        if (enter >= 0 || leave >= 0)
            m_commandMode = enter > leave;
        burst.block = wasInCommandMode && burst.bytes.size() == kBlockSize && !burst.continued;
    } else if (burst.kind == BurstKind::Received) {
        burst.block = m_commandMode && burst.bytes.size() == kBlockSize && !burst.continued;
    }
    if (burst.block)
        burst.band = m_band ? m_band() : Band::None;
    // Appends left room to grow; a full ring should hold the bytes alone.
    burst.bytes.squeeze();
    m_ring.append(std::move(burst));
    emit burstClosed(m_ring.at(m_ring.size() - 1));
}

void CaptureRecorder::scheduleQuiet()
{
    if (!m_splitter.open())
        return;
    // One timer for the whole burst: it is moved on only when it fires early.
    if (!m_quiet.isActive())
        m_quiet.start(static_cast<int>(std::max<qint64>(0, m_splitter.quietDeadline() - now())));
}

void CaptureRecorder::closeIfQuiet()
{
    if (std::optional<Burst> burst = m_splitter.closeIfQuiet(now())) {
        store(std::move(*burst));
        ++m_revision;
        return;
    }
    scheduleQuiet();
}

int CaptureRecorder::lineCount() const
{
    return (m_ring.dropped() > 0 ? 1 : 0) + m_ring.size() + (openBurst() ? 1 : 0);
}

QString CaptureRecorder::line(int row, const CaptureLineOptions &options) const
{
    if (m_ring.dropped() > 0) {
        if (row == 0)
            return droppedLine(m_ring.dropped(), m_ring.capacity());
        --row;
    }
    if (row < m_ring.size())
        return burstLine(row, options);
    return row == m_ring.size() ? openLine(options) : QString();
}

QString CaptureRecorder::burstLine(int index, const CaptureLineOptions &options) const
{
    if (index < 0 || index >= m_ring.size())
        return QString();
    return captureLine(m_ring.at(index), m_start, index > 0 ? &m_ring.at(index - 1) : nullptr,
                       options);
}

QString CaptureRecorder::openLine(const CaptureLineOptions &options) const
{
    return openBurst() ? captureLine(*openBurst(), m_start, m_ring.last(), options) : QString();
}

QStringList CaptureRecorder::lines(const CaptureLineOptions &options) const
{
    QStringList out;
    const int count = lineCount();
    out.reserve(count);
    for (int row = 0; row < count; ++row)
        out << line(row, options);
    return out;
}

} // namespace zomar
