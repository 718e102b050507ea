#include "scene3d/textures/pictureformats.h"

#include <filesystem>
#include <map>

#include "platform/rtl/strutils.h"
#include "platform/ui/picture.h"
#include "scene3d/persistence/fileaccess.h"

namespace {

std::string ListedExtension(const std::string& Extension)
{
    return LowerCase(Extension.starts_with('.') ? Extension : "." + Extension);
}

std::map<std::string, TGraphicCreator>& PictureFormats()
{
    static std::map<std::string, TGraphicCreator> formats{
        {".bmp", [] { return std::unique_ptr<TGraphic>(std::make_unique<TBitmap>()); }},
    };
    return formats;
}

} // namespace

void RegisterPictureFormat(const std::string& Extension, TGraphicCreator Creator)
{
    PictureFormats().insert_or_assign(ListedExtension(Extension), std::move(Creator));
}

std::unique_ptr<TGraphic> CreateGraphicForFile(const std::string& FileName)
{
    const std::string extension = std::filesystem::path(FileName).extension().string();
    if (extension.empty())
        return nullptr;
    const auto found = PictureFormats().find(ListedExtension(extension));
    if (found != PictureFormats().end())
        return found->second();
    return TPicture::CreateGraphicForExtension(extension);
}

std::unique_ptr<TGraphic> LoadGraphicFromFile(const std::string& FileName)
{
    std::unique_ptr<TGraphic> graphic = CreateGraphicForFile(FileName);
    if (!graphic) {
        const std::string extension = std::filesystem::path(FileName).extension().string();
        throw EInvalidGraphic("Unknown picture file extension (" + extension + ")");
    }
    graphic->LoadFromStream(*OpenFileStream(FileName, fmOpenRead | fmShareDenyWrite));
    return graphic;
}
