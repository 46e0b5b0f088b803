#pragma once
// How long each step of a command-mode exchange waits: the window's waits,
// which a module may need, and the quiet line that ends an answer.

#include "core/protocol/ReplyFramer.h"

namespace zomar {

inline constexpr int kEntryWaitMs = 200;  // after "+++", for the answer
inline constexpr int kPacketWaitMs = 100; // after the configuration packet
inline constexpr int kExitWaitMs = 100;   // after "---" that ends a write

inline constexpr double kEntryWait = kEntryWaitMs / 1000.0;
inline constexpr double kPacketWait = kPacketWaitMs / 1000.0;
inline constexpr double kExitWait = kExitWaitMs / 1000.0;

} // namespace zomar
