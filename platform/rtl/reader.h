#pragma once
// Reads a stored description into components: creates the components it
// names through the class registry, sets their published, nested, collection
// and defined properties, binds event handlers from the root's method table,
// resolves component references once everything exists, then calls Loaded in
// the order of creation. Any fault is an EReadError naming the resource, the
// line and the property.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/rtl/description.h"
#include "platform/rtl/filer.h"
#include "platform/rtl/propinterceptors.h"

class TReader : public TFiler {
public:
    TReader(std::string_view text, std::string resourceName);

    // Reads into an existing root, whose class must be the one the
    // description names.
    void ReadRootComponent(TComponent& Root);
    // Creates the root through the class registry, owned by Owner (the caller
    // owns it when Owner is nullptr), and reads into it.
    TComponent* ReadComponent(TComponent* Owner);

    const std::string& ResourceName() const { return FResourceName; }
    TComponent* Root() const { return FRoot; }

    // The values of a defined property, for its read procedure.
    TDescValueKind NextValue() const;
    int64_t ReadInteger();
    double ReadFloat();
    std::string ReadString();
    std::string ReadIdent();
    bool ReadBoolean();
    void ReadListBegin();
    bool EndOfList() const;
    void ReadListEnd();

    void DefineProperty(const std::string& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                              bool HasData) override;

private:
    struct TFixup {
        TPersistent* Instance;
        const TPropInfo* Info;
        std::string Reference;
        std::string Context;
        int Line;
    };
    struct TCursor {
        const std::vector<TDescValue>* Values;
        std::size_t Index;
    };

    void ReadObject(const TDescObject& node, TComponent& instance);
    void ReadProperties(TPersistent& instance, const std::vector<TDescProperty>& props,
                        const std::string& context);
    void ReadProperty(TPersistent& instance, const TDescProperty& prop, const std::string& context);
    void SetPublished(TPersistent& target, const TPropInfo& info, const TDescValue& value,
                      const std::string& context, int line);
    void ReadCollection(TPersistent* object, const TDescValue& value, const std::string& context);
    void ResolveFixups();
    const TDescValue& Take(TDescValueKind kind, const char* what);
    [[noreturn]] void Error(int line, const std::string& what) const;

    std::string FResourceName;
    TDescObject FTree;
    TComponent* FRoot = nullptr;
    std::vector<TComponent*> FLoaded;
    std::vector<TFixup> FFixups;
    // Interceptors that received stored values; they apply them once the
    // references are resolved.
    std::vector<std::unique_ptr<TStoragePropertyInterceptor>> FInterceptors;

    // The defined property being looked for, while DefineProperties runs.
    const std::string* FDefinedName = nullptr;
    const TDescValue* FDefinedValue = nullptr;
    bool FDefinedFound = false;
    std::vector<TCursor> FCursor;
    std::vector<TDescValue> FSingleValue;
};

// Reads text into root; the text's name in messages is resourceName.
void ReadComponentFromText(TComponent& Root, std::string_view Text, const std::string& ResourceName);
