#pragma once
// How long each step of a command-mode exchange waits: the window's waits,
// which a module may need, and the quiet line that ends an answer.

#include "core/protocol/ReplyFramer.h"

#include <algorithm>

namespace zomar {

inline constexpr int kEntryWaitMs = 200;  // after "+++", for the answer
inline constexpr int kPacketWaitMs = 100; // after the configuration packet
inline constexpr int kExitWaitMs = 100;   // after "---" that ends a write
// A module tells its commands apart by a quiet line (the quiet-line time that
// ends an answer, kQuietLineMs): an operation that waited for another starts
// only once the line has been quiet this long, so its "+++" is not taken as
// part of the previous "---".
inline constexpr int kQueueGuardMs = 100;
static_assert(kQueueGuardMs > kQuietLineMs, "the guard must outlast a module's quiet line");
// A line that never goes quiet (a continuous send) holds a waiting operation
// back no longer than this.
inline constexpr int kQueueGuardLimitMs = 1000;

// How much longer an operation waiting for a quiet line waits, the line now
// quiet for quietForMs and the operation having waited waitedMs: 0 once it
// may start.
inline qint64 quietLineWaitMs(qint64 quietForMs, qint64 waitedMs)
{
    const qint64 left = kQueueGuardLimitMs - waitedMs;
    if (quietForMs >= kQueueGuardMs || left <= 0)
        return 0;
    return std::min(kQueueGuardMs - quietForMs, left);
}

inline constexpr double kEntryWait = kEntryWaitMs / 1000.0;
inline constexpr double kPacketWait = kPacketWaitMs / 1000.0;
inline constexpr double kExitWait = kExitWaitMs / 1000.0;

} // namespace zomar
