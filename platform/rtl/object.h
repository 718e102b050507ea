#pragma once
// The root of the class hierarchy and the class registry: every class that
// takes part in stored descriptions has a class record with its name, its
// parent, its published properties and methods, and (for components) a
// factory, so that a description can create it by name.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/typeinfo.h"

class TObject;
class TComponent;
class TClassInfo;

class TObject {
public:
    virtual ~TObject() = default;

    static const TClassInfo& StaticClassInfo();
    virtual const TClassInfo& ClassType() const { return StaticClassInfo(); }

    const std::string& ClassName() const;
    bool InheritsFrom(const TClassInfo& ancestor) const;
};

// The class record. Built once per class on first use, never changed after.
class TClassInfo {
public:
    using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

    TClassInfo(std::string name, const TClassInfo* parent);

    const std::string& Name() const { return FName; }
    const TClassInfo* Parent() const { return FParent; }
    bool InheritsFrom(const TClassInfo& ancestor) const;

    // Published properties: own ones here, inherited ones through Parent().
    // Lookup is case-insensitive, as names in descriptions are.
    const std::vector<TPropInfo>& OwnProperties() const { return FProperties; }
    const TPropInfo* FindProperty(const std::string& name) const;
    // Every published property, the ancestors' first, in declaration order.
    std::vector<const TPropInfo*> AllProperties() const;

    // The method table: handlers that a description may name.
    const TMethodEntry* FindMethod(const std::string& name) const;

    // Creates an instance owned by owner; empty for abstract classes and for
    // classes that are not components.
    const TComponentFactory& Factory() const { return FFactory; }

    TPropInfo& OwnProperty(std::size_t index) { return FProperties[index]; }
    void AddProperty(TPropInfo info);
    void AddMethod(TMethodEntry entry);
    void SetFactory(TComponentFactory factory) { FFactory = std::move(factory); }

private:
    std::string FName;
    const TClassInfo* FParent;
    std::vector<TPropInfo> FProperties;
    std::vector<TMethodEntry> FMethods;
    TComponentFactory FFactory;
};

// The registry of classes that descriptions may name.
void RegisterClassInfo(const TClassInfo& info);
const TClassInfo* FindClassInfo(const std::string& name);   // nullptr when unknown
const TClassInfo& GetClassInfo(const std::string& name);    // raises EClassNotFound

// Declares the class record of a class; put it first in the class body.
#define LT_CLASS(Class)                                                         \
public:                                                                         \
    static const ::TClassInfo& StaticClassInfo();                               \
    const ::TClassInfo& ClassType() const override { return StaticClassInfo(); } \
                                                                                \
private:

// Defines the class record in one source file and registers it at start-up.
// The braces that follow receive `P`, a TClassBuilder<Class>&, to publish
// properties, methods and the factory.
#define LT_IMPLEMENT_CLASS(Class, ParentClass)                                  \
    static void Class##_Publish(::TClassBuilder<Class>& P);                     \
    const ::TClassInfo& Class::StaticClassInfo()                                \
    {                                                                           \
        static const ::TClassInfo* info = [] {                                  \
            static ::TClassInfo record(#Class, &ParentClass::StaticClassInfo()); \
            ::TClassBuilder<Class> builder(record);                             \
            Class##_Publish(builder);                                           \
            return &record;                                                     \
        }();                                                                    \
        return *info;                                                           \
    }                                                                           \
    [[maybe_unused]] static const bool Class##_registered =                     \
        (::RegisterClassInfo(Class::StaticClassInfo()), true);                  \
    static void Class##_Publish([[maybe_unused]] ::TClassBuilder<Class>& P)
