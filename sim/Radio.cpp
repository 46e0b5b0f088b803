#include "sim/Radio.h"

#include "core/protocol/FieldValues.h"

#include <QMutexLocker>
#include <QRandomGenerator>

#include <algorithm>

namespace zomar::sim {

Radio &Radio::air()
{
    static Radio radio;
    return radio;
}

void Radio::join(RadioStation *station)
{
    QMutexLocker lock(&m_mutex);
    m_busyUntil.emplace(station, 0);
}

void Radio::leave(RadioStation *station)
{
    QMutexLocker lock(&m_mutex);
    m_busyUntil.erase(station);
}

qint64 Radio::airTimeNs(qsizetype bytes, int bps)
{
    if (bps <= 0)
        return 0;
    return qint64(bytes) * 10 * 1'000'000'000 / bps;
}

void Radio::transmit(RadioStation *from, const QByteArray &bytes, qint64 readyNs,
                     const RadioSettings &settings)
{
    if (bytes.isEmpty())
        return;
    QMutexLocker lock(&m_mutex);
    const auto sender = m_busyUntil.find(from);
    if (sender == m_busyUntil.end())
        return;
    const RadioStation::Tuning tuning = from->tuning();
    const int bps = rfSpeedBps(tuning.rfSpeedCode);
    if (bps <= 0)
        return; // a code the module would not know: it sends nothing
    // One transmission after the other: a sender is busy until its last one ends.
    const qint64 start = std::max(readyNs, sender->second);
    const qint64 end = start + airTimeNs(bytes.size(), bps);
    sender->second = end;
    const qint64 arrival = end + qint64(std::max(settings.latencyMs, 0)) * 1'000'000;

    QRandomGenerator *random = QRandomGenerator::global();
    for (const auto &[station, busy] : m_busyUntil) {
        Q_UNUSED(busy)
        if (station == from || !(station->tuning() == tuning))
            continue;
        if (random->generateDouble() < settings.lossRate)
            continue;
        QByteArray heard = bytes;
        if (random->generateDouble() < settings.corruptionRate) {
            const auto at = static_cast<qsizetype>(random->bounded(int(heard.size())));
            heard[at] = static_cast<char>(heard.at(at) ^ char(1 + random->bounded(255)));
        }
        station->hear(arrival, heard);
    }
}

} // namespace zomar::sim
