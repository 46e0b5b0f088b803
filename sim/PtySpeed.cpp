#include "sim/PtySpeed.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace zomar::sim {

int terminalLineSpeed(int fd)
{
    // termios2 carries the speed as a number (c_ospeed); the kernel keeps it in
    // step with the B-constants too, so standard and custom rates read alike.
    struct termios2 settings {
    };
    if (::ioctl(fd, TCGETS2, &settings) != 0)
        return -1;
    return static_cast<int>(settings.c_ospeed);
}

} // namespace zomar::sim
