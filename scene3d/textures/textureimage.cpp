#include "scene3d/textures/textureimage.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/graphics/bitmap32.h"
#include "scene3d/textures/texture.h"

LT_IMPLEMENT_CLASS(T3DTextureImage, T3DUpdateAbleObject) {}

T3DTextureImage::T3DTextureImage(TPersistent* AOwner) : T3DUpdateAbleObject(AOwner) {}

T3DTextureImage::~T3DTextureImage() = default;

std::string T3DTextureImage::KindDescription() const
{
    return KindName();
}

GLenum T3DTextureImage::TextureTarget() const
{
    return GL_TEXTURE_2D;
}

void T3DTextureImage::FreeBitmap32()
{
    FBitmap.reset();
}

void T3DTextureImage::LoadFromFile(const std::string& FileName)
{
    NeededFileName(FileName);
}

void T3DTextureImage::Invalidate()
{
    FreeBitmap32();
    NotifyChange(this);
}

void T3DTextureImage::NotifyChange(TObject* Sender)
{
    if (T3DTexture* texture = OwnerTexture())
        texture->MarkImageChanged();
    T3DUpdateAbleObject::NotifyChange(Sender);
}

T3DTexture* T3DTextureImage::OwnerTexture() const
{
    return dynamic_cast<T3DTexture*>(Owner());
}

std::string T3DTextureImage::NeededFileName(const std::string& FileName)
{
    std::string name = FileName;
    if (const T3DTexture* texture = OwnerTexture(); texture && texture->OnTextureNeeded())
        texture->OnTextureNeeded()(this, name);
    return name;
}
