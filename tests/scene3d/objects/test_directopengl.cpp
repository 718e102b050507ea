// Objects drawn by the program's own GL calls: every frame or from a
// display list, and in the order their blending asks for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene3d/objects/directopengl.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/opengl/openglapi.h"
#include "tests/scene3d/render/rendertesting.h"

namespace {

class TCountingDirectOpenGL : public T3DDirectOpenGL {
public:
    using T3DDirectOpenGL::T3DDirectOpenGL;
    void ListInvalidated() override
    {
        ++Invalidations;
        T3DDirectOpenGL::ListInvalidated();
    }
    void NotifyChange(TObject* Sender) override
    {
        ++Changes;
        T3DDirectOpenGL::NotifyChange(Sender);
    }
    int Invalidations = 0;
    int Changes = 0;
};

constexpr TVector Red = {1, 0, 0, 1};
constexpr TVector Green = {0, 1, 0, 1};
constexpr TRGBA RedPixel = {255, 0, 0, 255};
constexpr TRGBA GreenPixel = {0, 255, 0, 255};

TEST(DirectOpenGL, DefaultsAndWhatTheSettersMarkStale)
{
    TCountingDirectOpenGL object(nullptr);
    EXPECT_FALSE(object.UseBuildList());
    EXPECT_FALSE(object.Blend());
    EXPECT_FALSE(object.IsBlended());
    EXPECT_EQ(object.ObjectStyle(), (TSceneObjectStyleFlags{sfDirectDraw, sfAltersColorsOrWinding}));

    object.SetUseBuildList(false);
    object.SetBlend(false);
    EXPECT_EQ(object.Changes, 0);
    object.SetUseBuildList(true);
    EXPECT_EQ(object.ObjectStyle(), TSceneObjectStyleFlags{sfAltersColorsOrWinding});
    EXPECT_EQ(object.Invalidations, 1);
    object.SetOnRender([](TObject*, TRenderContextInfo&) {});
    EXPECT_EQ(object.Invalidations, 2);
    object.SetBlend(true);
    EXPECT_TRUE(object.IsBlended());
    EXPECT_EQ(object.Invalidations, 2) << "blending is no geometry";
    object.SetUseBuildList(false);
    EXPECT_EQ(object.ObjectStyle(), (TSceneObjectStyleFlags{sfDirectDraw, sfAltersColorsOrWinding}));

    TCountingDirectOpenGL copy(nullptr);
    copy.Assign(&object);
    EXPECT_TRUE(copy.Blend());
    EXPECT_TRUE(static_cast<bool>(copy.OnRender()));
}

class DirectOpenGLDrawing : public RenderTest {
protected:
    T3DDirectOpenGL* Painter(const std::string& Name, const TVector& Colour)
    {
        auto* painter = FScene->Objects()->CreateChild<T3DDirectOpenGL>();
        painter->SetName(Name);
        painter->Position()->AssignPoint(0, 0, -20);
        painter->SetOnRender([this, Name, Colour](TObject*, TRenderContextInfo&) {
            FLog.push_back(Name);
            DrawSquare(1, Colour);
        });
        return painter;
    }
    TRGBA Middle() const { return Pixel(Frame(), Size / 2, Size / 2); }
};

// The handler gets the object and the pass, with texture coordinates going
// to the main unit whatever the routing was before.
TEST_F(DirectOpenGLDrawing, TheHandlerDrawsForTheObjectEveryFrame)
{
    auto* painter = FScene->Objects()->CreateChild<T3DDirectOpenGL>();
    painter->Position()->AssignPoint(0, 0, -20);
    int calls = 0;
    painter->SetOnRender([&](TObject* Sender, TRenderContextInfo& Rci) {
        ++calls;
        EXPECT_EQ(Sender, painter);
        EXPECT_EQ(&Rci, &FRci);
        EXPECT_EQ(GetTexCoordUnitMask(), 1);
        DrawSquare(1, Red);
    });
    for (int frame = 0; frame < 3; ++frame) {
        SetTexCoordNull();
        RenderObjects();
        EXPECT_EQ(Middle(), RedPixel) << frame;
    }
    EXPECT_EQ(calls, 3);
    SaveFrame(Frame(), "direct-opengl.png");
}

// Recorded once into the display list, which each frame replays until a new
// handler makes it stale.
TEST_F(DirectOpenGLDrawing, ABuildListRecordsTheHandlerOnce)
{
    T3DDirectOpenGL* painter = Painter("red", Red);
    painter->SetUseBuildList(true);
    for (int frame = 0; frame < 3; ++frame) {
        GL.glClear(GL_COLOR_BUFFER_BIT);
        RenderObjects();
        EXPECT_EQ(Middle(), RedPixel) << frame;
    }
    EXPECT_EQ(Drawing(), "red");
    painter->SetOnRender([this](TObject*, TRenderContextInfo&) {
        FLog.push_back("green");
        DrawSquare(1, Green);
    });
    RenderObjects();
    RenderObjects();
    EXPECT_EQ(Middle(), GreenPixel);
    EXPECT_EQ(Drawing(), "green");
}

// With blended objects last, a blending painter listed first is drawn
// over an opaque one listed after it.
TEST_F(DirectOpenGLDrawing, ABlendingPainterIsDrawnAfterTheOpaqueOnes)
{
    ASSERT_EQ(FRci.ObjectsSorting, osRenderBlendedLast);
    T3DDirectOpenGL* glass = Painter("glass", Red);
    Painter("wall", Green);
    RenderObjects();
    EXPECT_EQ(Drawing(), "glass wall");
    EXPECT_EQ(Middle(), GreenPixel);
    glass->SetBlend(true);
    RenderObjects();
    EXPECT_EQ(Drawing(), "wall glass");
    EXPECT_EQ(Middle(), RedPixel);
}

} // namespace
