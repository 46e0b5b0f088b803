#pragma once
// The bursts a capture keeps: the last `capacity` of them. Every burst has a
// sequence number, so a view can tell which ones left at the front and which
// came at the end since it last looked.

#include "core/capture/Burst.h"

#include <deque>

namespace zomar {

class CaptureRing
{
public:
    explicit CaptureRing(int capacity = kCaptureCapacity);

    // Drops the oldest burst when full.
    void append(Burst burst);
    void clear();

    int size() const { return static_cast<int>(m_bursts.size()); }
    int capacity() const { return m_capacity; }
    const Burst &at(int i) const { return m_bursts[static_cast<size_t>(i)]; }
    const Burst *last() const { return m_bursts.empty() ? nullptr : &m_bursts.back(); }
    // Bursts dropped since the last clear.
    quint64 dropped() const { return m_dropped; }
    // Sequence numbers of the first burst held and of the next to come.
    quint64 frontSeq() const { return m_endSeq - m_bursts.size(); }
    quint64 endSeq() const { return m_endSeq; }

private:
    int m_capacity;
    std::deque<Burst> m_bursts;
    quint64 m_dropped = 0;
    quint64 m_endSeq = 0;
};

} // namespace zomar
