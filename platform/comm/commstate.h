#pragma once
// The serial line as the port component describes it: the device-control
// block, the line-error and event bits, and the status record, with their
// mapping onto termios. Line settings that termios cannot express are
// refused with the reason, never approximated.
#include <termios.h>

#include <cstdint>
#include <string>

struct TDCB {
    uint32_t DCBlength = 0;
    uint32_t BaudRate = 0;
    uint32_t Flags = 0;      // the DCB_ bits below
    uint16_t XonLim = 0;
    uint16_t XoffLim = 0;
    uint8_t ByteSize = 0;    // 4..8
    uint8_t Parity = 0;      // NOPARITY..SPACEPARITY
    uint8_t StopBits = 0;    // ONESTOPBIT, ONE5STOPBITS, TWOSTOPBITS
    char XonChar = 0;
    char XoffChar = 0;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;
};

// Flags of TDCB.
constexpr uint32_t DCB_BINARY = 0x0001, DCB_PARITY = 0x0002, DCB_OUTX_CTS_FLOW = 0x0004,
                   DCB_OUTX_DSR_FLOW = 0x0008, DCB_DTR_CONTROL_MASK = 0x0030, DCB_DTR_CONTROL_ENABLE = 0x0010,
                   DCB_DTR_CONTROL_HANDSHAKE = 0x0020, DCB_DSR_SENSITIVITY = 0x0040,
                   DCB_TX_CONTINUE_ON_XOFF = 0x0080, DCB_OUTX = 0x0100, DCB_INX = 0x0200,
                   DCB_ERROR_CHAR = 0x0400, DCB_NULL = 0x0800, DCB_RTS_CONTROL_MASK = 0x3000,
                   DCB_RTS_CONTROL_ENABLE = 0x1000, DCB_RTS_CONTROL_HANDSHAKE = 0x2000,
                   DCB_RTS_CONTROL_TOGGLE = 0x3000;

constexpr uint8_t NOPARITY = 0, ODDPARITY = 1, EVENPARITY = 2, MARKPARITY = 3, SPACEPARITY = 4;
constexpr uint8_t ONESTOPBIT = 0, ONE5STOPBITS = 1, TWOSTOPBITS = 2;

// Port events.
constexpr uint32_t EV_RXCHAR = 0x0001, EV_RXFLAG = 0x0002, EV_TXEMPTY = 0x0004, EV_CTS = 0x0008,
                   EV_DSR = 0x0010, EV_RLSD = 0x0020, EV_BREAK = 0x0040, EV_ERR = 0x0080, EV_RING = 0x0100,
                   EV_PERR = 0x0200, EV_RX80FULL = 0x0400, EV_EVENT1 = 0x0800, EV_EVENT2 = 0x1000;

// Line errors.
constexpr uint32_t CE_RXOVER = 0x0001, CE_OVERRUN = 0x0002, CE_RXPARITY = 0x0004, CE_FRAME = 0x0008,
                   CE_BREAK = 0x0010, CE_TXFULL = 0x0100, CE_IOE = 0x0400;

// The status of the line: Flags is not used on Linux (always 0); the byte
// counts of the driver's input and output queues.
struct TComStat {
    uint32_t Flags = 0;
    uint32_t cbInQue = 0;
    uint32_t cbOutQue = 0;
};

// Why termios cannot express the line; empty when it can.
std::string CommStateRefusal(const TDCB& DCB);

// The termios of a binary line, starting from Base: receiver on, no echo,
// no line discipline, no signals, no character translation either way and
// no XON/XOFF characters taken from the input; size, parity, speed, flow
// control and modem settings stay as Base has them.
termios BinaryTermios(const termios& Base);

// Makes the line of an open terminal binary (BinaryTermios), whatever mode
// it was left in.
int SetBinaryLine(int Fd);

// The termios of the line, starting from Base (the device's current one):
// a binary line (BinaryTermios) of raw 8-bit transfer, modem control lines
// ignored for opening, reads that return at once, and what DCB asks for. The
// speed is left to SetCommState. DCB must have no refusal.
termios TermiosOfDCB(const termios& Base, const TDCB& DCB);

// Sets the line of an open terminal and the DTR and RTS lines the DCB asks
// for (a terminal without modem lines, such as a pseudo-terminal, is left
// without them). Returns 0, or a system error code; EINVAL with Refusal set
// when the line cannot be expressed or the driver did not take all of it
// (the line is then left as it was).
int SetCommState(int Fd, const TDCB& DCB, std::string& Refusal);

// Makes reads return at once with what has been received.
int SetReadsReturnAtOnce(int Fd);
