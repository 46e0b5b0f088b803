#pragma once
// A link test between two ports of this computer: packets go out on one at
// a steady pace and are read back on the other, each timed on one clock.
// Or, for a module that is far away, the echo mode: single-byte probes go
// out on one port to a far computer whose window echoes them (its repeater
// page with loopback on), and come back on the same port.
//
// The repeater echoes only the last byte of a burst, once its line has been
// quiet for its delay; so each probe is one byte, the probes are further
// apart than that delay, and the round trip is the echo's arrival less the
// send time less the delay. A probe is one of 62 letters and digits, told
// apart by its place in that alphabet (never 0xA5, which the repeater drops,
// nor '+' or '-', which a module may wait on as the start of a command).
//
// Runs on the event loop with timers only; the ports are opened here and
// closed at the end.

#include "core/linktest/LinkPacket.h"
#include "core/linktest/LinkStats.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

namespace zomar {
class SerialLink;
}

namespace zomar::linktest {

struct LinkPlan {
    QString from, to; // devices (to: none in echo mode)
    int fromBaud = 38400;
    int toBaud = 38400;
    int count = 100;
    int size = 32;        // bytes a packet (echo: always 1)
    int intervalMs = 0;   // 0: the default for the RF speed
    int timeoutMs = 0;    // 0: the default for the RF speed
    int rfBps = 0;        // the modules' RF speed; 0: not known
    bool echo = false;
    int echoDelayMs = 100; // the far repeater's loopback delay

    static constexpr int kMaxCount = 1000000;
    static constexpr int kEchoGapMs = 20; // probes this much further apart than the delay

    // Air time of a number of bytes at the RF speed, in milliseconds (0: unknown).
    double airTimeMs(int bytes) const;
    // Time of a number of bytes on the slower serial line, in milliseconds.
    double lineTimeMs(int bytes) const;
    // The slower of the two: a packet cannot go out faster than either
    // carries it (at 115200 bps RF over a 38400-baud line, the line's).
    double packetTimeMs(int bytes) const;
    int packetBytes() const { return echo ? 1 : size; }
    // The speed that bounds the throughput: the RF speed or the slower
    // line's, whichever is lower (0: unknown).
    int ceilingBps() const;
    // Twice the packet's time (echo: twice the delay and 100 ms).
    int effectiveIntervalMs() const;
    // When a packet counts as lost: at least a second, and twenty packet times.
    int effectiveTimeoutMs() const;
    // "" when the plan can run, else why not.
    QString problem() const;
    // "" unless the interval given is shorter than one packet's time, so
    // that packets queue and are lost for it.
    QString intervalWarning() const;
};

class LinkTest : public QObject
{
    Q_OBJECT
public:
    explicit LinkTest(const LinkPlan &plan, QObject *parent = nullptr);
    ~LinkTest() override;

    // Called with each link before it opens (e.g. to trace it).
    void setLinkHook(std::function<void(SerialLink &, const QString &device)> hook)
    {
        m_linkHook = std::move(hook);
    }

    // Opens the ports and starts sending; a port that cannot be opened ends
    // the test at once (finished with the error).
    void start();
    // Ends now with the figures so far; packets still on the way are not counted.
    void stop();

    bool running() const { return m_running; }
    const LinkPlan &plan() const { return m_plan; }
    const LinkStats &stats() const { return m_stats; }

    // The probe byte of an echo-mode packet.
    static char probeByte(quint32 seq);
    // The clock the packets are timed on (steady, nanoseconds).
    static qint64 clockNs();

signals:
    void packetSent(quint32 seq);
    // Packet seq arrived, or was given up on (its record says which).
    void packetSettled(quint32 seq);
    // error: "" when the test ran to its end or was stopped, else what went wrong.
    void finished(const zomar::linktest::LinkSummary &summary, const QString &error);

private:
    std::unique_ptr<SerialLink> openLink(const QString &device, int baud, QString *error);
    void sendNext();
    void onBytes();
    void onDrain();
    void takePacket(const Frame &frame, qint64 nowNs);
    void takeEcho(char value, qint64 nowNs);
    void expireDue();
    void armDeadline();
    void finishIfDone();
    void finish(const QString &error);
    bool inTime(quint32 seq, qint64 nowNs) const;
    void settled(quint32 seq, bool wasSettled);

    LinkPlan m_plan;
    int m_intervalMs = 0;
    qint64 m_timeoutNs = 0;
    std::function<void(SerialLink &, const QString &)> m_linkHook;
    std::unique_ptr<SerialLink> m_sender, m_receiver; // the same port in echo mode
    std::unique_ptr<PacketStream> m_stream;
    LinkStats m_stats;
    QTimer m_sendTimer;
    QTimer m_deadlineTimer;
    qint64 m_startNs = 0;
    quint32 m_nextExpiry = 0; // the oldest packet that may still be unsettled
    quint16 m_run = 0;
    bool m_running = false;
};

} // namespace zomar::linktest

Q_DECLARE_METATYPE(zomar::linktest::LinkSummary)
