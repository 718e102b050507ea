#include "platform/rtl/writer.h"

#include "platform/rtl/collection.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/propinterceptors.h"
#include "platform/rtl/streams.h"

namespace {
// The interceptor the reader hands this object's stored values to, when
// it takes them.
std::unique_ptr<TStoragePropertyInterceptor> WritingInterceptor(TPersistent& instance)
{
    std::unique_ptr<TStoragePropertyInterceptor> interceptor = CreatePropertyInterceptor(&instance);
    if (interceptor && !interceptor->WantsIntercept())
        interceptor.reset();
    return interceptor;
}
} // namespace

TDescObject TWriter::WriteRootComponent()
{
    return WriteObject(FRoot);
}

TDescObject TWriter::WriteObject(TComponent& instance)
{
    TDescObject node;
    node.Name = instance.Name();
    node.ClassName = instance.ClassName();
    WriteProperties(instance, "", node.Properties, WritingInterceptor(instance).get());
    instance.GetChildren(
        [&](TComponent* child) {
            if (!child->IsSubComponent())
                node.Children.push_back(WriteObject(*child));
        },
        &FRoot);
    return node;
}

void TWriter::WriteProperties(TPersistent& instance, const std::string& prefix, std::vector<TDescProperty>& out,
                              TStoragePropertyInterceptor* interceptor)
{
    for (const TPropInfo* info : instance.ClassType().AllProperties()) {
        if (!info->IsStored(instance))
            continue;
        // A property its interceptor publishes is written as the interceptor
        // gives it, since the interceptor is what reads it back.
        const TPropInfo* intercepted = interceptor ? interceptor->ClassType().FindProperty(info->Name) : nullptr;
        if (!intercepted)
            WritePublished(instance, *info, prefix, out);
        else if (intercepted->IsStored(*interceptor))
            WritePublished(*interceptor, *intercepted, prefix, out);
    }

    const std::string savedPrefix = FPrefix;
    std::vector<TDescProperty>* savedOut = FOut;
    FPrefix = prefix;
    FOut = &out;
    instance.DefineProperties(*this);
    FPrefix = savedPrefix;
    FOut = savedOut;
}

bool TWriter::WritePublished(TPersistent& instance, const TPropInfo& info, const std::string& prefix,
                             std::vector<TDescProperty>& out)
{
    TDescValue v;
    switch (info.Kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkInt64:
    case TTypeKind::tkBoolean:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet: {
        const int64_t ord = info.GetOrd(instance);
        if (info.OrdDefault && *info.OrdDefault == ord)
            return false;
        if (info.Kind == TTypeKind::tkBoolean) {
            v.Kind = TDescValueKind::Ident;
            v.Text = ord ? "True" : "False";
        } else if (info.Kind == TTypeKind::tkEnumeration) {
            v.Kind = TDescValueKind::Ident;
            v.Text = info.EnumType->NameOf(static_cast<int>(ord));
        } else if (info.Kind == TTypeKind::tkSet) {
            v.Kind = TDescValueKind::Set;
            for (int i = 0; i < info.EnumType->Count(); ++i)
                if ((static_cast<uint64_t>(ord) >> i) & 1)
                    v.Set.push_back(info.EnumType->NameOf(i));
        } else if (const char* name = info.Idents ? IntToIdent(*info.Idents, ord) : nullptr) {
            v.Kind = TDescValueKind::Ident;
            v.Text = name;
        } else {
            v.Kind = TDescValueKind::Integer;
            v.Integer = ord;
        }
        break;
    }
    case TTypeKind::tkFloat:
        v.Kind = TDescValueKind::Float;
        v.Float = info.GetFloat(instance);
        if (v.Float == info.FloatDefault.value_or(0.0))
            return false;
        break;
    case TTypeKind::tkString:
        v.Kind = TDescValueKind::String;
        v.Text = info.GetStr(instance);
        if (v.Text.empty())
            return false;
        break;
    case TTypeKind::tkClass: {
        TPersistent* nested = info.GetObject(instance);
        if (!nested)
            return false;
        if (auto* collection = dynamic_cast<TCollection*>(nested)) {
            if (collection->Count() == 0)
                return false;
            v.Kind = TDescValueKind::Collection;
            for (int i = 0; i < collection->Count(); ++i) {
                TDescItem item;
                TCollectionItem& collectionItem = *collection->Items(i);
                WriteProperties(collectionItem, "", item.Properties, WritingInterceptor(collectionItem).get());
                v.Items.push_back(std::move(item));
            }
            break;
        }
        WriteProperties(*nested, prefix + info.Name + ".", out);
        return true;
    }
    case TTypeKind::tkComponent: {
        const TComponent* ref = info.GetComponent(instance);
        if (!ref)
            return false;
        v.Kind = TDescValueKind::Ident;
        v.Text = ReferenceName(*ref);
        break;
    }
    case TTypeKind::tkMethod:
        v.Kind = TDescValueKind::Ident;
        v.Text = instance.HandlerName(info.Name);
        if (!info.HasHandler(instance) || v.Text.empty())
            return false;
        break;
    }
    out.push_back({prefix + info.Name, std::move(v), 0});
    return true;
}

std::string TWriter::ReferenceName(const TComponent& component) const
{
    if (&component == &FRoot || component.Owner() == &FRoot || !component.Owner())
        return component.Name();
    return component.Owner()->Name() + "." + component.Name();
}

void TWriter::DefineProperty(const std::string& Name, const TReaderProc&, const TWriterProc& WriteData, bool HasData)
{
    if (!HasData || !WriteData || !FOut)
        return;
    FOut->push_back({FPrefix + Name, TDescValue(), 0});
    TDescProperty& prop = FOut->back();
    FPending = &prop.Value;
    FOpenLists.clear();
    WriteData(*this);
    if (FPending || !FOpenLists.empty())
        throw EWriteError("property " + Name + ": the write procedure left its value unfinished");
}

void TWriter::DefineBinaryProperty(const std::string& Name, const TStreamProc&, const TStreamProc& WriteData,
                                   bool HasData)
{
    if (!HasData || !WriteData || !FOut)
        return;
    TMemoryStream stream;
    WriteData(stream);
    TDescValue v;
    v.Kind = TDescValueKind::Binary;
    v.Text.assign(static_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
    FOut->push_back({FPrefix + Name, std::move(v), 0});
}

void TWriter::Emit(TDescValue value)
{
    if (!FOpenLists.empty()) {
        FOpenLists.back()->List.push_back(std::move(value));
        return;
    }
    if (!FPending)
        throw EWriteError("a defined property writes more than one value");
    *FPending = std::move(value);
    FPending = nullptr;
}

void TWriter::WriteInteger(int64_t Value)
{
    TDescValue v;
    v.Integer = Value;
    Emit(std::move(v));
}

void TWriter::WriteFloat(double Value)
{
    TDescValue v;
    v.Kind = TDescValueKind::Float;
    v.Float = Value;
    Emit(std::move(v));
}

void TWriter::WriteString(const std::string& Value)
{
    TDescValue v;
    v.Kind = TDescValueKind::String;
    v.Text = Value;
    Emit(std::move(v));
}

void TWriter::WriteIdent(const std::string& Value)
{
    TDescValue v;
    v.Kind = TDescValueKind::Ident;
    v.Text = Value;
    Emit(std::move(v));
}

void TWriter::WriteBoolean(bool Value)
{
    WriteIdent(Value ? "True" : "False");
}

void TWriter::WriteListBegin()
{
    TDescValue v;
    v.Kind = TDescValueKind::List;
    if (!FOpenLists.empty()) {
        FOpenLists.back()->List.push_back(std::move(v));
        FOpenLists.push_back(&FOpenLists.back()->List.back());
        return;
    }
    if (!FPending)
        throw EWriteError("a defined property writes more than one value");
    *FPending = std::move(v);
    FOpenLists.push_back(FPending);
    FPending = nullptr;
}

void TWriter::WriteListEnd()
{
    if (FOpenLists.empty())
        throw EWriteError("list end without a list");
    FOpenLists.pop_back();
}

std::string WriteComponentToText(TComponent& Root)
{
    return PrintDescription(TWriter(Root).WriteRootComponent());
}
