#include "platform/comm/custombaud.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <cerrno>

int SetCustomBaudrate(int Fd, uint32_t Rate)
{
    termios2 line{};
    if (ioctl(Fd, TCGETS2, &line) != 0)
        return errno;
    line.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    line.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    line.c_ispeed = Rate;
    line.c_ospeed = Rate;
    return ioctl(Fd, TCSETS2, &line) == 0 ? 0 : errno;
}

int GetLineBaudrate(int Fd, uint32_t& Rate)
{
    termios2 line{};
    if (ioctl(Fd, TCGETS2, &line) != 0)
        return errno;
    Rate = line.c_ospeed;
    return 0;
}
