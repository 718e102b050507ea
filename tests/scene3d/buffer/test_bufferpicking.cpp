// Picking the objects under a pixel or in a rectangle of a buffer.
#include <gtest/gtest.h>

#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/picklist.h"
#include "tests/scene3d/buffer/buffertesting.h"

namespace {

constexpr TVector Red = {1, 0, 0, 1};
constexpr TVector Green = {0, 1, 0, 1};
constexpr int Middle = BufferSize / 2;

class BufferPicking : public BufferTest {};

TEST_F(BufferPicking, TheBackgroundIsNoObject)
{
    Square("Square", -10, Red);
    EXPECT_EQ(FBuffer->PickObjectAtPixel(0, 0), nullptr);
}

TEST_F(BufferPicking, TheNearerOfTwoOverlappingObjectsIsPicked)
{
    Square("Far", -20, Green);
    TDrawnObject* nearer = Square("Near", -10, Red);
    EXPECT_EQ(FBuffer->PickObjectAtPixel(Middle, Middle), nearer);
    const std::unique_ptr<T3DPickList> list = FBuffer->PickListForRect({Middle - 1, Middle - 1, Middle + 1, Middle + 1}, 1);
    ASSERT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Hit(0), nearer);
    EXPECT_LT(list->Record(0).ZNear, list->Record(1).ZNear);
    EXPECT_TRUE(list->Record(0).SubObjects.empty());
}

TEST_F(BufferPicking, AnInvisibleSubtreeIsNeverPicked)
{
    TDrawnObject* hidden = Square("Hidden", -10, Red);
    Square("Child", 0, Green, hidden);
    hidden->SetVisible(false);
    TDrawnObject* behind = Square("Behind", -30, Red);
    EXPECT_EQ(FBuffer->PickObjectAtPixel(Middle, Middle), behind);
}

// The pick draws without materials and writes no colour: the frame drawn
// before it is still there, and so is its projection.
TEST_F(BufferPicking, APickDrawsWithoutMaterialsAndLeavesTheFrame)
{
    FBuffer->SetLighting(false);
    TDrawnObject* square = Square("Square", -10, Red);
    FBuffer->RenderFrame();
    bool ignoredMaterials = false;
    square->OnBuild = [&](TRenderContextInfo& Rci) { ignoredMaterials = Rci.IgnoreMaterials; };
    square->SetStyle({sfDirectDraw});
    square->Colour = Green;
    EXPECT_EQ(FBuffer->PickObjectAtPixel(Middle, Middle), square);
    EXPECT_TRUE(ignoredMaterials);
    EXPECT_EQ(Centre(), (TRGBA{255, 0, 0, 255}));
    TMatrix projection;
    FBuffer->RenderingContext()->Activate();
    GL.glGetFloatv(GL_PROJECTION_MATRIX, &projection[0].X);
    FBuffer->RenderingContext()->Deactivate();
    for (std::size_t row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(projection[row][column], FBuffer->ProjectionMatrix()[row][column]);
}

// A hundred hits do not fit the buffer the guess of 8 makes: the pass is
// drawn again with twice the room until they do.
TEST_F(BufferPicking, AFullHitBufferIsDoubledUntilEveryHitFits)
{
    std::vector<TDrawnObject*> squares;
    for (int i = 0; i < 100; ++i)
        squares.push_back(Square("Square" + std::to_string(i), -10.0f - 0.1f * static_cast<float>(i), Red));
    int passes = 0;
    FBuffer->SetInitiateRendering([&](TObject*, TRenderContextInfo&) { ++passes; });
    const std::unique_ptr<T3DPickList> list = FBuffer->PickListForRect({Middle - 1, Middle - 1, Middle + 1, Middle + 1}, 8);
    ASSERT_EQ(list->Count(), 100);
    EXPECT_EQ(list->Hit(0), squares.front());
    EXPECT_EQ(list->Hit(99), squares.back());
    EXPECT_EQ(passes, 4) << "room for 16, 32, 64, then 128 hits";
}

TEST_F(BufferPicking, NothingIsPickedWithoutACamera)
{
    Square("Square", -10, Red);
    FBuffer->SetCamera(nullptr);
    EXPECT_EQ(FBuffer->PickObjectAtPixel(Middle, Middle), nullptr);
}

} // namespace
