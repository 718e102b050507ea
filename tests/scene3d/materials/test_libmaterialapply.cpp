// Drawing with a library material in a real context: its shader before,
// after or instead of its material, its texture matrix and its second
// texture.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "scene3d/base/coordinates.h"
#include "scene3d/materials/libmaterial.h"
#include "scene3d/materials/material.h"
#include "scene3d/materials/materiallibrary.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureimage.h"
#include "tests/scene3d/materials/shadertesting.h"
#include "tests/scene3d/textures/texturetesting.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class LibMaterialApply : public TextureInContext {
protected:
    void SetUp() override
    {
        TextureInContext::SetUp();
        FGlass = FLibrary.Materials()->Add();
        FGlass->SetName("Glass");
        FGlass->Material()->SetBlendingMode(bmAdditive);
        FGlass->Material()->SetMaterialOptions({moNoLighting});
        FMaterial.SetMaterialLibrary(&FLibrary);
        FMaterial.SetLibMaterialName("Glass");
        FCache.Enable(ccLighting);
    }

    static GLfloat TextureMatrixScale(int Unit)
    {
        GL.glActiveTextureARB(GL_TEXTURE0 + Unit);
        std::array<GLfloat, 16> matrix{};
        GL.glGetFloatv(GL_TEXTURE_MATRIX, matrix.data());
        GL.glActiveTextureARB(GL_TEXTURE0);
        return matrix[0];
    }
    static bool TexturingOn(int Unit)
    {
        GL.glActiveTextureARB(GL_TEXTURE0 + Unit);
        const bool on = GL.glIsEnabled(GL_TEXTURE_2D);
        GL.glActiveTextureARB(GL_TEXTURE0);
        return on;
    }

    T3DMaterialLibrary FLibrary{nullptr};
    T3DLibMaterial* FGlass = nullptr;
    T3DMaterial FMaterial{nullptr};
};

// A linked material draws with the library material's settings, not its
// own.
TEST_F(LibMaterialApply, TheLinkedMaterialDrawsWithTheLibrarysSettings)
{
    FMaterial.SetBlendingMode(bmOpaque);
    FMaterial.Apply(FRci);
    EXPECT_TRUE(GL.glIsEnabled(GL_BLEND));
    EXPECT_FALSE(FCache.IsEnabled(ccLighting));
    EXPECT_TRUE(FGlass->Applied());
    EXPECT_FALSE(FMaterial.Revert(FRci));
    EXPECT_TRUE(FCache.IsEnabled(ccLighting));
    EXPECT_FALSE(FGlass->Applied());
}

// The shader runs before, after or instead of the material (which blends
// and holds lighting off), for as many passes as it asks.
TEST_F(LibMaterialApply, TheShaderRunsWhereItsStyleSays)
{
    struct TCase {
        T3DShaderStyle Style;
        std::vector<std::string> Log;
    };
    const TCase cases[] = {
        {shsBeforeMaterial, {"initialise", "apply", "unapply"}},
        {shsAfterMaterial, {"initialise", "apply over the material", "unapply over the material"}},
        {shsReplaceMaterial, {"initialise", "apply", "unapply"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Style);
        std::vector<std::string> log;
        TLoggingShader shader(nullptr, c.Style, log);
        FGlass->SetShader(&shader);
        FCache.Disable(ccBlend);
        FMaterial.Apply(FRci);
        EXPECT_EQ(FCache.IsEnabled(ccBlend), c.Style != shsReplaceMaterial);
        EXPECT_FALSE(FMaterial.Revert(FRci));
        EXPECT_THAT(log, ElementsAreArray(c.Log));
        EXPECT_TRUE(FCache.IsEnabled(ccLighting));
        FGlass->SetShader(nullptr);
    }
}

TEST_F(LibMaterialApply, AShaderAsksForMorePassesOverTheMaterial)
{
    std::vector<std::string> log;
    TLoggingShader shader(nullptr, shsAfterMaterial, log, 2);
    FGlass->SetShader(&shader);
    FMaterial.Apply(FRci);
    EXPECT_TRUE(FMaterial.Revert(FRci));
    EXPECT_TRUE(FGlass->Applied());
    EXPECT_FALSE(FCache.IsEnabled(ccLighting));
    EXPECT_FALSE(FMaterial.Revert(FRci));
    EXPECT_FALSE(FGlass->Applied());
    EXPECT_TRUE(FCache.IsEnabled(ccLighting));
    EXPECT_THAT(log, ElementsAre("initialise", "apply over the material", "unapply over the material",
                                 "unapply over the material"));
    FGlass->SetShader(nullptr);
}

// The second texture goes to unit 1 with its own library material's
// matrix; texture coordinates go to both units while neither texture makes
// its own.
TEST_F(LibMaterialApply, TheSecondTextureTakesUnitOne)
{
    ASSERT_TRUE(GLCaps.ARB_multitexture);
    T3DLibMaterial& detail = *FLibrary.Materials()->Add();
    detail.SetName("Detail");
    for (T3DLibMaterial* libMaterial : {FGlass, &detail}) {
        T3DTexture& texture = *libMaterial->Material()->Texture();
        texture.Image()->Assign(SolidBitmap(4, 4, clWhite).get());
        texture.SetDisabled(false);
    }
    FGlass->TextureScale()->SetX(2);
    detail.TextureScale()->SetX(5);
    FGlass->SetTexture2Name("Detail");

    FMaterial.Apply(FRci);
    EXPECT_TRUE(TexturingOn(0));
    EXPECT_TRUE(TexturingOn(1));
    GL.glActiveTextureARB(GL_TEXTURE1);
    GLint bound = 0;
    GL.glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    GL.glActiveTextureARB(GL_TEXTURE0);
    EXPECT_EQ(static_cast<GLuint>(bound), detail.Material()->Texture()->Handle());
    EXPECT_EQ(TextureMatrixScale(0), 2);
    EXPECT_EQ(TextureMatrixScale(1), 5);
    EXPECT_EQ(GetTexCoordUnitMask(), 0b11);
    EXPECT_THAT(detail.Users(), ElementsAre(FGlass));

    FMaterial.Revert(FRci);
    EXPECT_FALSE(TexturingOn(0));
    EXPECT_FALSE(TexturingOn(1));
    EXPECT_EQ(TextureMatrixScale(0), 1);
    EXPECT_EQ(TextureMatrixScale(1), 1);
    EXPECT_EQ(GetTexCoordUnitMask(), 1);

    detail.Material()->Texture()->SetMappingMode(tmmSphere);
    FMaterial.Apply(FRci);
    EXPECT_EQ(GetTexCoordUnitMask(), 1);
    FMaterial.Revert(FRci);

    FGlass->SetTexture2Name("Unknown");
    FMaterial.Apply(FRci);
    EXPECT_EQ(FGlass->Texture2Name(), "");
    EXPECT_FALSE(TexturingOn(1));
    FMaterial.Revert(FRci);
}

} // namespace
