// The material library's archive: written at version 2 and read back,
// older versions read from fixtures, broken archives refused.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "platform/ui/picture.h"
#include "scene3d/base/coordinates.h"
#include "scene3d/graphics/bitmap32.h"
#include "scene3d/materials/materiallibrary.h"
#include "scene3d/materials/material.h"
#include "scene3d/persistence/archiveexceptions.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureex.h"
#include "scene3d/textures/textureimage.h"
#include "scene3d/utils/wincolors.h"
#include "tests/scene3d/graphics/bitmap32testing.h"
#include "tests/scene3d/persistence/archivefixtures.h"
#include "tests/scene3d/textures/texturetesting.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ThrowsMessage;

std::string Saved(const T3DMaterialLibrary& Library)
{
    TStringStream stream;
    Library.SaveToStream(stream);
    return stream.DataString();
}

void Load(T3DMaterialLibrary& Library, const std::string& Data)
{
    TStringStream stream(Data);
    Library.LoadFromStream(stream);
}

// The pixels the texture would upload.
std::vector<TPixel> TexturePixels(const T3DTexture& Texture)
{
    T3DTextureImage& image = *Texture.Image();
    const std::vector<TPixel> pixels = PixelsOf(*image.BuildBitmap32(GL_TEXTURE_2D));
    image.FreeBitmap32();
    return pixels;
}

std::string Replaced(std::string Data, const std::string& From, const std::string& To)
{
    const std::size_t at = Data.find(From);
    EXPECT_NE(at, std::string::npos);
    return Data.replace(at, From.size(), To);
}

TEST(MaterialLibraryArchive, RoundTripAtVersion2)
{
    T3DMaterialLibrary library(nullptr);
    T3DLibMaterial& glass = *library.Materials()->Add();
    glass.SetName("Glass");
    T3DMaterial& material = *glass.Material();
    T3DTexture& texture = *material.Texture();
    texture.Image()->Assign(PaintedBitmap(4, 2, [](int X, int Y) { return PackRGB(10 * X, 100 + Y, 7); }).get());
    texture.SetDisabled(false);
    material.FrontProperties()->Ambient()->SetColor({0.1f, 0.2f, 0.3f, 1});
    material.FrontProperties()->Diffuse()->SetColor({0.4f, 0.5f, 0.6f, 0.7f});
    material.FrontProperties()->Emission()->SetColor({0.8f, 0.9f, 1, 1});
    material.FrontProperties()->Specular()->SetColor({1, 0, 0.5f, 1});
    material.FrontProperties()->SetShininess(17);
    material.FrontProperties()->SetPolygonMode(pmLines);
    material.BackProperties()->Diffuse()->SetColor({0, 0, 1, 0.25f});
    material.BackProperties()->SetPolygonMode(pmPoints);
    material.SetBlendingMode(bmTransparency);
    material.SetMaterialOptions({moNoLighting, moIgnoreFog});
    glass.TextureOffset()->AssignVector(0.5f, 0.25f, 0);
    glass.TextureScale()->AssignVector(2, 3, 1);
    glass.SetTexture2Name("Stone");
    T3DTextureExItem& extra = *material.TextureEx()->Add();
    extra.Texture()->Image()->Assign(SolidBitmap(4, 4, clBlue).get());
    extra.Texture()->SetDisabled(false);
    extra.SetTextureIndex(2);
    extra.TextureScale()->SetY(4);
    material.TextureEx()->Add();
    T3DLibMaterial& stone = *library.Materials()->Add();
    stone.SetName("Stone");
    stone.Material()->Texture()->Image()->Assign(SolidBitmap(4, 4, clRed).get());   // disabled: not stored

    const std::string saved = Saved(library);
    EXPECT_EQ(saved.substr(0, 4), std::string("\2\2\2\2", 4));   // version 2, two library materials

    T3DMaterialLibrary read(nullptr);
    Load(read, saved);
    EXPECT_EQ(Saved(read), saved);
    ASSERT_EQ(read.Materials()->Count(), 2);
    const T3DLibMaterial& glassRead = *read.Materials()->Items(0);
    const T3DMaterial& materialRead = *glassRead.Material();
    EXPECT_EQ(glassRead.Name(), "Glass");
    const T3DTexture& textureRead = *materialRead.Texture();
    EXPECT_FALSE(textureRead.Disabled());
    EXPECT_EQ(textureRead.TextureMode(), tmModulate);
    EXPECT_EQ(textureRead.MinFilter(), miLinearMipmapLinear);
    EXPECT_EQ(TexturePixels(textureRead), TexturePixels(texture));
    EXPECT_EQ(materialRead.FrontProperties()->Diffuse()->Color().W, 0.7f);
    EXPECT_EQ(materialRead.FrontProperties()->Emission()->Color().Y, 0.9f);
    EXPECT_EQ(materialRead.FrontProperties()->Specular()->Color().Z, 0.5f);
    EXPECT_EQ(materialRead.FrontProperties()->Shininess(), 17);
    EXPECT_EQ(materialRead.FrontProperties()->PolygonMode(), pmLines);
    EXPECT_EQ(materialRead.BackProperties()->Diffuse()->Color().W, 0.25f);
    EXPECT_EQ(materialRead.BackProperties()->PolygonMode(), pmPoints);
    EXPECT_EQ(materialRead.BlendingMode(), bmTransparency);
    EXPECT_EQ(materialRead.MaterialOptions(), (TMaterialOptions{moNoLighting, moIgnoreFog}));
    EXPECT_EQ(glassRead.TextureOffset()->Y(), 0.25f);
    EXPECT_EQ(glassRead.TextureScale()->Y(), 3);
    EXPECT_FALSE(glassRead.TextureMatrixIsIdentity());
    EXPECT_EQ(glassRead.Texture2Name(), "Stone");
    ASSERT_EQ(materialRead.TextureEx()->Count(), 2);
    const T3DTextureExItem& extraRead = *materialRead.TextureEx()->Items(0);
    EXPECT_FALSE(extraRead.Texture()->Disabled());
    EXPECT_EQ(TexturePixels(*extraRead.Texture()), TexturePixels(*extra.Texture()));
    EXPECT_EQ(extraRead.TextureIndex(), 2);
    EXPECT_EQ(extraRead.TextureScale()->Y(), 4);
    EXPECT_TRUE(materialRead.TextureEx()->Items(1)->Texture()->Disabled());
    EXPECT_FALSE(read.Materials()->Items(1)->Material()->HasTexture());
}

TEST(MaterialLibraryArchive, Version0HasFrontColoursOnly)
{
    T3DMaterialLibrary library(nullptr);
    library.Materials()->Add()->SetName("Gone");
    Load(library, ArchiveFixture("materiallibrary-v0"));
    ASSERT_EQ(library.Materials()->Count(), 2);
    const T3DLibMaterial& glass = *library.Materials()->Items(0);
    EXPECT_EQ(glass.Name(), "Glass");
    const T3DMaterial& material = *glass.Material();
    EXPECT_FALSE(material.Texture()->Disabled());
    EXPECT_EQ(material.Texture()->TextureMode(), tmModulate);
    EXPECT_EQ(material.Texture()->MagFilter(), maLinear);
    EXPECT_EQ(TexturePixels(*material.Texture())[0], (TPixel{255, 0, 0, 255}));
    const T3DFaceProperties& front = *material.FrontProperties();
    EXPECT_EQ(front.Ambient()->Color().Y, 0.25f);
    EXPECT_EQ(front.Ambient()->Color().W, 1);
    EXPECT_EQ(front.Diffuse()->Color().W, 0.5f);
    EXPECT_EQ(front.Emission()->Color().Z, 0.25f);
    EXPECT_EQ(front.Specular()->Color().Y, 1);
    EXPECT_FALSE(material.HasBackProperties());

    const T3DLibMaterial& plain = *library.Materials()->Items(1);
    EXPECT_EQ(plain.Name(), "Plain");
    EXPECT_FALSE(plain.Material()->HasTexture());
    EXPECT_EQ(plain.Material()->FrontProperties()->Emission()->Color().X, 1);
}

// The options were stored as three bytes: the first holds them, the
// others are passed over.
TEST(MaterialLibraryArchive, Version1HasBothFacesAndTheRest)
{
    T3DMaterialLibrary library(nullptr);
    Load(library, ArchiveFixture("materiallibrary-v1"));
    ASSERT_EQ(library.Materials()->Count(), 1);
    const T3DLibMaterial& stone = *library.Materials()->Items(0);
    const T3DMaterial& material = *stone.Material();
    EXPECT_EQ(stone.Name(), "Stone");
    EXPECT_EQ(material.FrontProperties()->Shininess(), 32);
    EXPECT_EQ(material.FrontProperties()->PolygonMode(), pmLines);
    EXPECT_EQ(material.BackProperties()->Diffuse()->Color().Y, 1);
    EXPECT_EQ(material.BackProperties()->Shininess(), 5);
    EXPECT_EQ(material.BackProperties()->PolygonMode(), pmPoints);
    EXPECT_EQ(material.BlendingMode(), bmAdditive);
    EXPECT_EQ(material.MaterialOptions(), TMaterialOptions{moNoLighting});
    EXPECT_EQ(stone.TextureOffset()->X(), 0.5f);
    EXPECT_EQ(stone.TextureScale()->X(), 2);
    EXPECT_EQ(stone.TextureScale()->Z(), 1);
    EXPECT_EQ(stone.Texture2Name(), "Glass");
    EXPECT_FALSE(material.HasTextureEx());
}

TEST(MaterialLibraryArchive, KeptMaterialsAreReusedByName)
{
    T3DMaterialLibrary library(nullptr);
    library.SetKeepMaterialsOnLoad(true);
    T3DLibMaterial& glass = *library.Materials()->Add();
    glass.SetName("Glass");
    glass.SetTag(7);
    library.Materials()->Add()->SetName("Other");
    Load(library, ArchiveFixture("materiallibrary-v0"));
    ASSERT_EQ(library.Materials()->Count(), 3);
    EXPECT_EQ(library.Materials()->Items(0), &glass);
    EXPECT_EQ(glass.Tag(), 7);
    EXPECT_EQ(TexturePixels(*glass.Material()->Texture())[0], (TPixel{255, 0, 0, 255}));
    EXPECT_EQ(glass.Material()->FrontProperties()->Diffuse()->Color().W, 0.5f);
    EXPECT_EQ(library.Materials()->Items(2)->Name(), "Plain");
}

TEST(MaterialLibraryArchive, BrokenArchivesAreRefused)
{
    const std::string v0 = ArchiveFixture("materiallibrary-v0");
    const std::string v1 = ArchiveFixture("materiallibrary-v1");
    const std::size_t bmp = v0.find("BM");
    struct TCase {
        std::string Name;
        std::string Data;
    };
    const TCase cases[] = {
        {"a negative options count", Replaced(v1, std::string("\2\3\2\xFF\xFF", 5), std::string("\2\xFF", 2))},
        {"an options count beyond the data", Replaced(v1, std::string("\2\3\2\xFF\xFF", 5), "\2\x7F\2")},
        {"an unknown polygon mode", Replaced(v1, std::string("\x20\2\1", 3), std::string("\x20\2\7", 3))},
        {"an unknown blending mode", Replaced(v1, std::string("\2\2\2\3", 4), std::string("\2\x09\2\3", 4))},
        {"a negative count", Replaced(v1, std::string("\2\1\2\1", 4), std::string("\2\1\2\xFF", 4))},
        {"a truncated bitmap",
         v0.substr(0, bmp - 1) + "\x38" + v0.substr(bmp, 0x38) + v0.substr(bmp + 0x3A)},
        {"a cut archive", v1.substr(0, v1.size() - 3)},
    };
    for (const TCase& c : cases) {
        T3DMaterialLibrary library(nullptr);
        EXPECT_THROW(Load(library, c.Data), EReadError) << c.Name;
    }

    T3DMaterialLibrary library(nullptr);
    EXPECT_THAT([&] { Load(library, std::string("\2\3\2\0", 4)); },
                ThrowsMessage<EFilerException>("T3DMaterialLibrary : unknown archive version 3"));
}

} // namespace
