// The line's termios from the device-control block, and the blocks termios
// cannot express.
#include <gtest/gtest.h>

#include "platform/comm/commstate.h"

namespace {

TDCB Line(uint8_t ByteSize, uint8_t Parity, uint8_t StopBits, uint32_t Flags = DCB_BINARY)
{
    TDCB dcb;
    dcb.BaudRate = 9600;
    dcb.ByteSize = ByteSize;
    dcb.Parity = Parity;
    dcb.StopBits = StopBits;
    dcb.Flags = Flags;
    dcb.XonChar = 17;
    dcb.XoffChar = 19;
    return dcb;
}

} // namespace

TEST(CommState, SizeParityAndStopBitsMapOntoTheControlFlags)
{
    struct TCase {
        TDCB DCB;
        tcflag_t Flags;   // of CSIZE | PARENB | PARODD | CMSPAR | CSTOPB
    };
    const TCase cases[] = {
        {Line(8, NOPARITY, ONESTOPBIT), CS8},
        {Line(7, EVENPARITY, ONESTOPBIT), CS7 | PARENB},
        {Line(7, ODDPARITY, TWOSTOPBITS), CS7 | PARENB | PARODD | CSTOPB},
        {Line(6, MARKPARITY, ONESTOPBIT), CS6 | PARENB | PARODD | CMSPAR},
        {Line(5, SPACEPARITY, ONESTOPBIT), CS5 | PARENB | CMSPAR},
    };
    termios base{};
    base.c_cflag = CS8 | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | HUPCL;
    base.c_iflag = ICRNL | IXON | ISTRIP;
    base.c_lflag = ICANON | ECHO | ISIG;
    base.c_oflag = OPOST | ONLCR;
    for (const TCase& c : cases) {
        const termios t = TermiosOfDCB(base, c.DCB);
        EXPECT_EQ(t.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS), c.Flags)
            << int(c.DCB.ByteSize) << int(c.DCB.Parity) << int(c.DCB.StopBits);
        EXPECT_EQ(t.c_cflag & (CREAD | CLOCAL | HUPCL), static_cast<tcflag_t>(CREAD | CLOCAL | HUPCL));
        EXPECT_EQ(t.c_iflag, 0u);
        EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
        EXPECT_EQ(t.c_oflag & OPOST, 0u);
        EXPECT_TRUE(CommStateRefusal(c.DCB).empty());
    }
}

TEST(CommState, FlowControlAndParityCheckMapOntoTheInputFlags)
{
    TDCB dcb = Line(8, EVENPARITY, ONESTOPBIT,
                    DCB_BINARY | DCB_PARITY | DCB_OUTX | DCB_INX | DCB_TX_CONTINUE_ON_XOFF | DCB_OUTX_CTS_FLOW |
                        DCB_RTS_CONTROL_HANDSHAKE);
    dcb.XonChar = 'q';
    dcb.XoffChar = 's';
    ASSERT_EQ(CommStateRefusal(dcb), "");
    const termios t = TermiosOfDCB(termios{}, dcb);
    EXPECT_EQ(t.c_iflag, static_cast<tcflag_t>(INPCK | IXON | IXOFF));
    EXPECT_NE(t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(t.c_cc[VSTART], 'q');
    EXPECT_EQ(t.c_cc[VSTOP], 's');
    EXPECT_EQ(t.c_cc[VMIN], 0);
    EXPECT_EQ(t.c_cc[VTIME], 0);
}

TEST(CommState, BlocksTermiosCannotExpressAreRefused)
{
    TDCB textMode = Line(8, NOPARITY, ONESTOPBIT, 0);
    TDCB badParity = Line(8, 5, ONESTOPBIT);
    TDCB badStop = Line(8, NOPARITY, 3);
    TDCB badDtr = Line(8, NOPARITY, ONESTOPBIT, DCB_BINARY | DCB_DTR_CONTROL_MASK);
    EXPECT_EQ(CommStateRefusal(textMode), "Only binary transfer is available");
    EXPECT_EQ(CommStateRefusal(badParity), "Parity 5 is not a parity");
    EXPECT_EQ(CommStateRefusal(badStop), "Stop bits 3 is not a stop-bit setting");
    EXPECT_EQ(CommStateRefusal(badDtr), "DTR control 3 is not a DTR control");
}
