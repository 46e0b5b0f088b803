#pragma once
// How the module's answer is gathered from the line: each received byte goes
// into the slot at the index and advances it, slot 0 first in every burst; a
// byte 0xA5 is stored but does not advance, so the next byte overwrites it;
// past the last slot the index wraps to 0. Block byte k is slot k. The end of
// a burst is a quiet line, timed by the owner.

#include "core/protocol/ConfigBlock.h"

#include <QByteArray>

#include <array>
#include <optional>

namespace zomar {

inline constexpr int kRxSlots = 51;
// One received byte per slot, or kEmptySlot when nothing was stored there.
inline constexpr int kEmptySlot = -1;
using RxSlots = std::array<int, kRxSlots>;

// Milliseconds of silence that end a burst.
inline constexpr int kQuietLineMs = 60;

struct ReplyFramer {
    static constexpr quint8 kSkippedByte = kUnreadableByte;

    ReplyFramer() { buffer.fill(kEmptySlot); }

    RxSlots buffer;
    int index = 0;   // the slot the next byte goes into
    int skipped = 0; // 0xA5 bytes that did not advance since clear()

    // Empties every slot and starts at slot 0 (before a request).
    void clear();
    // Starts the next burst at slot 0 (the line went quiet).
    void endBurst() { index = 0; }
    // A read that returned nothing empties the current slot.
    void clearCurrentSlot() { buffer[static_cast<size_t>(index)] = kEmptySlot; }
    // Stores a byte; false when it was 0xA5 and the index stayed.
    bool store(quint8 byte);

    // How many of slots 0..11 hold a byte.
    int blockBytesFilled() const;
    // Slots 0..11 as a block, when every one of them holds a byte.
    std::optional<QByteArray> block() const;
};

} // namespace zomar
