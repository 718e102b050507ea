// A buffer's settings: defaults, which of them repaint and which make the
// context anew, and the context made from them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "scene3d/materials/color.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/glerrors.h"
#include "scene3d/scene/fogenvironment.h"
#include "tests/scene3d/buffer/buffertesting.h"
#include "tests/scene3d/opengl/glbindingtest.h"

namespace {

TEST(BufferSettings, Defaults)
{
    const T3DSceneBuffer buffer(nullptr);
    EXPECT_EQ(buffer.BackgroundColor(), clBtnFace);
    const TVector ambient = buffer.AmbientColor()->Color();
    EXPECT_EQ(ambient.X, 0.2f);
    EXPECT_EQ(ambient.W, 1.0f);
    EXPECT_EQ(buffer.ContextOptions(), (TContextOptions{roDoubleBuffer, roRenderToWindow}));
    EXPECT_TRUE(buffer.DepthTest());
    EXPECT_TRUE(buffer.FaceCulling());
    EXPECT_FALSE(buffer.FogEnable());
    EXPECT_TRUE(buffer.Lighting());
    EXPECT_EQ(buffer.DepthPrecision(), dpDefault);
    EXPECT_EQ(buffer.Viewport().Width, 1);
    EXPECT_FALSE(buffer.HasContext());
    EXPECT_TRUE(buffer.FogEnvironment()->IsAtDefaults());
}

TEST(BufferSettings, BitsAskedOfTheContext)
{
    EXPECT_EQ(ColorBitsFor(cdDefault, {}), 24);
    EXPECT_EQ(ColorBitsFor(cd16bits, {}), 16);
    EXPECT_EQ(ColorBitsFor(cdFloat128bits, {}), 128);
    EXPECT_EQ(ColorBitsFor(cd24bits, {roNoColorBuffer}), 0);
    EXPECT_EQ(DepthBitsFor(dpDefault), 24);
    EXPECT_EQ(DepthBitsFor(dp16bits), 16);
    EXPECT_EQ(DepthBitsFor(dp32bits), 32);
}

struct TSettingCase {
    const char* Name;
    std::function<void(T3DSceneBuffer&)> Change;
    int Repaints;
    int Rebuilds;
};

// A look only needs a repaint; a format setting needs a new context. Each
// change is made twice: the second, storing the same value, calls nothing.
TEST(BufferSettings, ChangesCallTheirHook)
{
    const TSettingCase cases[] = {
        {"BackgroundColor", [](T3DSceneBuffer& b) { b.SetBackgroundColor(clBlack); }, 1, 0},
        {"DepthTest", [](T3DSceneBuffer& b) { b.SetDepthTest(false); }, 1, 0},
        {"FaceCulling", [](T3DSceneBuffer& b) { b.SetFaceCulling(false); }, 1, 0},
        {"Lighting", [](T3DSceneBuffer& b) { b.SetLighting(false); }, 1, 0},
        {"FogEnable", [](T3DSceneBuffer& b) { b.SetFogEnable(true); }, 1, 0},
        {"ShadeModel", [](T3DSceneBuffer& b) { b.SetShadeModel(smFlat); }, 1, 0},
        {"DepthPrecision", [](T3DSceneBuffer& b) { b.SetDepthPrecision(dp16bits); }, 0, 1},
        {"ColorDepth", [](T3DSceneBuffer& b) { b.SetColorDepth(cd16bits); }, 0, 1},
        {"AntiAliasing", [](T3DSceneBuffer& b) { b.SetAntiAliasing(aa4x); }, 0, 1},
        {"AccumBufferBits", [](T3DSceneBuffer& b) { b.SetAccumBufferBits(16); }, 0, 1},
        {"ContextOptions", [](T3DSceneBuffer& b) { b.SetContextOptions({roStencilBuffer}); }, 0, 1},
    };
    for (const TSettingCase& c : cases) {
        SCOPED_TRACE(c.Name);
        T3DSceneBuffer buffer(nullptr);
        int repaints = 0;
        int rebuilds = 0;
        buffer.SetOnChange([&](TObject*) { ++repaints; });
        buffer.SetOnStructuralChange([&](TObject*) { ++rebuilds; });
        c.Change(buffer);
        c.Change(buffer);
        EXPECT_EQ(repaints, c.Repaints);
        EXPECT_EQ(rebuilds, c.Rebuilds);
    }
}

class BufferContext : public BufferTest {};

TEST_F(BufferContext, AnOlderOpenGLIsRefused)
{
    const TSavedGLBinding saved;
    GLCaps.Version1_1 = false;
    try {
        FBuffer->CreateContext(0, true, 1);
        ADD_FAILURE() << "a context without OpenGL 1.1 was kept";
    } catch (const EOpenGLError& e) {
        EXPECT_EQ(e.Message(), "Need at least OpenGL version 1.1");
    }
    EXPECT_FALSE(FBuffer->HasContext());
    EXPECT_FALSE(FBuffer->Rendering());
}

TEST_F(BufferContext, TheContextIsMadeToTheSettings)
{
    FBuffer->SetContextOptions({roNoSwapBuffers, roStencilBuffer, roDestinationAlpha});
    FBuffer->SetDepthPrecision(dp16bits);
    FBuffer->CreateContext(0, true, 1);
    const T3DContext& context = *FBuffer->RenderingContext();
    EXPECT_EQ(context.DepthBits(), 16);
    EXPECT_EQ(context.StencilBits(), 8);
    EXPECT_EQ(context.AlphaBits(), 8);
    EXPECT_EQ(context.ColorBits(), 24);
    EXPECT_FALSE(context.Options().Contains(rcoDoubleBuffered));
    FBuffer->RenderFrame();
    EXPECT_EQ(FBuffer->FrameCount(), 1);
}

TEST_F(BufferContext, DestroyingTheContextLeavesTheScene)
{
    FBuffer->RenderFrame();
    ASSERT_EQ(FScene->Buffers().size(), 1u);
    FBuffer->DestroyContext();
    EXPECT_FALSE(FBuffer->HasContext());
    EXPECT_TRUE(FScene->Buffers().empty());
    EXPECT_EQ(FScene->BaseContext(), nullptr);
    FBuffer->RenderFrame();
    EXPECT_EQ(FBuffer->FrameCount(), 1);
    FBuffer->CreateContext(0, true, 1);
}

} // namespace
