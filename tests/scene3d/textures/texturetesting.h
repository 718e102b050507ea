#pragma once
// What the texture tests share: platform bitmaps of known pixels, and a
// rendering context of the engine made current for tests that upload.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/ui/canvas.h"
#include "platform/ui/picture.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/state/statecache.h"
#include "tests/scene3d/context/contexttesting.h"
#include "tests/scene3d/opengl/glbindingtest.h"

// A platform bitmap whose pixel (x, y), y from the top, is Color(x, y).
inline std::unique_ptr<TBitmap> PaintedBitmap(int Width, int Height, const std::function<TColor(int, int)>& Color)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(Width, Height);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            bitmap->Canvas()->SetPixels(x, y, Color(x, y));
    return bitmap;
}

inline std::unique_ptr<TBitmap> SolidBitmap(int Width, int Height, TColor Color)
{
    return PaintedBitmap(Width, Height, [Color](int, int) { return Color; });
}

// A memory context of the engine, current during the test, with a state
// cache and a render pass record for it. The entry points and flags are
// read afresh and given back afterwards, so a test may change them.
class TextureInContext : public ContextTest {
protected:
    static constexpr int FrameSize = 64;

    void SetUp() override
    {
        FContext = &NewContext();
        FContext->CreateMemoryContext(0, FrameSize, FrameSize, 1);
        FContext->Activate();
        LoadGLEntryPoints();
        LoadGLCapabilities();
        FSavedBinding = std::make_unique<TSavedGLBinding>();
        FRci.StateCache = &FCache;
    }
    void TearDown() override
    {
        EXPECT_EQ(GL.glGetError(), GLenum(GL_NO_ERROR));
        SetTexCoordNull();   // as the process started
        FSavedBinding.reset();
        FContext->Deactivate();
        ContextTest::TearDown();
    }

    static GLint TexParameter(GLenum Target, GLenum Name)
    {
        GLint value = -1;
        GL.glGetTexParameteriv(Target, Name, &value);
        return value;
    }
    static GLint LevelParameter(GLenum Target, GLenum Name)
    {
        GLint value = -1;
        GL.glGetTexLevelParameteriv(Target, 0, Name, &value);
        return value;
    }

    std::unique_ptr<TSavedGLBinding> FSavedBinding;
    T3DContext* FContext = nullptr;
    T3DStateCache FCache;
    TRenderContextInfo FRci;
};
