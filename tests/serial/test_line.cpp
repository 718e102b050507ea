// The line the port sets on its device: the termios each group of settings
// gives, the settings Linux cannot express and those the device would not
// keep, all refused with the reason.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/comm/custombaud.h"
#include "tests/serial/serialtesting.h"

namespace {

uint32_t LineRate(const TPtyPeer& Peer)
{
    uint32_t rate = 0;
    EXPECT_EQ(GetLineBaudrate(Peer.Master(), rate), 0);
    return rate;
}

} // namespace

TEST_F(PortTest, TheControllersLineIsRaw9600BaudEightBitsNoParityOneStopBit)
{
    Port->SetBaudrate(br9600);
    Port->FlowControl()->SetControlRts(rtsEnabled);
    Port->Open();
    const termios line = Peer.Line();
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B9600));
    EXPECT_EQ(cfgetispeed(&line), static_cast<speed_t>(B9600));
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(line.c_cflag & (CREAD | CLOCAL), static_cast<tcflag_t>(CREAD | CLOCAL));
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF | INPCK | ICRNL | ISTRIP | BRKINT), 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(line.c_cc[VMIN], 0);
    EXPECT_EQ(line.c_cc[VTIME], 0);
}

TEST_F(PortTest, EachSettingReachesTheLine)
{
    struct TCase {
        const char* Name;
        std::function<void(TRsComm&)> Set;
        std::function<bool(const termios&, uint32_t Rate)> Holds;
    };
    const TCase cases[] = {
        {"115200 baud", [](TRsComm& p) { p.SetBaudrate(br115200); },
         [](const termios& t, uint32_t) { return cfgetospeed(&t) == B115200; }},
        {"14400 baud, no speed code", [](TRsComm& p) { p.SetBaudrate(br14400); },
         [](const termios&, uint32_t rate) { return rate == 14400; }},
        {"a user rate", [](TRsComm& p) { p.SetUserBaudrate(250000); },
         [](const termios&, uint32_t rate) { return rate == 250000; }},
        {"2 stop bits", [](TRsComm& p) { p.SetStopbits(sb2); },
         [](const termios& t, uint32_t) { return (t.c_cflag & CSTOPB) != 0; }},
        {"hardware handshake",
         [](TRsComm& p) {
             p.FlowControl()->SetOutCtsFlow(true);
             p.FlowControl()->SetControlRts(rtsHandshake);
         },
         [](const termios& t, uint32_t) { return (t.c_cflag & CRTSCTS) != 0; }},
        {"XON/XOFF both ways with own characters",
         [](TRsComm& p) {
             p.FlowControl()->SetXonXoffOut(true);
             p.FlowControl()->SetXonXoffIn(true);
             p.FlowControl()->SetTxContinueOnXoff(true);
             p.EventChars()->SetXonChar(1);
             p.EventChars()->SetXoffChar(2);
         },
         [](const termios& t, uint32_t) {
             return (t.c_iflag & (IXON | IXOFF)) == (IXON | IXOFF) && t.c_cc[VSTART] == 1 && t.c_cc[VSTOP] == 2;
         }},
        {"parity check", [](TRsComm& p) { p.SetOptions({coParityCheck}); },
         [](const termios& t, uint32_t) { return (t.c_iflag & INPCK) != 0; }},
        {"error character #0", [](TRsComm& p) { p.SetOptions({coParityCheck, coErrorChar}); },
         [](const termios& t, uint32_t) { return (t.c_iflag & (INPCK | IGNPAR | PARMRK)) == INPCK; }},
    };
    for (const TCase& c : cases) {
        TRsComm port(nullptr);
        port.SetDeviceName(Peer.SlavePath());
        c.Set(port);
        port.Open();
        EXPECT_TRUE(c.Holds(Peer.Line(), LineRate(Peer))) << c.Name;
    }
}

TEST_F(PortTest, ChangesWhileOpenReachTheLineAtOnceUnlessUpdateDCBIsOff)
{
    Port->Open();
    Port->SetUserBaudrate(31250);
    EXPECT_EQ(LineRate(Peer), 31250u);
    Port->FlowControl()->SetXonXoffOut(true);
    EXPECT_NE(Peer.Line().c_iflag & IXON, 0u);
    Port->Close();

    Port->SetUpdateDCB(false);
    Port->SetBaudrate(br600);
    Port->Open();
    EXPECT_EQ(LineRate(Peer), 31250u);
}

TEST_F(PortTest, WithUpdateDCBOffTheLineIsStillBinaryAndKeepsItsOtherSettings)
{
    // The terminal was left in text mode at 2400 baud: canonical input, echo,
    // signals, CR to LF, XON/XOFF, output post-processing.
    termios text = Peer.Line();
    text.c_iflag |= ICRNL | IXON;
    text.c_oflag |= OPOST | ONLCR;
    text.c_lflag |= ICANON | ECHO | ISIG | IEXTEN;
    cfsetispeed(&text, B2400);
    cfsetospeed(&text, B2400);
    ASSERT_EQ(tcsetattr(Peer.Master(), TCSANOW, &text), 0);

    CollectReceived();
    Port->SetUpdateDCB(false);
    Port->SetBaudrate(br9600);
    Port->Open();

    // CR, XOFF, XON and the interrupt character arrive as they are, without
    // a line end and without an echo.
    const std::string incoming = "a\rb\x13" "c\x11\x03";
    Peer.Write(incoming);
    ASSERT_TRUE(ProcessEventsUntil([&] { return Received == incoming; }));
    EXPECT_TRUE(Port->WriteText("x\ny\r"));
    EXPECT_EQ(Peer.Read(4), "x\ny\r");
    EXPECT_EQ(Peer.Read(1, 100), "");

    const termios line = Peer.Line();
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B2400));
}

TEST_F(PortTest, SettingsLinuxCannotExpressAreRefusedAndTheOpenFails)
{
    struct TCase {
        std::function<void(TRsComm&)> Set;
        const char* Message;
    };
    const TCase cases[] = {
        {[](TRsComm& p) { p.SetDatabits(db4); }, "Error writing dcb (22), 4 data bits cannot be set on Linux"},
        {[](TRsComm& p) { p.SetStopbits(sb15); }, "Error writing dcb (22), 1.5 stop bits cannot be set on Linux"},
        {[](TRsComm& p) { p.SetDatabits(db5); p.SetStopbits(sb2); },
         "Error writing dcb (22), 5 data bits with 2 stop bits is not a valid line"},
        {[](TRsComm& p) { p.SetUserBaudrate(0); p.SetBaudrate(brUser); },
         "Error writing dcb (22), A baud rate of 0 is not a rate"},
        {[](TRsComm& p) { p.FlowControl()->SetOutDsrFlow(true); },
         "Error writing dcb (22), DSR output flow control is not available on Linux"},
        {[](TRsComm& p) { p.FlowControl()->SetControlDtr(dtrHandshake); },
         "Error writing dcb (22), DTR handshake is not available on Linux"},
        {[](TRsComm& p) { p.FlowControl()->SetDsrSensitivity(true); },
         "Error writing dcb (22), DSR sensitivity is not available on Linux"},
        {[](TRsComm& p) { p.FlowControl()->SetControlRts(rtsToggle); },
         "Error writing dcb (22), RTS toggle is not available on Linux"},
        {[](TRsComm& p) { p.FlowControl()->SetOutCtsFlow(true); },
         "Error writing dcb (22), On Linux CTS output flow control and RTS handshake go together: set both or "
         "neither"},
        {[](TRsComm& p) { p.FlowControl()->SetControlRts(rtsHandshake); },
         "Error writing dcb (22), On Linux CTS output flow control and RTS handshake go together: set both or "
         "neither"},
        {[](TRsComm& p) { p.FlowControl()->SetXonXoffIn(true); },
         "Error writing dcb (22), On Linux sending goes on after XoffChar was sent: XON/XOFF input flow control "
         "needs TxContinueOnXoff"},
        {[](TRsComm& p) { p.FlowControl()->SetXonXoffOut(true); p.EventChars()->SetXoffChar(17); },
         "Error writing dcb (22), XonChar and XoffChar must differ"},
        {[](TRsComm& p) { p.SetOptions({coNullStrip}); },
         "Error writing dcb (22), Stripping null bytes is not available on Linux"},
        {[](TRsComm& p) { p.SetOptions({coErrorChar}); p.EventChars()->SetErrorChar('?'); },
         "Error writing dcb (22), Linux replaces a byte received with an error by #0 only: ErrorChar must be #0"},
        {[](TRsComm& p) { p.SetMonitorEvents({ceRxChar, ceRxFlag}); },
         " Error setting EventMask (22), Linux cannot report the arrival of the event character (ceRxFlag)"},
        {[](TRsComm& p) { p.Buffers()->SetWriteSize(0); },
         "Error initializing buffers (22), ReadSize and WriteSize must be above 0"},
        // A pseudo-terminal keeps 8 data bits and no parity whatever it is told.
        {[](TRsComm& p) { p.SetDatabits(db7); }, "Error writing dcb (22), The device does not take 7 data bits"},
        {[](TRsComm& p) { p.SetDatabits(db7); p.SetParity(paMark); },
         "Error writing dcb (22), The device does not take 7 data bits, mark parity"},
    };
    const int descriptors = OpenDescriptorCount();
    for (const TCase& c : cases) {
        TRsComm port(nullptr);
        port.SetDeviceName(Peer.SlavePath());
        c.Set(port);
        try {
            port.Open();
            ADD_FAILURE() << c.Message << ": opened";
        } catch (const ERsCommError& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
        EXPECT_FALSE(port.IsOpen()) << c.Message;
        EXPECT_TRUE(PortThreadsEnd()) << c.Message;
        EXPECT_EQ(OpenDescriptorCount(), descriptors) << c.Message;
    }
}

TEST_F(PortTest, ARefusedChangeWhileOpenKeepsTheOldSettingAndLine)
{
    Port->SetBaudrate(br9600);
    Port->Open();
    EXPECT_THROW(Port->SetStopbits(sb15), ERsCommError);
    EXPECT_EQ(Port->Stopbits(), sb1);
    EXPECT_THROW(Port->SetParity(paEven), ERsCommError);
    EXPECT_EQ(Port->Parity(), paNone);
    EXPECT_THROW(Port->FlowControl()->SetOutDsrFlow(true), ERsCommError);
    EXPECT_FALSE(Port->FlowControl()->OutDsrFlow());
    EXPECT_TRUE(Port->IsOpen());
    const termios line = Peer.Line();
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B9600));
    EXPECT_EQ(line.c_cflag & CSTOPB, 0u);
}
