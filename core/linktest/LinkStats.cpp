#include "core/linktest/LinkStats.h"

#include "core/files/FileWriter.h"

#include <algorithm>
#include <cmath>

namespace zomar::linktest {

namespace {

QString ms(double v)
{
    return QString::number(v, 'f', v < 10 ? 2 : 1);
}

QString packets(int n, bool echo)
{
    if (echo)
        return n == 1 ? QStringLiteral("1 probe") : QStringLiteral("%1 probes").arg(n);
    return n == 1 ? QStringLiteral("1 packet") : QStringLiteral("%1 packets").arg(n);
}

} // namespace

QString stateName(PacketState state)
{
    switch (state) {
    case PacketState::Pending:
        return QStringLiteral("pending");
    case PacketState::Received:
        return QStringLiteral("received");
    case PacketState::Corrupted:
        return QStringLiteral("corrupted");
    case PacketState::Lost:
        return QStringLiteral("lost");
    case PacketState::Late:
        return QStringLiteral("late");
    case PacketState::Unfinished:
        return QStringLiteral("unfinished");
    }
    return {};
}

double percentile(const std::vector<double> &sorted, double p)
{
    if (sorted.empty())
        return 0;
    const auto rank = static_cast<size_t>(std::ceil(p / 100.0 * double(sorted.size())));
    return sorted[std::clamp<size_t>(rank, 1, sorted.size()) - 1];
}

void LinkStats::reset(int packetSize, bool echo, int echoDelayMs)
{
    *this = LinkStats();
    m_packetSize = packetSize;
    m_echo = echo;
    m_echoDelayMs = echoDelayMs;
}

void LinkStats::addSent(qint64 sentNs)
{
    PacketRecord r;
    r.seq = sentCount();
    r.sentNs = sentNs;
    m_records.push_back(r);
}

bool LinkStats::addArrival(quint32 seq, qint64 arrivedNs, bool inTime)
{
    if (seq >= sentCount())
        return false;
    PacketRecord &r = m_records[seq];
    if (++r.copies > 1) {
        ++m_duplicated;
        return true;
    }
    // An intact copy after a damaged one: the packet came after all.
    if (r.state == PacketState::Corrupted)
        --m_corruptedPackets;
    r.arrivedNs = arrivedNs;
    r.latencyMs = double(arrivedNs - r.sentNs) / 1e6 - (m_echo ? m_echoDelayMs : 0);
    if (m_anyArrived && seq < m_highestArrived) {
        r.outOfOrder = true;
        ++m_outOfOrder;
    }
    m_highestArrived = m_anyArrived ? std::max(m_highestArrived, seq) : seq;
    m_anyArrived = true;
    if (inTime && !r.settled) {
        r.state = PacketState::Received;
        r.settled = true;
        ++m_received;
        ++m_resolved;
    } else {
        r.state = PacketState::Late;
        if (!r.settled)
            ++m_resolved;
        r.settled = true;
    }
    return true;
}

void LinkStats::addDamaged(std::optional<quint32> seq)
{
    ++m_damaged;
    if (seq && *seq < sentCount() && m_records[*seq].state == PacketState::Pending) {
        m_records[*seq].state = PacketState::Corrupted;
        ++m_corruptedPackets;
    }
}

void LinkStats::expire(quint32 seq)
{
    PacketRecord &r = m_records.at(seq);
    if (r.settled)
        return;
    // A record stays "corrupted" when only a damaged copy came.
    if (r.state == PacketState::Pending)
        r.state = PacketState::Lost;
    r.settled = true;
    ++m_resolved;
}

void LinkStats::stop()
{
    m_stopped = true;
    for (PacketRecord &r : m_records)
        if (!r.settled)
            r.state = PacketState::Unfinished;
}

LinkSummary LinkStats::summary() const
{
    LinkSummary s;
    s.echo = m_echo;
    s.packetSize = m_packetSize;
    s.intervalMs = intervalMs;
    s.rfBps = rfBps;
    s.ceilingBps = ceilingBps;
    s.echoDelayMs = m_echoDelayMs;
    s.damagedPieces = m_damaged;
    s.duplicated = m_duplicated;
    s.outOfOrder = m_outOfOrder;
    s.stopped = m_stopped;
    std::vector<double> latencies;
    qint64 first = 0, last = 0;
    for (const PacketRecord &r : m_records) {
        if (r.state == PacketState::Unfinished) {
            ++s.unfinished;
            continue;
        }
        ++s.sent;
        if (s.sent == 1)
            first = r.sentNs;
        last = std::max(last, std::max(r.sentNs, r.arrivedNs.value_or(0)));
        if (r.state == PacketState::Received) {
            ++s.received;
            latencies.push_back(*r.latencyMs);
        } else if (r.state == PacketState::Late) {
            ++s.late;
        } else if (r.state == PacketState::Corrupted) {
            ++s.corrupted;
        }
    }
    s.lost = s.sent - s.received;
    if (!latencies.empty()) {
        std::sort(latencies.begin(), latencies.end());
        s.minMs = latencies.front();
        s.p50Ms = percentile(latencies, 50);
        s.p95Ms = percentile(latencies, 95);
        s.p99Ms = percentile(latencies, 99);
        s.maxMs = latencies.back();
    }
    s.durationS = s.sent > 0 ? double(last - first) / 1e9 : 0;
    if (s.durationS > 0)
        s.goodputBytesPerS = double(s.received) * m_packetSize / s.durationS;
    return s;
}

QStringList LinkSummary::lines() const
{
    QStringList out;
    const auto row = [&out](const QString &label, const QString &text) {
        out << QStringLiteral("%1%2").arg(label, -14).arg(text);
    };
    row(QStringLiteral("Sent"),
        QStringLiteral("%1 %2, one every %3 ms")
            .arg(packets(sent, echo),
                 echo ? QStringLiteral("(one byte each)")
                      : QStringLiteral("of %1 bytes").arg(packetSize))
            .arg(intervalMs));
    row(QStringLiteral("Received"), QString::number(received));
    QString lostText = QStringLiteral("%1 (%2 %)").arg(lost).arg(lossPercent(), 0, 'f', 1);
    if (late > 0)
        lostText += QStringLiteral(", of which %1 came after the timeout").arg(late);
    row(QStringLiteral("Lost"), lostText);
    // The packets as the CSV counts them; the damaged pieces beside them
    // where there were more (copies of one packet, or with the header hit).
    QString corruptedText =
        corrupted > 0 ? QStringLiteral("%1 (counted among the lost)").arg(packets(corrupted, echo))
                      : QStringLiteral("0");
    if (damagedPieces > corrupted)
        corruptedText += QStringLiteral("; %1 damaged pieces in all (copies of one packet, "
                                        "pieces that name none, or of a packet that came "
                                        "intact)")
                             .arg(damagedPieces);
    row(QStringLiteral("Corrupted"), corruptedText);
    row(QStringLiteral("Duplicated"), QString::number(duplicated));
    row(QStringLiteral("Out of order"), QString::number(outOfOrder));
    const QString kind = echo ? QStringLiteral("round trip less the repeater's %1 ms delay")
                                    .arg(echoDelayMs)
                              : QStringLiteral("one way, both ports on this computer's clock");
    if (p50Ms)
        row(QStringLiteral("Latency"),
            QStringLiteral("min %1  p50 %2  p95 %3  p99 %4  max %5 ms (%6)")
                .arg(ms(*minMs), ms(*p50Ms), ms(*p95Ms), ms(*p99Ms), ms(*maxMs), kind));
    else
        row(QStringLiteral("Latency"), QStringLiteral("none measured (nothing came through)"));
    if (!echo) {
        QString good = QStringLiteral("%1 bytes/s").arg(goodputBytesPerS, 0, 'f', 0);
        if (rfBps > 0 && ceilingBps > 0 && ceilingBps < rfBps)
            good += QStringLiteral(" of the %1 bytes/s that the %2-baud line allows (10 bits a "
                                   "byte; %3 bps RF)")
                        .arg(ceilingBytesPerS(), 0, 'f', 0)
                        .arg(ceilingBps)
                        .arg(rfBps);
        else if (rfBps > 0)
            good += QStringLiteral(" of the %1 bytes/s that %2 bps allows (10 bits a byte)")
                        .arg(ceilingBytesPerS(), 0, 'f', 0)
                        .arg(rfBps);
        row(QStringLiteral("Goodput"), good);
    }
    if (stopped)
        out << QStringLiteral("Stopped before the end%1.")
                   .arg(unfinished > 0 ? QStringLiteral(": %1 still on the way not counted")
                                             .arg(packets(unfinished, echo))
                                       : QString());
    return out;
}

QString LinkStats::csv() const
{
    QString text = QStringLiteral("seq,sent,received,latency_ms,state\r\n");
    const qint64 origin = m_records.empty() ? 0 : m_records.front().sentNs;
    const auto since = [origin](qint64 ns) {
        return QString::number(double(ns - origin) / 1e6, 'f', 3);
    };
    for (const PacketRecord &r : m_records) {
        text += QStringLiteral("%1,%2,%3,%4,%5\r\n")
                    .arg(r.seq)
                    .arg(since(r.sentNs), r.arrivedNs ? since(*r.arrivedNs) : QString(),
                         r.latencyMs ? QString::number(*r.latencyMs, 'f', 3) : QString(),
                         stateName(r.state));
    }
    return text;
}

QString LinkStats::writeCsv(const QString &path) const
{
    return writeFileAtomically(path, csv().toUtf8()).text();
}

} // namespace zomar::linktest
