// The port's small building blocks: the tick time-out, the output queue's
// block, the input queue's ring and the manual-reset wait event.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "serial/rscommbuffer.h"
#include "serial/rsinputqueue.h"
#include "serial/rsobjects.h"
#include "serial/rsutils.h"

TEST(RsTimeout, CountsTheTicksAcrossTheWrapOfTheCounter)
{
    struct TCase {
        uint32_t Start, Limit, Now;
        bool Expired;
        uint32_t Remaining;
    };
    const TCase cases[] = {
        {100, 1000, 100, false, 1000},
        {100, 1000, 1100, false, 0},                   // exactly the limit has not expired yet
        {100, 1000, 1101, true, 0},
        {0xFFFFFF00u, 1000, 0x000002E7u, false, 1},     // 999 ms across the wrap
        {0xFFFFFF00u, 1000, 0x000002E9u, true, 0},      // 1001 ms across the wrap
        {0xFFFFFFFFu, 0, 0, true, 0},
        {0x80000000u, 0x7FFFFFFFu, 0xFFFFFFFEu, false, 1},
    };
    for (const TCase& c : cases) {
        TRsTimeout timeout;
        timeout.StartAt(c.Start, c.Limit);
        EXPECT_EQ(timeout.ExpiredAt(c.Now), c.Expired) << std::hex << c.Start << " -> " << c.Now;
        EXPECT_EQ(timeout.RemainingAt(c.Now), c.Remaining) << std::hex << c.Start << " -> " << c.Now;
    }
}

TEST(RsCommBuffer, RemovesFromTheFrontAndKeepsItsBlock)
{
    TRsCommBuffer queue(8);
    const uint8_t* const block = queue.Data();
    queue.Add("abcdef", 6);
    queue.Remove(2);
    queue.Add("gh", 2);
    ASSERT_EQ(queue.Count(), 6);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(queue.Data()), 6), "cdefgh");
    queue.Add("ij", 2);
    queue.Remove(8);
    EXPECT_EQ(queue.Count(), 0);
    EXPECT_EQ(queue.Data(), block);
    EXPECT_EQ(queue.Capacity(), 8);
}

TEST(RsInputQueue, KeepsTheOrderAcrossTheEndOfItsBlock)
{
    TRsInputQueue queue(8);
    const auto take = [&](int N) {
        std::string bytes(static_cast<std::size_t>(N), '\0');
        bytes.resize(static_cast<std::size_t>(queue.Take(bytes.data(), N)));
        return bytes;
    };
    queue.Add("abcdef", 6);
    EXPECT_EQ(take(4), "abcd");
    queue.Add("ghijkl", 6);   // written across the end of the block
    EXPECT_TRUE(queue.Full());
    EXPECT_EQ(take(5), "efghi");   // read across the end
    EXPECT_EQ(queue.Count(), 3);
    EXPECT_EQ(take(10), "jkl");   // no more than there is
    EXPECT_EQ(queue.Count(), 0);
    EXPECT_EQ(take(1), "");
    queue.Add("mnopqrst", 8);   // the whole block, from its middle
    EXPECT_EQ(take(8), "mnopqrst");
    EXPECT_EQ(queue.Capacity(), 8);
}

TEST(RsWaitEvent, StaysSignalledUntilReset)
{
    TRsWaitEvent event;
    EXPECT_EQ(event.WaitFor(0), wrTimeout);
    event.SetEvent();
    event.SetEvent();
    EXPECT_EQ(event.WaitFor(0), wrSignaled);
    EXPECT_EQ(event.WaitFor(0), wrSignaled);
    event.ResetEvent();
    EXPECT_EQ(event.WaitFor(0), wrTimeout);
}

TEST(RsWaitEvent, WakesAThreadWaitingWithoutLimit)
{
    TRsWaitEvent event;
    TRsWaitResult result = wrError;
    std::thread waiter([&] { result = event.WaitFor(-1); });
    event.SetEvent();
    waiter.join();
    EXPECT_EQ(result, wrSignaled);
}
