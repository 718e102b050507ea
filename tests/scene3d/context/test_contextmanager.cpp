#include "scene3d/context/contextmanager.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "scene3d/context/context.h"
#include "platform/rtl/exceptions.h"
#include "scene3d/context/eglcontext.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(ContextManager, MakesContextsOfThePlatformsClassAndCountsTheNativeOnes)
{
    T3DContextManager& manager = T3DContextManager::Create();
    const std::unique_ptr<T3DContext> first = manager.CreateContext();
    const std::unique_ptr<T3DContext> second = manager.CreateContext();
    ASSERT_NE(dynamic_cast<T3DEGLContext*>(first.get()), nullptr);
    EXPECT_EQ(manager.CreatedCount(), 0);
    first->CreateMemoryContext(0, 8, 8, 1);
    second->CreateMemoryContext(0, 8, 8, 1);
    EXPECT_EQ(manager.CreatedCount(), 2);
    first->DestroyContext();
    EXPECT_EQ(manager.CreatedCount(), 1);
    manager.Terminate();
}

TEST(ContextManager, RunsQueuedNotificationsLastFirstWhenTheLastNativeContextGoes)
{
    T3DContextManager& manager = T3DContextManager::Create();
    std::unique_ptr<T3DContext> first = manager.CreateContext();
    std::unique_ptr<T3DContext> second = manager.CreateContext();
    first->CreateMemoryContext(0, 8, 8, 1);
    second->CreateMemoryContext(0, 8, 8, 1);
    std::vector<std::string> run;
    manager.QueueNotification([&run] { run.push_back("queued first"); });
    manager.QueueNotification([&run] { run.push_back("queued second"); });

    first.reset();
    EXPECT_THAT(run, IsEmpty());
    second->DestroyContext();
    EXPECT_THAT(run, ElementsAre("queued second", "queued first"));

    // Run once only: the queue is empty afterwards.
    second->CreateMemoryContext(0, 8, 8, 1);
    second->DestroyContext();
    EXPECT_EQ(run.size(), 2u);
    manager.Terminate();
}

TEST(ContextManager, AFailingNotificationLetsTheOthersRunAndTheContextGo)
{
    T3DContextManager& manager = T3DContextManager::Create();
    const std::unique_ptr<T3DContext> context = manager.CreateContext();
    context->CreateMemoryContext(0, 8, 8, 1);
    bool otherRan = false;
    manager.QueueNotification([&otherRan] { otherRan = true; });
    manager.QueueNotification([] { throw Exception("listener gone"); });
    EXPECT_THROW(context->DestroyContext(), Exception);
    EXPECT_TRUE(otherRan);
    EXPECT_FALSE(context->HasNativeContext());
    EXPECT_EQ(manager.CreatedCount(), 0);
    manager.Terminate();
}

TEST(ContextManager, TerminatedIsFreedOnlyOnceNoContextRemains)
{
    T3DContextManager& manager = T3DContextManager::Create();
    const std::weak_ptr<T3DContextManager> alive = manager.weak_from_this();
    std::unique_ptr<T3DContext> context = manager.CreateContext();
    manager.Terminate();
    EXPECT_FALSE(alive.expired());
    EXPECT_TRUE(manager.Terminated());
    context.reset();
    EXPECT_TRUE(alive.expired());

    T3DContextManager& empty = T3DContextManager::Create();
    const std::weak_ptr<T3DContextManager> emptyAlive = empty.weak_from_this();
    empty.Terminate();
    EXPECT_TRUE(emptyAlive.expired());
}

TEST(ContextManager, TheProcessHasOne)
{
    ASSERT_NE(ContextManager(), nullptr);
    EXPECT_FALSE(ContextManager()->Terminated());
    const std::unique_ptr<T3DContext> context = ContextManager()->CreateContext();
    EXPECT_EQ(&context->Manager(), ContextManager());
}

} // namespace
