// A texture's settings: defaults, which changes make it upload again, what
// its owner hears, copying and storing.
#include "scene3d/textures/texture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "scene3d/base/coordinates.h"
#include "scene3d/materials/color.h"
#include "scene3d/textures/pictureimages.h"
#include "scene3d/textures/sizedimages.h"
#include "scene3d/textures/textureex.h"
#include "tests/scene3d/materials/materialtesting.h"
#include "tests/scene3d/textures/texturetesting.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Texture, Defaults)
{
    const T3DTexture texture(nullptr);
    EXPECT_EQ(texture.ImageClassName(), "T3DPersistentImage");
    EXPECT_EQ(texture.ImageAlpha(), tiaDefault);
    EXPECT_EQ(texture.ImageBrightness(), 1);
    EXPECT_EQ(texture.ImageGamma(), 1);
    EXPECT_EQ(texture.MagFilter(), maLinear);
    EXPECT_EQ(texture.MinFilter(), miLinearMipmapLinear);
    EXPECT_EQ(texture.TextureMode(), tmDecal);
    EXPECT_EQ(texture.TextureWrap(), twBoth);
    EXPECT_EQ(texture.TextureFormat(), tfDefault);
    EXPECT_EQ(texture.Compression(), tcDefault);
    EXPECT_EQ(texture.FilteringQuality(), tfIsotropic);
    EXPECT_EQ(texture.MappingMode(), tmmUser);
    EXPECT_FALSE(texture.HasMappingCoordinates());
    EXPECT_EQ(texture.MappingSCoordinates()->X(), 1);
    EXPECT_EQ(texture.MappingTCoordinates()->W(), 0);
    EXPECT_EQ(texture.EnvColor()->Alpha(), 0);
    EXPECT_TRUE(texture.Disabled());
    EXPECT_EQ(texture.NormalMapScale(), 0.125f);
    EXPECT_TRUE(texture.IsStale());
    EXPECT_FALSE(texture.HasHandle());
    EXPECT_EQ(texture.RequiredMemorySize(), -1);
    EXPECT_EQ(DefaultTextureFormat(), tfRGBA);
    EXPECT_EQ(DefaultTextureCompression(), tcNone);
}

// Switching the texture on or off, or back to the object's own texture
// coordinates, changes what the object's display list holds.
TEST(Texture, SwitchesRebuildTheObjectsList)
{
    TSceneObjectSpy spy(nullptr);
    T3DTexture& texture = *spy.Material()->Texture();
    texture.SetDisabled(true);
    EXPECT_THAT(spy.Heard(), IsEmpty());
    texture.SetDisabled(false);
    EXPECT_THAT(spy.Heard(), ElementsAre("list invalidated"));
    texture.SetMappingMode(tmmEyeLinear);
    EXPECT_THAT(spy.Heard(), ElementsAre("changed"));
    texture.SetMappingMode(tmmUser);
    EXPECT_THAT(spy.Heard(), ElementsAre("list invalidated"));

    T3DTextureExItem& item = *spy.Material()->TextureEx()->Add();
    spy.Heard();
    item.Texture()->SetDisabled(false);
    EXPECT_THAT(spy.Heard(), ElementsAre("list invalidated"));
    item.Texture()->SetTextureWrap(twNone);
    EXPECT_THAT(spy.Heard(), ElementsAre("changed"));
}

TEST(Texture, ImagesOfEveryRegisteredClass)
{
    T3DTexture texture(nullptr);
    T3DBlankImage blank(nullptr);
    blank.SetWidth(32);
    texture.SetImage(&blank);
    EXPECT_EQ(texture.ImageClassName(), "T3DBlankImage");
    EXPECT_NE(texture.Image(), &blank);
    EXPECT_EQ(texture.Image()->GetWidth(), 32);
    EXPECT_EQ(texture.Image()->Owner(), &texture);
    texture.SetImage(nullptr);
    EXPECT_EQ(texture.ImageClassName(), "T3DPersistentImage");
}

TEST(Texture, AssignCopiesEverySettingAndTheImage)
{
    T3DTexture source(nullptr);
    source.SetImageAlpha(tiaLuminance);
    source.SetImageBrightness(1.5f);
    source.SetImageGamma(2);
    source.SetTextureMode(tmModulate);
    source.SetTextureWrap(twVertical);
    source.SetTextureFormat(tfRGB);
    source.SetCompression(tcHighSpeed);
    source.SetFilteringQuality(tfAnisotropic);
    source.SetMinFilter(miNearest);
    source.SetMagFilter(maNearest);
    source.SetMappingMode(tmmObjectLinear);
    source.MappingTCoordinates()->SetZ(2);
    source.EnvColor()->SetColor({0.1f, 0.2f, 0.3f, 0.4f});
    source.SetNormalMapScale(3);
    source.SetDisabled(false);
    static_cast<T3DPersistentImage*>(source.Image())->Picture()->Assign(SolidBitmap(4, 4, clRed).get());

    TSceneObjectSpy spy(nullptr);
    T3DTexture& texture = *spy.Material()->Texture();
    spy.Heard();
    texture.Assign(&source);
    const std::vector<std::string> heard = spy.Heard();
    EXPECT_THAT(heard, Contains("list invalidated"));
    EXPECT_EQ(heard.back(), "changed");
    EXPECT_EQ(texture.ImageAlpha(), tiaLuminance);
    EXPECT_EQ(texture.ImageBrightness(), 1.5f);
    EXPECT_EQ(texture.ImageGamma(), 2);
    EXPECT_EQ(texture.TextureMode(), tmModulate);
    EXPECT_EQ(texture.TextureWrap(), twVertical);
    EXPECT_EQ(texture.TextureFormat(), tfRGB);
    EXPECT_EQ(texture.Compression(), tcHighSpeed);
    EXPECT_EQ(texture.FilteringQuality(), tfAnisotropic);
    EXPECT_EQ(texture.MinFilter(), miNearest);
    EXPECT_EQ(texture.MagFilter(), maNearest);
    EXPECT_EQ(texture.MappingMode(), tmmObjectLinear);
    EXPECT_EQ(texture.MappingTCoordinates()->Z(), 2);
    EXPECT_EQ(texture.EnvColor()->Blue(), 0.3f);
    EXPECT_EQ(texture.NormalMapScale(), 3);
    EXPECT_FALSE(texture.Disabled());
    EXPECT_EQ(texture.Image()->GetWidth(), 4);
    EXPECT_NE(texture.Image(), source.Image());
    EXPECT_TRUE(texture.IsStale());

    texture.Assign(SolidBitmap(8, 2, clBlue).get());
    EXPECT_EQ(texture.Image()->GetWidth(), 8);
    texture.Assign(nullptr);
    EXPECT_TRUE(texture.Disabled());
    EXPECT_EQ(texture.Image()->GetWidth(), 0);
    EXPECT_THROW(texture.Assign(&spy), EConvertError);
}

// The lamps' texture as the application sets it up, stored with its
// picture and read back.
TEST(Texture, StoredWithItsPicture)
{
    TSceneObjectSpy spy(nullptr);
    spy.SetName("Lamp");
    T3DTexture& texture = *spy.Material()->Texture();
    texture.Image()->Assign(SolidBitmap(4, 4, clWhite).get());
    texture.SetDisabled(false);
    texture.SetImageAlpha(tiaLuminance);
    texture.SetTextureMode(tmModulate);
    const std::string text = WriteComponentToText(spy);
    EXPECT_NE(text.find("Material.Texture.Image.Picture.Data = {"), std::string::npos) << text;
    EXPECT_NE(text.find("Material.Texture.ImageAlpha = tiaLuminance"), std::string::npos) << text;
    EXPECT_NE(text.find("Material.Texture.Disabled = False"), std::string::npos) << text;
    EXPECT_EQ(text.find("ImageClassName"), std::string::npos) << text;
    EXPECT_EQ(text.find("MagFilter"), std::string::npos) << text;
    EXPECT_EQ(text.find("MappingSCoordinates"), std::string::npos) << text;

    TSceneObjectSpy back(nullptr);
    ReadComponentFromText(back, text, "lamp");
    EXPECT_EQ(WriteComponentToText(back), text);
    EXPECT_EQ(back.Material()->Texture()->Image()->GetWidth(), 4);

    ReadComponentFromText(back,
                          "object Lamp: TSceneObjectSpy\n"
                          "  Material.Texture.ImageClassName = 'T3DBlankImage'\n"
                          "  Material.Texture.Image.Width = 64\n"
                          "end\n",
                          "lamp");
    EXPECT_EQ(back.Material()->Texture()->ImageClassName(), "T3DBlankImage");
    EXPECT_EQ(back.Material()->Texture()->Image()->GetWidth(), 64);
}

} // namespace
