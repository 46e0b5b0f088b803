#pragma once

namespace zomar {

// Waits until strictly more than `seconds` have passed on a monotonic clock,
// handling every pending event meanwhile (receive events and timer ticks run
// nested inside the caller). Between events it blocks in the event loop until
// the next event or the deadline, so it does not spin the CPU.
void yieldingWait(double seconds);

} // namespace zomar
