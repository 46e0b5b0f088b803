#pragma once
// What a link test saw, packet by packet, and the figures drawn from it:
// sent, received, lost, corrupted, duplicated, out of order, latency
// percentiles and goodput; one CSV row per packet.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zomar::linktest {

enum class PacketState {
    Pending,    // sent, neither arrived nor given up yet
    Received,   // arrived intact in time
    Corrupted,  // only damaged copies arrived
    Lost,       // nothing arrived in time
    Late,       // arrived intact, but after the timeout: counted as lost
    Unfinished, // still pending when the test was stopped: not counted
};

QString stateName(PacketState state); // "received", "lost", ... as in the CSV

struct PacketRecord {
    quint32 seq = 0;
    qint64 sentNs = 0;
    std::optional<qint64> arrivedNs; // the first intact copy
    PacketState state = PacketState::Pending;
    int copies = 0;          // intact copies that arrived
    bool outOfOrder = false; // arrived after a later packet
    bool settled = false;    // arrived in time, or given up on
    // One way; echo: the round trip less the repeater's delay.
    std::optional<double> latencyMs;
};

struct LinkSummary {
    bool echo = false;
    int packetSize = 0;
    int intervalMs = 0;
    int rfBps = 0;       // 0: not known
    int ceilingBps = 0;  // the RF speed or the slower line's, whichever is lower (0: rfBps)
    int echoDelayMs = 0; // echo: subtracted from each round trip
    int sent = 0;        // counted packets (not those unfinished at a stop)
    int received = 0;
    int lost = 0; // sent - received (corrupted and late ones included)
    int late = 0;
    // Packets of which only damaged copies came (counted among the lost):
    // the CSV's "corrupted" rows.
    int corrupted = 0;
    // Damaged pieces seen in all: a packet's damaged copies, and pieces
    // whose header was hit too (they name no packet), or noise.
    int damagedPieces = 0;
    int duplicated = 0;
    int outOfOrder = 0;
    int unfinished = 0;
    bool stopped = false;
    std::optional<double> minMs, p50Ms, p95Ms, p99Ms, maxMs;
    double goodputBytesPerS = 0;
    double durationS = 0;

    double lossPercent() const { return sent > 0 ? 100.0 * lost / sent : 0; }
    // Bytes a second that the slower of RF and line allows at ten bits a
    // byte (0: unknown).
    double ceilingBytesPerS() const { return (ceilingBps > 0 ? ceilingBps : rfBps) / 10.0; }
    // The result as lines of text, for the command line and the window.
    QStringList lines() const;
};

// Nearest-rank percentile (p in 0..100) of sorted values.
double percentile(const std::vector<double> &sorted, double p);

class LinkStats
{
public:
    LinkStats() = default;
    void reset(int packetSize, bool echo, int echoDelayMs);

    quint32 sentCount() const { return quint32(m_records.size()); }
    // Registers packet number sentCount() as sent now.
    void addSent(qint64 sentNs);
    // An intact copy of packet seq arrived at arrivedNs, within its
    // deadline or not. Returns false for a seq never sent.
    bool addArrival(quint32 seq, qint64 arrivedNs, bool inTime);
    // A damaged arrival; `seq` when it could be told which packet it was.
    void addDamaged(std::optional<quint32> seq);
    // Packet seq is given up on (nothing intact came in time).
    void expire(quint32 seq);
    // The test was stopped: pending packets are not counted.
    void stop();

    const PacketRecord &record(quint32 seq) const { return m_records.at(seq); }
    const std::vector<PacketRecord> &records() const { return m_records; }
    int received() const { return m_received; }
    int resolved() const { return m_resolved; }
    // Packets that only damaged copies of have come so far.
    int corrupted() const { return m_corruptedPackets; }

    LinkSummary summary() const;
    // One row per packet: seq, sent, received (ms since the first packet was
    // sent), latency_ms, state; RFC 4180 with a header row.
    QString csv() const;
    // Writes csv() to path in one go; "" or why it could not.
    QString writeCsv(const QString &path) const;

    // Set by the run, for the summary.
    int intervalMs = 0;
    int rfBps = 0;
    int ceilingBps = 0;

private:
    std::vector<PacketRecord> m_records;
    int m_packetSize = 0;
    bool m_echo = false;
    int m_echoDelayMs = 0;
    int m_received = 0;
    int m_resolved = 0;
    int m_damaged = 0;          // damaged pieces seen
    int m_corruptedPackets = 0; // records in the Corrupted state
    int m_duplicated = 0;
    int m_outOfOrder = 0;
    quint32 m_highestArrived = 0;
    bool m_anyArrived = false;
    bool m_stopped = false;
};

} // namespace zomar::linktest
