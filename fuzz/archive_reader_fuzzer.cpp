// Feeds arbitrary bytes to the scene engine's archive readers. The first
// byte picks the reader: an object list (which reads every registered list
// class inside it), one of the typed lists, a walk over loose values, an
// extensible collection of the item classes below, or a material library.
// Reading may only raise the runtime's exceptions; what it accepts must write
// back and read again to the same bytes (write, read, write), and a float
// read must survive its own round trip.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "scene3d/base/extcollection.h"
#include "scene3d/lists/numberlists.h"
#include "scene3d/lists/vectorlists.h"
#include "scene3d/materials/materiallibrary.h"
#include "scene3d/persistence/binaryreader.h"
#include "scene3d/persistence/binarywriter.h"
#include "scene3d/persistence/extendedfloat.h"
#include "scene3d/persistence/persistentobjectlist.h"

// The item classes of the collection fixture, and a unique one.
class TBlink : public TExtCollectionItem {
    LT_CLASS(TBlink)
public:
    explicit TBlink(TExtCollection* C) : TExtCollectionItem(C, ItemClassOf<TBlink>()) {}
    static std::string KindName() { return "Blink"; }
};

class TSpin : public TExtCollectionItem {
    LT_CLASS(TSpin)
public:
    explicit TSpin(TExtCollection* C) : TExtCollectionItem(C, ItemClassOf<TSpin>()) {}
    static std::string KindName() { return "Spin"; }
};

class TGlow : public TExtCollectionItem {
    LT_CLASS(TGlow)
public:
    explicit TGlow(TExtCollection* C) : TExtCollectionItem(C, ItemClassOf<TGlow>()) {}
    static std::string KindName() { return "Glow"; }
    static bool IsUnique() { return true; }
};

LT_IMPLEMENT_CLASS(TBlink, TExtCollectionItem) {}
LT_IMPLEMENT_CLASS(TSpin, TExtCollectionItem) {}
LT_IMPLEMENT_CLASS(TGlow, TExtCollectionItem) {}

namespace {

[[maybe_unused]] const bool registered = RegisterExtCollectionItemClass<TBlink>() &&
                                         RegisterExtCollectionItemClass<TSpin>() &&
                                         RegisterExtCollectionItemClass<TGlow>();

void Check(bool Condition)
{
    if (!Condition)
        std::abort();
}

// Lists read from an archive own what they hold, lists inside lists too.
void FreeDeep(TPersistentObjectList& List)
{
    for (int i = 0; i < List.Count(); ++i)
        if (auto* inner = dynamic_cast<TPersistentObjectList*>(List.Items(i)))
            FreeDeep(*inner);
    List.FreeAndClear();
}

template <class TArchived>
void ReadBack(const std::string& Data)
{
    TArchived object;
    bool accepted = true;
    try {
        object.LoadFromString(Data);
    } catch (const Exception&) {
        accepted = false;
    }
    if (accepted) {
        const std::string written = object.SaveToString();
        TArchived again;
        again.LoadFromString(written);
        Check(again.SaveToString() == written);
        if constexpr (std::is_same_v<TArchived, TPersistentObjectList>)
            FreeDeep(again);
    }
    if constexpr (std::is_same_v<TArchived, TPersistentObjectList>)
        FreeDeep(object);
}

std::string Written(const TExtCollection& Collection)
{
    TStringStream stream;
    TBinaryWriter writer(stream);
    Collection.WriteToArchive(writer);
    return stream.DataString();
}

void ReadCollection(TExtCollection& Collection, const std::string& Data)
{
    TStringStream stream(Data);
    TBinaryReader reader(stream);
    Collection.ReadFromArchive(reader);
}

void ReadExtCollection(const std::string& Data)
{
    TExtCollection collection(nullptr);
    try {
        ReadCollection(collection, Data);
    } catch (const Exception&) {
        return;
    }
    const std::string written = Written(collection);
    TExtCollection again(nullptr);
    ReadCollection(again, written);
    Check(Written(again) == written);
}

std::string Written(const T3DMaterialLibrary& Library)
{
    TStringStream stream;
    Library.SaveToStream(stream);
    return stream.DataString();
}

void ReadMaterialLibrary(const std::string& Data)
{
    T3DMaterialLibrary library(nullptr);
    try {
        TStringStream stream(Data);
        library.LoadFromStream(stream);
    } catch (const Exception&) {
        return;
    }
    const std::string written = Written(library);
    T3DMaterialLibrary again(nullptr);
    TStringStream stream(written);
    again.LoadFromStream(stream);
    Check(Written(again) == written);
}

void WalkValues(const std::string& Data)
{
    TStringStream stream(Data);
    TBinaryReader reader(stream);
    try {
        while (reader.BytesLeft() > 0) {
            switch (reader.NextValue()) {
            case vaInt8:
            case vaInt16:
            case vaInt32:
                reader.ReadInteger();
                break;
            case vaExtended: {
                const double value = reader.ReadFloat();
                Check(std::isnan(value) || ExtendedToDouble(DoubleToExtended(value)) == value);
                break;
            }
            case vaFalse:
            case vaTrue:
                reader.ReadBoolean();
                break;
            case vaList:
                reader.ReadListBegin();
                break;
            case vaNull:
                reader.ReadListEnd();
                break;
            default:
                reader.ReadString();
            }
        }
    } catch (const Exception&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string archive(reinterpret_cast<const char*>(data) + 1, size - 1);
    static const std::function<void(const std::string&)> readers[] = {
        ReadBack<TPersistentObjectList>, ReadBack<TAffineVectorList>, ReadBack<TVectorList>,
        ReadBack<TTexPointList>,         ReadBack<TIntegerList>,      ReadBack<TSingleList>,
        ReadBack<TByteList>,             WalkValues,                  ReadExtCollection,
        ReadMaterialLibrary,
    };
    readers[data[0] % std::size(readers)](archive);
    return 0;
}
