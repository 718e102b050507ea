#pragma once
// Objects that can be assigned to one another and written to or read from a
// stored description.
#include <map>
#include <memory>
#include <string>

#include "platform/rtl/object.h"

class TFiler;

class TPersistent : public TObject {
    LT_CLASS(TPersistent)
public:
    // Copies Source into this object. The default asks Source to do it
    // (AssignTo) and fails with "Cannot assign a X to a Y" when neither can.
    virtual void Assign(const TPersistent* Source);

    // Defines properties that the published ones cannot express (binary
    // blocks, lists); called when a description is read or written.
    virtual void DefineProperties(TFiler& Filer);

    virtual TPersistent* GetOwner() const { return nullptr; }
    virtual std::string GetNamePath() const;

    // The name of the handler bound to an event property from a description,
    // kept so the description can be written back.
    std::string HandlerName(const std::string& eventProperty) const;
    void SetHandlerName(const std::string& eventProperty, const std::string& handler);

protected:
    virtual void AssignTo(TPersistent* Dest) const;
    [[noreturn]] void AssignError(const TPersistent* Source) const;

private:
    std::unique_ptr<std::map<std::string, std::string>> FHandlerNames;
};
