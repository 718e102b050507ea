// A buffer's frame copied into a texture.
#include <gtest/gtest.h>

#include <vector>

#include "scene3d/opengl/openglapi.h"
#include "scene3d/textures/sizedimages.h"
#include "scene3d/textures/texture.h"
#include "scene3d/utils/wincolors.h"
#include "tests/scene3d/buffer/buffertesting.h"

namespace {

class FrameCopy : public BufferTest {
protected:
    // The texture's level 0, read back in the buffer's context.
    std::vector<TRGBA> TextureImage(T3DTexture& Texture, int Width, int Height)
    {
        std::vector<TRGBA> pixels(static_cast<std::size_t>(Width * Height));
        FBuffer->RenderingContext()->Activate();
        GL.glBindTexture(GL_TEXTURE_2D, Texture.Handle());
        GL.glPixelStorei(GL_PACK_ALIGNMENT, 1);
        GL.glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        FBuffer->RenderingContext()->Deactivate();
        return pixels;
    }
};

// An empty texture takes the area as its whole image; later copies go into
// that image where they are told.
TEST_F(FrameCopy, TheFrameBecomesTheTexturesImage)
{
    T3DTexture texture(nullptr);
    texture.SetMinFilter(miNearest);
    FBuffer->SetBackgroundColor(PackRGB(0, 0, 255));
    FBuffer->RenderFrame();
    FBuffer->CopyFrameToTexture(texture, 0, 0, 16, 16, 0, 0, 0, false);
    std::vector<TRGBA> image = TextureImage(texture, 16, 16);
    EXPECT_EQ(image.front(), (TRGBA{0, 0, 255, 255}));
    EXPECT_EQ(image.back(), (TRGBA{0, 0, 255, 255}));

    FBuffer->SetBackgroundColor(PackRGB(255, 0, 0));
    FBuffer->RenderFrame();
    FBuffer->CopyFrameToTexture(texture, 0, 0, 16, 16, 0, 0, 0, true);
    image = TextureImage(texture, 16, 16);
    EXPECT_EQ(image[0], (TRGBA{255, 0, 0, 255}));
}

// A texture with an image of its own keeps its size: the area is copied
// into it at the place given.
TEST_F(FrameCopy, TheFrameIsCopiedIntoATexturesOwnImage)
{
    T3DTexture texture(nullptr);
    texture.SetMinFilter(miNearest);
    texture.SetImageClassName("T3DBlankImage");
    auto& blank = static_cast<T3DBlankImage&>(*texture.Image());
    blank.SetWidth(32);
    blank.SetHeight(32);
    FBuffer->SetBackgroundColor(PackRGB(0, 255, 0));
    FBuffer->RenderFrame();
    FBuffer->CopyFrameToTexture(texture, 0, 0, 32, 32, 0, 0, 0, false);
    FBuffer->SetBackgroundColor(PackRGB(255, 0, 0));
    FBuffer->RenderFrame();
    FBuffer->CopyFrameToTexture(texture, 0, 0, 8, 8, 16, 16, 0, false);
    const std::vector<TRGBA> image = TextureImage(texture, 32, 32);
    EXPECT_EQ(image[0], (TRGBA{0, 255, 0, 255}));
    EXPECT_EQ(image[16 * 32 + 16], (TRGBA{255, 0, 0, 255}));
    EXPECT_EQ(image[24 * 32 + 24], (TRGBA{0, 255, 0, 255}));
}

} // namespace
