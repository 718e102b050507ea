#include "scene3d/utils/filetext.h"

#include "scene3d/persistence/fileaccess.h"

void WriteFileText(const std::string& FileName, const std::string& Text)
{
    const std::unique_ptr<TFileStream> file = OpenFileStream(FileName, fmCreate);
    if (!Text.empty())
        file->WriteBuffer(Text.data(), static_cast<int64_t>(Text.size()));
}

std::string ReadFileText(const std::string& FileName)
{
    if (!FileIsPresent(FileName))
        return {};
    const std::unique_ptr<TFileStream> file = OpenFileStream(FileName, fmOpenRead | fmShareDenyNone);
    std::string text(static_cast<std::size_t>(file->Size()), '\0');
    file->ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
    return text;
}

int64_t FileSizeOf(const std::string& FileName)
{
    if (!FileIsPresent(FileName))
        return 0;
    return OpenFileStream(FileName, fmOpenRead | fmShareDenyNone)->Size();
}
