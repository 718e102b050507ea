// Closing the port while its threads are busy: from inside an event handler,
// while a dispatch waits for the main thread, and many times over.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/serial/serialtesting.h"

TEST_F(PortTest, CloseInsideAnEventHandlerStopsTheThreadsAndReturns)
{
    int calls = 0;
    Port->SetOnRxChar([&](TObject*, int) {
        ++calls;
        Port->Close();
    });
    Port->Open();
    Peer.Write("a");
    ASSERT_TRUE(ProcessEventsUntil([&] { return calls == 1; }));
    EXPECT_FALSE(Port->IsOpen());
    EXPECT_TRUE(PortThreadsEnd());
    Peer.Write("b");
    ProcessEventsFor(50);
    EXPECT_EQ(calls, 1);

    Port->Open();   // and the port opens again
    Peer.Write("c");
    ASSERT_TRUE(ProcessEventsUntil([&] { return calls == 2; }));
}

TEST_F(PortTest, CloseWhileDispatchesWaitForTheMainThreadDropsThem)
{
    int rxChar = 0, txEmpty = 0;
    Port->SetOnRxChar([&](TObject*, int) { ++rxChar; });
    Port->SetOnTxEmpty([&](TObject*) { ++txEmpty; });
    Port->Open();
    // Without the event loop running, both threads' events stay pending.
    Peer.Write("a");
    EXPECT_TRUE(Port->WriteText("b"));
    EXPECT_EQ(Peer.Read(1), "b");
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    Port->Close();
    ProcessEventsFor(100);
    EXPECT_EQ(rxChar, 0);
    EXPECT_EQ(txEmpty, 0);
}

TEST_F(PortTest, AThousandOpensAndClosesLeaveNoThreadOrDescriptorBehind)
{
    const int descriptors = OpenDescriptorCount();
    CollectReceived();
    for (int cycle = 0; cycle < 1000; ++cycle) {
        Port->Open();
        if (cycle % 100 == 0) {
            ASSERT_TRUE(Port->WriteText("ping"));
            Peer.Write("pong");
            ASSERT_TRUE(ProcessEventsUntil([&] { return Received.size() == 4; }));
            Received.clear();
        }
        Port->Close();
    }
    EXPECT_TRUE(PortThreadsEnd());
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
}
