#include "platform/gl/dynamiclibrary.h"

#include <dlfcn.h>

TDynamicLibrary::~TDynamicLibrary()
{
    Close();
}

bool TDynamicLibrary::Open(const std::string& Name)
{
    Close();
    FHandle = dlopen(Name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!FHandle) {
        const char* reason = dlerror();
        FError = reason ? reason : "cannot load " + Name;
        return false;
    }
    FError.clear();
    return true;
}

void TDynamicLibrary::Close()
{
    if (FHandle) {
        dlclose(FHandle);
        FHandle = nullptr;
    }
}

void* TDynamicLibrary::Symbol(const char* Name) const
{
    return FHandle ? dlsym(FHandle, Name) : nullptr;
}
