#include "core/store/AddressAllocator.h"

#include "core/protocol/ConfigBlock.h"

#include <algorithm>

namespace zomar {

namespace {
constexpr quint64 kPastLast = 0x100000000ULL;
}

AddressAllocator::AddressAllocator(quint32 first, quint32 step)
    : m_next(first), m_step(std::max<quint32>(step, 1))
{}

bool AddressAllocator::holdsUnreadableByte(quint32 address)
{
    ConfigBlock block; // zero elsewhere: only the address can hold the byte
    block.local = address;
    return block.holdsUnreadableByte();
}

void AddressAllocator::resumeAfter(quint32 highestUsed)
{
    const quint64 after = static_cast<quint64>(highestUsed) + m_step;
    if (after > m_next)
        m_next = after;
}

std::optional<quint32> AddressAllocator::take()
{
    if (!m_returned.isEmpty()) {
        std::sort(m_returned.begin(), m_returned.end());
        return m_returned.takeFirst();
    }
    while (m_next < kPastLast && holdsUnreadableByte(static_cast<quint32>(m_next)))
        m_next += m_step;
    if (m_next >= kPastLast)
        return std::nullopt;
    const auto address = static_cast<quint32>(m_next);
    m_next += m_step;
    return address;
}

void AddressAllocator::giveBack(quint32 address)
{
    if (!m_returned.contains(address))
        m_returned.append(address);
}

bool AddressAllocator::canHandOut(int count) const
{
    AddressAllocator probe = *this;
    for (int i = 0; i < count; ++i)
        if (!probe.take())
            return false;
    return true;
}

} // namespace zomar
