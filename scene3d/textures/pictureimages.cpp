#include "scene3d/textures/pictureimages.h"

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/format.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/graphics/bitmap32.h"
#include "scene3d/persistence/fileaccess.h"
#include "scene3d/textures/pictureformats.h"
#include "scene3d/textures/quietpicture.h"
#include "scene3d/textures/texturetypes.h"
#include "scene3d/utils/filetext.h"

LT_IMPLEMENT_CLASS(T3DPictureImage, T3DTextureImage) {}
LT_IMPLEMENT_CLASS(T3DPersistentImage, T3DPictureImage)
{
    P.Property("Picture", &T3DPersistentImage::Picture);
}
LT_IMPLEMENT_CLASS(T3DPicFileImage, T3DPictureImage)
{
    P.Property("PictureFileName", &T3DPicFileImage::PictureFileName, &T3DPicFileImage::SetPictureFileName);
}

T3DPictureImage::T3DPictureImage(TPersistent* AOwner) : T3DTextureImage(AOwner) {}

T3DPictureImage::~T3DPictureImage() = default;

TPicture* T3DPictureImage::Picture() const
{
    if (!FPicture) {
        FPicture = std::make_unique<TPicture>();
        FPicture->SetOnChange([this](TPicture*) { const_cast<T3DPictureImage*>(this)->Invalidate(); });
    }
    return FPicture.get();
}

int T3DPictureImage::GetWidth() const
{
    return FPicture ? FPicture->Width() : 0;
}

int T3DPictureImage::GetHeight() const
{
    return FPicture ? FPicture->Height() : 0;
}

T3DBitmap32* T3DPictureImage::BuildBitmap32(GLenum)
{
    auto bitmap = std::make_unique<T3DBitmap32>();
    bitmap->Assign(Picture()->Graphic());
    FBitmap = std::move(bitmap);
    return FBitmap.get();
}

void T3DPictureImage::Assign(const TPersistent* Source)
{
    if (const auto* image = dynamic_cast<const T3DPersistentImage*>(Source))
        Picture()->Assign(image->Picture());
    else if (dynamic_cast<const TGraphic*>(Source) || dynamic_cast<const TPicture*>(Source))
        Picture()->Assign(Source);
    else if (const auto* bitmap = dynamic_cast<const T3DBitmap32*>(Source))
        Picture()->Assign(bitmap->ToPlatformBitmap().get());
    else
        T3DTextureImage::Assign(Source);
}

std::string T3DPersistentImage::KindDescription() const
{
    return "Image data is stored in its original format with other form resources,"
           "ie. in the DFM at design-time, and embedded in the EXE at run-time.";
}

void T3DPersistentImage::SaveToFile(const std::string& FileName)
{
    Picture()->SaveToFile(FileName);
}

void T3DPersistentImage::LoadFromFile(const std::string& FileName)
{
    const std::string name = NeededFileName(FileName);
    if (FileIsPresent(name)) {
        Picture()->LoadFromFile(name);
        return;
    }
    Picture()->Assign(nullptr);
    throw ETexture(Format("Could not open file: %s", FileName));
}

void T3DPicFileImage::SetPictureFileName(const std::string& Value)
{
    if (Value == FPictureFileName)
        return;
    FPictureFileName = Value;
    FAlreadyWarned = false;
    Invalidate();
}

T3DBitmap32* T3DPicFileImage::BuildBitmap32(GLenum Target)
{
    if (GetWidth() < 1 && !FPictureFileName.empty()) {
        const std::string name = NeededFileName(FPictureFileName);
        if (FileIsPresent(name)) {
            SetGraphicQuietly(*Picture(), LoadGraphicFromFile(name).get());
        } else {
            SetGraphicQuietly(*Picture(), nullptr);
            if (!FAlreadyWarned) {
                FAlreadyWarned = true;
                EngineAssert(false, Format("Could not open file: %s", FPictureFileName));
            }
        }
    }
    T3DBitmap32* bitmap = T3DPictureImage::BuildBitmap32(Target);
    SetGraphicQuietly(*Picture(), nullptr);
    return bitmap;
}

void T3DPicFileImage::SaveToFile(const std::string& FileName)
{
    WriteFileText(FileName, FPictureFileName);
}

void T3DPicFileImage::LoadFromFile(const std::string& FileName)
{
    const std::string name = NeededFileName(FileName);
    if (FileIsPresent(name) && FileSizeOf(name) < ReferenceFileLimit) {
        const std::string content = ReadFileText(name);
        if (content.find('\0') == std::string::npos) {
            SetPictureFileName(content);
            return;
        }
    }
    SetPictureFileName(name);
}

void T3DPicFileImage::Invalidate()
{
    SetGraphicQuietly(*Picture(), nullptr);
    T3DPictureImage::Invalidate();
}

void T3DPicFileImage::Assign(const TPersistent* Source)
{
    if (const auto* other = dynamic_cast<const T3DPicFileImage*>(Source))
        SetPictureFileName(other->FPictureFileName);
    else
        T3DPictureImage::Assign(Source);
}
