// Display lists: compiled at the first draw, replayed after, compiled again
// after a change of structure, freed when the object leaves its scene.
#include <gtest/gtest.h>

#include "scene3d/materials/color.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/sceneroot.h"
#include "tests/scene3d/render/rendertesting.h"

namespace {

using DisplayLists = RenderTest;

TEST_F(DisplayLists, AListIsCompiledOnceAndAgainAfterItsStructureChanged)
{
    TDrawnObject* square = Drawn(FScene->Objects(), "Square", {0, 0, -20}, true);
    square->Colour = {0, 1, 0, 1};
    bool recording = false;
    square->OnBuild = [&recording](TRenderContextInfo& Rci) { recording = Rci.Amalgamating; };
    RenderObjects();
    RenderObjects();
    EXPECT_EQ(Drawing(), "Square") << "built once";
    EXPECT_TRUE(recording) << "lists do not nest, so the build knows one is recorded";
    EXPECT_FALSE(FRci.Amalgamating);
    EXPECT_FALSE(square->Changes().Contains(ocStructure));
    const TRGBA centre = Pixel(Frame(), Size / 2, Size / 2);
    EXPECT_EQ(centre, (TRGBA{0, 255, 0, 255})) << "the list drew the square";

    square->ListInvalidated();
    RenderObjects();
    RenderObjects();
    EXPECT_EQ(Drawing(), "Square");
}

// A colour owned by the object asks it to build its list again.
TEST_F(DisplayLists, AColourChangeOfTheObjectRebuildsItsList)
{
    TDrawnObject* square = Drawn(FScene->Objects(), "Square", {0, 0, -20}, true);
    T3DColor colour(square);
    RenderObjects();
    EXPECT_EQ(Drawing(), "Square");
    colour.SetRed(0.5f);
    EXPECT_TRUE(square->Changes().Contains(ocStructure));
    RenderObjects();
    EXPECT_EQ(Drawing(), "Square");
}

TEST_F(DisplayLists, ListsGoWhenTheObjectLeavesItsScene)
{
    TDrawnObject* group = Drawn(FScene->Objects(), "Group", {0, 0, -20}, true);
    TDrawnObject* square = Drawn(group, "Square", {}, true);
    RenderObjects();
    const GLuint groupList = group->GetListHandle(FRci);
    const GLuint squareList = square->GetListHandle(FRci);
    EXPECT_TRUE(GL.glIsList(groupList));
    EXPECT_TRUE(GL.glIsList(squareList));
    group->MoveTo(nullptr);
    EXPECT_FALSE(GL.glIsList(groupList));
    EXPECT_FALSE(GL.glIsList(squareList));
    FScene->Objects()->AttachChild(group);
    FLog.clear();
    RenderObjects();
    EXPECT_EQ(Drawing(), "Group Square") << "built again";
}

TEST_F(DisplayLists, AssigningAnObjectDropsItsList)
{
    TDrawnObject* square = Drawn(FScene->Objects(), "Square", {0, 0, -20}, true);
    TDrawnObject* model = Drawn(FScene->Objects(), "Model", {1, 0, -20}, true);
    RenderObjects();
    const GLuint list = square->GetListHandle(FRci);
    square->Assign(model);
    EXPECT_FALSE(GL.glIsList(list));
}

TEST_F(DisplayLists, DirectlyDrawnObjectsAreBuiltEveryTime)
{
    Drawn(FScene->Objects(), "Sprite", {0, 0, -20});
    RenderObjects();
    RenderObjects();
    EXPECT_EQ(Drawing(), "Sprite Sprite");
}

} // namespace
