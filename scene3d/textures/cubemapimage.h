#pragma once
// A cube map: six square pictures of one size, one for each face of the
// cube around the viewer. Its file is a 16-bit word 256, then the six faces
// as bitmaps (BMP) in the order PX, NX, PY, NY, PZ, NZ.
#include <array>
#include <memory>

#include "platform/ui/picture.h"
#include "scene3d/textures/textureimage.h"

enum T3DCubeMapFace { cmfPX, cmfNX, cmfPY, cmfNY, cmfPZ, cmfNZ };

class T3DCubeMapImage : public T3DTextureImage {
    LT_CLASS(T3DCubeMapImage)
public:
    static constexpr uint16_t FileSignature = 256;

    explicit T3DCubeMapImage(TPersistent* AOwner);
    ~T3DCubeMapImage() override;

    // The faces; a change of one invalidates the image.
    TPicture* Picture(T3DCubeMapFace Face) const { return FPictures[Face].get(); }
    TPicture* PicturePX() const { return Picture(cmfPX); }
    TPicture* PictureNX() const { return Picture(cmfNX); }
    TPicture* PicturePY() const { return Picture(cmfPY); }
    TPicture* PictureNY() const { return Picture(cmfNY); }
    TPicture* PicturePZ() const { return Picture(cmfPZ); }
    TPicture* PictureNZ() const { return Picture(cmfNZ); }

    // Those of PicturePX.
    int GetWidth() const override;
    int GetHeight() const override;
    std::string KindName() const override { return "CubeMap Image"; }
    // GL_TEXTURE_CUBE_MAP.
    GLenum TextureTarget() const override;
    // The face of a face target (GL_TEXTURE_CUBE_MAP_POSITIVE_X to
    // NEGATIVE_Z; any other target takes PX), its rows top first.
    T3DBitmap32* BuildBitmap32(GLenum Target) override;

    void SaveToFile(const std::string& FileName) override;
    // A file that does not start with the signature raises "Assertion
    // failure".
    void LoadFromFile(const std::string& FileName) override;

    // From another cube map: its six pictures; invalidates once.
    void Assign(const TPersistent* Source) override;

private:
    // Each picture's graphic set from Graphics (a copy; nullptr clears it)
    // with one invalidation after all.
    void SetFaces(const std::array<const TGraphic*, 6>& Graphics);

    std::array<std::unique_ptr<TPicture>, 6> FPictures;
};
