// Idle time: a handler that reports its work unfinished has the loop come
// back at once instead of waiting for an event.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "tests/platform/ui/controltesting.h"

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
    // Nothing else wakes the loop but this guard, which would come late.
    bool guardFired = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] { guardFired = true; });
    guard.start(5000);
    while (calls < 3 && !guardFired)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_FALSE(guardFired);
    EXPECT_EQ(calls, 3);
}

} // namespace
