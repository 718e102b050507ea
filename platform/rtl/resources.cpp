#include "platform/rtl/resources.h"

#include <QFile>

#include <filesystem>
#include <system_error>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"

std::string LoadResourceText(const std::string& Name)
{
    QFile file(QString::fromStdString(":/resources/" + Name));
    if (!file.open(QIODevice::ReadOnly))
        throw EResNotFound("Resource " + Name + " not found");
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void ReadComponentResource(TComponent& Root, const std::string& Name)
{
    ReadComponentFromText(Root, LoadResourceText(Name), Name);
}

std::string ExecutableFolder()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        throw EOSError("Cannot find the executable's folder: " + error.message());
    return exe.parent_path().string();
}
