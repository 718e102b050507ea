#include "platform/rtl/reader.h"

#include <limits>
#include <memory>

#include "platform/rtl/collection.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/propinterceptors.h"
#include "platform/rtl/streams.h"

namespace {
std::vector<std::string> SplitPath(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = path.find('.', start);
        parts.push_back(path.substr(start, dot - start));
        if (dot == std::string::npos)
            return parts;
        start = dot + 1;
    }
}

const char* KindName(TTypeKind kind)
{
    switch (kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkInt64: return "an integer";
    case TTypeKind::tkFloat: return "a number";
    case TTypeKind::tkString: return "a string";
    case TTypeKind::tkBoolean: return "True or False";
    case TTypeKind::tkEnumeration: return "an enumeration name";
    case TTypeKind::tkSet: return "a set";
    case TTypeKind::tkClass: return "a collection";
    case TTypeKind::tkComponent: return "a component name";
    case TTypeKind::tkMethod: return "a method name";
    }
    return "a value";
}

// Ends a collection update however the reading of its items ends.
class TCollectionUpdate {
public:
    explicit TCollectionUpdate(TCollection& c) : FCollection(c) { FCollection.BeginUpdate(); }
    ~TCollectionUpdate() { FCollection.EndUpdate(); }
    TCollectionUpdate(const TCollectionUpdate&) = delete;
    TCollectionUpdate& operator=(const TCollectionUpdate&) = delete;

private:
    TCollection& FCollection;
};
} // namespace

TReader::TReader(std::string_view text, std::string resourceName)
    : FResourceName(std::move(resourceName)), FTree(ParseDescription(text, FResourceName))
{
}

void TReader::Error(int line, const std::string& what) const
{
    throw EReadError(FResourceName + "(" + std::to_string(line) + "): " + what);
}

TComponent* TReader::ReadComponent(TComponent* Owner)
{
    const TClassInfo* cls = FindClassInfo(FTree.ClassName);
    if (!cls)
        Error(FTree.Line, "class " + FTree.ClassName + " not found");
    if (!cls->Factory())
        Error(FTree.Line, "class " + FTree.ClassName + " cannot be created");
    std::unique_ptr<TComponent> root(cls->Factory()(Owner));
    ReadRootComponent(*root);
    return root.release();
}

void TReader::ReadRootComponent(TComponent& Root)
{
    if (!SameIdent(FTree.ClassName, Root.ClassName()))
        Error(FTree.Line, "the description is of class " + FTree.ClassName + ", not " + Root.ClassName());
    FRoot = &Root;
    FLoaded.clear();
    FFixups.clear();
    FInterceptors.clear();
    try {
        Root.IncludeState(csLoading);
        Root.IncludeState(csReading);
        FLoaded.push_back(&Root);
        try {
            Root.SetName(FTree.Name);
        } catch (const Exception& e) {
            Error(FTree.Line, e.Message());
        }
        ReadObject(FTree, Root);
        ResolveFixups();
        for (const auto& interceptor : FInterceptors)
            interceptor->AfterRead();
        FInterceptors.clear();
    } catch (...) {
        FInterceptors.clear();
        for (TComponent* c : FLoaded) {
            c->ExcludeState(csReading);
            c->ExcludeState(csLoading);
        }
        throw;
    }
    for (TComponent* c : FLoaded)
        c->ExcludeState(csReading);
    for (TComponent* c : FLoaded)
        c->Loaded();
}

void TReader::ReadObject(const TDescObject& node, TComponent& instance)
{
    ReadProperties(instance, node.Properties, node.Name);
    for (const TDescObject& child : node.Children) {
        const TClassInfo* cls = FindClassInfo(child.ClassName);
        if (!cls)
            Error(child.Line, "class " + child.ClassName + " not found");
        TComponent* component = FRoot->FindComponent(child.Name);
        if (component) {
            if (!component->ClassType().InheritsFrom(*cls))
                Error(child.Line, "component " + child.Name + " already exists as a " + component->ClassName());
        } else {
            if (!cls->Factory())
                Error(child.Line, "class " + child.ClassName + " cannot be created");
            component = cls->Factory()(FRoot);
            try {
                component->SetName(child.Name);
            } catch (const Exception& e) {
                Error(child.Line, e.Message());
            }
        }
        component->IncludeState(csLoading);
        component->IncludeState(csReading);
        FLoaded.push_back(component);
        try {
            component->SetParentComponent(&instance);
        } catch (const EReadError&) {
            throw;
        } catch (const Exception& e) {
            Error(child.Line, child.Name + ": " + e.Message());
        }
        ReadObject(child, *component);
    }
}

void TReader::ReadProperties(TPersistent& instance, const std::vector<TDescProperty>& props,
                             const std::string& context)
{
    std::unique_ptr<TStoragePropertyInterceptor> interceptor = CreatePropertyInterceptor(&instance);
    if (interceptor && !interceptor->WantsIntercept())
        interceptor.reset();
    for (const TDescProperty& prop : props) {
        const bool intercepted =
            interceptor && interceptor->ClassType().FindProperty(prop.Name.substr(0, prop.Name.find('.')));
        ReadProperty(intercepted ? *interceptor : instance, prop, context);
    }
    if (interceptor)
        FInterceptors.push_back(std::move(interceptor));
}

void TReader::ReadProperty(TPersistent& instance, const TDescProperty& prop, const std::string& context)
{
    const std::string where = "property " + context + "." + prop.Name;
    const std::vector<std::string> path = SplitPath(prop.Name);
    TPersistent* target = &instance;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        const TPropInfo* info = target->ClassType().FindProperty(path[i]);
        if (!info)
            Error(prop.Line, where + ": " + target->ClassName() + " has no property " + path[i]);
        if (info->Kind != TTypeKind::tkClass)
            Error(prop.Line, where + ": " + path[i] + " is not a nested object");
        target = info->GetObject(*target);
        if (!target)
            Error(prop.Line, where + ": " + path[i] + " is not assigned");
    }
    const std::string& name = path.back();

    FDefinedName = &name;
    FDefinedValue = &prop.Value;
    FDefinedFound = false;
    try {
        target->DefineProperties(*this);
    } catch (const EReadError&) {
        FDefinedName = nullptr;
        throw;
    } catch (const Exception& e) {
        FDefinedName = nullptr;
        Error(prop.Line, where + ": " + e.Message());
    }
    FDefinedName = nullptr;
    if (FDefinedFound)
        return;

    const TPropInfo* info = target->ClassType().FindProperty(name);
    if (!info)
        Error(prop.Line, where + ": " + target->ClassName() + " has no property " + name);
    SetPublished(*target, *info, prop.Value, where, prop.Line);
}

void TReader::SetPublished(TPersistent& target, const TPropInfo& info, const TDescValue& value,
                           const std::string& where, int line)
{
    const auto bad = [&] { Error(line, where + ": expected " + KindName(info.Kind)); };
    const bool ident = value.Kind == TDescValueKind::Ident;
    if (!info.Writable() && info.Kind != TTypeKind::tkClass)
        Error(line, where + ": the property is read-only");
    try {
        switch (info.Kind) {
        case TTypeKind::tkInteger:
        case TTypeKind::tkInt64: {
            int64_t v = 0;
            if (value.Kind == TDescValueKind::Integer)
                v = value.Integer;
            else if (!(ident && info.Idents && IdentToInt(*info.Idents, value.Text, v)))
                bad();
            if (info.Kind == TTypeKind::tkInteger &&
                (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()))
                Error(line, where + ": " + std::to_string(v) + " is out of range");
            info.SetOrd(target, v);
            break;
        }
        case TTypeKind::tkBoolean:
            if (ident && SameIdent(value.Text, "True"))
                info.SetOrd(target, 1);
            else if (ident && SameIdent(value.Text, "False"))
                info.SetOrd(target, 0);
            else
                bad();
            break;
        case TTypeKind::tkEnumeration: {
            if (!ident)
                bad();
            const int v = info.EnumType->IndexOf(value.Text);
            if (v < 0)
                Error(line, where + ": " + value.Text + " is not a value of " + info.EnumType->TypeName());
            info.SetOrd(target, v);
            break;
        }
        case TTypeKind::tkSet: {
            if (value.Kind != TDescValueKind::Set)
                bad();
            uint64_t bits = 0;
            for (const std::string& element : value.Set) {
                const int v = info.EnumType->IndexOf(element);
                if (v < 0)
                    Error(line, where + ": " + element + " is not a value of " + info.EnumType->TypeName());
                bits |= uint64_t{1} << v;
            }
            info.SetOrd(target, static_cast<int64_t>(bits));
            break;
        }
        case TTypeKind::tkFloat:
            if (value.Kind == TDescValueKind::Float)
                info.SetFloat(target, value.Float);
            else if (value.Kind == TDescValueKind::Integer)
                info.SetFloat(target, static_cast<double>(value.Integer));
            else
                bad();
            break;
        case TTypeKind::tkString:
            if (value.Kind != TDescValueKind::String)
                bad();
            info.SetStr(target, value.Text);
            break;
        case TTypeKind::tkClass:
            if (value.Kind != TDescValueKind::Collection)
                bad();
            ReadCollection(info.GetObject(target), value, where.substr(std::string("property ").size()));
            break;
        case TTypeKind::tkComponent:
            if (!ident)
                bad();
            if (SameIdent(value.Text, "nil"))
                info.SetComponent(target, nullptr);
            else
                FFixups.push_back({&target, &info, value.Text, where, line});
            break;
        case TTypeKind::tkMethod: {
            if (!ident)
                bad();
            const TMethodEntry* method = FRoot->ClassType().FindMethod(value.Text);
            if (!method)
                Error(line, where + ": " + FRoot->ClassName() + " has no method " + value.Text);
            if (!info.SetHandler(target, method->Bind(*FRoot)))
                Error(line, where + ": method " + value.Text + " does not fit the event");
            target.SetHandlerName(info.Name, value.Text);
            break;
        }
        }
    } catch (const EReadError&) {
        throw;
    } catch (const Exception& e) {
        Error(line, where + ": " + e.Message());
    }
}

void TReader::ReadCollection(TPersistent* object, const TDescValue& value, const std::string& context)
{
    auto* collection = dynamic_cast<TCollection*>(object);
    if (!collection)
        Error(value.Line, "property " + context + ": not a collection");
    TCollectionUpdate update(*collection);
    collection->Clear();
    for (std::size_t i = 0; i < value.Items.size(); ++i) {
        TCollectionItem* item = collection->Add();
        ReadProperties(*item, value.Items[i].Properties, context + "[" + std::to_string(i) + "]");
    }
}

void TReader::ResolveFixups()
{
    for (const TFixup& f : FFixups) {
        TComponent* found = nullptr;
        const std::size_t dot = f.Reference.find('.');
        if (dot == std::string::npos) {
            found = SameIdent(f.Reference, FRoot->Name()) ? FRoot : FRoot->FindComponent(f.Reference);
            if (!found)
                found = FindGlobalComponent(f.Reference);
        } else {
            const std::string rootName = f.Reference.substr(0, dot);
            TComponent* root = SameIdent(rootName, FRoot->Name()) ? FRoot : FindGlobalComponent(rootName);
            if (root)
                found = root->FindComponent(f.Reference.substr(dot + 1));
        }
        if (!found)
            Error(f.Line, f.Context + ": component " + f.Reference + " not found");
        bool fits = false;
        try {
            fits = f.Info->SetComponent(*f.Instance, found);
        } catch (const Exception& e) {
            Error(f.Line, f.Context + ": " + e.Message());
        }
        if (!fits)
            Error(f.Line, f.Context + ": " + f.Reference + " is a " + found->ClassName() + ", not a " +
                              f.Info->RefClass()->Name());
    }
}

void TReader::DefineProperty(const std::string& Name, const TReaderProc& ReadData, const TWriterProc&, bool)
{
    if (!FDefinedName || FDefinedFound || !ReadData || !SameIdent(Name, *FDefinedName))
        return;
    FDefinedFound = true;
    FSingleValue.assign(1, *FDefinedValue);
    FCursor.assign(1, TCursor{&FSingleValue, 0});
    ReadData(*this);
    if (FCursor.size() != 1 || FCursor.back().Index != 1)
        Error(FDefinedValue->Line, "property " + Name + ": the value does not have the expected shape");
    FCursor.clear();
}

void TReader::DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData, const TStreamProc&, bool)
{
    if (!FDefinedName || FDefinedFound || !ReadData || !SameIdent(Name, *FDefinedName))
        return;
    FDefinedFound = true;
    if (FDefinedValue->Kind != TDescValueKind::Binary)
        Error(FDefinedValue->Line, "property " + Name + ": expected a binary block");
    TMemoryStream stream;
    stream.WriteBuffer(FDefinedValue->Text.data(), static_cast<int64_t>(FDefinedValue->Text.size()));
    stream.SetPosition(0);
    ReadData(stream);
}

const TDescValue& TReader::Take(TDescValueKind kind, const char* what)
{
    const int line = FDefinedValue ? FDefinedValue->Line : 0;
    if (FCursor.empty())
        Error(line, std::string("no value to read as ") + what);
    TCursor& top = FCursor.back();
    if (top.Index >= top.Values->size())
        Error(line, std::string("expected ") + what + " but the list ended");
    const TDescValue& v = (*top.Values)[top.Index];
    if (v.Kind != kind)
        Error(v.Line, std::string("expected ") + what);
    ++top.Index;
    return v;
}

TDescValueKind TReader::NextValue() const
{
    if (FCursor.empty() || FCursor.back().Index >= FCursor.back().Values->size())
        Error(FDefinedValue ? FDefinedValue->Line : 0, "no more values");
    return (*FCursor.back().Values)[FCursor.back().Index].Kind;
}

int64_t TReader::ReadInteger()
{
    return Take(TDescValueKind::Integer, "an integer").Integer;
}

double TReader::ReadFloat()
{
    if (NextValue() == TDescValueKind::Integer)
        return static_cast<double>(ReadInteger());
    return Take(TDescValueKind::Float, "a number").Float;
}

std::string TReader::ReadString()
{
    return Take(TDescValueKind::String, "a string").Text;
}

std::string TReader::ReadIdent()
{
    return Take(TDescValueKind::Ident, "a name").Text;
}

bool TReader::ReadBoolean()
{
    const TDescValue& v = Take(TDescValueKind::Ident, "True or False");
    if (SameIdent(v.Text, "True"))
        return true;
    if (SameIdent(v.Text, "False"))
        return false;
    Error(v.Line, "expected True or False");
}

void TReader::ReadListBegin()
{
    const TDescValue& v = Take(TDescValueKind::List, "a list");
    FCursor.push_back({&v.List, 0});
}

bool TReader::EndOfList() const
{
    return FCursor.empty() || FCursor.back().Index >= FCursor.back().Values->size();
}

void TReader::ReadListEnd()
{
    if (!EndOfList())
        Error(FDefinedValue ? FDefinedValue->Line : 0, "the list holds more values than were read");
    if (FCursor.size() < 2)
        Error(FDefinedValue ? FDefinedValue->Line : 0, "list end without a list");
    FCursor.pop_back();
}

void ReadComponentFromText(TComponent& Root, std::string_view Text, const std::string& ResourceName)
{
    TReader(Text, ResourceName).ReadRootComponent(Root);
}
