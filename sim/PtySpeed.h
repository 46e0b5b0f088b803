#pragma once
// Reads the line speed a terminal is set to, in bits per second, including
// rates that have no B-constant. Kept apart from <termios.h>, whose structures
// clash with the kernel's termios2.

namespace zomar::sim {

// The output speed of the terminal behind fd (either side of a pseudo-terminal
// pair), or -1 when it cannot be read.
int terminalLineSpeed(int fd);

} // namespace zomar::sim
