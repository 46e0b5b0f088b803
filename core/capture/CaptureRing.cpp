#include "core/capture/CaptureRing.h"

#include <algorithm>

namespace zomar {

CaptureRing::CaptureRing(int capacity) : m_capacity(std::max(1, capacity)) {}

void CaptureRing::append(Burst burst)
{
    if (size() >= m_capacity) {
        m_bursts.pop_front();
        ++m_dropped;
    }
    m_bursts.push_back(std::move(burst));
    ++m_endSeq;
}

void CaptureRing::clear()
{
    m_bursts.clear();
    m_dropped = 0;
}

} // namespace zomar
