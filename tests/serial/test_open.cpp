// Opening and closing the port: devices that are missing or cannot be
// opened, the open and close events, and which threads an open port runs.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/serial/serialtesting.h"
#include "tests/support/testsupport.h"

TEST(RsCommOpen, AMissingDeviceIsNamedAndThePortStaysClosed)
{
    TTempDir dir;
    struct TCase {
        std::string Pattern;
        int PortNum;
        std::string Device;
    };
    const TCase cases[] = {
        {dir.File("nodev%d"), 7, dir.File("nodev7")},
        {dir.File("%s%n%x"), 1, dir.File("%s%n%x")},   // never a format
        {dir.File("100%-%d"), 2, dir.File("100%-2")},
    };
    for (const TCase& c : cases) {
        TRsComm port(nullptr);
        int closes = 0;
        port.SetOnClose([&](TObject*) { ++closes; });
        port.SetDeviceName(c.Pattern);
        port.SetPortNum(c.PortNum);
        try {
            port.Open();
            ADD_FAILURE() << c.Pattern << " opened";
        } catch (const ERsCommError& e) {
            EXPECT_EQ(e.Message(), "Specified device not found (" + c.Device + ").");
        }
        EXPECT_FALSE(port.IsOpen());
        port.Close();
        EXPECT_EQ(closes, 0);
    }
}

TEST(RsCommOpen, ADeviceThatCannotBeOpenedGivesTheSystemsReason)
{
    TTempDir dir;
    std::ofstream(dir.File("plain")) << "not a terminal";
    struct TCase {
        std::string Device;
        std::string Message;
    };
    const TCase cases[] = {
        {dir.Path().string(), "Can't open specified device " + dir.Path().string() + " (Error 21, Is a directory)"},
        {dir.File("plain"),
         "Can't open specified device " + dir.File("plain") + " (Error 25, Inappropriate ioctl for device)"},
    };
    const int descriptors = OpenDescriptorCount();
    for (const TCase& c : cases) {
        TRsComm port(nullptr);
        port.SetDeviceName(c.Device);
        try {
            port.Open();
            ADD_FAILURE() << c.Device << " opened";
        } catch (const ERsCommError& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
        EXPECT_FALSE(port.IsOpen());
        EXPECT_EQ(OpenDescriptorCount(), descriptors);
    }
}

TEST_F(PortTest, OpenAndCloseRaiseTheirEventsOnceOnTheCallingThread)
{
    std::vector<std::string> log;
    Port->SetOnOpen([&](TObject* Sender) { log.push_back(Sender == Port.get() ? "open" : "open?"); });
    Port->SetOnClose([&](TObject*) { log.push_back("close"); });
    Port->Open();
    EXPECT_TRUE(Port->IsOpen());
    try {
        Port->Open();
        ADD_FAILURE() << "opened twice";
    } catch (const ERsCommError& e) {
        EXPECT_EQ(e.Message(), "Can't perform this operation while port is open");
    }
    Port->Close();
    Port->Close();
    EXPECT_FALSE(Port->IsOpen());
    EXPECT_EQ(log, (std::vector<std::string>{"open", "close"}));
}

TEST_F(PortTest, AnOnOpenExceptionIsReportedAndThePortStaysOpen)
{
    TReportedErrors reported;
    Port->SetOnOpen([](TObject*) { throw Exception("handler failed"); });
    Port->Open();
    EXPECT_TRUE(Port->IsOpen());
    EXPECT_EQ(reported.Messages(), std::vector<std::string>{"handler failed"});
}

TEST_F(PortTest, AnOnCloseExceptionReachesTheCallerWithThePortClosed)
{
    Port->SetOnClose([](TObject*) { throw Exception("close handler failed"); });
    Port->Open();
    EXPECT_THROW(Port->Close(), Exception);
    EXPECT_FALSE(Port->IsOpen());
}

TEST_F(PortTest, DestroyingAnOpenPortClosesItWithoutOnClose)
{
    const int descriptors = OpenDescriptorCount();
    int closes = 0;
    Port->SetOnClose([&](TObject*) { ++closes; });
    Port->Open();
    EXPECT_EQ(PortThreadCount(), 2);
    Port.reset();
    EXPECT_EQ(closes, 0);
    EXPECT_TRUE(PortThreadsEnd());
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
}

TEST_F(PortTest, AnOpenPortRunsOnlyTheThreadsItsSettingsNeed)
{
    struct TCase {
        TRsCommEvents Events;
        bool DirectWrite;
        uint32_t Mask;
        int EventThreads;
        int WriteThreads;
    };
    const TCase cases[] = {
        {{ceError, ceRxChar, ceTxEmpty}, false, EV_ERR | EV_RXCHAR, 1, 1},
        {{ceError, ceRxChar, ceTxEmpty}, true, EV_ERR | EV_RXCHAR | EV_TXEMPTY, 1, 0},
        {{ceTxEmpty}, false, 0, 0, 1},   // the write thread reports the drained queue
        {{}, false, 0, 0, 1},
        {{}, true, 0, 0, 0},
        {{ceCts, ceBreak}, true, EV_CTS | EV_BREAK, 1, 0},
    };
    for (const TCase& c : cases) {
        ASSERT_TRUE(PortThreadsEnd());
        Port->SetMonitorEvents(c.Events);
        Port->SetDirectWrite(c.DirectWrite);
        Port->Open();
        const std::string what = std::to_string(c.Events.Bits()) + (c.DirectWrite ? " direct" : " queued");
        EXPECT_EQ(Port->EventMask(), c.Mask) << what;
        EXPECT_EQ(PortThreadCount("RsCommEvent"), c.EventThreads) << what;
        EXPECT_EQ(PortThreadCount("RsCommWrite"), c.WriteThreads) << what;
        Port->Close();
    }
}

namespace {

// The nice value of the port thread named Name.
int NiceOf(const char* Name)
{
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        if (name != Name)
            continue;
        std::ifstream stat(task.path() / "stat");
        std::string line;
        std::getline(stat, line);
        // The fields after the name: state is the 3rd field, nice the 19th.
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        std::string field;
        for (int i = 3; i <= 19; ++i)
            fields >> field;
        return std::stoi(field);
    }
    return 1000;
}

} // namespace

TEST_F(PortTest, ThreadPrioritiesReachTheThreadsAlsoWhileTheyRun)
{
    const int base = getpriority(PRIO_PROCESS, 0);
    Port->SetWritePriority(tpLower);
    Port->Open();
    EXPECT_EQ(NiceOf("RsCommWrite"), std::min(base + 5, 19));
    EXPECT_EQ(NiceOf("RsCommEvent"), base);
    Port->SetEventPriority(tpIdle);
    Port->SetWritePriority(tpLowest);
    EXPECT_EQ(NiceOf("RsCommEvent"), 19);
    EXPECT_EQ(NiceOf("RsCommWrite"), std::min(base + 10, 19));
}
