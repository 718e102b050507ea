#pragma once
// What supplies a texture's pixels. An image turns its contents into an RGBA
// bitmap for one texture target when the texture uploads, and tells its
// texture when the contents change.
#include <GL/gl.h>

#include <memory>
#include <string>

#include "scene3d/base/updateable.h"

class T3DBitmap32;
class T3DTexture;

class T3DTextureImage : public T3DUpdateAbleObject {
    LT_CLASS(T3DTextureImage)
public:
    // Owner: the texture.
    explicit T3DTextureImage(TPersistent* AOwner);
    ~T3DTextureImage() override;

    virtual int GetHeight() const = 0;
    virtual int GetWidth() const = 0;
    virtual std::string KindName() const = 0;
    // KindName().
    virtual std::string KindDescription() const;
    // GL_TEXTURE_2D.
    virtual GLenum TextureTarget() const;
    // The pixels for Target, kept by the image until FreeBitmap32; nullptr
    // when there are none.
    virtual T3DBitmap32* BuildBitmap32(GLenum Target) = 0;
    virtual void FreeBitmap32();

    virtual void SaveToFile(const std::string& FileName) = 0;
    // Passes the name through the texture's texture-needed callback.
    virtual void LoadFromFile(const std::string& FileName);
    // The contents changed: the built bitmap goes and the texture uploads
    // again.
    virtual void Invalidate();

    // The texture hears of the change and uploads again.
    void NotifyChange(TObject* Sender) override;

    T3DTexture* OwnerTexture() const;

protected:
    // FileName as the owner texture's texture-needed callback rewrites it.
    std::string NeededFileName(const std::string& FileName);

    std::unique_ptr<T3DBitmap32> FBitmap;
};
