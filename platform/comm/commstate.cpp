#include "platform/comm/commstate.h"

#include <sys/ioctl.h>

#include <cerrno>
#include <iterator>
#include <vector>

#include "platform/comm/custombaud.h"
#include "platform/rtl/format.h"

namespace {

struct TSpeedCode {
    uint32_t Rate;
    speed_t Code;
};

constexpr TSpeedCode StandardSpeeds[] = {
    {50, B50}, {75, B75}, {110, B110}, {134, B134}, {150, B150}, {200, B200}, {300, B300},
    {600, B600}, {1200, B1200}, {1800, B1800}, {2400, B2400}, {4800, B4800}, {9600, B9600},
    {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400},
    {460800, B460800}, {500000, B500000}, {576000, B576000}, {921600, B921600}, {1000000, B1000000},
    {1152000, B1152000}, {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000},
    {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
};

// The speed code of a standard rate, or B0 for a rate set through termios2.
speed_t StandardSpeedCode(uint32_t Rate)
{
    for (const TSpeedCode& s : StandardSpeeds)
        if (s.Rate == Rate)
            return s.Code;
    return B0;
}

const char* ParityName(uint8_t Parity)
{
    static const char* const names[] = {"no", "odd", "even", "mark", "space"};
    return Parity < std::size(names) ? names[Parity] : "unknown";
}

tcflag_t SizeFlag(uint8_t ByteSize)
{
    switch (ByteSize) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
    }
}

// Tolerates a terminal without modem lines (a pseudo-terminal).
int SetModemLine(int Fd, int Line, bool On)
{
    if (ioctl(Fd, On ? TIOCMBIS : TIOCMBIC, &Line) == 0)
        return 0;
    return errno == ENOTTY || errno == EINVAL ? 0 : errno;
}

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

// What of Wanted the terminal did not keep, as Now shows it.
std::vector<std::string> DroppedSettings(const TDCB& DCB, const termios& Wanted, const termios& Now)
{
    std::vector<std::string> dropped;
    if ((Wanted.c_cflag & CSIZE) != (Now.c_cflag & CSIZE))
        dropped.push_back(Format("%d data bits", DCB.ByteSize));
    const tcflag_t parityBits = (Wanted.c_cflag & PARENB) ? PARENB | PARODD | CMSPAR : PARENB;
    if ((Wanted.c_cflag & parityBits) != (Now.c_cflag & parityBits))
        dropped.push_back(Format("%s parity", ParityName(DCB.Parity)));
    if ((Wanted.c_cflag & CSTOPB) != (Now.c_cflag & CSTOPB))
        dropped.push_back(DCB.StopBits == TWOSTOPBITS ? "2 stop bits" : "1 stop bit");
    if ((Wanted.c_cflag & CRTSCTS) != (Now.c_cflag & CRTSCTS))
        dropped.push_back("hardware flow control");
    if ((Wanted.c_iflag & (IXON | IXOFF)) != (Now.c_iflag & (IXON | IXOFF)) ||
        ((Wanted.c_iflag & (IXON | IXOFF)) &&
         (Wanted.c_cc[VSTART] != Now.c_cc[VSTART] || Wanted.c_cc[VSTOP] != Now.c_cc[VSTOP])))
        dropped.push_back("XON/XOFF flow control");
    if ((Wanted.c_iflag & INPCK) != (Now.c_iflag & INPCK))
        dropped.push_back("parity checking");
    return dropped;
}

} // namespace

std::string CommStateRefusal(const TDCB& DCB)
{
    const uint32_t f = DCB.Flags;
    if (!(f & DCB_BINARY))
        return "Only binary transfer is available";
    if (DCB.BaudRate == 0)
        return "A baud rate of 0 is not a rate";
    if (DCB.ByteSize < 5 || DCB.ByteSize > 8)
        return Format("%d data bits cannot be set on Linux", DCB.ByteSize);
    if (DCB.Parity > SPACEPARITY)
        return Format("Parity %d is not a parity", DCB.Parity);
    if (DCB.StopBits == ONE5STOPBITS)
        return "1.5 stop bits cannot be set on Linux";
    if (DCB.StopBits != ONESTOPBIT && DCB.StopBits != TWOSTOPBITS)
        return Format("Stop bits %d is not a stop-bit setting", DCB.StopBits);
    if (DCB.StopBits == TWOSTOPBITS && DCB.ByteSize == 5)
        return "5 data bits with 2 stop bits is not a valid line";
    if (f & DCB_OUTX_DSR_FLOW)
        return "DSR output flow control is not available on Linux";
    if ((f & DCB_DTR_CONTROL_MASK) == DCB_DTR_CONTROL_HANDSHAKE)
        return "DTR handshake is not available on Linux";
    if ((f & DCB_DTR_CONTROL_MASK) == DCB_DTR_CONTROL_MASK)
        return "DTR control 3 is not a DTR control";
    if (f & DCB_DSR_SENSITIVITY)
        return "DSR sensitivity is not available on Linux";
    if ((f & DCB_RTS_CONTROL_MASK) == DCB_RTS_CONTROL_TOGGLE)
        return "RTS toggle is not available on Linux";
    if (bool(f & DCB_OUTX_CTS_FLOW) != ((f & DCB_RTS_CONTROL_MASK) == DCB_RTS_CONTROL_HANDSHAKE))
        return "On Linux CTS output flow control and RTS handshake go together: set both or neither";
    if ((f & DCB_INX) && !(f & DCB_TX_CONTINUE_ON_XOFF))
        return "On Linux sending goes on after XoffChar was sent: XON/XOFF input flow control needs "
               "TxContinueOnXoff";
    if ((f & (DCB_OUTX | DCB_INX)) && DCB.XonChar == DCB.XoffChar)
        return "XonChar and XoffChar must differ";
    if (f & DCB_NULL)
        return "Stripping null bytes is not available on Linux";
    if ((f & DCB_ERROR_CHAR) && DCB.ErrorChar != 0)
        return "Linux replaces a byte received with an error by #0 only: ErrorChar must be #0";
    return {};
}

termios BinaryTermios(const termios& Base)
{
    termios t = Base;
    t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IUCLC | IXON | IXANY | IMAXBEL |
                   IUTF8);
    t.c_oflag &= ~OPOST;
    t.c_lflag &= ~(ISIG | ICANON | ECHO | ECHOE | ECHOK | ECHONL | ECHOCTL | ECHOPRT | ECHOKE | IEXTEN | NOFLSH |
                   TOSTOP);
    t.c_cflag |= CREAD;
    return t;
}

int SetBinaryLine(int Fd)
{
    termios t{};
    if (tcgetattr(Fd, &t) != 0)
        return errno;
    const termios binary = BinaryTermios(t);
    return tcsetattr(Fd, TCSANOW, &binary) == 0 ? 0 : errno;
}

termios TermiosOfDCB(const termios& Base, const TDCB& DCB)
{
    termios t = BinaryTermios(Base);
    t.c_iflag &= ~(IXOFF | INPCK | IGNPAR);
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    t.c_cflag |= CLOCAL | SizeFlag(DCB.ByteSize);
    switch (DCB.Parity) {
    case ODDPARITY: t.c_cflag |= PARENB | PARODD; break;
    case EVENPARITY: t.c_cflag |= PARENB; break;
    case MARKPARITY: t.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case SPACEPARITY: t.c_cflag |= PARENB | CMSPAR; break;
    default: break;
    }
    if (DCB.StopBits == TWOSTOPBITS)
        t.c_cflag |= CSTOPB;
    if (DCB.Flags & DCB_OUTX_CTS_FLOW)
        t.c_cflag |= CRTSCTS;
    if (DCB.Flags & DCB_PARITY)
        t.c_iflag |= INPCK;
    if (DCB.Flags & DCB_OUTX)
        t.c_iflag |= IXON;
    if (DCB.Flags & DCB_INX)
        t.c_iflag |= IXOFF;
    t.c_cc[VSTART] = static_cast<cc_t>(DCB.XonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(DCB.XoffChar);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    return t;
}

int SetCommState(int Fd, const TDCB& DCB, std::string& Refusal)
{
    Refusal = CommStateRefusal(DCB);
    if (!Refusal.empty())
        return EINVAL;
    termios old{};
    if (tcgetattr(Fd, &old) != 0)
        return errno;
    termios wanted = TermiosOfDCB(old, DCB);
    const speed_t code = StandardSpeedCode(DCB.BaudRate);
    if (code != B0 && (cfsetispeed(&wanted, code) != 0 || cfsetospeed(&wanted, code) != 0))
        return errno;
    // The C library reports EINVAL when the driver changed the size or
    // parity bits; what it kept is looked at below either way.
    const int setError = tcsetattr(Fd, TCSANOW, &wanted) == 0 ? 0 : errno;
    if (setError != 0 && setError != EINVAL)
        return setError;
    if (setError == 0 && code == B0) {
        if (const int error = SetCustomBaudrate(Fd, DCB.BaudRate)) {
            tcsetattr(Fd, TCSANOW, &old);
            return error;
        }
    }

    termios now{};
    if (tcgetattr(Fd, &now) != 0)
        return errno;
    std::vector<std::string> dropped = DroppedSettings(DCB, wanted, now);
    uint32_t rate = 0;
    if (const int error = GetLineBaudrate(Fd, rate))
        return error;
    if (setError == 0 && rate != DCB.BaudRate)
        dropped.push_back(Format("%d baud", DCB.BaudRate));
    if (setError != 0 || !dropped.empty()) {
        tcsetattr(Fd, TCSANOW, &old);
        if (!dropped.empty())
            Refusal = "The device does not take " + Joined(dropped);
        return EINVAL;
    }

    const uint32_t dtr = DCB.Flags & DCB_DTR_CONTROL_MASK;
    if (const int error = SetModemLine(Fd, TIOCM_DTR, dtr == DCB_DTR_CONTROL_ENABLE))
        return error;
    const uint32_t rts = DCB.Flags & DCB_RTS_CONTROL_MASK;
    if (rts != DCB_RTS_CONTROL_HANDSHAKE)
        if (const int error = SetModemLine(Fd, TIOCM_RTS, rts == DCB_RTS_CONTROL_ENABLE))
            return error;
    return 0;
}

int SetReadsReturnAtOnce(int Fd)
{
    termios t{};
    if (tcgetattr(Fd, &t) != 0)
        return errno;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    return tcsetattr(Fd, TCSANOW, &t) == 0 ? 0 : errno;
}
