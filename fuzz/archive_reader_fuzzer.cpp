// Feeds arbitrary bytes to the scene engine's archive readers. The first
// byte picks the reader: an object list (which reads every registered list
// class inside it), one of the typed lists, or a walk over loose values.
// Reading may only raise the runtime's exceptions; what it accepts must write
// back and read again to the same bytes (write, read, write), and a float
// read must survive its own round trip.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "scene3d/lists/numberlists.h"
#include "scene3d/lists/vectorlists.h"
#include "scene3d/persistence/binaryreader.h"
#include "scene3d/persistence/extendedfloat.h"
#include "scene3d/persistence/persistentobjectlist.h"

namespace {

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
        ReadBack<TByteList>,             WalkValues,
    };
    readers[data[0] % std::size(readers)](archive);
    return 0;
}
