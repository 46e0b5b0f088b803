#pragma once
// The air between the virtual modules of one process. What a module sends is
// heard by every other module tuned to the same channel and RF speed, after
// its air time (ten bits per byte at the RF speed, one transmission after
// the other per sender) and a fixed latency. Transmissions of different
// senders do not collide: the model is for measuring a link, not for
// congestion.
//
// What a module does with its destination and local addresses is not known
// (a filter? a header on the air?), so the model ignores them: every module
// on the channel hears everything.

#include <QByteArray>
#include <QMutex>

#include <map>
#include <optional>

namespace zomar::sim {

// How the air treats what one module sends.
struct RadioSettings {
    int latencyMs = 5;         // beyond the air time
    double lossRate = 0;       // share of transmissions that never arrive (0..1)
    double corruptionRate = 0; // share of transmissions arriving with one byte changed
};

// A module as the air sees it.
class RadioStation
{
public:
    struct Tuning {
        quint16 channel = 0;
        quint8 rfSpeedCode = 0;
        bool operator==(const Tuning &o) const
        {
            return channel == o.channel && rfSpeedCode == o.rfSpeedCode;
        }
    };
    virtual ~RadioStation() = default;
    virtual Tuning tuning() const = 0;
    // Called from any thread: `bytes` reach the module at `atNs` (steady
    // clock), to go out on its serial line unless it is in command mode then.
    virtual void hear(qint64 atNs, const QByteArray &bytes) = 0;
};

class Radio
{
public:
    // The one air of the process.
    static Radio &air();

    void join(RadioStation *station);
    // After this returns, the station is never called again.
    void leave(RadioStation *station);

    // `from` sends `bytes`, ready to go at `readyNs`. Thread-safe; must not be
    // called while holding the station's own lock (tuning() takes it).
    void transmit(RadioStation *from, const QByteArray &bytes, qint64 readyNs,
                  const RadioSettings &settings);

    // Air time of `bytes` bytes at `bps` bits per second, in nanoseconds.
    static qint64 airTimeNs(qsizetype bytes, int bps);

private:
    QMutex m_mutex;
    std::map<RadioStation *, qint64> m_busyUntil; // every station, with when its air is free
};

} // namespace zomar::sim
