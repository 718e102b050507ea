#include "scene3d/textures/sizedimages.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/format.h"
#include "platform/rtl/stringlist.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/graphics/bitmap32.h"
#include "scene3d/persistence/fileaccess.h"
#include "scene3d/utils/filetext.h"

LT_IMPLEMENT_CLASS(T3DSizedImage, T3DTextureImage)
{
    P.Property("Width", &T3DSizedImage::GetWidth, &T3DSizedImage::SetWidth).Default(T3DSizedImage::DefaultSize);
    P.Property("Height", &T3DSizedImage::GetHeight, &T3DSizedImage::SetHeight).Default(T3DSizedImage::DefaultSize);
}
LT_IMPLEMENT_CLASS(T3DBlankImage, T3DSizedImage) {}
LT_IMPLEMENT_CLASS(T3DFloatDataImage, T3DSizedImage) {}

T3DSizedImage::T3DSizedImage(TPersistent* AOwner) : T3DTextureImage(AOwner) {}

void T3DSizedImage::StoreSizes(int Width, int Height)
{
    Width = std::max(Width, 1);
    Height = std::max(Height, 1);
    T3DBitmap32::DataSizeFor(Width, Height);
    FWidth = Width;
    FHeight = Height;
}

void T3DSizedImage::SetWidth(int Value)
{
    const int old = FWidth;
    StoreSizes(Value, FHeight);
    if (FWidth != old)
        Invalidate();
}

void T3DSizedImage::SetHeight(int Value)
{
    const int old = FHeight;
    StoreSizes(FWidth, Value);
    if (FHeight != old)
        Invalidate();
}

T3DBitmap32* T3DSizedImage::BuildBitmap32(GLenum)
{
    if (!FBitmap) {
        auto bitmap = std::make_unique<T3DBitmap32>();
        bitmap->SetBlank(!HasPixels());
        bitmap->SetWidth(FWidth);
        bitmap->SetHeight(FHeight);
        FBitmap = std::move(bitmap);
    }
    return FBitmap.get();
}

void T3DSizedImage::SaveToFile(const std::string& FileName)
{
    WriteFileText(FileName,
                  Section() + "\r\nWidth=" + std::to_string(FWidth) + "\r\nHeight=" + std::to_string(FHeight));
}

void T3DSizedImage::LoadFromFile(const std::string& FileName)
{
    const std::string name = NeededFileName(FileName);
    EngineAssert(FileIsPresent(name), Format("Could not open file: %s", FileName));
    TStringList lines;
    lines.SetText(ReadFileText(name));
    StoreSizes(StrToInt(lines.Values("Width")), StrToInt(lines.Values("Height")));
}

void T3DSizedImage::Assign(const TPersistent* Source)
{
    if (const auto* other = dynamic_cast<const T3DSizedImage*>(Source)) {
        StoreSizes(other->FWidth, other->FHeight);
        Invalidate();
    } else {
        T3DTextureImage::Assign(Source);
    }
}
