#pragma once
// Hands out local addresses on a production line: from a first address in
// steps, never the same one twice. An address comes back only when nothing
// was written with it. Addresses holding the byte A5 are passed over: a
// module's answer cannot carry that byte, so such a module could never be
// verified.

#include <QList>
#include <QString>

#include <optional>

namespace zomar {

class AddressAllocator
{
public:
    AddressAllocator(quint32 first, quint32 step);

    // The next address is after `highestUsed` (from an earlier run's log).
    void resumeAfter(quint32 highestUsed);
    // The next free address, or nullopt when the range past FFFFFFFF is reached.
    std::optional<quint32> take();
    // An address that was never written goes back; it is handed out first.
    void giveBack(quint32 address);
    // Whether `count` more addresses can be handed out.
    bool canHandOut(int count) const;
    // The counter: the next address in steps (0x100000000 once past FFFFFFFF).
    quint64 next() const { return m_next; }

    static bool holdsUnreadableByte(quint32 address);

private:
    quint64 m_next;
    quint64 m_step;
    QList<quint32> m_returned;
};

} // namespace zomar
