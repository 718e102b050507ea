#include "platform/ui/picture.h"

#include <vector>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/filer.h"

LT_IMPLEMENT_CLASS(TPicture, TPersistent) {}

namespace {

struct TFileFormat {
    std::string Extension;
    std::string Description;
    std::function<std::unique_ptr<TGraphic>()> Factory;
    const TClassInfo* Class;
};

std::vector<TFileFormat>& FileFormats()
{
    static std::vector<TFileFormat> formats = [] {
        const auto bitmap = [] { return std::unique_ptr<TGraphic>(std::make_unique<TBitmap>()); };
        const auto jpeg = [] { return std::unique_ptr<TGraphic>(std::make_unique<TJPEGImage>()); };
        return std::vector<TFileFormat>{
            {"bmp", "Bitmaps", bitmap, &TBitmap::StaticClassInfo()},
            {"jpg", "JPEG Image File", jpeg, &TJPEGImage::StaticClassInfo()},
            {"jpeg", "JPEG Image File", jpeg, &TJPEGImage::StaticClassInfo()},
        };
    }();
    return formats;
}

// The extension of a file name, or the name given as an extension, without
// its dot.
std::string ExtensionOf(const std::string& Name)
{
    const std::size_t dot = Name.rfind('.');
    const std::size_t slash = Name.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return Name;
    return Name.substr(dot + 1);
}

const TFileFormat* FindByExtension(const std::string& Extension)
{
    for (const TFileFormat& f : FileFormats())
        if (SameIdent(f.Extension, Extension))
            return &f;
    return nullptr;
}

const TFileFormat* FindByClass(const std::string& ClassName)
{
    for (const TFileFormat& f : FileFormats())
        if (SameIdent(f.Class->Name(), ClassName))
            return &f;
    return nullptr;
}

std::unique_ptr<TGraphic> CreateGraphic(const std::string& ClassName)
{
    const TFileFormat* format = FindByClass(ClassName);
    if (!format)
        throw EInvalidGraphic("Unknown picture format " + ClassName);
    return format->Factory();
}

} // namespace

void TPicture::RegisterFileFormat(const std::string& Extension, const std::string& Description,
                                  std::function<std::unique_ptr<TGraphic>()> Factory)
{
    const std::string ext = Extension.starts_with('.') ? Extension.substr(1) : Extension;
    const TClassInfo* cls = &Factory()->ClassType();
    std::vector<TFileFormat>& formats = FileFormats();
    for (TFileFormat& f : formats)
        if (SameIdent(f.Extension, ext)) {
            f = {ext, Description, std::move(Factory), cls};
            return;
        }
    formats.push_back({ext, Description, std::move(Factory), cls});
}

const TClassInfo* TPicture::FileFormatClass(const std::string& Extension)
{
    const TFileFormat* format = FindByExtension(Extension.starts_with('.') ? Extension.substr(1) : Extension);
    return format ? format->Class : nullptr;
}

std::unique_ptr<TGraphic> TPicture::CreateGraphicForExtension(const std::string& Extension)
{
    const TFileFormat* format = FindByExtension(Extension.starts_with('.') ? Extension.substr(1) : Extension);
    return format ? format->Factory() : nullptr;
}

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Assign(const TPersistent* Source)
{
    if (!Source)
        SetGraphic(nullptr);
    else if (const auto* picture = dynamic_cast<const TPicture*>(Source))
        SetGraphic(picture->Graphic());
    else if (const auto* graphic = dynamic_cast<const TGraphic*>(Source))
        SetGraphic(graphic);
    else
        TPersistent::Assign(Source);
}

void TPicture::SetGraphic(const TGraphic* Value)
{
    std::unique_ptr<TGraphic> copy;
    if (Value) {
        copy = CreateGraphic(Value->ClassName());
        copy->Assign(Value);
    }
    FGraphic = std::move(copy);
    if (FGraphic)
        FGraphic->SetOnChange([this](TGraphic*) { Changed(); });
    Changed();
}

TBitmap* TPicture::Bitmap()
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get()))
        return bitmap;
    auto bitmap = std::make_unique<TBitmap>();
    if (FGraphic)
        bitmap->Assign(FGraphic.get());
    bitmap->SetOnChange([this](TGraphic*) { Changed(); });
    FGraphic = std::move(bitmap);
    Changed();
    return static_cast<TBitmap*>(FGraphic.get());
}

void TPicture::LoadFromFile(const std::string& FileName)
{
    const std::string ext = ExtensionOf(FileName);
    const TFileFormat* format = ext == FileName ? nullptr : FindByExtension(ext);
    if (!format)
        throw EInvalidGraphic("Unknown picture file extension (." + (ext == FileName ? std::string() : ext) + ")");
    std::unique_ptr<TGraphic> graphic = format->Factory();
    graphic->LoadFromFile(FileName);
    graphic->SetOnChange([this](TGraphic*) { Changed(); });
    FGraphic = std::move(graphic);
    Changed();
}

void TPicture::SaveToFile(const std::string& FileName) const
{
    if (FGraphic)
        FGraphic->SaveToFile(FileName);
}

void TPicture::DefineProperties(TFiler& Filer)
{
    Filer.DefineBinaryProperty(
        "Data",
        [this](TStream& stream) {
            const int64_t size = stream.Size() - stream.Position();
            if (size <= 0) {
                SetGraphic(nullptr);
                return;
            }
            unsigned char length = 0;
            stream.ReadBuffer(&length, 1);
            std::string className(length, '\0');
            stream.ReadBuffer(className.data(), length);
            std::unique_ptr<TGraphic> graphic = CreateGraphic(className);
            graphic->LoadFromStream(stream);
            graphic->SetOnChange([this](TGraphic*) { Changed(); });
            FGraphic = std::move(graphic);
            Changed();
        },
        [this](TStream& stream) {
            const std::string& className = FGraphic->ClassName();
            const auto length = static_cast<unsigned char>(className.size());
            stream.WriteBuffer(&length, 1);
            stream.WriteBuffer(className.data(), length);
            FGraphic->SaveToStream(stream);
        },
        FGraphic && !FGraphic->Empty());
}

void TPicture::Changed()
{
    if (FOnChange)
        FOnChange(this);
}
