#pragma once
// Images whose pixels come from a platform picture: the persistent image,
// which keeps its picture (stored with the scene's description), and the
// picture file image, which keeps only a file name and reads the file each
// time the texture uploads.
#include <memory>

#include "platform/ui/picture.h"
#include "scene3d/textures/textureimage.h"

class T3DPictureImage : public T3DTextureImage {
    LT_CLASS(T3DPictureImage)
public:
    explicit T3DPictureImage(TPersistent* AOwner);
    ~T3DPictureImage() override;

    // Made on first use; a change of it invalidates the image.
    TPicture* Picture() const;
    void SetPicture(const TPicture* Value) { Picture()->Assign(Value); }

    int GetWidth() const override;
    int GetHeight() const override;
    // The picture's graphic as an RGBA bitmap (empty without a graphic).
    T3DBitmap32* BuildBitmap32(GLenum Target) override;

    // From a persistent image (its picture), a platform graphic or picture,
    // or a T3DBitmap32 (as a platform bitmap, without its alpha).
    void Assign(const TPersistent* Source) override;

private:
    mutable std::unique_ptr<TPicture> FPicture;
};

class T3DPersistentImage : public T3DPictureImage {
    LT_CLASS(T3DPersistentImage)
public:
    using T3DPictureImage::T3DPictureImage;

    std::string KindName() const override { return "Persistent Image"; }
    std::string KindDescription() const override;

    // The picture saves itself (in its graphic's format).
    void SaveToFile(const std::string& FileName) override;
    // After the texture-needed callback, the picture loads the file (its
    // class by the extension). A missing file clears the picture and
    // raises ETexture "Could not open file: <name as given>".
    void LoadFromFile(const std::string& FileName) override;
};

class T3DPicFileImage : public T3DPictureImage {
    LT_CLASS(T3DPicFileImage)
public:
    // A file of this size or more, or holding a NUL byte, is a picture
    // rather than a reference to one.
    static constexpr int64_t ReferenceFileLimit = 512;

    using T3DPictureImage::T3DPictureImage;

    std::string KindName() const override { return "PicFile Image"; }
    std::string KindDescription() const override { return "Image data is retrieved from a file."; }

    const std::string& PictureFileName() const { return FPictureFileName; }
    // A different name invalidates the image, and a missing file of the
    // new name is reported again.
    void SetPictureFileName(const std::string& Value);

    // Reads the file when nothing is loaded (the name first through the
    // texture-needed callback), builds the bitmap and lets the picture go
    // again. A missing file raises "Could not open file: <name>" as an
    // assertion failure the first time for its name; afterwards the image
    // stays empty silently.
    T3DBitmap32* BuildBitmap32(GLenum Target) override;

    // Writes the file name as the whole file.
    void SaveToFile(const std::string& FileName) override;
    // After the texture-needed callback: a short text file (below
    // ReferenceFileLimit bytes, no NUL) names the picture file; any other
    // file, or a missing one, is the picture file itself.
    void LoadFromFile(const std::string& FileName) override;
    // Also lets the loaded picture go.
    void Invalidate() override;

    // From another picture file image: its file name only.
    void Assign(const TPersistent* Source) override;

private:
    std::string FPictureFileName;
    bool FAlreadyWarned = false;
};
