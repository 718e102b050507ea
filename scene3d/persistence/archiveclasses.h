#pragma once
// The classes an object list may create when it reads its archive, by class
// name. The platform's class registry creates components only, so archivable
// objects register here with a creator of their own.
#include <memory>
#include <string>

#include "platform/rtl/object.h"

class TPersistentObject;

struct TArchiveClass {
    const TClassInfo* Info;
    std::unique_ptr<TPersistentObject> (*Create)();
};

// Registers (or replaces) the class under its class record's name.
void RegisterArchiveClass(const TArchiveClass& ArchiveClass);
// The class registered under Name (case-insensitive), or nullptr.
const TArchiveClass* FindArchiveClass(const std::string& Name);

// Registers TObjectKind, a TPersistentObject with a default constructor;
// returns true so that a source file can register at start-up:
//   static const bool registered = RegisterArchiveClass<TVectorList>();
template <class TObjectKind>
bool RegisterArchiveClass()
{
    RegisterArchiveClass(TArchiveClass{&TObjectKind::StaticClassInfo(), []() -> std::unique_ptr<TPersistentObject> {
                                           return std::make_unique<TObjectKind>();
                                       }});
    return true;
}
