#include "scene3d/persistence/archiveclasses.h"

#include <map>

#include "platform/rtl/typeinfo.h"

namespace {

struct TNameLess {
    bool operator()(const std::string& a, const std::string& b) const { return CompareIdent(a, b) < 0; }
};

std::map<std::string, TArchiveClass, TNameLess>& ArchiveClasses()
{
    static std::map<std::string, TArchiveClass, TNameLess> classes;
    return classes;
}

} // namespace

void RegisterArchiveClass(const TArchiveClass& ArchiveClass)
{
    ArchiveClasses().insert_or_assign(ArchiveClass.Info->Name(), ArchiveClass);
}

const TArchiveClass* FindArchiveClass(const std::string& Name)
{
    const auto found = ArchiveClasses().find(Name);
    return found == ArchiveClasses().end() ? nullptr : &found->second;
}
