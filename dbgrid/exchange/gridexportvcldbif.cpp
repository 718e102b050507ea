#include "dbgrid/exchange/gridexportvcldbif.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "dbgrid/core/columnlt.h"
#include "dbgrid/exchange/gridexchangerange.h"
#include "dbgrid/exchange/vcldbifformat.h"
#include "platform/data/field.h"
#include "platform/rtl/streams.h"

namespace {

using namespace VCLDBIF;

template <class T>
std::string LittleEndian(T Value)
{
    std::string bytes(sizeof(T), '\0');
    std::memcpy(bytes.data(), &Value, sizeof(T));
    if constexpr (std::endian::native == std::endian::big)
        std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

std::string Tagged(TTag Tag, const std::string& Payload = {})
{
    return std::string(1, static_cast<char>(Tag)) + Payload;
}

std::string Counted(TTag Tag, const std::string& Bytes)
{
    return Tagged(Tag, LittleEndian(static_cast<uint32_t>(Bytes.size())) + Bytes);
}

std::string EncodedValue(const TField* Field)
{
    if (!Field)
        return Tagged(tagUnassigned);
    if (Field->IsNull())
        return Tagged(tagNull);
    switch (Field->DataType()) {
    case ftString: case ftBoolean: case ftMemo: case ftFixedChar: case ftLargeint: case ftOraClob: case ftGuid:
        return Counted(tagString, Field->AsString());
    case ftSmallint: case ftInteger: case ftWord: case ftAutoInc:
        return Tagged(tagInteger, LittleEndian(static_cast<int32_t>(Field->AsInteger())));
    case ftFloat: case ftCurrency: case ftBCD: case ftDate: case ftTime: case ftDateTime: case ftTimeStamp:
    case ftFMTBcd:
        return Tagged(tagFloat, LittleEndian(Field->AsFloat()));
    case ftBytes: case ftVarBytes: case ftBlob: case ftGraphic: case ftFmtMemo: case ftParadoxOle: case ftDBaseOle:
    case ftTypedBinary: case ftWideString: case ftOraBlob:
        return Counted(tagBinary, Field->AsString());
    default:
        return Tagged(tagUnassigned);
    }
}

} // namespace

void TDBGridLtExportAsVCLDBIF::PutPrefix()
{
    std::string header(kSignature, kSignatureSize);
    header += static_cast<char>(kVersion);
    header += LittleEndian(static_cast<uint32_t>(ExpCols().Count()));
    for (const TColumnLt* column : ExpCols())
        header += std::string{static_cast<char>(column->Visible() ? 1 : 0), '\0'};
    WriteString(header);
}

void TDBGridLtExportAsVCLDBIF::PutSuffix()
{
    WriteString(Tagged(tagEnd));
}

void TDBGridLtExportAsVCLDBIF::PutRecord(const TColumnsLtList& Columns)
{
    for (TColumnLt* column : Columns)
        PutDataCell(column, ColCellParams());
}

void TDBGridLtExportAsVCLDBIF::PutDataCell(TColumnLt* Column, TColCellParamsLt*)
{
    WriteString(EncodedValue(ColumnValueField(*Column)));
}
