#include "scene3d/persistence/fileaccess.h"

#include "platform/rtl/exceptions.h"

#include <filesystem>

std::unique_ptr<TFileStream> OpenFileStream(const std::string& fileName, uint16_t mode)
{
    if ((mode & fmCreate) != fmCreate && !FileIsPresent(fileName))
        throw EFOpenError("File not found: \"" + fileName + "\"");
    return std::make_unique<TFileStream>(fileName, mode);
}

bool FileIsPresent(const std::string& fileName)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(fileName, error);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}
