#include "dbgrid/exchange/gridimportvcldbif.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/exchange/vcldbifformat.h"
#include "platform/data/field.h"
#include "platform/rtl/exceptions.h"

using namespace VCLDBIF;

namespace {

template <class T>
T FromLittleEndian(std::string Bytes)
{
    if constexpr (std::endian::native == std::endian::big)
        std::reverse(Bytes.begin(), Bytes.end());
    T value;
    std::memcpy(&value, Bytes.data(), sizeof(T));
    return value;
}

} // namespace

void TDBGridLtImportAsVCLDBIF::FormatError()
{
    throw Exception("TDBGridLtImportAsVCLDBIF.ReadPrefix: Неверный формат VCLDBIF");
}

std::string TDBGridLtImportAsVCLDBIF::Take(uint64_t Count)
{
    if (Count > FData.size() - FPos)
        FormatError();
    std::string bytes = FData.substr(FPos, static_cast<std::size_t>(Count));
    FPos += static_cast<std::size_t>(Count);
    return bytes;
}

uint32_t TDBGridLtImportAsVCLDBIF::TakeUInt32()
{
    return FromLittleEndian<uint32_t>(Take(4));
}

void TDBGridLtImportAsVCLDBIF::GetPrefix()
{
    FData = ReadRest();
    FPos = 0;
    if (FData.size() < kHeaderSize || FData.compare(0, kSignatureSize, kSignature) != 0)
        FormatError();
    FPos = kHeaderSize - 4;
    FColumnCount = TakeUInt32();
    // Each column takes at least its flag and the name's end.
    if (uint64_t{FColumnCount} * 2 > FData.size() - FPos)
        FormatError();
    for (uint32_t i = 0; i < FColumnCount; ++i) {
        Take(1);
        const std::size_t nameEnd = FData.find('\0', FPos);
        if (nameEnd == std::string::npos)
            FormatError();
        FPos = nameEnd + 1;
    }
    ReadValue();
    if (FColumnCount == 0 && !Eos())
        FormatError();
}

void TDBGridLtImportAsVCLDBIF::ReadValue()
{
    const auto tag = static_cast<uint8_t>(Take(1)[0]);
    FLastValue = Variant();
    switch (tag) {
    case tagEnd: SetEos(); return;
    case tagUnassigned: return;
    case tagNull: FLastValue = Variant::Null(); return;
    case tagInteger: FLastValue = Variant(FromLittleEndian<int32_t>(Take(4))); return;
    case tagFloat: FLastValue = Variant(FromLittleEndian<double>(Take(8))); return;
    case tagString:
    case tagBinary: FLastValue = Variant(Take(TakeUInt32())); return;
    default: FormatError();
    }
}

bool TDBGridLtImportAsVCLDBIF::GetRecord(const TColumnsLtList& Columns)
{
    uint32_t n = 0;
    for (; n < FColumnCount && !Eos(); ++n) {
        if (n < static_cast<uint32_t>(Columns.Count()) && !FLastValue.IsEmpty()) {
            const Variant value = FLastValue;
            WriteColumnValue(*Columns.Items(static_cast<int>(n)), [&](TField& Field) {
                if (value.IsNull())
                    Field.Clear();
                else
                    Field.SetValue(value);
            });
        }
        ReadValue();
    }
    // The end tag after the last value of a record ends the data; before
    // it, the record is cut short.
    return n == FColumnCount;
}
