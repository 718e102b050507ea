// Render points: their handlers draw in the order registered, and each
// pair's free handler hears when the point goes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "scene3d/objects/renderpoint.h"
#include "tests/scene3d/render/rendertesting.h"

namespace {

TEST(RenderPoint, FreeHandlersRunLastFirstAsTheListShrinks)
{
    std::vector<std::string> log;
    auto point = std::make_unique<T3DRenderPoint>(nullptr);
    EXPECT_EQ(point->ObjectStyle(), (TSceneObjectStyleFlags{sfDirectDraw, sfAltersColorsOrWinding}));
    T3DRenderPoint* const seen = point.get();
    for (const std::string name : {"first", "second", "third"})
        point->RegisterCallback(nullptr, [&log, name, seen](TObject* Sender) {
            EXPECT_EQ(Sender, seen);
            log.push_back(name + " " + std::to_string(seen->CallbackCount()));
        });
    point->RegisterCallback(nullptr, nullptr);
    EXPECT_EQ(point->CallbackCount(), 4);
    point.reset();
    EXPECT_EQ(log, (std::vector<std::string>{"third 2", "second 1", "first 0"}));
}

using RenderPointDrawing = RenderTest;

TEST_F(RenderPointDrawing, TheHandlersDrawInTheOrderRegistered)
{
    auto* point = FScene->Objects()->CreateChild<T3DRenderPoint>();
    point->Position()->AssignPoint(0, 0, -20);
    std::vector<std::string> order;
    point->RegisterCallback(
        [&](TObject* Sender, TRenderContextInfo& Rci) {
            EXPECT_EQ(Sender, point);
            EXPECT_EQ(&Rci, &FRci);
            order.push_back("large red");
            DrawSquare(1, {1, 0, 0, 1});
        },
        nullptr);
    point->RegisterCallback(
        [&](TObject*, TRenderContextInfo&) {
            order.push_back("small green");
            DrawSquare(0.25f, {0, 1, 0, 1});
        },
        nullptr);
    RenderObjects();
    const std::vector<TRGBA> frame = Frame();
    SaveFrame(frame, "render-point.png");
    EXPECT_EQ(order, (std::vector<std::string>{"large red", "small green"}));
    EXPECT_EQ(Pixel(frame, Size / 2, Size / 2), (TRGBA{0, 255, 0, 255}));
    // The red square reaches four times as far as the green one.
    int red = 0;
    int green = 0;
    for (int x = 0; x < Size; ++x) {
        const TRGBA p = Pixel(frame, x, Size / 2);
        red += p[0] == 255;
        green += p[1] == 255;
    }
    EXPECT_GT(green, 0);
    EXPECT_NEAR(red + green, 4 * green, 2);
}

// A handler that registers another while the point draws: the list grows
// under the loop, and the new handler draws in the same pass.
TEST_F(RenderPointDrawing, AHandlerMayRegisterAnother)
{
    auto* point = FScene->Objects()->CreateChild<T3DRenderPoint>();
    point->Position()->AssignPoint(0, 0, -20);
    std::vector<std::string> order;
    point->RegisterCallback(
        [&](TObject*, TRenderContextInfo&) {
            order.push_back("grower");
            for (int i = 0; i < 40; ++i)
                point->RegisterCallback(nullptr, nullptr);
            point->RegisterCallback([&](TObject*, TRenderContextInfo&) { order.push_back("late"); }, nullptr);
        },
        nullptr);
    RenderObjects();
    EXPECT_EQ(order, (std::vector<std::string>{"grower", "late"}));
    EXPECT_EQ(point->CallbackCount(), 42);
}

} // namespace
