#include "platform/rtl/object.h"

#include <algorithm>
#include <map>

#include "platform/rtl/exceptions.h"

const TClassInfo& TObject::StaticClassInfo()
{
    static const TClassInfo info("TObject", nullptr);
    return info;
}

const std::string& TObject::ClassName() const
{
    return ClassType().Name();
}

bool TObject::InheritsFrom(const TClassInfo& ancestor) const
{
    return ClassType().InheritsFrom(ancestor);
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent)
    : FName(std::move(name)), FParent(parent)
{
}

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const
{
    for (const TClassInfo* c = this; c; c = c->FParent)
        if (c == &ancestor)
            return true;
    return false;
}

const TPropInfo* TClassInfo::FindProperty(const std::string& name) const
{
    for (const TClassInfo* c = this; c; c = c->FParent)
        for (const TPropInfo& p : c->FProperties)
            if (SameIdent(p.Name, name))
                return &p;
    return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::AllProperties() const
{
    std::vector<const TClassInfo*> chain;
    for (const TClassInfo* c = this; c; c = c->FParent)
        chain.push_back(c);
    // A class that publishes a property again replaces its ancestor's entry
    // in place, so each property is listed (and written) once.
    std::vector<const TPropInfo*> result;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        for (const TPropInfo& p : (*it)->FProperties) {
            const auto same = std::find_if(result.begin(), result.end(),
                                           [&](const TPropInfo* q) { return SameIdent(q->Name, p.Name); });
            if (same != result.end())
                *same = &p;
            else
                result.push_back(&p);
        }
    return result;
}

const TMethodEntry* TClassInfo::FindMethod(const std::string& name) const
{
    for (const TClassInfo* c = this; c; c = c->FParent)
        for (const TMethodEntry& m : c->FMethods)
            if (SameIdent(m.Name, name))
                return &m;
    return nullptr;
}

void TClassInfo::AddProperty(TPropInfo info)
{
    FProperties.push_back(std::move(info));
}

void TClassInfo::AddMethod(TMethodEntry entry)
{
    FMethods.push_back(std::move(entry));
}

namespace {
struct IdentLess {
    bool operator()(const std::string& a, const std::string& b) const { return CompareIdent(a, b) < 0; }
};

std::map<std::string, const TClassInfo*, IdentLess>& Registry()
{
    static std::map<std::string, const TClassInfo*, IdentLess> registry;
    return registry;
}
} // namespace

void RegisterClassInfo(const TClassInfo& info)
{
    Registry()[info.Name()] = &info;
}

const TClassInfo* FindClassInfo(const std::string& name)
{
    const auto it = Registry().find(name);
    return it == Registry().end() ? nullptr : it->second;
}

const TClassInfo& GetClassInfo(const std::string& name)
{
    if (const TClassInfo* info = FindClassInfo(name))
        return *info;
    throw EClassNotFound("Class " + name + " not found");
}
