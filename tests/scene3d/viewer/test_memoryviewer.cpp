// Off-screen viewers: frames rendered into a pbuffer of the viewer's size,
// read back and copied into textures.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/context/contextactivation.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/textures/sizedimages.h"
#include "scene3d/textures/texture.h"
#include "scene3d/utils/wincolors.h"
#include "scene3d/viewer/memoryviewer.h"
#include "tests/scene3d/render/rendertesting.h"

namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

constexpr TRGBA Red = {255, 0, 0, 255}, Green = {0, 255, 0, 255}, Blue = {0, 0, 255, 255};

// A memory viewer of 48 x 40 pixels looking through a camera at the
// origin along -Z at two unit squares 15 units away (25 pixels wide), a
// red one left of the middle and a green one right of it, on blue,
// lighting off.
class MemoryViewer : public ::testing::Test {
protected:
    static constexpr int Width = 48;
    static constexpr int Height = 40;

    MemoryViewer()
    {
        FRed = Square(-0.5f, {1, 0, 0, 1});
        FGreen = Square(0.5f, {0, 1, 0, 1});
        FViewer->SetWidth(Width);
        FViewer->SetHeight(Height);
        FViewer->Buffer()->SetLighting(false);
        FViewer->Buffer()->SetBackgroundColor(PackRGB(0, 0, 255));
        FViewer->SetCamera(FScene->Cameras()->CreateChild<T3DCamera>());
    }

    TDrawnObject* Square(float X, TVector Colour)
    {
        auto* square = FScene->Objects()->CreateChild<TDrawnObject>();
        square->Position()->AssignPoint(X, 0, -15);
        square->Colour = Colour;
        return square;
    }
    // The viewer's frame, bottom row first.
    std::vector<TRGBA> Frame()
    {
        std::vector<TRGBA> pixels(Width * Height);
        const TContextActivation active(*FViewer->Buffer()->RenderingContext());
        GL.glReadPixels(0, 0, Width, Height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
    // Texels of the texture's level 0 (Size x Size), bottom row first.
    std::vector<TRGBA> Texels(T3DTexture& Texture, int Size)
    {
        std::vector<TRGBA> texels(static_cast<std::size_t>(Size * Size));
        const TContextActivation active(*FViewer->Buffer()->RenderingContext());
        GL.glBindTexture(GL_TEXTURE_2D, Texture.Handle());
        GL.glPixelStorei(GL_PACK_ALIGNMENT, 1);
        GL.glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        return texels;
    }
    static TRGBA At(const std::vector<TRGBA>& Pixels, int RowWidth, int X, int Y)
    {
        return Pixels[static_cast<std::size_t>(Y * RowWidth + X)];
    }
    // Pixels of the red and the green square.
    static constexpr int RedX = Width / 2 - 12, GreenX = Width / 2 + 12, MiddleY = Height / 2;

    std::unique_ptr<TComponent> FOwner = std::make_unique<TComponent>(nullptr);
    T3DScene* FScene = new T3DScene(FOwner.get());
    T3DMemoryViewer* FViewer = new T3DMemoryViewer(FOwner.get());
    TDrawnObject* FRed = nullptr;
    TDrawnObject* FGreen = nullptr;
};

TEST_F(MemoryViewer, RendersTheSceneIntoAContextOfItsSize)
{
    EXPECT_FALSE(FViewer->Buffer()->HasContext());
    FViewer->Render();
    ASSERT_TRUE(FViewer->Buffer()->HasContext());
    EXPECT_EQ(FViewer->Buffer()->RenderingContext()->OutputDevice(), 0u);
    EXPECT_EQ(FViewer->Buffer()->Viewport().Width, Width);
    EXPECT_EQ(FViewer->Buffer()->Viewport().Height, Height);
    const std::vector<TRGBA> frame = Frame();
    EXPECT_EQ(At(frame, Width, RedX, MiddleY), Red);
    EXPECT_EQ(At(frame, Width, GreenX, MiddleY), Green);
    EXPECT_EQ(At(frame, Width, 0, 0), Blue);
    EXPECT_EQ(At(frame, Width, Width - 1, Height - 1), Blue);
}

TEST_F(MemoryViewer, RendersOnlyTheBaseObjectWhenGivenOne)
{
    FViewer->Render(FGreen);
    const std::vector<TRGBA> frame = Frame();
    EXPECT_EQ(At(frame, Width, RedX, MiddleY), Blue);
    EXPECT_EQ(At(frame, Width, GreenX, MiddleY), Green);
}

// Sizes below 1 become 1, buffer counts stay within 1..4; every change,
// and every structural change of the buffer, drops the context, which the
// next Render makes anew.
TEST_F(MemoryViewer, SettingsAreClampedAndDropTheContext)
{
    struct TSettingCase {
        const char* Name;
        std::function<void(T3DMemoryViewer&)> Change;
        int Width;
        int Height;
        int BufferCount;
    };
    const TSettingCase cases[] = {
        {"width 0", [](T3DMemoryViewer& v) { v.SetWidth(0); }, 1, Height, 1},
        {"height -5", [](T3DMemoryViewer& v) { v.SetHeight(-5); }, Width, 1, 1},
        {"buffer count 0", [](T3DMemoryViewer& v) { v.SetBufferCount(0); }, Width, Height, 1},
        {"buffer count 7", [](T3DMemoryViewer& v) { v.SetBufferCount(7); }, Width, Height, 4},
        {"buffer count 3", [](T3DMemoryViewer& v) { v.SetBufferCount(3); }, Width, Height, 3},
        {"depth precision", [](T3DMemoryViewer& v) { v.Buffer()->SetDepthPrecision(dp16bits); }, Width, Height, 1},
    };
    for (const TSettingCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FViewer->SetWidth(Width);
        FViewer->SetHeight(Height);
        FViewer->SetBufferCount(1);
        FViewer->Buffer()->SetDepthPrecision(dpDefault);
        FViewer->Render();
        ASSERT_TRUE(FViewer->Buffer()->HasContext());
        c.Change(*FViewer);
        EXPECT_FALSE(FViewer->Buffer()->HasContext());
        EXPECT_EQ(FViewer->Width(), c.Width);
        EXPECT_EQ(FViewer->Height(), c.Height);
        EXPECT_EQ(FViewer->BufferCount(), c.BufferCount);
    }
    FViewer->Render();
    EXPECT_EQ(FViewer->Buffer()->RenderingContext()->DepthBits(), 16);
}

// EGL pbuffers have a single colour buffer.
TEST_F(MemoryViewer, MoreThanOneBufferCannotBeMade)
{
    FViewer->SetBufferCount(2);
    EXPECT_THAT([&] { FViewer->Render(); },
                ThrowsMessage<Exception>(StrEq("Format not supported for pbuffer operation.")));
    EXPECT_FALSE(FViewer->Buffer()->HasContext());
    FViewer->SetBufferCount(1);
    FViewer->Render();
    EXPECT_EQ(At(Frame(), Width, RedX, MiddleY), Red);
}

// A texture without an image takes the whole frame as its image; a blank
// image takes an area where it is told, the rest staying as it was.
TEST_F(MemoryViewer, CopiesTheFrameIntoTextures)
{
    FViewer->SetWidth(32);
    FViewer->SetHeight(32);
    FViewer->Render();
    T3DTexture empty(nullptr);
    empty.SetMinFilter(miNearest);
    FViewer->CopyToTexture(empty);
    const std::vector<TRGBA> whole = Texels(empty, 32);
    EXPECT_EQ(At(whole, 32, 0, 0), Blue);
    EXPECT_EQ(At(whole, 32, 4, 16), Red);
    EXPECT_EQ(At(whole, 32, 28, 16), Green);

    T3DTexture blank(nullptr);
    blank.SetMinFilter(miNearest);
    blank.SetImageClassName("T3DBlankImage");
    auto& image = static_cast<T3DBlankImage&>(*blank.Image());
    image.SetWidth(32);
    image.SetHeight(32);
    FViewer->Buffer()->SetBackgroundColor(PackRGB(255, 255, 255));
    FViewer->Render();
    FViewer->CopyToTexture(blank);
    FViewer->Buffer()->SetBackgroundColor(PackRGB(0, 0, 0));
    FViewer->Render();
    // The bottom three rows of a frame are background only.
    FViewer->CopyToTexture(blank, 0, 0, 3, 3, 8, 0, GL_BACK);
    const std::vector<TRGBA> part = Texels(blank, 32);
    EXPECT_EQ(At(part, 32, 8, 0), (TRGBA{0, 0, 0, 255}));
    EXPECT_EQ(At(part, 32, 10, 2), (TRGBA{0, 0, 0, 255}));
    EXPECT_EQ(At(part, 32, 11, 0), (TRGBA{255, 255, 255, 255}));
    EXPECT_EQ(At(part, 32, 4, 16), Red);
    EXPECT_EQ(At(part, 32, 0, 0), (TRGBA{255, 255, 255, 255}));
}

} // namespace
