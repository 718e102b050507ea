// A material's extra textures: their items, and applying them to their
// texture units in a real context.
#include "scene3d/textures/textureex.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

#include "scene3d/base/coordinates.h"
#include "scene3d/materials/material.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureimage.h"
#include "tests/scene3d/materials/materialtesting.h"
#include "tests/scene3d/textures/texturetesting.h"

namespace {

using ::testing::ElementsAre;

TEST(TextureEx, ItemsIndexesAndMatrices)
{
    TSceneObjectSpy spy(nullptr);
    T3DTextureEx& extras = *spy.Material()->TextureEx();
    T3DTextureExItem& first = *extras.Add();
    T3DTextureExItem& second = *extras.Add();
    EXPECT_EQ(first.TextureIndex(), 0);
    EXPECT_EQ(second.TextureIndex(), 1);
    EXPECT_EQ(second.DisplayName(), "Tex [1]");
    EXPECT_TRUE(second.Texture()->Disabled());
    EXPECT_TRUE(second.TextureMatrixIsIdentity());
    spy.Heard();

    second.SetTextureIndex(-3);
    EXPECT_EQ(second.TextureIndex(), 0);
    EXPECT_THAT(spy.Heard(), ElementsAre("changed"));
    second.TextureScale()->SetX(2);
    second.TextureOffset()->SetY(0.5f);
    EXPECT_FALSE(second.TextureMatrixIsIdentity());
    EXPECT_EQ(second.TextureMatrix()[0].X, 2);
    EXPECT_EQ(second.TextureMatrix()[3].Y, 0.5f);
    EXPECT_THAT(spy.Heard(), ElementsAre("changed", "changed"));

    EXPECT_FALSE(extras.IsTextureEnabled(0));
    second.Texture()->SetDisabled(false);
    EXPECT_TRUE(extras.IsTextureEnabled(0));
    EXPECT_FALSE(extras.IsTextureEnabled(1));

    T3DMaterial copy(nullptr);
    copy.Assign(spy.Material());
    ASSERT_EQ(copy.TextureEx()->Count(), 2);
    EXPECT_EQ(copy.TextureEx()->Items(1)->TextureIndex(), 0);
    EXPECT_EQ(copy.TextureEx()->Items(1)->TextureMatrix()[0].X, 2);
    EXPECT_FALSE(copy.TextureEx()->Items(1)->Texture()->Disabled());
}

using TextureExGL = TextureInContext;

// Without a main texture the extra textures go to their units, each with
// its texture matrix, and come off again with the matrix popped.
TEST_F(TextureExGL, ExtraTexturesTakeTheirUnits)
{
    ASSERT_TRUE(GLCaps.ARB_multitexture);
    T3DMaterial material(nullptr);
    for (const int unit : {0, 2}) {
        T3DTextureExItem& item = *material.TextureEx()->Add();
        item.SetTextureIndex(unit);
        item.Texture()->Image()->Assign(SolidBitmap(4, 4, clWhite).get());
        item.Texture()->SetDisabled(false);
        item.TextureScale()->SetX(3);
    }
    material.Apply(FRci);
    for (const int unit : {0, 1, 2}) {
        SCOPED_TRACE(unit);
        GL.glActiveTextureARB(GL_TEXTURE0 + unit);
        EXPECT_EQ(GL.glIsEnabled(GL_TEXTURE_2D), unit != 1);
        std::array<GLfloat, 16> matrix{};
        GL.glGetFloatv(GL_TEXTURE_MATRIX, matrix.data());
        EXPECT_EQ(matrix[0], unit == 1 ? 1 : 3);
    }
    GL.glActiveTextureARB(GL_TEXTURE0);
    EXPECT_EQ(GetTexCoordUnitMask(), 0b101);

    material.Revert(FRci);
    for (const int unit : {0, 2}) {
        SCOPED_TRACE(unit);
        GL.glActiveTextureARB(GL_TEXTURE0 + unit);
        EXPECT_FALSE(GL.glIsEnabled(GL_TEXTURE_2D));
        std::array<GLfloat, 16> matrix{};
        GL.glGetFloatv(GL_TEXTURE_MATRIX, matrix.data());
        EXPECT_EQ(matrix[0], 1);
    }
    GL.glActiveTextureARB(GL_TEXTURE0);
}

} // namespace
