#include "core/capture/BurstSplitter.h"

#include <algorithm>

namespace zomar {

BurstSplitter::BurstSplitter(int quietMs, int lineBytes)
    : m_quietMs(quietMs), m_lineBytes(std::max(1, lineBytes))
{}

void BurstSplitter::feed(qint64 ms, bool sent, const QByteArray &bytes, QList<Burst> &closed)
{
    if (bytes.isEmpty())
        return;
    const BurstKind kind = sent ? BurstKind::Sent : BurstKind::Received;
    if (m_open && (m_open->kind != kind || ms - m_open->endMs >= m_quietMs))
        closed << *close();
    qsizetype taken = 0;
    while (taken < bytes.size()) {
        if (m_open && m_open->bytes.size() >= m_lineBytes) {
            closed << *close();
            m_open = Burst{kind, ms, ms, {}, true};
        } else if (!m_open) {
            m_open = Burst{kind, ms, ms, {}};
        }
        const qsizetype room = m_lineBytes - m_open->bytes.size();
        const qsizetype n = std::min(room, bytes.size() - taken);
        m_open->bytes.append(bytes.constData() + taken, n);
        m_open->endMs = ms;
        taken += n;
    }
}

std::optional<Burst> BurstSplitter::closeIfQuiet(qint64 ms)
{
    if (!m_open || ms < quietDeadline())
        return std::nullopt;
    return close();
}

std::optional<Burst> BurstSplitter::close()
{
    std::optional<Burst> burst;
    burst.swap(m_open);
    return burst;
}

} // namespace zomar
