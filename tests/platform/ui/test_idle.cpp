// Idle time: a handler that reports its work unfinished has the loop come
// back at once instead of waiting for an event.
#include <gtest/gtest.h>

#include "tests/platform/ui/controltesting.h"
#include "tests/support/waitingloop.h"

namespace {

class IdleTime : public ::testing::Test {
protected:
    void SetUp() override { TestApplication(); }
    void TearDown() override { Application->SetOnIdle(nullptr); }
};

TEST_F(IdleTime, UnfinishedIdleWorkKeepsTheLoopFromWaiting)
{
    int calls = 0;
    Application->SetOnIdle([&](TObject*, bool& Done) {
        ++calls;
        Done = false;
    });
    EXPECT_TRUE(RunWaitingLoopUntil([&] { return calls >= 3; }));
    EXPECT_EQ(calls, 3);
}

} // namespace
