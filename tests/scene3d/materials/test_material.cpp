#include "scene3d/materials/material.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureex.h"
#include "tests/scene3d/materials/materialtesting.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Material, BackPropertiesAndTexturesComeOnFirstUse)
{
    T3DMaterial material(nullptr);
    EXPECT_NE(material.FrontProperties(), nullptr);
    EXPECT_FALSE(material.HasBackProperties());
    EXPECT_FALSE(material.HasTexture());
    EXPECT_FALSE(material.HasTextureEx());
    EXPECT_EQ(material.BackProperties()->Diffuse()->Red(), 0.8f);
    EXPECT_TRUE(material.Texture()->Disabled());
    EXPECT_EQ(material.Texture()->Owner(), &material);
    EXPECT_NE(material.TextureEx(), nullptr);
    EXPECT_TRUE(material.HasBackProperties());
    EXPECT_TRUE(material.HasTexture());
    material.SetTexture(nullptr);
    EXPECT_FALSE(material.HasTexture());
    const T3DTexture other(nullptr);
    material.SetTexture(&other);
    EXPECT_TRUE(material.HasTexture());

    EXPECT_EQ(material.BlendingMode(), bmOpaque);
    EXPECT_TRUE(material.MaterialOptions().Empty());
    EXPECT_EQ(material.FaceCulling(), fcBufferDefault);
    EXPECT_EQ(material.LibMaterialName(), "");
}

// The material's own settings reach the scene object only when they
// change; the material has no event of its own and passes changes on even
// inside an update.
TEST(Material, ChangesReachTheSceneObject)
{
    struct TCase {
        std::string Name;
        std::function<void(T3DMaterial&)> Change;
        bool Told;
    };
    const TCase cases[] = {
        {"blending to its own mode", [](T3DMaterial& M) { M.SetBlendingMode(bmOpaque); }, false},
        {"blending to another mode", [](T3DMaterial& M) { M.SetBlendingMode(bmAdditive); }, true},
        {"the same options", [](T3DMaterial& M) { M.SetMaterialOptions({}); }, false},
        {"other options", [](T3DMaterial& M) { M.SetMaterialOptions({moNoLighting}); }, true},
        {"the same culling", [](T3DMaterial& M) { M.SetFaceCulling(fcBufferDefault); }, false},
        {"other culling", [](T3DMaterial& M) { M.SetFaceCulling(fcNoCull); }, true},
        {"a back colour", [](T3DMaterial& M) { M.BackProperties()->Specular()->SetGreen(1); }, true},
        {"inside an update", [](T3DMaterial& M) { M.BeginUpdate(); M.SetFaceCulling(fcCull); }, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TSceneObjectSpy spy(nullptr);
        int events = 0;
        spy.Material()->SetOnChange([&events](TObject*) { ++events; });
        c.Change(*spy.Material());
        if (c.Told)
            EXPECT_THAT(spy.Heard(), ElementsAre("changed"));
        else
            EXPECT_THAT(spy.Heard(), IsEmpty());
        EXPECT_EQ(events, 0);
    }
}

TEST(Material, ASwitchedTextureRebuildsTheSceneObjectsList)
{
    TSceneObjectSpy spy(nullptr);
    spy.Material()->NotifyTextureSwitched(spy.Material()->Texture());
    EXPECT_THAT(spy.Heard(), ElementsAre("list invalidated"));
    T3DMaterial lonely(nullptr);
    lonely.NotifyTextureSwitched(&lonely);
    lonely.NotifyChange(&lonely);
}

TEST(Material, AssignTakesWhatTheSourceHasAndFreesWhatItLacks)
{
    T3DMaterial full(nullptr);
    full.BackProperties()->SetShininess(7);
    full.FrontProperties()->Emission()->SetColorSilently({0.4f, 0.4f, 0.4f, 1});
    full.SetBlendingMode(bmModulate);
    full.SetMaterialOptions({moIgnoreFog});
    full.Texture();
    full.TextureEx();
    full.SetFaceCulling(fcCull);
    full.SetLibMaterialName("Glass");

    TSceneObjectSpy spy(nullptr);
    T3DMaterial& material = *spy.Material();
    material.Assign(&full);
    EXPECT_EQ(spy.Heard().back(), "changed");
    EXPECT_EQ(material.BackProperties()->Shininess(), 7);
    EXPECT_EQ(material.FrontProperties()->Emission()->Red(), 0.4f);
    EXPECT_EQ(material.BlendingMode(), bmModulate);
    EXPECT_EQ(material.MaterialOptions(), TMaterialOptions{moIgnoreFog});
    EXPECT_TRUE(material.HasTexture());
    EXPECT_TRUE(material.HasTextureEx());
    EXPECT_EQ(material.FaceCulling(), fcCull);
    EXPECT_EQ(material.LibMaterialName(), "Glass");

    const T3DMaterial plain(nullptr);
    material.Assign(&plain);
    EXPECT_FALSE(material.HasBackProperties());
    EXPECT_FALSE(material.HasTexture());
    EXPECT_FALSE(material.HasTextureEx());
    EXPECT_EQ(material.FrontProperties()->Emission()->Red(), 0);
    EXPECT_EQ(material.BlendingMode(), bmOpaque);
    EXPECT_EQ(material.LibMaterialName(), "");

    EXPECT_THROW(material.Assign(&spy), EConvertError);

    // Face properties are assigned into the material's own.
    T3DFaceProperties face(nullptr);
    face.SetPolygonMode(pmLines);
    spy.Heard();
    material.SetBackProperties(&face);
    EXPECT_EQ(material.BackProperties()->PolygonMode(), pmLines);
    EXPECT_NE(material.BackProperties(), &face);
    material.SetFrontProperties(&face);
    EXPECT_EQ(material.FrontProperties()->PolygonMode(), pmLines);
    EXPECT_EQ(spy.Heard().back(), "changed");
}

TEST(Material, BlendedModesAreDrawnLast)
{
    T3DMaterial material(nullptr);
    for (const auto& [mode, blended] : {std::pair{bmOpaque, false}, std::pair{bmTransparency, true},
                                        std::pair{bmAdditive, true}, std::pair{bmAlphaTest50, false},
                                        std::pair{bmAlphaTest100, false}, std::pair{bmModulate, true}}) {
        material.SetBlendingMode(mode);
        EXPECT_EQ(material.IsBlended(), blended) << mode;
    }
    material.SetBlendingMode(static_cast<TBlendingMode>(6));
    EXPECT_THROW(material.IsBlended(), EAssertionFailed);
}

// The lamps' material as the application sets it up, written and read back.
TEST(Material, StoredWithWhatWasMadeOfIt)
{
    TSceneObjectSpy spy(nullptr);
    spy.SetName("Lamp");
    T3DMaterial& material = *spy.Material();
    material.FrontProperties()->Emission()->SetColor({0.4f, 0.4f, 0.4f, 1});
    material.FrontProperties()->Specular()->SetColor({1, 0, 0, 1});
    material.SetBlendingMode(bmAdditive);
    material.SetMaterialOptions({moNoLighting, moIgnoreFog});
    const std::string text = WriteComponentToText(spy);
    EXPECT_NE(text.find("Material.BlendingMode = bmAdditive"), std::string::npos) << text;
    EXPECT_NE(text.find("Material.MaterialOptions = [moIgnoreFog, moNoLighting]"), std::string::npos) << text;
    EXPECT_EQ(text.find("BackProperties"), std::string::npos) << text;
    EXPECT_EQ(text.find("FaceCulling"), std::string::npos) << text;
    EXPECT_FALSE(material.HasBackProperties());

    TSceneObjectSpy back(nullptr);
    ReadComponentFromText(back, text, "lamp");
    EXPECT_EQ(WriteComponentToText(back), text);
    EXPECT_EQ(back.Material()->FrontProperties()->Specular()->Red(), 1);
    EXPECT_FALSE(back.Material()->HasBackProperties());

    ReadComponentFromText(back,
                          "object Lamp: TSceneObjectSpy\n  Material.BackProperties.Shininess = 5\n"
                          "  Material.FaceCulling = fcNoCull\n  Material.LibMaterialName = 'Glass'\nend\n",
                          "lamp");
    EXPECT_EQ(back.Material()->BackProperties()->Shininess(), 5);
    EXPECT_EQ(back.Material()->FaceCulling(), fcNoCull);
    EXPECT_EQ(back.Material()->LibMaterialName(), "Glass");
}

} // namespace
