#include "platform/comm/serialdevice.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

TSerialDevice::~TSerialDevice()
{
    Close();
}

int TSerialDevice::Open(const std::string& Path)
{
    Close();
    const int fd = ::open(Path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    if (ioctl(fd, TIOCEXCL) != 0) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    FFd = fd;
    return 0;
}

void TSerialDevice::Close()
{
    if (FFd < 0)
        return;
    ioctl(FFd, TIOCNXCL);
    ::close(FFd);
    FFd = -1;
}

int TSerialDevice::InQueue(int& Count) const
{
    Count = 0;
    return ioctl(FFd, FIONREAD, &Count) == 0 ? 0 : errno;
}

int TSerialDevice::OutQueue(int& Count) const
{
    Count = 0;
    return ioctl(FFd, TIOCOUTQ, &Count) == 0 ? 0 : errno;
}

int TSerialDevice::Counters(TLineCounters& Counters) const
{
    serial_icounter_struct counts{};
    if (ioctl(FFd, TIOCGICOUNT, &counts) != 0)
        return errno;
    Counters.Frame = static_cast<uint32_t>(counts.frame);
    Counters.Overrun = static_cast<uint32_t>(counts.overrun);
    Counters.Parity = static_cast<uint32_t>(counts.parity);
    Counters.Break = static_cast<uint32_t>(counts.brk);
    Counters.BufferOverrun = static_cast<uint32_t>(counts.buf_overrun);
    return 0;
}

int TSerialDevice::ModemLines(int& Lines) const
{
    Lines = 0;
    return ioctl(FFd, TIOCMGET, &Lines) == 0 ? 0 : errno;
}

ssize_t TSerialDevice::Read(void* Buffer, std::size_t Count) const
{
    return ::read(FFd, Buffer, Count);
}

ssize_t TSerialDevice::Write(const void* Buffer, std::size_t Count) const
{
    return ::write(FFd, Buffer, Count);
}

bool IsUnsupported(int Error)
{
    return Error == ENOTTY || Error == EINVAL;
}

bool IsDeviceGone(int Error)
{
    return Error == EIO || Error == ENXIO || Error == ENODEV;
}
