// Textures in a real OpenGL context: when they upload, what reaches the
// texture object (read back from GL), and applying them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "scene3d/base/coordinates.h"
#include "scene3d/geometry/matrixarithmetic.h"
#include "scene3d/geometry/matrixbuild.h"
#include "scene3d/materials/color.h"
#include "scene3d/materials/material.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/textures/cubemapimage.h"
#include "scene3d/textures/pictureimages.h"
#include "scene3d/textures/texture.h"
#include "scene3d/utils/wincolors.h"
#include "tests/scene3d/materials/materialtesting.h"
#include "tests/scene3d/textures/texturetesting.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

using TRGBA = std::array<uint8_t, 4>;

using TextureGL = TextureInContext;

// Counts the pixel uploads while it lives, passing them on to GL.
class TUploadCounter {
public:
    TUploadCounter()
    {
        Real() = GL.glTexImage2D;
        Count() = 0;
        GL.glTexImage2D = [](GLenum target, GLint level, GLint format, GLsizei width, GLsizei height, GLint border,
                             GLenum pixelFormat, GLenum type, const void* pixels) {
            ++Count();
            Real()(target, level, format, width, height, border, pixelFormat, type, pixels);
        };
    }
    TUploadCounter(const TUploadCounter&) = delete;
    TUploadCounter& operator=(const TUploadCounter&) = delete;
    ~TUploadCounter() { GL.glTexImage2D = Real(); }

    int Uploads() const { return Count(); }

private:
    static decltype(GL.glTexImage2D)& Real()
    {
        static decltype(GL.glTexImage2D) real = nullptr;
        return real;
    }
    static int& Count()
    {
        static int count = 0;
        return count;
    }
};

// The texels of level 0 of the bound 2D texture, row 0 first.
std::vector<TRGBA> Texels()
{
    GLint width = 0;
    GLint height = 0;
    GL.glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    GL.glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<TRGBA> texels(static_cast<std::size_t>(width * height));
    GL.glPixelStorei(GL_PACK_ALIGNMENT, 1);
    GL.glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

std::vector<int> Alphas(const std::vector<TRGBA>& Texels)
{
    std::vector<int> alphas;
    for (const TRGBA& texel : Texels)
        alphas.push_back(texel[3]);
    return alphas;
}

TEST_F(TextureGL, ATextureNeverEnabledMakesNoTextureObject)
{
    T3DMaterial material(nullptr);
    material.Texture()->Image()->Assign(SolidBitmap(4, 4, clRed).get());
    material.Apply(FRci);
    material.Revert(FRci);
    EXPECT_FALSE(material.Texture()->HasHandle());
    EXPECT_FALSE(GL.glIsEnabled(GL_TEXTURE_2D));
    GLint bound = -1;
    GL.glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
}

// Each setter reports a change only for a new value; a change of the image
// or of a sampling setting makes the next Handle upload again.
TEST_F(TextureGL, ChangesMakeTheTextureStale)
{
    struct TCase {
        std::string Name;
        std::function<void(T3DTexture&)> Change;
        bool Told;
        bool Stale;
    };
    const TCase cases[] = {
        {"the same mode", [](T3DTexture& T) { T.SetTextureMode(tmDecal); }, false, false},
        {"another mode", [](T3DTexture& T) { T.SetTextureMode(tmModulate); }, true, true},
        {"the mag filter", [](T3DTexture& T) { T.SetMagFilter(maNearest); }, true, true},
        {"the same mag filter", [](T3DTexture& T) { T.SetMagFilter(maLinear); }, false, false},
        {"the min filter", [](T3DTexture& T) { T.SetMinFilter(miLinear); }, true, true},
        {"the wrap", [](T3DTexture& T) { T.SetTextureWrap(twNone); }, true, true},
        {"the format", [](T3DTexture& T) { T.SetTextureFormat(tfLuminance); }, true, true},
        {"the compression", [](T3DTexture& T) { T.SetCompression(tcStandard); }, true, true},
        {"the filtering quality", [](T3DTexture& T) { T.SetFilteringQuality(tfAnisotropic); }, true, true},
        {"the env colour", [](T3DTexture& T) { T.EnvColor()->SetRed(0.5f); }, true, true},
        {"the alpha", [](T3DTexture& T) { T.SetImageAlpha(tiaLuminance); }, true, true},
        {"the same alpha", [](T3DTexture& T) { T.SetImageAlpha(tiaDefault); }, false, false},
        {"the brightness", [](T3DTexture& T) { T.SetImageBrightness(2); }, true, true},
        {"the gamma", [](T3DTexture& T) { T.SetImageGamma(0.5f); }, true, true},
        {"the image class", [](T3DTexture& T) { T.SetImageClassName("T3DBlankImage"); }, true, true},
        {"the picture", [](T3DTexture& T) { T.Image()->Assign(SolidBitmap(4, 4, clBlue).get()); }, true, true},
        {"the normal map scale of a colour texture", [](T3DTexture& T) { T.SetNormalMapScale(1); }, false, false},
        {"the mapping mode", [](T3DTexture& T) { T.SetMappingMode(tmmSphere); }, true, false},
        {"a mapping plane", [](T3DTexture& T) { T.MappingSCoordinates()->SetY(1); }, true, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TSceneObjectSpy spy(nullptr);
        T3DTexture& texture = *spy.Material()->Texture();
        texture.Image()->Assign(SolidBitmap(4, 4, clRed).get());
        texture.SetDisabled(false);
        texture.Handle();
        EXPECT_FALSE(texture.IsStale());
        spy.Heard();
        c.Change(texture);
        if (c.Told)
            EXPECT_THAT(spy.Heard(), ElementsAre("changed"));
        else
            EXPECT_THAT(spy.Heard(), IsEmpty());
        EXPECT_EQ(texture.IsStale(), c.Stale);
    }

    T3DTexture normalMap(nullptr);
    normalMap.SetTextureFormat(tfNormalMap);
    normalMap.Handle();
    normalMap.SetNormalMapScale(1);
    EXPECT_TRUE(normalMap.IsStale());
}

TEST_F(TextureGL, HandleUploadsOnlyWhenStale)
{
    T3DTexture texture(nullptr);
    texture.Image()->Assign(SolidBitmap(8, 8, clRed).get());
    texture.SetMinFilter(miLinear);
    const TUploadCounter counter;
    const GLuint name = texture.Handle();
    EXPECT_NE(name, 0u);
    EXPECT_TRUE(GL.glIsTexture(name));
    EXPECT_EQ(counter.Uploads(), 1);
    EXPECT_EQ(texture.Handle(), name);
    texture.SetTextureMode(tmDecal);
    texture.Handle();
    EXPECT_EQ(counter.Uploads(), 1);

    texture.SetMagFilter(maNearest);
    EXPECT_EQ(texture.Handle(), name);
    EXPECT_EQ(counter.Uploads(), 2);
    EXPECT_EQ(TexParameter(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER), GL_NEAREST);

    texture.ReleaseHandle();
    EXPECT_FALSE(GL.glIsTexture(name));
    EXPECT_TRUE(texture.IsStale());
    EXPECT_EQ(texture.RequiredMemorySize(), -1);
    EXPECT_NE(texture.Handle(), 0u);
    EXPECT_EQ(counter.Uploads(), 3);
}

// The platform bitmap's top row holds the key colour first, then white,
// (30, 60, 90) and black; its bottom row is white, so that keying on the
// bottom-left pixel would show. Texels come back bottom row first.
TEST_F(TextureGL, AlphaModes)
{
    const TColor mid = PackRGB(30, 60, 90);
    const TColor key = PackRGB(10, 20, 30);
    const auto bitmap = PaintedBitmap(4, 2, [&](int X, int Y) {
        const TColor top[] = {key, clWhite, mid, clBlack};
        return Y == 0 ? top[X] : clWhite;
    });
    struct TCase {
        T3DTextureImageAlpha Alpha;
        std::vector<int> Alphas;
    };
    const TCase cases[] = {
        {tiaDefault, {255, 255, 255, 255, 255, 255, 255, 255}},
        {tiaAlphaFromIntensity, {255, 255, 255, 255, 20, 255, 60, 0}},
        {tiaSuperBlackTransparent, {255, 255, 255, 255, 255, 255, 255, 0}},
        {tiaLuminance, {255, 255, 255, 255, 20, 255, 60, 0}},
        {tiaLuminanceSqrt, {255, 255, 255, 255, 71, 255, 124, 0}},
        {tiaOpaque, {255, 255, 255, 255, 255, 255, 255, 255}},
        {tiaTopLeftPointColorTransparent, {255, 255, 255, 255, 0, 255, 255, 255}},
        {tiaInverseLuminance, {0, 0, 0, 0, 235, 0, 195, 255}},
        {tiaInverseLuminanceSqrt, {0, 0, 0, 0, 184, 0, 131, 255}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Alpha);
        T3DTexture texture(nullptr);
        texture.Image()->Assign(bitmap.get());
        texture.SetMinFilter(miNearest);
        texture.SetImageAlpha(c.Alpha);
        GL.glBindTexture(GL_TEXTURE_2D, texture.Handle());
        const std::vector<TRGBA> texels = Texels();
        EXPECT_THAT(Alphas(texels), ElementsAreArray(c.Alphas));
        EXPECT_EQ(texels[6], (TRGBA{30, 60, 90, static_cast<uint8_t>(c.Alphas[6])}));
    }
}

TEST_F(TextureGL, BrightnessAndGammaOfOneLeaveThePixelsAlone)
{
    const auto bitmap = PaintedBitmap(4, 1, [](int X, int) { return PackRGB(30 * X, 200, 17 + X); });
    T3DTexture texture(nullptr);
    texture.Image()->Assign(bitmap.get());
    texture.SetMinFilter(miNearest);
    texture.SetImageBrightness(2);
    texture.SetImageGamma(2);
    texture.SetImageBrightness(1);
    texture.SetImageGamma(1);
    GL.glBindTexture(GL_TEXTURE_2D, texture.Handle());
    EXPECT_THAT(Texels(), ElementsAre(TRGBA{0, 200, 17, 255}, TRGBA{30, 200, 18, 255}, TRGBA{60, 200, 19, 255},
                                      TRGBA{90, 200, 20, 255}));

    texture.SetImageBrightness(2);
    GL.glBindTexture(GL_TEXTURE_2D, texture.Handle());
    EXPECT_EQ(Texels()[1], (TRGBA{60, 255, 36, 255}));
}

// What the texture object is set up with, read back from GL.
TEST_F(TextureGL, FiltersWrapsAndFormatsReachTheTextureObject)
{
    struct TCase {
        std::string Name;
        std::function<void(T3DTexture&)> Set;
        GLenum Parameter;
        GLint Value;
    };
    const TCase cases[] = {
        {"min filter", [](T3DTexture& T) { T.SetMinFilter(miNearestMipmapLinear); }, GL_TEXTURE_MIN_FILTER,
         GL_NEAREST_MIPMAP_LINEAR},
        {"default filters", [](T3DTexture&) {}, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR},
        {"mag filter", [](T3DTexture& T) { T.SetMagFilter(maNearest); }, GL_TEXTURE_MAG_FILTER, GL_NEAREST},
        {"repeat", [](T3DTexture&) {}, GL_TEXTURE_WRAP_S, GL_REPEAT},
        {"vertical repeats T", [](T3DTexture& T) { T.SetTextureWrap(twVertical); }, GL_TEXTURE_WRAP_T, GL_REPEAT},
        {"vertical clamps S", [](T3DTexture& T) { T.SetTextureWrap(twVertical); }, GL_TEXTURE_WRAP_S,
         GL_CLAMP_TO_EDGE},
        {"horizontal clamps T", [](T3DTexture& T) { T.SetTextureWrap(twHorizontal); }, GL_TEXTURE_WRAP_T,
         GL_CLAMP_TO_EDGE},
        {"clamp without edge clamping",
         [](T3DTexture& T) {
             GLCaps.Version1_2 = false;
             GLCaps.EXT_texture_edge_clamp = false;
             T.SetTextureWrap(twNone);
         },
         GL_TEXTURE_WRAP_S, GL_CLAMP},
        {"default format", [](T3DTexture&) {}, GL_TEXTURE_INTERNAL_FORMAT, GL_RGBA8},
        {"RGB", [](T3DTexture& T) { T.SetTextureFormat(tfRGB); }, GL_TEXTURE_INTERNAL_FORMAT, GL_RGB8},
        {"luminance", [](T3DTexture& T) { T.SetTextureFormat(tfLuminance); }, GL_TEXTURE_INTERNAL_FORMAT,
         GL_LUMINANCE8},
        {"alpha", [](T3DTexture& T) { T.SetTextureFormat(tfAlpha); }, GL_TEXTURE_INTERNAL_FORMAT, GL_ALPHA8},
        {"intensity", [](T3DTexture& T) { T.SetTextureFormat(tfIntensity); }, GL_TEXTURE_INTERNAL_FORMAT,
         GL_INTENSITY8},
        {"16-bit RGBA", [](T3DTexture& T) { T.SetTextureFormat(tfRGBA16); }, GL_TEXTURE_INTERNAL_FORMAT, GL_RGBA4},
        {"the process default",
         [](T3DTexture&) { SetDefaultTextureFormat(tfLuminanceAlpha); },
         GL_TEXTURE_INTERNAL_FORMAT, GL_LUMINANCE8_ALPHA8},
        {"compressed", [](T3DTexture& T) { T.SetCompression(tcHighQuality); }, GL_TEXTURE_COMPRESSED, GL_TRUE},
        {"compression unsupported",
         [](T3DTexture& T) {
             GLCaps.ARB_texture_compression = false;
             T.SetCompression(tcStandard);
         },
         GL_TEXTURE_COMPRESSED, GL_FALSE},
    };
    ASSERT_TRUE(GLCaps.ARB_texture_compression);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TSavedGLBinding saved;
        T3DTexture texture(nullptr);
        texture.Image()->Assign(SolidBitmap(8, 8, clGray).get());
        c.Set(texture);
        GL.glBindTexture(GL_TEXTURE_2D, texture.Handle());
        SetDefaultTextureFormat(tfRGBA);
        if (c.Parameter == GL_TEXTURE_INTERNAL_FORMAT || c.Parameter == GL_TEXTURE_COMPRESSED)
            EXPECT_EQ(LevelParameter(GL_TEXTURE_2D, c.Parameter), c.Value);
        else
            EXPECT_EQ(TexParameter(GL_TEXTURE_2D, c.Parameter), c.Value);
        EXPECT_EQ(texture.RequiredMemorySize() > 0, c.Parameter == GL_TEXTURE_COMPRESSED && c.Value == GL_TRUE);
    }
}

TEST_F(TextureGL, WithoutAnySizeTheImageGrowsToPowersOfTwo)
{
    GLCaps.ARB_texture_non_power_of_two = false;
    T3DTexture texture(nullptr);
    texture.Image()->Assign(SolidBitmap(100, 60, clWhite).get());
    GL.glBindTexture(GL_TEXTURE_2D, texture.Handle());
    EXPECT_EQ(texture.TexWidth(), 128);
    EXPECT_EQ(texture.TexHeight(), 64);
    EXPECT_EQ(LevelParameter(GL_TEXTURE_2D, GL_TEXTURE_WIDTH), 128);
    EXPECT_EQ(LevelParameter(GL_TEXTURE_2D, GL_TEXTURE_HEIGHT), 64);
}

TEST_F(TextureGL, ACubeMapUploadsOnlySixSquareFacesOfOneSize)
{
    ASSERT_TRUE(GLCaps.ARB_texture_cube_map);
    T3DTexture texture(nullptr);
    texture.SetImageClassName("T3DCubeMapImage");
    texture.SetMinFilter(miLinear);
    auto& cube = static_cast<T3DCubeMapImage&>(*texture.Image());
    for (int face = cmfPX; face <= cmfNZ; ++face)
        cube.Picture(static_cast<T3DCubeMapFace>(face))->Assign(SolidBitmap(4, 4, clYellow).get());
    cube.PictureNZ()->Assign(SolidBitmap(8, 8, clYellow).get());
    GL.glBindTexture(GL_TEXTURE_CUBE_MAP, texture.Handle());
    EXPECT_EQ(LevelParameter(GL_TEXTURE_CUBE_MAP_POSITIVE_X, GL_TEXTURE_WIDTH), 0);

    cube.PictureNZ()->Assign(SolidBitmap(4, 4, clYellow).get());
    GL.glBindTexture(GL_TEXTURE_CUBE_MAP, texture.Handle());
    for (GLenum target = GL_TEXTURE_CUBE_MAP_POSITIVE_X; target <= GL_TEXTURE_CUBE_MAP_NEGATIVE_Z; ++target)
        EXPECT_EQ(LevelParameter(target, GL_TEXTURE_WIDTH), 4) << target;
}

// A reflecting cube map turns with the object: its texture matrix is the
// object's model-view rotation, loaded transposed.
TEST_F(TextureGL, ACubeMapTurnsWithTheObject)
{
    T3DTexture texture(nullptr);
    texture.SetImageClassName("T3DCubeMapImage");
    auto& cube = static_cast<T3DCubeMapImage&>(*texture.Image());
    for (int face = cmfPX; face <= cmfNZ; ++face)
        cube.Picture(static_cast<T3DCubeMapFace>(face))->Assign(SolidBitmap(4, 4, clYellow).get());
    texture.SetDisabled(false);
    texture.SetMappingMode(tmmCubeMapReflection);
    FRci.ModelViewMatrix = CreateRotationMatrix({0, 0, 1}, 1.5707963f);
    FRci.ModelViewMatrix[3] = {5, 6, 7, 1};
    texture.Apply(FRci);
    EXPECT_TRUE(GL.glIsEnabled(GL_TEXTURE_CUBE_MAP));
    EXPECT_TRUE(GL.glIsEnabled(GL_TEXTURE_GEN_R));
    GLint generation = 0;
    GL.glGetTexGeniv(GL_R, GL_TEXTURE_GEN_MODE, &generation);
    EXPECT_EQ(generation, GL_REFLECTION_MAP);
    TMatrix loaded{};
    GL.glGetFloatv(GL_TEXTURE_MATRIX, &loaded[0].X);
    TMatrix expected = FRci.ModelViewMatrix;
    expected[3] = {0, 0, 0, 1};
    TransposeMatrix(expected);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_NEAR(loaded[row][column], expected[row][column], 1e-6) << row << ", " << column;

    texture.Revert(FRci);
    EXPECT_FALSE(GL.glIsEnabled(GL_TEXTURE_CUBE_MAP));
    EXPECT_FALSE(GL.glIsEnabled(GL_TEXTURE_GEN_R));
    GL.glGetFloatv(GL_TEXTURE_MATRIX, &loaded[0].X);
    EXPECT_EQ(loaded[0].X, 1);
    EXPECT_EQ(loaded[0].Y, 0);
}

// The lamps' texture: a persistent image, enabled, alpha from luminance,
// modulating the lit colour.
TEST_F(TextureGL, ApplyBindsSetsTheEnvironmentAndRevertSwitchesOff)
{
    T3DMaterial material(nullptr);
    T3DTexture& texture = *material.Texture();
    texture.Image()->Assign(SolidBitmap(8, 8, clWhite).get());
    texture.SetDisabled(false);
    texture.SetImageAlpha(tiaLuminance);
    texture.SetTextureMode(tmModulate);
    material.Apply(FRci);
    EXPECT_TRUE(GL.glIsEnabled(GL_TEXTURE_2D));
    GLint bound = 0;
    GL.glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), texture.Handle());
    GLint mode = 0;
    GL.glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, GL_MODULATE);
    EXPECT_FALSE(GL.glIsEnabled(GL_TEXTURE_GEN_S));
    EXPECT_EQ(GetTexCoordUnitMask(), 1);
    material.Revert(FRci);
    EXPECT_FALSE(GL.glIsEnabled(GL_TEXTURE_2D));

    texture.SetMappingMode(tmmObjectLinear);
    texture.MappingSCoordinates()->AssignVector(0, 2, 0, 1);
    texture.EnvColor()->SetColor({0.25f, 0.5f, 0.75f, 1});
    material.Apply(FRci);
    EXPECT_TRUE(GL.glIsEnabled(GL_TEXTURE_GEN_S));
    EXPECT_TRUE(GL.glIsEnabled(GL_TEXTURE_GEN_T));
    GLint generation = 0;
    GL.glGetTexGeniv(GL_S, GL_TEXTURE_GEN_MODE, &generation);
    EXPECT_EQ(generation, GL_OBJECT_LINEAR);
    std::array<GLfloat, 4> plane{};
    GL.glGetTexGenfv(GL_S, GL_OBJECT_PLANE, plane.data());
    EXPECT_EQ(plane, (std::array<GLfloat, 4>{0, 2, 0, 1}));
    std::array<GLfloat, 4> envColor{};
    GL.glGetTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, envColor.data());
    EXPECT_EQ(envColor, (std::array<GLfloat, 4>{0.25f, 0.5f, 0.75f, 1}));
    material.Revert(FRci);
    EXPECT_FALSE(GL.glIsEnabled(GL_TEXTURE_GEN_S));
    EXPECT_FALSE(GL.glIsEnabled(GL_TEXTURE_2D));
}

} // namespace
