// Threads and the synchronizer that hands work to the main thread.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/rtl/appexceptions.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/threads.h"

namespace {

// The application object the synchronizer needs, made once on the main thread.
void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "rtl_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// Runs the main thread's events until Done() holds; whether it did in time.
template <class F>
bool ProcessEventsUntil(F Done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!Done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

class SynchronizerTest : public ::testing::Test {
protected:
    SynchronizerTest() { EnsureApplication(); }
};

} // namespace

TEST_F(SynchronizerTest, SynchronizeRunsOnTheMainThreadAndReturnsAfterwards)
{
    TSynchronizer sync;
    const std::thread::id main = std::this_thread::get_id();
    std::thread::id ranOn;
    int value = 0;
    std::atomic<bool> returned{false};
    bool result = false;
    int seenAfterReturn = -1;
    std::thread worker([&] {
        result = sync.Synchronize([&] {
            ranOn = std::this_thread::get_id();
            value = 42;
        });
        seenAfterReturn = value;
        returned = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(returned);   // waits for the main thread
    ASSERT_TRUE(ProcessEventsUntil([&] { return returned.load(); }));
    worker.join();
    EXPECT_TRUE(result);
    EXPECT_EQ(ranOn, main);
    EXPECT_EQ(seenAfterReturn, 42);
    EXPECT_TRUE(IsMainThread());
}

TEST_F(SynchronizerTest, QueuedCallsRunLaterInOrderWithoutWaiting)
{
    TSynchronizer sync;
    std::vector<int> order;
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i)
            sync.Queue([&order, i] { order.push_back(i); });
    });
    worker.join();
    EXPECT_TRUE(order.empty());
    ASSERT_TRUE(ProcessEventsUntil([&] { return order.size() == 100; }));
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(order[static_cast<std::size_t>(i)], i);
}

TEST_F(SynchronizerTest, CancelReleasesAWaitingThreadAndDropsWhatWasPending)
{
    TSynchronizer sync;
    int ran = 0;
    bool result = true;
    std::thread worker([&] {
        sync.Queue([&] { ++ran; });
        result = sync.Synchronize([&] { ++ran; });
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    sync.Cancel();
    worker.join();
    EXPECT_FALSE(result);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(ran, 0);
    EXPECT_FALSE(sync.Synchronize([&] { ++ran; }));
    EXPECT_EQ(ran, 0);
    EXPECT_TRUE(sync.Cancelled());
}

TEST_F(SynchronizerTest, CancellingFromTheRunningCodeReleasesItsThreadAtOnce)
{
    TSynchronizer sync;
    std::atomic<bool> returned{false};
    bool threadReturnedWhileCodeRan = false;
    std::thread worker([&] {
        sync.Synchronize([&] {
            sync.Cancel();
            // The code goes on while its thread is already free to end.
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!returned && std::chrono::steady_clock::now() < deadline)
                std::this_thread::yield();
            threadReturnedWhileCodeRan = returned;
        });
        returned = true;
    });
    ASSERT_TRUE(ProcessEventsUntil([&] { return returned.load(); }));
    worker.join();
    EXPECT_TRUE(threadReturnedWhileCodeRan);
}

TEST_F(SynchronizerTest, OnTheMainThreadTheCodeRunsAtOnceAndItsExceptionGoesToTheApplication)
{
    std::vector<std::string> reported;
    SetApplicationExceptionHandler([&](TObject*, const std::exception_ptr& E) {
        try {
            std::rethrow_exception(E);
        } catch (const Exception& e) {
            reported.push_back(e.Message());
        }
    });
    TSynchronizer sync;
    int ran = 0;
    EXPECT_TRUE(sync.Synchronize([&] { ++ran; }));
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(sync.Synchronize([] { throw Exception("in the handler"); }));
    std::atomic<bool> done{false};
    std::thread worker([&] {
        sync.Synchronize([] { Abort(); });   // silent
        sync.Queue([] { throw Exception("queued"); });
        done = true;
    });
    ASSERT_TRUE(ProcessEventsUntil([&] { return done && reported.size() == 2; }));
    worker.join();
    SetApplicationExceptionHandler(nullptr);
    EXPECT_EQ(reported, (std::vector<std::string>{"in the handler", "queued"}));
}

TEST_F(SynchronizerTest, OnlyTheMainThreadCreatesOne)
{
    bool refused = false;
    bool mainThread = true;
    std::thread([&] {
        mainThread = IsMainThread();
        try {
            TSynchronizer sync;
        } catch (const EInvalidOperation&) {
            refused = true;
        }
    }).join();
    EXPECT_TRUE(refused);
    EXPECT_FALSE(mainThread);
}

TEST(Thread, RunsAtItsPriorityAndTakesANewOneWhileRunning)
{
    const int base = getpriority(PRIO_PROCESS, 0);
    std::atomic<int> stage{0};
    int niceAtStart = 0, niceLater = 0;
    {
        TThread thread(
            [&] {
                niceAtStart = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
                stage = 1;
                while (stage != 2)
                    std::this_thread::yield();
                niceLater = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
            },
            tpLower);
        while (stage != 1)
            std::this_thread::yield();
        thread.SetPriority(tpLowest);
        EXPECT_EQ(thread.Priority(), tpLowest);
        stage = 2;
    }   // joined here
    EXPECT_EQ(niceAtStart, std::min(base + 5, 19));
    EXPECT_EQ(niceLater, std::min(base + 10, 19));
}
