// The texture image classes: their registry, sizes, files and what they
// tell their texture.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/ui/canvas.h"
#include "platform/ui/picture.h"
#include "scene3d/graphics/bitmap32.h"
#include "scene3d/textures/cubemapimage.h"
#include "scene3d/textures/pictureformats.h"
#include "scene3d/textures/pictureimages.h"
#include "scene3d/textures/sizedimages.h"
#include "scene3d/textures/texture.h"
#include "scene3d/textures/textureimageclasses.h"
#include "scene3d/utils/filetext.h"
#include "scene3d/utils/wincolors.h"
#include "tests/scene3d/materials/materialtesting.h"
#include "tests/scene3d/textures/texturetesting.h"
#include "tests/support/testsupport.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::ThrowsMessage;
using ::testing::HasSubstr;

TEST(TextureImageClasses, TheFiveInTheirOrderAndByExactName)
{
    std::vector<std::string> names;
    for (const TTextureImageClass& c : TextureImageClasses())
        names.push_back(c.Info->Name());
    EXPECT_THAT(names, ElementsAre("T3DBlankImage", "T3DPersistentImage", "T3DPicFileImage", "T3DCubeMapImage",
                                   "T3DFloatDataImage"));
    EXPECT_EQ(FindTextureImageClass("t3dblankimage"), nullptr);

    struct TCase {
        const char* Name;
        const char* KindName;
        GLenum Target;
    };
    for (const TCase c : {TCase{"T3DBlankImage", "Blank Image", GL_TEXTURE_2D},
                          TCase{"T3DPersistentImage", "Persistent Image", GL_TEXTURE_2D},
                          TCase{"T3DPicFileImage", "PicFile Image", GL_TEXTURE_2D},
                          TCase{"T3DCubeMapImage", "CubeMap Image", GL_TEXTURE_CUBE_MAP},
                          TCase{"T3DFloatDataImage", "FloatData Image", GL_TEXTURE_2D}}) {
        T3DTexture texture(nullptr);
        const auto image = FindTextureImageClass(c.Name)->Create(&texture);
        EXPECT_EQ(image->ClassName(), c.Name);
        EXPECT_EQ(image->KindName(), c.KindName);
        EXPECT_EQ(image->TextureTarget(), c.Target) << c.Name;
        EXPECT_EQ(image->Owner(), &texture);
    }
}

TEST(TextureImageClasses, AnUnregisteredClassNameIsRefusedAndTheImageKept)
{
    T3DTexture texture(nullptr);
    T3DTextureImage* image = texture.Image();
    EXPECT_THAT([&] { texture.SetImageClassName("T3DPictureImage"); },
                ThrowsMessage<ETexture>(HasSubstr("T3DPictureImage")));
    EXPECT_EQ(texture.Image(), image);
    texture.SetImageClassName("");
    EXPECT_EQ(texture.Image(), image);
    texture.SetImageClassName("T3DBlankImage");
    EXPECT_EQ(texture.ImageClassName(), "T3DBlankImage");
    EXPECT_EQ(texture.Image()->Owner(), &texture);
}

// Sizes of blank and float images follow the bitmap's rules; their files
// are the short texts that the other program writes too.
TEST(SizedImages, SizesAndFiles)
{
    TTempDir dir;
    T3DTexture texture(nullptr);
    T3DBlankImage blank(&texture);
    EXPECT_EQ(blank.GetWidth(), 256);
    EXPECT_EQ(blank.GetHeight(), 256);
    blank.SetWidth(0);
    blank.SetHeight(-5);
    EXPECT_EQ(blank.GetWidth(), 1);
    EXPECT_EQ(blank.GetHeight(), 1);
    EXPECT_THROW(blank.SetWidth(70000), EAssertionFailed);
    EXPECT_EQ(blank.GetWidth(), 1);

    blank.SetWidth(10);
    blank.SetHeight(3);
    blank.SaveToFile(dir.File("blank.txt"));
    EXPECT_EQ(ReadFileText(dir.File("blank.txt")), "[BlankImage]\r\nWidth=10\r\nHeight=3");
    const T3DBitmap32* bitmap = blank.BuildBitmap32(GL_TEXTURE_2D);
    EXPECT_EQ(bitmap->Width(), 12);
    EXPECT_EQ(bitmap->Height(), 3);
    EXPECT_NE(bitmap->Data(), nullptr);

    T3DFloatDataImage floats(&texture);
    WriteFileText(dir.File("float.txt"), "[FloatDataImage]\r\nWidth=64\r\nHeight=0\r\n");
    floats.LoadFromFile(dir.File("float.txt"));
    EXPECT_EQ(floats.GetWidth(), 64);
    EXPECT_EQ(floats.GetHeight(), 1);
    const T3DBitmap32* reserved = floats.BuildBitmap32(GL_TEXTURE_2D);
    EXPECT_TRUE(reserved->Blank());
    EXPECT_EQ(reserved->Data(), nullptr);
    EXPECT_EQ(reserved->Width(), 64);
    floats.SaveToFile(dir.File("float.txt"));
    EXPECT_EQ(ReadFileText(dir.File("float.txt")), "[FloatDataImage]\r\nWidth=64\r\nHeight=1");

    EXPECT_THAT([&] { blank.LoadFromFile(dir.File("none.txt")); },
                ThrowsMessage<EAssertionFailed>("Could not open file: " + dir.File("none.txt")));
}

// Sizes beyond what a bitmap may hold are refused before anything is
// allocated, and the image keeps its own.
TEST(SizedImages, AHostileFileIsRefused)
{
    TTempDir dir;
    T3DTexture texture(nullptr);
    T3DBlankImage blank(&texture);
    for (const char* text : {"[BlankImage]\r\nWidth=2147483647\r\nHeight=2147483647",
                             "[BlankImage]\r\nWidth=65535\r\nHeight=65535", "[BlankImage]\r\nWidth=64\r\nHeight=x"}) {
        WriteFileText(dir.File("hostile.txt"), text);
        EXPECT_ANY_THROW(blank.LoadFromFile(dir.File("hostile.txt"))) << text;
        EXPECT_EQ(blank.GetWidth(), 256);
        EXPECT_EQ(blank.GetHeight(), 256);
    }
}

TEST(PersistentImage, AMissingFileEmptiesThePicture)
{
    TTempDir dir;
    T3DTexture texture(nullptr);
    auto& image = static_cast<T3DPersistentImage&>(*texture.Image());
    EXPECT_EQ(image.KindDescription(),
              "Image data is stored in its original format with other form resources,ie. in the DFM at design-time, "
              "and embedded in the EXE at run-time.");
    SolidBitmap(8, 4, clRed)->SaveToFile(dir.File("red.bmp"));
    image.LoadFromFile(dir.File("red.bmp"));
    EXPECT_EQ(image.GetWidth(), 8);
    EXPECT_EQ(image.GetHeight(), 4);

    EXPECT_THAT([&] { image.LoadFromFile("texture-missing.bmp"); },
                ThrowsMessage<ETexture>("Could not open file: texture-missing.bmp"));
    EXPECT_EQ(image.Picture()->Graphic(), nullptr);
    EXPECT_EQ(image.GetWidth(), 0);
    EXPECT_THROW(image.LoadFromFile(dir.File("red.xyz")), ETexture);
    WriteFileText(dir.File("red.xyz"), "not a picture");
    EXPECT_THROW(image.LoadFromFile(dir.File("red.xyz")), EInvalidGraphic);
}

// The texture-needed callback rewrites names before any image loads, and
// the rewritten name is what is read.
TEST(PersistentImage, TheTextureNeededCallbackRewritesTheName)
{
    TTempDir dir;
    SolidBitmap(4, 4, clBlue)->SaveToFile(dir.File("blue.bmp"));
    T3DTexture texture(nullptr);
    std::vector<std::string> asked;
    texture.SetOnTextureNeeded([&](TObject* Sender, std::string& FileName) {
        EXPECT_EQ(Sender, texture.Image());
        asked.push_back(FileName);
        FileName = dir.File(FileName);
    });
    texture.Image()->LoadFromFile("blue.bmp");
    EXPECT_THAT(asked, ElementsAre("blue.bmp"));
    EXPECT_EQ(texture.Image()->GetWidth(), 4);
}

TEST(PicFileImage, AReferenceFileNamesThePicture)
{
    TTempDir dir;
    SolidBitmap(4, 2, clLime)->SaveToFile(dir.File("lime.bmp"));
    T3DTexture texture(nullptr);
    texture.SetImageClassName("T3DPicFileImage");
    auto& image = static_cast<T3DPicFileImage&>(*texture.Image());

    WriteFileText(dir.File("lime.ref"), dir.File("lime.bmp"));
    image.LoadFromFile(dir.File("lime.ref"));
    EXPECT_EQ(image.PictureFileName(), dir.File("lime.bmp"));
    image.SaveToFile(dir.File("copy.ref"));
    EXPECT_EQ(ReadFileText(dir.File("copy.ref")), dir.File("lime.bmp"));

    image.LoadFromFile(dir.File("lime.bmp"));   // a picture, no reference
    EXPECT_EQ(image.PictureFileName(), dir.File("lime.bmp"));
    WriteFileText(dir.File("nul.ref"), std::string("a\0b", 3));
    image.LoadFromFile(dir.File("nul.ref"));
    EXPECT_EQ(image.PictureFileName(), dir.File("nul.ref"));
    image.LoadFromFile(dir.File("none.bmp"));
    EXPECT_EQ(image.PictureFileName(), dir.File("none.bmp"));

    // Nothing stays loaded between uploads.
    image.SetPictureFileName(dir.File("lime.bmp"));
    EXPECT_EQ(image.GetWidth(), 0);
    const T3DBitmap32* bitmap = image.BuildBitmap32(GL_TEXTURE_2D);
    EXPECT_EQ(bitmap->Width(), 4);
    EXPECT_EQ(bitmap->Height(), 2);
    EXPECT_EQ(image.GetWidth(), 0);
}

TEST(PicFileImage, AMissingPictureIsReportedOncePerName)
{
    T3DTexture texture(nullptr);
    T3DPicFileImage image(&texture);
    image.SetPictureFileName("missing.bmp");
    EXPECT_THAT([&] { image.BuildBitmap32(GL_TEXTURE_2D); },
                ThrowsMessage<EAssertionFailed>("Could not open file: missing.bmp"));
    EXPECT_EQ(image.BuildBitmap32(GL_TEXTURE_2D)->Width(), 0);
    image.SetPictureFileName("other.bmp");
    image.SetPictureFileName("missing.bmp");
    EXPECT_THROW(image.BuildBitmap32(GL_TEXTURE_2D), EAssertionFailed);
}

// Picture changes invalidate the image: the texture uploads again. The
// image's own conversions do not.
TEST(PictureImages, PictureChangesReachTheSceneObject)
{
    TSceneObjectSpy spy(nullptr);
    T3DTexture& texture = *spy.Material()->Texture();
    auto& image = static_cast<T3DPersistentImage&>(*texture.Image());
    spy.Heard();
    image.Picture()->Assign(SolidBitmap(4, 4, clRed).get());
    EXPECT_THAT(spy.Heard(), ElementsAre("changed"));
    EXPECT_TRUE(texture.IsStale());
    image.BuildBitmap32(GL_TEXTURE_2D);
    image.FreeBitmap32();
    EXPECT_THAT(spy.Heard(), IsEmpty());

    texture.SetImageClassName("T3DPicFileImage");
    spy.Heard();
    auto& picFile = static_cast<T3DPicFileImage&>(*texture.Image());
    picFile.SetPictureFileName("a.bmp");
    EXPECT_THAT(spy.Heard(), ElementsAre("changed"));
    picFile.SetPictureFileName("a.bmp");
    EXPECT_THAT(spy.Heard(), IsEmpty());
}

TEST(PictureImages, AssignTakesPicturesGraphicsAndBitmaps)
{
    T3DTexture texture(nullptr);
    T3DPersistentImage image(&texture);
    const auto red = SolidBitmap(4, 2, clRed);
    image.Assign(red.get());
    EXPECT_EQ(image.GetWidth(), 4);
    T3DPersistentImage other(&texture);
    other.Assign(&image);
    EXPECT_EQ(other.GetHeight(), 2);
    T3DBitmap32 bitmap;
    bitmap.SetWidth(8);
    bitmap.SetHeight(8);
    other.Assign(&bitmap);
    EXPECT_EQ(other.GetWidth(), 8);

    T3DPicFileImage picFile(&texture);
    picFile.SetPictureFileName("a.bmp");
    T3DPicFileImage picCopy(&texture);
    picCopy.Assign(&picFile);
    EXPECT_EQ(picCopy.PictureFileName(), "a.bmp");
    T3DBlankImage blank(&texture);
    EXPECT_THROW(blank.Assign(&image), EConvertError);
}

TEST(CubeMapImage, FacesRoundTripThroughItsFile)
{
    TTempDir dir;
    T3DTexture texture(nullptr);
    T3DCubeMapImage cube(&texture);
    const TColor colors[] = {clRed, clLime, clBlue, clYellow, clAqua, clFuchsia};
    for (int face = cmfPX; face <= cmfNZ; ++face)
        cube.Picture(static_cast<T3DCubeMapFace>(face))->Assign(SolidBitmap(4, 4, colors[face]).get());
    cube.SaveToFile(dir.File("cube.cub"));
    EXPECT_EQ(ReadFileText(dir.File("cube.cub")).substr(0, 2), std::string("\0\1", 2));

    T3DCubeMapImage read(&texture);
    read.LoadFromFile(dir.File("cube.cub"));
    for (int face = cmfPX; face <= cmfNZ; ++face) {
        const T3DBitmap32* bitmap = read.BuildBitmap32(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face);
        ASSERT_EQ(bitmap->Width(), 4);
        EXPECT_EQ(bitmap->Data()[0], RedOf(colors[face])) << face;
        EXPECT_EQ(bitmap->Data()[2], BlueOf(colors[face])) << face;
    }

    WriteFileText(dir.File("bad.cub"), std::string("\1\1", 2));
    EXPECT_THROW(read.LoadFromFile(dir.File("bad.cub")), EAssertionFailed);
}

TEST(PictureFormats, TheListFallsBackToThePlatformsFormats)
{
    EXPECT_EQ(CreateGraphicForFile("a/b.BMP")->ClassName(), "TBitmap");
    EXPECT_EQ(CreateGraphicForFile("b.jpeg")->ClassName(), "TJPEGImage");
    EXPECT_EQ(CreateGraphicForFile("b.tga"), nullptr);
    EXPECT_EQ(CreateGraphicForFile("b"), nullptr);
    RegisterPictureFormat("TGA", [] { return std::unique_ptr<TGraphic>(std::make_unique<TBitmap>()); });
    EXPECT_EQ(CreateGraphicForFile("b.tga")->ClassName(), "TBitmap");

    TTempDir dir;
    EXPECT_THROW(LoadGraphicFromFile(dir.File("none.bmp")), EFOpenError);
    EXPECT_THROW(LoadGraphicFromFile(dir.File("a.png")), EInvalidGraphic);
    SolidBitmap(4, 4, clRed)->SaveToFile(dir.File("red.bmp"));
    EXPECT_EQ(LoadGraphicFromFile(dir.File("red.bmp"))->Width(), 4);
}

} // namespace
