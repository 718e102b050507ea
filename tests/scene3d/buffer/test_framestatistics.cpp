// The frame statistics, on a clock that moves only when told.
#include <gtest/gtest.h>

#include "tests/scene3d/buffer/buffertesting.h"
#include "tests/scene3d/cadencer/cadencertesting.h"

namespace {

class FrameStatistics : public BufferTest {
protected:
    void SetUp() override
    {
        BufferTest::SetUp();
        FClock.Advance(5);
        SetCadencerClock(&FClock);
    }
    void TearDown() override
    {
        SetCadencerClock(nullptr);
        BufferTest::TearDown();
    }

    TFakeCadencerClock FClock;
};

TEST_F(FrameStatistics, FramesPerSecondStayZeroUntilTheCounterMoves)
{
    FBuffer->RenderFrame();
    EXPECT_EQ(FBuffer->FirstPerfCounter(), FClock.Counter());
    EXPECT_EQ(FBuffer->FrameCount(), 1);
    EXPECT_EQ(FBuffer->FramesPerSecond(), 0);
    EXPECT_EQ(FBuffer->LastFrameTime(), 0);

    const int64_t first = FClock.Counter();
    FClock.Advance(0.5);
    FBuffer->RenderFrame();
    FBuffer->RenderFrame();
    EXPECT_EQ(FBuffer->FirstPerfCounter(), first);
    EXPECT_EQ(FBuffer->FrameCount(), 3);
    EXPECT_FLOAT_EQ(FBuffer->FramesPerSecond(), 6);

    FBuffer->ResetStatistics();
    EXPECT_EQ(FBuffer->FrameCount(), 0);
    EXPECT_EQ(FBuffer->FramesPerSecond(), 0);
    FClock.Advance(1);
    FBuffer->RenderFrame();
    EXPECT_EQ(FBuffer->FirstPerfCounter(), FClock.Counter());
}

} // namespace
