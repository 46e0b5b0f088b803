#pragma once
// Records the traffic of a serial link both ways, from the moment it is made:
// the link's tap hands it every byte, it cuts them into bursts (quiet line,
// direction, full line), marks a twelve-byte block inside a "+++" ... "---"
// exchange for decoding, and keeps the last bursts in a ring. Its lines are
// what a capture shows and saves; the window and the command line's monitor share it.

#include "core/capture/BurstSplitter.h"
#include "core/capture/CaptureLine.h"
#include "core/capture/CaptureRing.h"
#include "core/link/SerialLink.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace zomar {

class CaptureRecorder : public QObject
{
    Q_OBJECT
public:
    explicit CaptureRecorder(int capacity = kCaptureCapacity, int quietMs = kQuietLineMs,
                             QObject *parent = nullptr);

    // The band a decoded block's channel is shown on, asked when a block ends.
    void setBandSource(std::function<Band()> band) { m_band = std::move(band); }

    // Every byte sent (sent = true) or received, as the link's tap sees it.
    void record(bool sent, const QByteArray &bytes);
    // Becomes the link's tap, after whatever tap it had (returned, to be put
    // back before this recorder goes).
    SerialLink::Tap attachTo(SerialLink &link);
    // A line of the capture's own ("paused", "hex input: 41 42").
    void note(const QString &text);
    // While paused nothing is recorded; resuming notes what went by.
    void setPaused(bool paused);
    bool paused() const { return m_paused; }
    void clear();
    // Ends the open burst now (at the end of a capture, before saving).
    void flush();

    const CaptureRing &ring() const { return m_ring; }
    // The burst still growing, not yet in the ring.
    const std::optional<Burst> &openBurst() const { return m_splitter.open(); }
    QDateTime startedAt() const { return m_start; }
    // Milliseconds since the capture started, on a clock that never goes back.
    qint64 now() const { return m_clock.elapsed(); }
    // Moves on at every change of what the lines show; a clear also moves clears().
    quint64 revision() const { return m_revision; }
    quint64 clears() const { return m_clears; }

    // The lines as shown: a note of dropped bursts (when there are any), the
    // bursts of the ring, then the open burst.
    int lineCount() const;
    QString line(int row, const CaptureLineOptions &options = {}) const;
    QStringList lines(const CaptureLineOptions &options = {}) const;
    // The line of the ring's burst at `index`, and of the open burst.
    QString burstLine(int index, const CaptureLineOptions &options = {}) const;
    QString openLine(const CaptureLineOptions &options = {}) const;
    // Sent and received bytes so far (a clear starts them again).
    qint64 bytesSent() const { return m_sent; }
    qint64 bytesReceived() const { return m_received; }

signals:
    // Each burst as it enters the ring (notes too).
    void burstClosed(const zomar::Burst &burst);

private:
    void store(Burst burst);
    void scheduleQuiet();
    void closeIfQuiet();

    QDateTime m_start;
    QElapsedTimer m_clock;
    BurstSplitter m_splitter;
    CaptureRing m_ring;
    QTimer m_quiet;
    std::function<Band()> m_band;
    bool m_commandMode = false; // between "+++" and "---" as sent
    bool m_paused = false;
    qint64 m_missedSent = 0, m_missedReceived = 0;
    qint64 m_sent = 0, m_received = 0;
    quint64 m_revision = 0;
    quint64 m_clears = 0;
};

} // namespace zomar

Q_DECLARE_METATYPE(zomar::Burst)
