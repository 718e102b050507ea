#pragma once
// The RGBA image through which every texture image reaches OpenGL: 4 bytes a
// pixel (red, green, blue, alpha), rows from the image's bottom (row 0) to
// its top, the order OpenGL reads, unless the vertical-reverse flag was set
// when the pixels were converted (then row 0 is the top row).
//
// Sizes are limited: no side above 65535 pixels and no more than 2^31 - 1
// bytes of pixels. A call that would go beyond raises "Assertion failure"
// and leaves the bitmap as it was, as every refused call does.
#include <GL/gl.h>

#include <cstdint>
#include <memory>

#include "platform/rtl/persistent.h"
#include "platform/ui/graphics.h"
#include "scene3d/utils/texturefilters.h"

class TBitmap;
class TGraphic;

class T3DBitmap32 : public TPersistent {
    LT_CLASS(T3DBitmap32)
public:
    static constexpr int MaxSide = 65535;

    T3DBitmap32();
    ~T3DBitmap32() override;

    // nullptr: no size, no pixels. Another T3DBitmap32: its sizes, blank
    // flag and pixels. A TBitmap whose width is a multiple of 4: its pixels,
    // alpha 255 (the platform's bitmaps have none). Any other graphic (a
    // JPEG image, a bitmap of another width): drawn into a bitmap of its
    // height and its width rounded up to a multiple of 4 (stretched over it
    // when the width was not one), then converted. Converting clears the
    // blank flag.
    void Assign(const TPersistent* Source) override;

    // A new platform bitmap of the same size, rows top to bottom whatever
    // the vertical-reverse flag, or nullptr for a blank bitmap. The platform
    // bitmap has no alpha: the alpha bytes are dropped.
    std::unique_ptr<TBitmap> ToPlatformBitmap() const;

    // The data size of a bitmap given these sizes by SetWidth and
    // SetHeight; sizes beyond the limits raise "Assertion failure".
    static int DataSizeFor(int Width, int Height);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Width x height x 4.
    int DataSize() const { return FDataSize; }
    // Rounded up to a multiple of 4. Negative values are refused; new
    // pixel memory is not initialised.
    void SetWidth(int Value);
    void SetHeight(int Value);
    bool IsEmpty() const { return FWidth == 0 || FHeight == 0; }

    // A blank bitmap has its sizes but no pixel memory: OpenGL makes its
    // contents. Clearing the flag allocates the pixels (not initialised).
    bool Blank() const { return FBlank; }
    void SetBlank(bool Value);
    // Set before converting to keep the platform's top row as row 0.
    bool VerticalReverse() const { return FVerticalReverse; }
    void SetVerticalReverse(bool Value) { FVerticalReverse = Value; }

    // The pixels, nullptr while blank or empty.
    uint8_t* Data() { return FData.get(); }
    const uint8_t* Data() const { return FData.get(); }
    // The first byte of a row; a row outside the pixels is refused.
    uint8_t* RowAddress(int Row);

    // Pixel operations: over every pixel, nothing without pixels.
    // Alpha = (red + green + blue) / 3, rounded down.
    void AlphaFromAverage();
    // Alpha 0 where red, green and blue are those of Color (a system colour
    // is resolved first), else 255.
    void AlphaKeyColor(TColor Color);
    // The same for black.
    void AlphaKeySuperBlack();
    // The same for the colour of the image's top-left pixel: the first of
    // the last row, or of row 0 when the rows were reversed.
    void AlphaKeyTopLeft();
    void FillAlpha(uint8_t Value);
    void NegateAlpha();
    // Alpha = round(sqrt(alpha / 255) x 255).
    void RootAlpha();
    // Red, green and blue = min(255, round(value x Factor)); a negative
    // factor is refused.
    void ScaleBrightness(float Factor);
    // Red, green and blue = round((value / 255) ^ (1 / Gamma) x 255), with
    // the exponent 10 for gammas below 0.1; Gamma must be above 0.
    void ApplyGamma(float Gamma);
    // Every pixel becomes the normal of the surface whose heights are the
    // green channel, scaled by Scale, packed as bytes around 128 (blue the
    // upward part), alpha 255. With WrapX (WrapY) the neighbours of the
    // first and last column (row) are taken across the edge, which suits
    // power-of-two sizes; without, an edge pixel stands in for its missing
    // neighbour.
    void BuildNormalMap(float Scale, bool WrapX, bool WrapY);

    // Puts the pixels into the texture object bound to Target. The upload
    // size (TextureUploadSize, reported in Width and Height) may differ from
    // the bitmap's: the pixels are scaled to it. Float formats only reserve
    // the texture (Target must be GL_TEXTURE_2D); mipmap filters get
    // mipmaps. A blank bitmap only reserves the texture. Nothing happens
    // without a size.
    void UploadToTexture(GLenum Target, T3DMinFilter MinFilter, GLint InternalFormat, int& Width, int& Height);

private:
    // Width x Height x 4, after refusing sides and sizes beyond the limits.
    static int CheckedDataSize(int64_t Width, int64_t Height);
    // Takes the sizes, and new pixels unless blank.
    void Resize(int Width, int Height);
    // Takes the pixels of a bitmap whose width is a multiple of 4.
    void ConvertBitmap(const TBitmap& Bitmap);
    void ConvertGraphic(const TGraphic& Graphic);
    int PixelCount() const { return FData ? FDataSize / 4 : 0; }
    // Applies Table to red, green and blue.
    void ApplyColorTable(const uint8_t* Table);

    std::unique_ptr<uint8_t[]> FData;
    int FWidth = 0;
    int FHeight = 0;
    int FDataSize = 0;
    bool FBlank = false;
    bool FVerticalReverse = false;
};
