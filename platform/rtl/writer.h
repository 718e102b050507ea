#pragma once
// Writes components into a stored description: the root, then every
// component its GetChildren names (sub-components left out), each with the published properties that
// differ from their defaults (those a storage interceptor reads back as the
// interceptor gives them), nested objects as "Font.Name", collections as
// "< item ... end >", defined properties through DefineProperties, component
// references by name and events by the handler names they were read with.
#include <string>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/rtl/description.h"
#include "platform/rtl/filer.h"

class TStoragePropertyInterceptor;

class TWriter : public TFiler {
public:
    explicit TWriter(TComponent& Root) : FRoot(Root) {}

    TDescObject WriteRootComponent();

    // The values of a defined property, for its write procedure.
    void WriteInteger(int64_t Value);
    void WriteFloat(double Value);
    void WriteString(const std::string& Value);
    void WriteIdent(const std::string& Value);
    void WriteBoolean(bool Value);
    void WriteListBegin();
    void WriteListEnd();

    void DefineProperty(const std::string& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                              bool HasData) override;

private:
    TDescObject WriteObject(TComponent& instance);
    // Properties published by interceptor (the one the reader would use for
    // instance, or nullptr) are written with the interceptor's values.
    void WriteProperties(TPersistent& instance, const std::string& prefix, std::vector<TDescProperty>& out,
                         TStoragePropertyInterceptor* interceptor = nullptr);
    bool WritePublished(TPersistent& instance, const TPropInfo& info, const std::string& prefix,
                        std::vector<TDescProperty>& out);
    std::string ReferenceName(const TComponent& component) const;
    void Emit(TDescValue value);

    TComponent& FRoot;
    // Where DefineProperties puts what it writes.
    std::string FPrefix;
    std::vector<TDescProperty>* FOut = nullptr;
    std::vector<TDescValue*> FOpenLists;
    TDescValue* FPending = nullptr;
};

// The description of root and everything written inside it, as text.
std::string WriteComponentToText(TComponent& Root);
