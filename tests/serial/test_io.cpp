// Moving bytes through the port: events on the main thread, the output
// queue's limits, the transmit-empty and received-characters events, the
// client path and a device that goes away.
#include <gtest/gtest.h>

#include <time.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "serial/rsclient.h"
#include "tests/serial/serialtesting.h"

namespace {

double ProcessCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

} // namespace

TEST_F(PortTest, BytesMoveBothWaysAndEveryEventRunsOnTheMainThread)
{
    const std::thread::id main = std::this_thread::get_id();
    std::vector<std::thread::id> handlerThreads;
    int txEmpty = 0;
    Port->SetOnRxChar([&](TObject* Sender, int Count) {
        handlerThreads.push_back(std::this_thread::get_id());
        EXPECT_EQ(Sender, Port.get());
        EXPECT_GT(Count, 0);
        std::string s;
        Port->ReadText(s);
        Received += s;
    });
    Port->SetOnTxEmpty([&](TObject*) {
        handlerThreads.push_back(std::this_thread::get_id());
        ++txEmpty;
    });
    Port->SetBaudrate(br9600);
    Port->FlowControl()->SetControlRts(rtsEnabled);
    Port->Open();

    Peer.Write("hello");
    ASSERT_TRUE(ProcessEventsUntil([&] { return Received == "hello"; }));
    EXPECT_TRUE(Port->WriteText("world"));
    EXPECT_EQ(Peer.Read(5), "world");
    ASSERT_TRUE(ProcessEventsUntil([&] { return txEmpty == 1; }));
    for (const std::thread::id id : handlerThreads)
        EXPECT_EQ(id, main);
}

TEST_F(PortTest, WritesAndReadsOfNothingOrOnAClosedPort)
{
    uint8_t byte = 0;
    std::string text = "left over";
    uint32_t errors = 1;
    TComStat stat{7, 7, 7};
    EXPECT_TRUE(Port->WriteText(""));
    EXPECT_FALSE(Port->WriteText("x"));
    EXPECT_EQ(Port->WriteBuf("x", 1), 0);
    EXPECT_EQ(Port->ReadBuf(&byte, 1), 0);
    Port->ReadText(text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(Port->InQueueCount(), 0);
    Port->GetStatus(errors, stat);
    EXPECT_EQ(errors, 0u);
    EXPECT_EQ(stat.cbInQue + stat.cbOutQue + stat.Flags, 0u);

    int txEmpty = 0;
    Port->SetOnTxEmpty([&](TObject*) { ++txEmpty; });
    Port->Open();
    EXPECT_TRUE(Port->WriteText(""));
    text = "left over";
    Port->ReadText(text);
    EXPECT_EQ(text, "");
    Peer.Write("ab");
    ASSERT_TRUE(ProcessEventsUntil([&] { return Port->InQueueCount() == 2; }));
    Port->GetStatus(errors, stat);
    EXPECT_EQ(stat.cbInQue, 2u);
    ProcessEventsFor(50);
    EXPECT_EQ(txEmpty, 0);
}

TEST_F(PortTest, TheOutputQueueTakesWhatFitsAndGivesUpAfterWriteTimeout)
{
    Port->Buffers()->SetWriteTimeout(0);
    Port->Open();
    Peer.StopOutput();   // the driver takes nothing for now

    const std::string a(1000, 'a'), b(1048, 'b'), c(1049, 'c');
    EXPECT_TRUE(Port->WriteText(a));
    EXPECT_TRUE(Port->WriteText(b));   // 2048 bytes queued: full, not over
    try {
        Port->WriteText("!");
        ADD_FAILURE() << "a byte past the queue was accepted";
    } catch (const ERsCommError& e) {
        EXPECT_EQ(e.Message(), "Output buffer is full. Please check comm status.");
    }

    // With room to come, a write waits for it.
    std::thread resumer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        Peer.StartOutput();
    });
    Port->Buffers()->SetWriteTimeout(5000);
    EXPECT_TRUE(Port->WriteText(c));
    resumer.join();
    EXPECT_EQ(Peer.Read(a.size() + b.size() + c.size()), a + b + c);
}

TEST_F(PortTest, MoreThanTheQueueHoldsIsNeverAccepted)
{
    Port->Buffers()->SetWriteTimeout(20);
    Port->Open();
    EXPECT_THROW(Port->WriteText(std::string(2049, 'x')), ERsCommError);
    EXPECT_TRUE(Port->WriteText(std::string(2048, 'y')));
    EXPECT_EQ(Peer.Read(2048), std::string(2048, 'y'));
}

TEST_F(PortTest, OnTxEmptyFiresOnceEachTimeTheQueueDrains)
{
    int txEmpty = 0;
    Port->SetOnTxEmpty([&](TObject*) { ++txEmpty; });
    Port->Open();
    ASSERT_EQ(Port->EventMask() & EV_TXEMPTY, 0u);

    EXPECT_TRUE(Port->WriteText("abc"));
    ASSERT_TRUE(ProcessEventsUntil([&] { return txEmpty == 1; }));
    EXPECT_EQ(Peer.Read(3), "abc");

    // Three writes while the driver takes nothing drain together: one event.
    Peer.StopOutput();
    EXPECT_TRUE(Port->WriteText("x"));
    EXPECT_TRUE(Port->WriteText("y"));
    EXPECT_TRUE(Port->WriteText("z"));
    ProcessEventsFor(50);
    EXPECT_EQ(txEmpty, 1);
    Peer.StartOutput();
    EXPECT_EQ(Peer.Read(3), "xyz");
    ASSERT_TRUE(ProcessEventsUntil([&] { return txEmpty == 2; }));
    ProcessEventsFor(50);
    EXPECT_EQ(txEmpty, 2);
}

TEST_F(PortTest, AnOnRxCharHandlerThatReadsNothingHearsAgainWhenMoreArrives)
{
    std::vector<int> counts;
    Port->SetOnRxChar([&](TObject*, int Count) { counts.push_back(Count); });
    Port->Open();
    Peer.Write("ab");
    ASSERT_TRUE(ProcessEventsUntil([&] { return !counts.empty(); }));
    ProcessEventsFor(100);
    EXPECT_EQ(counts, std::vector<int>{2});

    Peer.Write("c");
    ASSERT_TRUE(ProcessEventsUntil([&] { return counts.size() == 2; }));
    EXPECT_EQ(counts.back(), 3);
    std::string s;
    Port->ReadText(s);
    EXPECT_EQ(s, "abc");

    Peer.Write("d");
    ASSERT_TRUE(ProcessEventsUntil([&] { return counts.size() == 3; }));
    EXPECT_EQ(counts.back(), 1);
}

TEST_F(PortTest, AHandlerExceptionIsReportedAndReceptionGoesOn)
{
    TReportedErrors reported;
    Port->SetOnRxChar([&](TObject*, int) {
        std::string s;
        Port->ReadText(s);
        Received += s;
        if (Received == "a")
            throw Exception("handler failed");
    });
    Port->Open();
    Peer.Write("a");
    ASSERT_TRUE(ProcessEventsUntil([&] { return !reported.Messages().empty(); }));
    Peer.Write("b");
    ASSERT_TRUE(ProcessEventsUntil([&] { return Received == "ab"; }));
    EXPECT_EQ(reported.Messages(), std::vector<std::string>{"handler failed"});
}

TEST_F(PortTest, DirectWritesGoOutOnTheCallersThreadAndTheDriverReportsTxEmpty)
{
    int txEmpty = 0;
    Port->SetOnTxEmpty([&](TObject*) { ++txEmpty; });
    Port->SetDirectWrite(true);
    Port->SetMonitorEvents({ceRxChar, ceTxEmpty});
    Port->Open();
    EXPECT_EQ(Port->WriteBuf("direct", 6), 6);
    EXPECT_EQ(Peer.Read(6), "direct");
    ASSERT_TRUE(ProcessEventsUntil([&] { return txEmpty == 1; }));
    ProcessEventsFor(50);
    EXPECT_EQ(txEmpty, 1);
}

TEST_F(PortTest, OnRx80FullFiresWhenTheInputReachesEightyPercentOfReadSize)
{
    int full = 0;
    Port->SetOnRx80Full([&](TObject*) { ++full; });
    Port->SetMonitorEvents({ceRx80Full});
    Port->Buffers()->SetReadSize(100);
    Port->Open();
    Peer.Write(std::string(79, 'a'));
    ASSERT_TRUE(ProcessEventsUntil([&] { return Port->InQueueCount() == 79; }));
    ProcessEventsFor(50);
    EXPECT_EQ(full, 0);
    Peer.Write("b");
    ASSERT_TRUE(ProcessEventsUntil([&] { return full == 1; }));
    Peer.Write("c");
    ASSERT_TRUE(ProcessEventsUntil([&] { return Port->InQueueCount() == 81; }));
    ProcessEventsFor(50);
    EXPECT_EQ(full, 1);   // still above: no new event

    std::string s;
    Port->ReadText(s);
    EXPECT_EQ(s.size(), 81u);
    ProcessEventsFor(200);   // the thread looks at the level every 10 ms
    Peer.Write(std::string(80, 'd'));
    ASSERT_TRUE(ProcessEventsUntil([&] { return full == 2; }));
}

namespace {

class TRecordingClient : public TRsCommClient {
public:
    void CommEvent(uint32_t Mask) override { Masks.push_back(Mask); }
    void ReceiveData(PRsData Data, int Count) override { Received.append(reinterpret_cast<const char*>(Data), Count); }
    std::vector<uint32_t> Masks;
    std::string Received;
};

} // namespace

TEST_F(PortTest, ClientsTakeTheReceivedBytesInsteadOfOnRxChar)
{
    TRecordingClient active, inactive;
    inactive.SetActive(false);
    int rxChar = 0;
    std::string rxBuf;
    Port->SetOnRxChar([&](TObject*, int) { ++rxChar; });
    Port->SetOnRxBuf([&](TObject*, PRsData Data, int Count) { rxBuf.append(reinterpret_cast<const char*>(Data), Count); });
    Port->AttachClient(&active);
    Port->AttachClient(&inactive);
    Port->Open();

    Peer.Write("data");
    ASSERT_TRUE(ProcessEventsUntil([&] { return rxBuf == "data"; }));
    EXPECT_EQ(active.Received, "data");
    EXPECT_EQ(inactive.Received, "");
    EXPECT_EQ(rxChar, 0);
    EXPECT_EQ(Port->InQueueCount(), 0);

    Port->WriteText("out");
    ASSERT_TRUE(ProcessEventsUntil([&] { return !active.Masks.empty(); }));
    EXPECT_EQ(active.Masks, std::vector<uint32_t>{EV_TXEMPTY});
    EXPECT_TRUE(inactive.Masks.empty());

    Port->SetClientsEnabled(false);
    Peer.Write("more");
    ASSERT_TRUE(ProcessEventsUntil([&] { return rxBuf == "datamore"; }));
    EXPECT_EQ(active.Received, "data");

    {
        TRecordingClient shortLived;
        Port->AttachClient(&shortLived);
        EXPECT_EQ(Port->ClientCount(), 3);
    }
    EXPECT_EQ(Port->ClientCount(), 2);
    Port.reset();
    EXPECT_EQ(active.Comm(), nullptr);
}

TEST(RsCommHangUp, WritesFailFromTheFailureOnAndTheFailureIsReportedOnce)
{
    struct TCase {
        const char* Name;
        TRsCommEvents Events;
        bool DirectWrite;
    };
    const TCase cases[] = {
        {"queued, found by the write", {}, false},
        {"queued, found by the event thread", {ceError, ceRxChar}, false},
        {"direct", {ceError}, true},
    };
    for (const TCase& c : cases) {
        TPtyPeer peer;
        TRsComm port(nullptr);
        port.SetDeviceName(peer.SlavePath());
        port.SetMonitorEvents(c.Events);
        port.SetDirectWrite(c.DirectWrite);
        std::vector<int> errors;
        port.SetOnError([&](TObject*, int Errors) { errors.push_back(Errors); });
        port.Open();
        peer.CloseMaster();   // the adapter is unplugged

        EXPECT_FALSE(port.WriteText("lost")) << c.Name;
        ASSERT_TRUE(ProcessEventsUntil([&] { return !errors.empty(); })) << c.Name;
        EXPECT_FALSE(port.WriteText("refused")) << c.Name;
        EXPECT_EQ(port.WriteBuf("x", 1), 0) << c.Name;
        ProcessEventsFor(100);
        EXPECT_EQ(errors, std::vector<int>{CE_IOE}) << c.Name;
        EXPECT_TRUE(port.IsOpen()) << c.Name;

        // Opened again on a device that is there, the port writes again.
        port.Close();
        TPtyPeer again;
        port.SetDeviceName(again.SlavePath());
        port.Open();
        EXPECT_TRUE(port.WriteText("back")) << c.Name;
        EXPECT_EQ(again.Read(4), "back") << c.Name;
    }
}

TEST_F(PortTest, AHungUpDeviceIsReportedOnceAndTheEventThreadDoesNotSpin)
{
    std::vector<int> errors;
    Port->SetOnError([&](TObject*, int Errors) { errors.push_back(Errors); });
    CollectReceived();
    Port->Open();
    Peer.CloseMaster();
    ASSERT_TRUE(ProcessEventsUntil([&] { return !errors.empty(); }));

    const double before = ProcessCpuSeconds();
    ProcessEventsFor(500);
    EXPECT_LT(ProcessCpuSeconds() - before, 0.25);
    EXPECT_EQ(errors, std::vector<int>{CE_IOE});
    EXPECT_EQ(Port->InQueueCount(), 0);
    EXPECT_FALSE(Port->WriteText("late"));
    Port->Close();
}
