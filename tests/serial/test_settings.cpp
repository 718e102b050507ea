// The port's settings: defaults as stored descriptions see them, the rate
// pair, the option groups' notifications and the settings refused while the
// port is open.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "serial/rscomm.h"
#include "tests/serial/serialtesting.h"

namespace {

// The controller's line, as the programming window's description holds it.
const char* const kControllerPort = R"(object ComPort: TRsComm
  Baudrate = br9600
  EventChars.EofChar = 26
  FlowControl.ControlRts = rtsEnabled
  Options = [coParityCheck]
  PortNum = 2
  DeviceName = '/dev/ttyUSB%d'
  MonitorEvents = [ceError, ceRxChar]
  Buffers.WriteSize = 4096
  Buffers.WriteTimeout = 250
  WritePriority = tpHigher
end
)";

} // namespace

TEST(RsCommSettings, AFreshPortStoresNothingButItsName)
{
    TRsComm port(nullptr);
    port.SetName("ComPort");
    EXPECT_EQ(WriteComponentToText(port), "object ComPort: TRsComm\nend\n");
    EXPECT_EQ(port.FormatDeviceName(), "/dev/ttyS0");
    EXPECT_EQ(port.Baudrate(), br1200);
    EXPECT_EQ(port.MonitorEvents(), (TRsCommEvents{ceError, ceRxChar, ceTxEmpty}));
    EXPECT_EQ(port.WritePriority(), tpHighest);
    EXPECT_TRUE(port.UpdateDCB());
    EXPECT_EQ(port.Buffers()->WriteSize(), 2048);
    EXPECT_EQ(port.EventChars()->XoffChar(), 19);
}

TEST(RsCommSettings, ADescriptionSetsTheLineAndWritesBackIdentically)
{
    TRsComm port(nullptr);
    ReadComponentFromText(port, kControllerPort, "port.dfm");
    EXPECT_EQ(port.Baudrate(), br9600);
    EXPECT_EQ(port.FlowControl()->ControlRts(), rtsEnabled);
    EXPECT_EQ(port.EventChars()->EofChar(), 26);
    EXPECT_EQ(port.Options(), TRsCommOptions{coParityCheck});
    EXPECT_EQ(port.FormatDeviceName(), "/dev/ttyUSB2");
    EXPECT_EQ(port.MonitorEvents(), (TRsCommEvents{ceError, ceRxChar}));
    EXPECT_EQ(port.Buffers()->WriteTimeout(), 250);
    EXPECT_EQ(WriteComponentToText(port), kControllerPort);
}

TEST(RsCommSettings, AutoOpenOpensOnceTheDescriptionIsRead)
{
    TPtyPeer peer;
    TRsComm port(nullptr);
    ReadComponentFromText(port,
                          "object ComPort: TRsComm\n  AutoOpen = True\n  DeviceName = '" + peer.SlavePath() +
                              "'\nend\n",
                          "port.dfm");
    EXPECT_TRUE(port.IsOpen());
}

TEST(RsCommSettings, TheDeviceNameTakesThePortNumberOnlyForPercentD)
{
    struct TCase {
        const char* Pattern;
        int PortNum;
        const char* Device;
    };
    const TCase cases[] = {
        {"/dev/ttyS%d", 3, "/dev/ttyS3"},
        {"/dev/ttyUSB%d", 12, "/dev/ttyUSB12"},
        {"/dev/pts/7", 3, "/dev/pts/7"},
        {"/tmp/%s%x%d", 5, "/tmp/%s%x5"},   // never used as a format
        {"/tmp/100%", 1, "/tmp/100%"},
    };
    for (const TCase& c : cases) {
        TRsComm port(nullptr);
        port.SetDeviceName(c.Pattern);
        port.SetPortNum(c.PortNum);
        EXPECT_EQ(port.FormatDeviceName(), c.Device) << c.Pattern;
    }
}

TEST(RsCommSettings, UserBaudrateAndBaudrateClearEachOther)
{
    TRsComm port(nullptr);
    port.SetUserBaudrate(250000);
    EXPECT_EQ(port.Baudrate(), brUser);
    port.SetBaudrate(br9600);
    EXPECT_EQ(port.UserBaudrate(), 0);
    port.SetUserBaudrate(31250);
    port.SetBaudrate(brUser);
    EXPECT_EQ(port.UserBaudrate(), 31250);
}

TEST(RsCommSettings, EachSpecialCharacterKeepsItsOwnValue)
{
    TRsEventChars chars;
    chars.SetEofChar(26);
    chars.SetEventChar(10);
    chars.SetErrorChar(63);
    EXPECT_EQ(chars.EofChar(), 26);
    EXPECT_EQ(chars.EventChar(), 10);
    EXPECT_EQ(chars.ErrorChar(), 63);
    EXPECT_EQ(chars.XonChar(), 17);
    EXPECT_EQ(chars.XoffChar(), 19);
}

TEST(RsCommSettings, GroupsNotifyOnlyRealChangesAndAssignOnce)
{
    int flowChanges = 0, charChanges = 0, bufferChanges = 0;
    TRsFlowControl flow;
    TRsEventChars chars;
    TRsBuffers buffers;
    flow.SetOnChange([&](TObject*) { ++flowChanges; });
    chars.SetOnChange([&](TObject*) { ++charChanges; });
    buffers.SetOnChange([&](TObject*) { ++bufferChanges; });

    flow.SetXonXoffOut(false);
    buffers.SetReadSize(4096);
    chars.SetXonChar(17);   // the characters notify even without a change
    buffers.SetReadTimeout(5);
    EXPECT_EQ(flowChanges, 0);
    EXPECT_EQ(charChanges, 1);
    EXPECT_EQ(bufferChanges, 0);

    TRsFlowControl all;
    all.SetOutCtsFlow(true);
    all.SetOutDsrFlow(true);
    all.SetControlDtr(dtrEnabled);
    all.SetControlRts(rtsHandshake);
    all.SetXonXoffOut(true);
    all.SetXonXoffIn(true);
    all.SetDsrSensitivity(true);
    all.SetTxContinueOnXoff(true);
    flow.Assign(&all);
    EXPECT_EQ(flowChanges, 1);
    EXPECT_TRUE(flow.DsrSensitivity());
    EXPECT_EQ(flow.ControlRts(), rtsHandshake);

    buffers.BeginUpdate();
    buffers.BeginUpdate();
    buffers.SetWriteSize(100);
    buffers.EndUpdate();
    EXPECT_EQ(bufferChanges, 0);
    buffers.EndUpdate();
    buffers.EndUpdate();   // never below 0: notifies again
    EXPECT_EQ(bufferChanges, 2);
}

TEST_F(PortTest, SettingsThatNeedAClosedPortAreRefusedWhileOpenAndKeepTheirValue)
{
    struct TCase {
        const char* Name;
        std::function<void(TRsComm&)> Change;
        std::function<bool(const TRsComm&)> Unchanged;
    };
    const TCase cases[] = {
        {"PortNum", [](TRsComm& p) { p.SetPortNum(3); }, [](const TRsComm& p) { return p.PortNum() == 0; }},
        {"DeviceName", [](TRsComm& p) { p.SetDeviceName("/dev/null"); },
         [](const TRsComm& p) { return p.DeviceName() != "/dev/null"; }},
        {"MonitorEvents", [](TRsComm& p) { p.SetMonitorEvents({}); },
         [](const TRsComm& p) { return !p.MonitorEvents().Empty(); }},
        {"DirectWrite", [](TRsComm& p) { p.SetDirectWrite(true); }, [](const TRsComm& p) { return !p.DirectWrite(); }},
        {"UpdateDCB", [](TRsComm& p) { p.SetUpdateDCB(false); }, [](const TRsComm& p) { return p.UpdateDCB(); }},
        {"Buffers", [](TRsComm& p) { TRsBuffers b; b.SetWriteSize(99); p.SetBuffers(&b); },
         [](const TRsComm& p) { return p.Buffers()->WriteSize() == 2048; }},
        {"Buffers.ReadSize", [](TRsComm& p) { p.Buffers()->SetReadSize(99); },
         [](const TRsComm& p) { return p.Buffers()->ReadSize() == 4096; }},
    };
    Port->Open();
    for (const TCase& c : cases) {
        try {
            c.Change(*Port);
            ADD_FAILURE() << c.Name << " was accepted";
        } catch (const ERsCommError& e) {
            EXPECT_EQ(e.Message(), "Can't perform this operation while port is open") << c.Name;
        }
        EXPECT_TRUE(c.Unchanged(*Port)) << c.Name;
    }
    Port->Buffers()->SetWriteTimeout(10);   // the time-outs are no queue sizes
    Port->Close();
    Port->SetPortNum(3);
    EXPECT_EQ(Port->PortNum(), 3);
}
