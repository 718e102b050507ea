#include "scene3d/textures/cubemapimage.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/graphics/bitmap32.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/persistence/fileaccess.h"
#include "scene3d/textures/quietpicture.h"

LT_IMPLEMENT_CLASS(T3DCubeMapImage, T3DTextureImage)
{
    P.Property("PicturePX", &T3DCubeMapImage::PicturePX);
    P.Property("PictureNX", &T3DCubeMapImage::PictureNX);
    P.Property("PicturePY", &T3DCubeMapImage::PicturePY);
    P.Property("PictureNY", &T3DCubeMapImage::PictureNY);
    P.Property("PicturePZ", &T3DCubeMapImage::PicturePZ);
    P.Property("PictureNZ", &T3DCubeMapImage::PictureNZ);
}

T3DCubeMapImage::T3DCubeMapImage(TPersistent* AOwner) : T3DTextureImage(AOwner)
{
    for (std::unique_ptr<TPicture>& picture : FPictures) {
        picture = std::make_unique<TPicture>();
        picture->SetOnChange([this](TPicture*) { Invalidate(); });
    }
}

T3DCubeMapImage::~T3DCubeMapImage() = default;

int T3DCubeMapImage::GetWidth() const
{
    return PicturePX()->Width();
}

int T3DCubeMapImage::GetHeight() const
{
    return PicturePX()->Height();
}

GLenum T3DCubeMapImage::TextureTarget() const
{
    return GL_TEXTURE_CUBE_MAP;
}

T3DBitmap32* T3DCubeMapImage::BuildBitmap32(GLenum Target)
{
    FreeBitmap32();
    const bool isFace = Target >= GL_TEXTURE_CUBE_MAP_POSITIVE_X && Target <= GL_TEXTURE_CUBE_MAP_NEGATIVE_Z;
    const auto face = isFace ? static_cast<T3DCubeMapFace>(Target - GL_TEXTURE_CUBE_MAP_POSITIVE_X) : cmfPX;
    auto bitmap = std::make_unique<T3DBitmap32>();
    bitmap->SetVerticalReverse(true);
    bitmap->Assign(Picture(face)->Graphic());
    FBitmap = std::move(bitmap);
    return FBitmap.get();
}

void T3DCubeMapImage::SaveToFile(const std::string& FileName)
{
    std::unique_ptr<TFileStream> file = OpenFileStream(FileName, fmCreate);
    const uint8_t signature[2] = {FileSignature & 0xFF, FileSignature >> 8};
    file->WriteBuffer(signature, 2);
    for (const std::unique_ptr<TPicture>& picture : FPictures) {
        TBitmap bitmap;
        bitmap.Assign(picture->Graphic());
        bitmap.SaveToStream(*file);
    }
}

void T3DCubeMapImage::LoadFromFile(const std::string& FileName)
{
    std::unique_ptr<TFileStream> file = OpenFileStream(NeededFileName(FileName), fmOpenRead | fmShareDenyWrite);
    uint8_t signature[2] = {};
    file->ReadBuffer(signature, 2);
    EngineAssert(signature[0] + (signature[1] << 8) == FileSignature);
    std::array<TBitmap, 6> faces;
    for (TBitmap& face : faces)
        face.LoadFromStream(*file);
    SetFaces({&faces[0], &faces[1], &faces[2], &faces[3], &faces[4], &faces[5]});
}

void T3DCubeMapImage::Assign(const TPersistent* Source)
{
    const auto* other = dynamic_cast<const T3DCubeMapImage*>(Source);
    if (!other) {
        T3DTextureImage::Assign(Source);
        return;
    }
    std::array<const TGraphic*, 6> graphics{};
    for (int face = cmfPX; face <= cmfNZ; ++face)
        graphics[face] = other->FPictures[face]->Graphic();
    SetFaces(graphics);
}

void T3DCubeMapImage::SetFaces(const std::array<const TGraphic*, 6>& Graphics)
{
    for (int face = cmfPX; face <= cmfNZ; ++face)
        SetGraphicQuietly(*FPictures[face], Graphics[face]);
    Invalidate();
}
